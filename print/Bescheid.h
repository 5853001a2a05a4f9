#pragma once
// Page 1, the formal notice (portrait): letter head, addressee, the decision on the BDA, its reasons
// with the decisive dates, the legal-remedy instruction and the signature block. It reads the case and
// its notice data (fall.bescheid) and computes nothing but the choice of texts.

#include <chrono>
#include <string>
#include <string_view>

#include "Druckauftrag.h"
#include "Fall.h"

namespace bda::druck {

// "dd.MM.yyyy", the German short form the notice prints when it carries no date of its own.
std::string kurzdatum(std::chrono::year_month_day datum);

// Prints the notice into `auftrag` and ends the document. `belehrung` is record 1 of the user's
// legal-remedy file (UTF-8, "$" marks a line break); `heute` is today's date. False when the print job
// failed (auftrag.fehler() says why). The caller checks fehlendesDruckfeld() first.
bool bescheidDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                     Druckauftrag& auftrag);

}  // namespace bda::druck
