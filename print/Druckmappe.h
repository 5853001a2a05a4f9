#pragma once
// The two pages of a notice in one print job: page 1 the notice (portrait), page 2 the calculation
// sheet (landscape). Whoever prints them (printer, preview, PDF file) chooses the pages; the documents
// stay functions of the case.

#include <chrono>
#include <string_view>

#include "Druckauftrag.h"
#include "Fall.h"

namespace bda::druck {

enum class Seitenwahl { keine = 0, bescheid = 1, berechnung = 2, beide = 3 };

inline bool enthält(Seitenwahl wahl, Seitenwahl seite) {
    return (static_cast<int>(wahl) & static_cast<int>(seite)) != 0;
}

// Today's date by the system clock, for a notice that carries no date of its own.
std::chrono::year_month_day heute();

// The chosen documents into `auftrag` (made with Umfang::mehrereDokumente), each from a new page, and
// the job handed over. `belehrung` and `heute` as bescheidDrucken() takes them. False when it failed
// (auftrag.fehler() says why). The caller checks druckbereit() first.
bool mappeDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                  Seitenwahl wahl, Druckauftrag& auftrag);

}  // namespace bda::druck
