#pragma once
// A label whose caption may end in a dotted leader (". . . ."): the leader only fills the line up to
// the values beside it, so where the caption is wider than the label, dots are left off at the end
// instead of the caption being cut mid-character. text() stays the whole caption.

#include <QLabel>

namespace bda::fenster {

class Leitertext : public QLabel {
   public:
    using QLabel::QLabel;

    // The caption as painted: the whole text, or the text with as many leader dots left off as needed.
    QString gezeigterText() const;
    // Where the painted text's characters from `von` (counted from 0) begin, in the label's pixels.
    int textanfang(int von) const;
    // The room the text is painted in: the contents less margin and indent.
    QRect textfläche() const;

   protected:
    void paintEvent(QPaintEvent* ereignis) override;

   private:
    // The last cut, kept while text, width and font stay: painting asks for it again and again.
    mutable QString merkText_;
    mutable int merkBreite_ = -1;
    mutable QFont merkSchrift_;
    mutable QString merkGezeigt_;
};

}  // namespace bda::fenster
