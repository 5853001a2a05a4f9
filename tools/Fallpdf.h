#pragma once
// The notice and the calculation sheet of a replayed case as one PDF/A file, as the window's
// "Als PDF speichern …" writes it, without a display.

#include <string>

#include "Fall.h"

namespace bda::werkzeug {

// Writes both pages of `fall` into `datei`. The legal-remedy text is the one the window would print.
// On failure returns false with `fehler` naming the file and the reason; no file is left behind.
// `hinweis` is set when the notice names no authority (blank letterhead with the shipped text).
bool fallAlsPdf(const Fall& fall, const std::string& datei, std::string& fehler, std::string& hinweis);

}  // namespace bda::werkzeug
