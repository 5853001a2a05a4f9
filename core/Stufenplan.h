#pragma once
// The steps of the base pay in Besoldungsordnung A under § 27 (2) BBesG as in force from 1997: step 1
// from the BDA, steps 2 to 5 every two years, steps 6 to 9 every three years, steps 10 to 12 every four
// years, each from the first of the month in which it is reached. Pay amounts need tables outside this
// system. The former C scale of the professors is not built: § 77 (1) BBesG keeps it for those in office
// by reference to the wording before 23 February 2002, which it does not restate.
//
//   BDA 01/01/1990: step 2 from 01/01/1992, step 5 from 01/01/1998, step 6 from 01/01/2001,
//   step 9 from 01/01/2010, step 10 from 01/01/2014, step 12 from 01/01/2022.

#include <array>
#include <chrono>
#include <string_view>

#include "Eingangsamt.h"

namespace bda {

inline constexpr int anzahlStufen = 12;

// The rule the schedule follows, as the list names it on screen and on paper.
inline constexpr std::string_view stufenregel = "§ 27 Abs. 2 BBesG a.F., Besoldungsordnung A";

// Whether the schedule holds for an entry-grade option: only the grades of Besoldungsordnung A. The
// grades C 1 to C 4 and R rise by rules of their own that the program does not know.
inline constexpr bool hatStufenplan(int amtswahl) {
    return amtswahl == Eingangsamt::a1bisA12 || amtswahl == Eingangsamt::a13oderA14;
}

struct Stufe {
    int nummer = 0;                  // 1 to 12
    std::chrono::year_month_day ab;  // the first day in that step
    int jahre = 0;                   // years after the BDA
    bool operator==(const Stufe&) const = default;
};

using Stufenfolge = std::array<Stufe, anzahlStufen>;

// Steps 1 to 12 for the BDA `bda`.
Stufenfolge stufenplan(std::chrono::year_month_day bda);

// The step reached on `tag` (1 to 12), both start days included; 0 before step 1.
int stufeAm(const Stufenfolge& plan, std::chrono::year_month_day tag);

}  // namespace bda
