#pragma once
// The papers of the experience step in one print job: page 1 the notice "Festsetzung der Erfahrungsstufe"
// (portrait), page 2 the calculation sheet with each period, its kind, provision and credited length, and
// the step dates. The letterhead, the authority's address, the addressee, the signers and the
// legal-remedy text are those of the BDA notice (`bescheid`).

#include <chrono>
#include <string_view>

#include "Bescheiddaten.h"
#include "Druckauftrag.h"
#include "Druckmappe.h"
#include "Stufenfall.h"

namespace bda::druck {

// The chosen pages into `auftrag` (made with Umfang::mehrereDokumente), each from a new page, and the job
// handed over. `name` is the official's name, `belehrung` the legal-remedy text as stored, `heute` the
// date for a notice without its own date. False when it failed (auftrag.fehler() says why).
bool stufenmappeDrucken(const Stufenfall& fall, const Bescheiddaten& bescheid, std::string_view name,
                        std::string_view belehrung, std::chrono::year_month_day heute, Seitenwahl wahl,
                        Druckauftrag& auftrag);

}  // namespace bda::druck
