#pragma once
// The entry grades (Eingangsamt 0..4) and the texts the window shows for the chosen one.

#include <array>
#include <string>
#include <string_view>

#include "Zeichen.h"

namespace bda {

namespace Eingangsamt {
inline constexpr int a1bisA12 = 0;    // quarter rule from the 31st birthday, half rule from the 35th
inline constexpr int a13oderA14 = 1;  // half rule from the 35th birthday
inline constexpr int c1oderC2 = 2;    // half rule from the 35th birthday
inline constexpr int professor = 3;   // C 3 and C 4: half rule from the 40th birthday
inline constexpr int richter = 4;     // judges and prosecutors: not yet supported, evaluated like 1 and 2
inline constexpr int anzahl = 5;
}  // namespace Eingangsamt

// The entry grade of each option as a printed text names it.
inline constexpr std::array<std::string_view, Eingangsamt::anzahl> eingangsamtnamen = {
    "A 1 bis A 12", "A 13 oder A 14", "C 1 oder C 2", "Professor C 3 und C 4", "Richter oder Staatsanwalt",
};

// "Berechnung des Besoldungsdienstalters nach § 28 BBesG für " + name.
inline std::string fenstertitel(std::string_view paragraph, std::string_view name) {
    return "Berechnung des Besoldungsdienstalters nach § " + std::string(getrimmt(paragraph)) +
           " BBesG für " + std::string(name);
}

// Caption of Text(3) with the year of life whose completion was exceeded at appointment ("31").
inline std::string überschreitungstext(std::string_view lebensjahr) {
    return "Am Tag der Ernennung war die Vollendung des    " + std::string(lebensjahr) +
           ".    Lebensj. überschritten um . . . . . . . . . . . . . . . . . . . . . . .";
}

// Caption of Label10 with the year of life from which the half rule applies.
inline std::string hälftetext(std::string_view lebensjahr) {
    return "Davon entfallen auf die Zeit ab Vollendung des    " + std::string(lebensjahr) +
           ".    Lebensjahres . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .";
}

}  // namespace bda
