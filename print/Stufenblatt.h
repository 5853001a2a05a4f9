#pragma once
// Page 2 of the experience step's papers, the calculation sheet (landscape): one row a period with its
// dates, kind, provision, length, credited and delaying length and the reasons it counts less; the sums
// before and after rounding; the fictitious start of Stufe 1 and the dates of all steps; the hints. A
// long table goes on over further pages, each with the sheet's heading and the table's head again. It
// prints the result and computes nothing.

#include <chrono>
#include <string_view>

#include "Bescheiddaten.h"
#include "Druckauftrag.h"
#include "Stufenberechnung.h"

namespace bda::druck {

// Prints the sheet of a computed result (ergebnis.berechnet) into `auftrag` and ends the document.
// `name` is the official's name; the notice's date (its own, else `heute`) and file reference name the
// notice it belongs to. False when the print job failed (auftrag.fehler() says why).
bool stufenblattDrucken(const Stufenfall& fall, const Stufenergebnis& ergebnis, const Bescheiddaten& bescheid,
                        std::string_view name, std::chrono::year_month_day heute, Druckauftrag& auftrag);

}  // namespace bda::druck
