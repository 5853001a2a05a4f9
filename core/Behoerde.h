#pragma once
// The authority that issues a notice: its letterhead (two lines) and its postal address. The office sets
// it up once; a letter names it twice: in the sender line above the addressee, and with its seat in the
// legal-remedy instruction, which must name the authority where the objection is lodged and its seat
// (§ 58 Abs. 1, § 70 Abs. 2 VwGO; without them the objection period is one year, § 58 Abs. 2 VwGO).
//
//   Landesamt für Besoldung / Referat 21 / Musterstraße 12 / 80333 München
//   instruction:  "Landesamt für Besoldung$Referat 21$Musterstraße 12$80333 München"
//   sender line:  "Landesamt für Besoldung, Referat 21, Musterstraße 12, 80333 München"

#include <string>

#include "FesterText.h"

namespace bda {

struct Behörde {
    FesterText<39> kopfzeile1;
    FesterText<40> kopfzeile2;
    FesterText<40> straße;  // street and house number
    FesterText<40> ort;     // postcode and town
};

// The authority as the legal-remedy instruction names it: each part a printed line ("$" separates the
// lines), so that no line is wider than 40 characters. Blank parts are left out; empty when all are.
std::string behördentext(const Behörde& behörde);

// The sender line (Rücksendeangabe) above the addressee: all parts on one line, separated by commas; a
// second letterhead line that begins in lower case goes on the first with a blank ("Landesamt für
// Besoldung und Versorgung"). With `mitKopfzeile2` false, for a window too narrow for the whole line, a
// second letterhead line in upper case below a first one ("Referat 21") is left out.
std::string rücksendeangabe(const Behörde& behörde, bool mitKopfzeile2 = true);

// What the authority lacks for a complete notice, for a message: "Briefkopf", "Straße und Hausnummer",
// "Postleitzahl und Ort", joined by ", "; empty when nothing is missing.
std::string fehlendeBehördenangaben(const Behörde& behörde);

}  // namespace bda
