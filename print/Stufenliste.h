#pragma once
// The list of steps of the base pay (portrait): the letterhead, the rule it follows, whose BDA with the
// entry grade, the BDA and the day of appointment, then one line a step with the day from which it
// applies and its distance from the BDA; the step reached on the day of appointment is marked. No pay
// amounts: they need tables outside this system.

#include "Druckauftrag.h"
#include "Fall.h"
#include "Stufenplan.h"

namespace bda::druck {

// Prints `plan` (worked out from the BDA in field 19) with step `erreicht` marked (0: none) into
// `auftrag` and ends the document. The caller checks hatStufenplan() for the case's entry grade first. False
// when the print job failed (auftrag.fehler() says why).
bool stufenlisteDrucken(const Fall& fall, const Stufenfolge& plan, int erreicht, Druckauftrag& auftrag);

}  // namespace bda::druck
