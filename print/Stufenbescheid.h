#pragma once
// Page 1 of the experience step's papers, the notice "Festsetzung der Erfahrungsstufe" (portrait): the
// letterhead, file reference and address field of the BDA notice, the salutation, the decision (the
// grade, the step on the day of appointment, Stufe 1 with effect from its fictitious start, the dates
// of the later steps), the reasons under §§ 27, 28 BBesG with the recognised and the delaying time, the
// legal-remedy instruction and the signature block. Every number comes from the result; the notice
// chooses the texts.

#include <chrono>
#include <string_view>

#include "Bescheiddaten.h"
#include "Druckauftrag.h"
#include "Stufenberechnung.h"

namespace bda::druck {

// Prints the notice of a computed result (ergebnis.berechnet) into `auftrag` and ends the document.
// `name` is the official's name, `belehrung` the legal-remedy text as stored, `heute` the date for a
// notice without its own date. False when the print job failed (auftrag.fehler() says why).
bool stufenbescheidDrucken(const Stufenfall& fall, const Stufenergebnis& ergebnis,
                           const Bescheiddaten& bescheid, std::string_view name, std::string_view belehrung,
                           std::chrono::year_month_day heute, Druckauftrag& auftrag);

// Whether the notice fits on one page of A4 with the printable area most printers have: a long
// legal-remedy text may need a second page.
bool stufenbescheidPasstAufEineSeite(const Stufenfall& fall, const Stufenergebnis& ergebnis,
                                     const Bescheiddaten& bescheid, std::string_view name,
                                     std::string_view belehrung);

}  // namespace bda::druck
