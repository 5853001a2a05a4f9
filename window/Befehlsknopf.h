#pragma once
// A command button of the button bar: its picture stands at the left edge, the caption is centred; the
// leading blanks of the caption make room for the picture. Enter presses the button like Space does.

#include <QPushButton>

namespace bda::fenster {

class Befehlsknopf : public QPushButton {
   public:
    Befehlsknopf(const QIcon& bild, QWidget* parent = nullptr);

    // Where the picture stands: a square at the left edge, growing with the button's height but no
    // larger than twice the caption's line, so it leaves the caption room in a tall narrow button.
    QRect bildfläche() const;

   protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
};

}  // namespace bda::fenster
