#pragma once
// Keeps a description box at no more than 60 significant characters (blanks at either end do not
// count): whatever goes beyond is cut just before the cursor, so a typed character past the limit is
// refused and a pasted text is cut to what still fits. Deleting is never hindered.

#include <QValidator>

namespace bda::fenster {

class Zeichengrenze : public QValidator {
   public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override;
};

}  // namespace bda::fenster
