#pragma once
// How the experience step's papers write lengths and dates: in words as the German reads them, years
// first, a part that is 0 left out, the singular for exactly one.
//
//   dauertext({10, 2, 4}) -> "4 Jahre, 2 Monate und 10 Tage"    dauertext({0, 1, 0}) -> "1 Monat"
//   monatstext(51)        -> "4 Jahre und 3 Monate"             monatstext(12)       -> "1 Jahr"

#include <string>
#include <string_view>

#include "Zeitspanne.h"

namespace bda::druck {

// A length in the 30-day reckoning; "0 Tage" when it is nothing.
std::string dauertext(const Zeitspanne& spanne);

// Whole months as years and months; "0 Monate" for none.
std::string monatstext(int monate);

// The date a field's text names as "dd.mm.yyyy"; a text that names no date as it stands.
std::string datumstext(std::string_view feldtext);

}  // namespace bda::druck
