#include "Stufenregeln.h"

namespace bda {

// § 27 Abs. 3 S. 1, 2 BBesG: two years in Stufe 1, three in Stufen 2 to 4, four in Stufen 5 to 7; three in
// Stufen 5 to 7 in the einfacher Dienst. § 28 Abs. 1 S. 1 Nr. 3: services of at least four months, two years
// together; § 28 Abs. 1 S. 4: care of up to three years for each child or relative.
const Stufenregeln bundesregeln{
    "Bund (§ 27 Abs. 3 BBesG)",
    {2, 3, 3, 3, 4, 4, 4},
    {2, 3, 3, 3, 3, 3, 3},
    2,
    16,
    6,
    {
        {Zeitart::wehrdienst, 4, 24, "§ 28 Abs. 1 S. 1 Nr. 3 BBesG"},
        {Zeitart::kinderbetreuung, 0, 36, "§ 28 Abs. 1 S. 4 Nr. 1 BBesG"},
        {Zeitart::pflege, 0, 36, "§ 28 Abs. 1 S. 4 Nr. 2 BBesG"},
    },
};

}  // namespace bda
