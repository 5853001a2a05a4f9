#pragma once
// Checks of a period date just closed with Enter. A refused date is announced, its field emptied
// (day number 0) and focused again.

#include "Fall.h"
#include "Oberflaeche.h"

namespace bda {

// Quarter-rule frame (periods in fields 3..10, span in fields 20 and 21); does nothing for other fields.
// Refuses a date before or after the span, inside another period of the frame, an end before its start,
// or a period that encloses another one. Dates decide, ends included: a date on the last day of another
// period lies inside it. Only complete dates take part; an incomplete field counts as empty.
void plausibilität1(Fall& fall, Oberflaeche& oberfläche, int feld);

// The same for the half-rule frame (periods in fields 11..18, span in fields 22 and 23).
void plausibilität2(Fall& fall, Oberflaeche& oberfläche, int feld);

}  // namespace bda
