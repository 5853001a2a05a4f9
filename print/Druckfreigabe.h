#pragma once
// Whether a case may be printed, shared by the window's print commands and the tests. Both documents
// need the birth date, the appointment and the resulting BDA (field 19).

#include <optional>
#include <string_view>

#include "Fall.h"

namespace bda::druck {

inline constexpr std::string_view druckverweigerungText = "Bitte vorher Daten eingeben";
inline constexpr std::string_view druckverweigerungTitel = "Dateneingabe fehlt";

// The field to type before printing: the birth date or the appointment while either holds no date,
// else the birth date while no BDA has been computed; none when the case can be printed.
inline std::optional<int> fehlendesDruckfeld(const Fall& fall) {
    if (!datumAusText(fall.datum[Feld::geburtstag])) return Feld::geburtstag;
    if (!datumAusText(fall.datum[Feld::ernennung])) return Feld::ernennung;
    if (!datumAusText(fall.datum[Feld::bda])) return Feld::geburtstag;
    return std::nullopt;
}

}  // namespace bda::druck
