#pragma once
// The address field of a portrait letter for a window envelope, at the places DIN 5008 gives for form A
// or B (core/Anschriftfeld.h), measured on the sheet whatever the printer's margins: the sender line at
// the foot of its zone, the addressee's lines from the top of the address zone down, and the letter
// going on below the field. A letter prints
//
//   anschriftfeldBeginnen(a, form, behörde, spalte);   the sender line; y at the address zone
//   … the addressee's lines, one a line, no blank line …
//   anschriftfeldBeenden(a, form);                     y below the field

#include "Anschriftfeld.h"
#include "Behoerde.h"
#include "Druckauftrag.h"

namespace bda::druck {

// Prints the sender line of `behörde` at column `spalte` of the current font, not bold, in 8 points; a
// line too wide for the field leaves out the second letterhead line, and then is printed smaller, down to
// the 6 points DIN 5008 allows. Its foot stands on the top of the address zone. Leaves x at 0, y at the
// top of the address zone and the font size as it was; nothing is printed for a blank authority.
void anschriftfeldBeginnen(Druckauftrag& a, Anschriftform form, const Behörde& behörde, int spalte);

// y to the bottom of the field when it is still above it, x to 0.
void anschriftfeldBeenden(Druckauftrag& a, Anschriftform form);

}  // namespace bda::druck
