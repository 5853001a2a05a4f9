#include "Skalierer.h"

#include <algorithm>
#include <cmath>

#include "Twips.h"

namespace bda::fenster {

namespace {

// Left or top edge of a twip coordinate at the scale; both edges are rounded, so neighbours stay flush.
int kante(int twips, double maßstab) { return static_cast<int>(std::lround(pixel(twips, maßstab))); }

}  // namespace

Skalierer::Skalierer(QSize entwurf) : entwurf_(entwurf) {}

QSize Skalierer::entwurfsgröße() const {
    return {kante(entwurf_.width(), 1.0), kante(entwurf_.height(), 1.0)};
}

QSize Skalierer::kleinsteGröße(double entwurfspunkte, double mindestpunkte) const {
    const double maßstab = std::ceil(schriftpixel(mindestpunkte) - 1e-9) / schriftpixel(entwurfspunkte);
    const QSize entwurf = entwurfsgröße();
    return {static_cast<int>(std::ceil(entwurf.width() * maßstab - 1e-9)),
            static_cast<int>(std::ceil(entwurf.height() * maßstab - 1e-9))};
}

void Skalierer::aufnehmen(QWidget* bauteil, QRect twips, const QFont& schrift, double punkte) {
    einträge_.push_back({bauteil, twips, schrift, punkte});
    setzen(einträge_.back(), 1.0, 1.0);
}

void Skalierer::anpassen(QSize größe) {
    const QSize entwurf = entwurfsgröße();
    if (größe.isEmpty() || entwurf.isEmpty()) return;
    const double x = static_cast<double>(größe.width()) / entwurf.width();
    const double y = static_cast<double>(größe.height()) / entwurf.height();
    for (const Eintrag& eintrag : einträge_) setzen(eintrag, x, y);
}

void Skalierer::setzen(const Eintrag& eintrag, double x, double y) const {
    if (!eintrag.bauteil) return;
    const QRect& r = eintrag.twips;
    const int links = kante(r.x(), x);
    const int oben = kante(r.y(), y);
    eintrag.bauteil->setGeometry(links, oben, std::max(1, kante(r.x() + r.width(), x) - links),
                                 std::max(1, kante(r.y() + r.height(), y) - oben));
    // Rounded down: a font a fraction too large would push wrapped captions onto a line more.
    QFont schrift = eintrag.schrift;
    const double pixelgröße = schriftpixel(eintrag.punkte, std::min(x, y));
    schrift.setPixelSize(std::max(1, static_cast<int>(std::floor(pixelgröße + 1e-9))));
    eintrag.bauteil->setFont(schrift);
}

}  // namespace bda::fenster
