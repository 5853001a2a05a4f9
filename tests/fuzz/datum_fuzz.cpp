// libFuzzer: the two date routines against the tests' own calendar (Kalendermodell.h). The first 20 bytes
// are two date texts as they come, the next 6 bytes two days from 1900 to 2100 written as texts. For real
// days, datumdiffneu must give the calendar days between them and datumsdifferenz (start not after end)
// the span of the 30-day reckoning; for texts that name no day, datumdiffneu gives 0.

#include <cstdint>

#include "Datumsdifferenz.h"
#include "Kalendermodell.h"
#include "Pruefe.h"

using namespace bda;

namespace {

void vergleichen(std::string_view a, std::string_view b) {
    using namespace kalendermodell;
    const auto von = lesen(a);
    const auto bis = lesen(b);
    const int tage = datumdiffneu(a, b);
    const Zeitspanne spanne = datumsdifferenz(a, b);  // any text: read digit by digit, never undefined
    if (!von || !bis) return prüfe(tage == 0);
    // Before 1900 the fields hold no dates; what the day number is there is left open.
    if (von->jahr < 1900 || bis->jahr < 1900) return;
    prüfe(tage == kalendertage(*von, *bis));
    prüfe(tagzahl(*von) > tagzahl(*bis) || spanne == dreißigTage(*von, *bis));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    const std::string_view roh(reinterpret_cast<const char*>(daten), größe);
    if (größe >= 20) vergleichen(roh.substr(0, 10), roh.substr(10, 10));
    if (größe >= 26) {
        using namespace kalendermodell;
        const long erster = tagzahl({1900, 1, 1});
        const long spanne = tagzahl({2100, 12, 31}) - erster + 1;
        const auto tag = [&](std::size_t stelle) {
            const long zahl = daten[stelle] | daten[stelle + 1] << 8 | daten[stelle + 2] << 16;
            return text(ausTagzahl(erster + zahl % spanne));
        };
        const std::string a = tag(20), b = tag(23);
        vergleichen(a, b);
        vergleichen(b, a);
    }
    return 0;
}
