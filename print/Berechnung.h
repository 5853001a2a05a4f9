#pragma once
// Page 2 of the notice, the calculation sheet (landscape): how the postponement of the BDA was worked
// out, block by block as the window shows it. It reads the case and computes nothing.

#include "Druckauftrag.h"
#include "Fall.h"

namespace bda::druck {

// Prints the sheet into `auftrag` and ends the document. False when the print job failed
// (auftrag.fehler() says why). The caller checks fehlendesDruckfeld() first.
bool berechnungDrucken(const Fall& fall, Druckauftrag& auftrag);

}  // namespace bda::druck
