#pragma once
// Recognised time counted once (§ 28 Abs. 4 S. 1 BBesG) under caps per kind or person. The parts are
// intervals of the 30-day reckoning (see tagesstand), each in a capped group or in none. Every unit of time
// counts at most once, a group counts at most its cap, and the sum is as large as the caps allow, so adding a
// part never lowers it: a child's care that overlaps work is counted where it overlaps nothing else.

#include <vector>

namespace bda {

struct Anrechnungsteil {
    int von = 0;      // first unit, included
    int bis = 0;      // last unit, excluded
    int gruppe = -1;  // index into the caps; -1: no cap
};

struct Zuteilung {
    int gezählt = 0;          // units counted for this part
    int anderswoGezählt = 0;  // units of this part that another part counted
};

// One allocation per part, in their order. A unit that several parts could count goes to the first of them
// in that order, unless only a part whose group still has room can take it.
std::vector<Zuteilung> zuteilen(const std::vector<Anrechnungsteil>& teile,
                                const std::vector<int>& höchstwerte);

}  // namespace bda
