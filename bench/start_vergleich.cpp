// The floor of start-up: a bare Qt Widgets window with 150 labels, about as many texts as the main
// window shows, that ends after its first frame. bench/start_vergleich.sh starts it and the program
// alternately.

#include <QApplication>
#include <QLabel>

#include "ErstesBild.h"

using namespace bda::fenster;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.resize(736, 580);
    for (int i = 0; i < 150; ++i) {
        auto* label = new QLabel(QStringLiteral("Beschriftung %1").arg(i), &fenster);
        label->setGeometry(10 + (i % 5) * 140, 10 + (i / 5) * 18, 135, 17);
    }
    new NachErstemBild(&fenster);
    fenster.show();
    return QApplication::exec();
}
