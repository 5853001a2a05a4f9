#pragma once
// Ends the program once a window has been painted for the first time, so that start-up can be measured
// from the outside (bench/start_vergleich.sh). Header only: the bare comparison window uses it too.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace bda::fenster {

class NachErstemBild : public QObject {
   public:
    explicit NachErstemBild(QWidget* fenster) : QObject(fenster) { fenster->installEventFilter(this); }

   protected:
    // The window's own paint event comes first in a repaint; the children follow in the same pass,
    // so the program ends right after the whole first frame.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(objekt, ereignis);
    }

   private:
    bool gemalt_ = false;
};

}  // namespace bda::fenster
