#pragma once
// The period descriptions Eingabe(0..7): at most 60 significant characters each; blanks at either end
// do not count.

#include <string>
#include <string_view>

namespace bda {

inline constexpr int beschreibungHöchstzeichen = 60;

// What the counter Zähler beside the box shows: 60 minus the significant characters of `text`.
int freieZeichen(std::string_view text);

// `text` cut at its end so that at most 60 significant characters remain.
std::string begrenzteBeschreibung(std::string_view text);

}  // namespace bda
