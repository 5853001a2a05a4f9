#pragma once
// The evaluation of the day of appointment under the chosen entry grade.

#include <chrono>

#include "Fall.h"

namespace bda {

// Measures by how much the decisive year of life had been exceeded on the day before the appointment
// (`überschritten`), splits it between the frames (row 0: up to four years after the 31st birthday into
// the quarter-rule frame for A 1 to A 12, the rest, or for the other grades all of it from the 35th or
// 40th birthday, into the half-rule frame), shows or hides the frames and fills the span fields 20 to 23
// with their day numbers. A frame is shown only while its span runs forward, that is when the appointment
// lies after the birthday that starts it; a hidden frame's rows are all 0/0/0. The caller has the rows
// follow their fields and the BDA recomputed.
void ernennungauswerten(Fall& fall, std::chrono::year_month_day geburtsdatum,
                        std::chrono::year_month_day ernennung);

// The evaluation of the case as its fields stand: ernennungauswerten while the birth date and the
// appointment both hold dates the fields accept; otherwise the state of a new case: no exceedance, both
// frames shown and empty, no spans.
void auswerten(Fall& fall);

}  // namespace bda
