#pragma once
// The office's part of the notice data, set up once and kept in the user's settings across cases and
// restarts: the authority (the two letterhead lines, street, postcode and town), the names of the two
// signers and the form of the address field (DIN 5008 form A or B).

namespace bda {
struct Bescheiddaten;
}  // namespace bda

namespace bda::fenster {

namespace Briefkopf {

// Puts the stored office data into `daten`; a text never stored stays blank, the form stays A.
void laden(Bescheiddaten& daten);

void sichern(const Bescheiddaten& daten);

// Copies the office data of `von` into `nach`, leaving the case's own data of `nach` as it is.
void übernehmen(const Bescheiddaten& von, Bescheiddaten& nach);

}  // namespace Briefkopf

}  // namespace bda::fenster
