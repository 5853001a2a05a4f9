#pragma once
// A command button of the button bar: its picture stands at the left edge, the caption is centred; the
// leading blanks of the caption make room for the picture. Enter presses the button like Space does.

#include <QPushButton>

class Befehlsknopf : public QPushButton {
   public:
    Befehlsknopf(const QIcon& bild, QWidget* parent = nullptr);

   protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
};
