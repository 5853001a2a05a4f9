#include "Zeichengrenze.h"

#include <algorithm>

#include "Beschreibung.h"

namespace bda::fenster {

QValidator::State Zeichengrenze::validate(QString& text, int& cursor) const {
    while (freieZeichen(text.toStdString()) < 0 && cursor > 0) {
        // One character before the cursor; a character outside the BMP is two UTF-16 units.
        const int länge = cursor >= 2 && text.at(cursor - 1).isLowSurrogate() ? 2 : 1;
        text.remove(cursor - länge, länge);
        cursor -= länge;
    }
    if (freieZeichen(text.toStdString()) < 0) {
        // Nothing left before the cursor to take away: the end of the text goes instead.
        text = QString::fromStdString(begrenzteBeschreibung(text.toStdString()));
        cursor = std::min(cursor, static_cast<int>(text.size()));
    }
    return Acceptable;
}

}  // namespace bda::fenster
