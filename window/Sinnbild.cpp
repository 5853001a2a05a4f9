#include "Sinnbild.h"

#include <QPainter>

namespace bda::fenster {

Sinnbild::Sinnbild(QString datei, QWidget* eltern) : QWidget(eltern), datei_(std::move(datei)) {}

void Sinnbild::paintEvent(QPaintEvent*) {
    if (bild_.isNull()) bild_ = QIcon(datei_);
    QPainter maler(this);
    bild_.paint(&maler, rect());
}

}  // namespace bda::fenster
