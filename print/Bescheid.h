#pragma once
// Page 1, the formal notice (portrait): letter head, the address field for a window envelope with the
// sender line and the addressee, the decision on the BDA, its reasons with the decisive dates, the
// legal-remedy instruction naming the authority and its seat, and the signature block. It reads the case and
// its notice data (fall.bescheid) and computes nothing but the choice of texts.

#include <chrono>
#include <string>
#include <string_view>

#include "Druckauftrag.h"
#include "Fall.h"

namespace bda::druck {

// Prints the notice into `auftrag` and ends the document. `belehrung` is the legal-remedy text as
// stored (UTF-8, "$" marks a line break); its authority's placeholder is filled in from the case's
// authority as it stands. The address field lies where the case's envelope form puts it. `heute` is
// today's date. False when the print job failed (auftrag.fehler() says why). The caller checks
// fehlendesDruckfeld() first.
bool bescheidDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                     Druckauftrag& auftrag);

// Whether the notice fits on one page of A4 with the printable area of pdfEinrichten(), as most printers
// have it: a long legal-remedy text with the address field of form B may need a second page.
bool bescheidPasstAufEineSeite(const Fall& fall, std::string_view belehrung);

}  // namespace bda::druck
