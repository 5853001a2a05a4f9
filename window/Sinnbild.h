#pragma once
// An icon drawn from its SVG at the size and pixel density of the moment, so it stays crisp when the
// layout grows and on screens scaled by two.

#include <QIcon>
#include <QWidget>

namespace bda::fenster {

class Sinnbild : public QWidget {
   public:
    Sinnbild(QString datei, QWidget* eltern);

   protected:
    void paintEvent(QPaintEvent* ereignis) override;

   private:
    QString datei_;
    QIcon bild_;  // loaded when first painted
};

}  // namespace bda::fenster
