#pragma once
// The postponement of the regular BDA and the resulting BDA, computed from what the case shows.

#include "Fall.h"

namespace bda {

// Reads row 0 (the frame's share) and rows 1 to 4 (the periods) of both frames and the regular BDA in
// field 1; writes rows 5 to 7 of both frames, the total `gesamt`, field 19 and `bdaDatum`.
//   row 5 = sum of rows 1 to 4, days carried into months past 29 and months into years past 11
//   row 6 = row 0 - row 5, borrowing 30 days a month and 12 months a year; 0/0/0 when row 5 is longer
//   row 7 = a quarter (frame 1) or half (frame 2) of row 6 in 30-day days:
//           0/0/1 year = 360 days -> quarter 90 days = 0/3/0; half of 10 days 2 months 1 year = 215 days
// The total's months and years are added to the regular BDA; its days are not, so the BDA is always
// the first of a month: 01/11/1996 plus 2 months gives 01/01/1997.
void bdaberechnen(Fall& fall);

}  // namespace bda
