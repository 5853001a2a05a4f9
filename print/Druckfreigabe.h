#pragma once
// Whether a case may be printed, shared by the window's print commands and the tests. Both documents
// refuse while the resulting BDA (field 19) is empty.

#include <string_view>

#include "Fall.h"

inline constexpr std::string_view druckverweigerungText = "Bitte vorher Daten eingeben";
inline constexpr std::string_view druckverweigerungTitel = "Dateneingabe fehlt";

// False only while field 19 holds exactly "__/__/____"; any other text is printed as it stands.
inline bool druckbereit(const Fall& fall) { return fall.datum[Feld::bda] != leeresDatum; }
