#pragma once
// Running text broken into lines at blanks so that no line is wider than its measure, in the fonts of
// the print job: a paragraph of the notice with bold words, and the cells of the calculation sheet.

#include <string>
#include <string_view>
#include <vector>

#include "Druckauftrag.h"

namespace bda::druck {

// A piece of a paragraph in one weight. Pieces join as written: "Stufe 2" bold and "." normal is
// "Stufe 2." with no break before the full stop.
struct Lauf {
    std::string text;
    bool fett = false;
};

// The text in lines of at most `breite` twips in the current font; a word wider than that stands on a
// line of its own and is cut where the line ends. Blanks at a break are dropped; an empty text gives
// no line.
std::vector<std::string> umbrechen(const Druckauftrag& a, std::string_view text, double breite);

// Prints the paragraph from x (twips) in lines of at most `breite` twips, each line ended; the current
// font size, not bold afterwards.
void absatz(Druckauftrag& a, double x, double breite, const std::vector<Lauf>& läufe);

}  // namespace bda::druck
