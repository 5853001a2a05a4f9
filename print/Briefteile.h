#pragma once
// What the formal notices share: the letterhead with the notice's date and file reference, the address
// field for the window envelope, the legal-remedy instruction naming the authority and its seat, and the
// signature block. Positions are print columns of the current font (column 1 at x = 0) or twips.
//
//   briefkopf(a, daten, name, heute);         portrait, 12 points; y below the address field
//   … the notice's own text …
//   rechtsbehelfsbelehrung(a, daten, text);   the heading, the text in 8 points, two lines after it
//   unterschriften(a, daten);                  the two signature lines and the signers' names

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "Bescheiddaten.h"
#include "Druckauftrag.h"

namespace bda::druck {

// Where the date column of a notice begins, in twips.
inline constexpr double rechteSpalte = 7000;
// The print columns of the letterhead and headings, and of the text and the address.
inline constexpr int kopfspalte = 8;
inline constexpr int textspalte = 12;

// "dd.MM.yyyy", the German short form the notice prints when it carries no date of its own.
std::string kurzdatum(std::chrono::year_month_day datum);

// The notice's date as printed: its own date when it has one, else `heute`.
std::string briefdatum(const Bescheiddaten& daten, std::chrono::year_month_day heute);

// "Herrn", "Frau", "Fräulein" for the codes "b", "c", "d"; empty for any other.
std::string_view anrede(const FesterText<1>& code);

void zeilen(Druckauftrag& a, int anzahl);
// The text from the start of print column `spalte`.
void links(Druckauftrag& a, int spalte, std::string_view text);
// The text from the date column.
void rechts(Druckauftrag& a, std::string_view text);

// Portrait in Arial 12: two empty lines, the letterhead in bold with the notice's date at the right, the
// file reference when there is one, then the address field of the chosen form with the sender line and
// the addressee `name` (salutation, name, address lines; the service address at the right). Leaves y
// below the address field, x at 0, not bold.
void briefkopf(Druckauftrag& a, const Bescheiddaten& daten, std::string_view name,
               std::chrono::year_month_day heute);

// The heading "Rechtsbehelfsbelehrung" in bold at the head column, an empty line of 8 points, the text
// (UTF-8, "$" marks a line break) in 8 points with the authority's placeholder filled in, then two lines
// in the font size as it was before.
void rechtsbehelfsbelehrung(Druckauftrag& a, const Bescheiddaten& daten, std::string_view belehrung);

// "Sachlich und rechnerisch richtig:" and "Festgestellt:", three lines below them the signature lines and
// under them the signers' names when there are any; ends with an empty line.
void unterschriften(Druckauftrag& a, const Bescheiddaten& daten);

// Whether `drucken` stays on one page of A4 with the printable area of pdfEinrichten(), as most
// printers have it.
bool passtAufEineSeite(const std::function<void(Druckauftrag&)>& drucken);

}  // namespace bda::druck
