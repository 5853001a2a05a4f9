#pragma once
// A rule set of the experience steps: how long each step lasts and the caps on recognised periods. The
// Bund's rules are one table; a Land's rhythm is another table of the same shape, not new code.

#include <string_view>
#include <vector>

#include "Zeitart.h"

namespace bda {

// A limit on the periods of one kind: each period must last `mindestMonate` (0: no minimum), and all of
// them together, or all of one person's when the kind names a person, count at most `höchstMonate`.
struct Zeitgrenze {
    Zeitart art;
    int mindestMonate = 0;
    int höchstMonate = 0;
    std::string_view vorschrift;
};

struct Stufenregeln {
    std::string_view name;             // "Bund (§ 27 Abs. 3 BBesG)"
    std::vector<int> laufzeitJahre;    // years in Stufe 1, 2, ... before the next; steps = size + 1
    std::vector<int> laufzeitEinfach;  // the same for the einfacher Dienst, same size
    int kleinstesAmt = 2;              // A 2
    int größtesAmt = 16;               // A 16
    int höchstesEinfachesAmt = 6;      // the einfacher Dienst ends with A 6
    std::vector<Zeitgrenze> grenzen;
};

// The Bund's rules: BBesG §§ 27, 28 as in force since 1 July 2009.
extern const Stufenregeln bundesregeln;

}  // namespace bda
