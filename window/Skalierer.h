#pragma once
// The resizer: every control keeps its design rectangle (twips, relative to its container) and its design
// font; when the window changes size, all of them are rescaled from these, so the layout fills the window.

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace bda::fenster {

class Skalierer {
   public:
    // `entwurf`: the client area of the window at design size, in twips.
    explicit Skalierer(QSize entwurf);

    // The window's client size in pixels at design size.
    QSize entwurfsgröße() const;

    // The smallest window size at which a font of `entwurfspunkte` at design size is still shown with at
    // least `mindestpunkte` (fonts get whole pixels, rounded down).
    QSize kleinsteGröße(double entwurfspunkte, double mindestpunkte) const;

    // Registers a control with its design rectangle in twips and its font with the design size in points.
    void aufnehmen(QWidget* bauteil, QRect twips, const QFont& schrift, double punkte);

    // Lays out every control for the window's client size `größe` (pixels). Positions scale with the
    // width and the height separately; fonts with the smaller of the two factors, so texts keep fitting.
    void anpassen(QSize größe);

   private:
    struct Eintrag {
        QPointer<QWidget> bauteil;
        QRect twips;
        QFont schrift;
        double punkte;
    };

    void setzen(const Eintrag& eintrag, double x, double y) const;

    QSize entwurf_;
    std::vector<Eintrag> einträge_;
};

}  // namespace bda::fenster
