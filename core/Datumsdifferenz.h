#pragma once
// The two date difference routines: the span between two date texts in the 30-day reckoning, and the
// day number of a date field counted from the birth date.

#include <chrono>
#include <string_view>

#include "Zeitspanne.h"

namespace bda {

// The span from `anfangsdatum` to `enddatum`, both days counted, in the civil-service manner: the 31st
// of a month does not count, the last day of February counts as the 30th, and a span starting on the
// last day of February gets the missing days of February added. Leap years are the years divisible by 4.
//   01/01/2000 .. 31/12/2000  ->  1 year
//   28/02/2001 .. 15/03/2001  ->  18 days (1..15 March and the 28th, 29th and 30th "February")
//   28/02/2001 .. 29/03/2001  ->  32 days (no carry is made for 31 or 32 days)
// The texts are read by character position; a text without digits at a place reads 0 there.
Zeitspanne datumsdifferenz(std::string_view anfangsdatum, std::string_view enddatum);

// The day's place in the same reckoning: days 1 to 30 of a month count 1 each, the 31st counts 0, the
// last day of February counts up to 30. So a span a..b lasts tagesstand(b) - tagesstand(a - 1 day)
// days, as datumsdifferenz() counts it, and spans can be added and cut without rounding.
int tagesstand(std::chrono::year_month_day tag);

// Calendar days from the birth date to `feld`: negative when `feld` lies earlier; 0 when either text
// holds no date.
int datumdiffneu(std::string_view geburtsdatum, std::string_view feld);

}  // namespace bda
