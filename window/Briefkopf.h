#pragma once
// The office's part of the notice data, set up once and kept in the user's settings across cases and
// restarts: the two letterhead lines and the names of the two signers.

namespace bda {
struct Bescheiddaten;
}  // namespace bda

namespace bda::fenster {

namespace Briefkopf {

// Puts the stored letterhead and signers into `daten`; what was never stored stays blank.
void laden(Bescheiddaten& daten);

void sichern(const Bescheiddaten& daten);

}  // namespace Briefkopf

}  // namespace bda::fenster
