#pragma once
// The notice and the calculation sheet of a replayed case as one PDF/A file, as the window's
// "Als PDF speichern …" writes it, without a display.

#include <string>
#include <vector>

#include "Fall.h"

namespace bda::werkzeug {

// Writes both pages of `fall` into `datei`. The legal-remedy text is the one the window would print.
// On failure returns false with `fehler` naming the file and the reason; no file is left behind.
// `hinweise` gets what the window would ask first: that the notice names the authority incompletely,
// that the clerk's text still holds the letterhead lines of an earlier version, or that the notice needs
// a second page.
bool fallAlsPdf(const Fall& fall, const std::string& datei, std::string& fehler,
                std::vector<std::string>& hinweise);

}  // namespace bda::werkzeug
