#pragma once
// The authority's placeholder in a legal-remedy text. The text names the authority only through it, so
// each notice fills in the letterhead and address as they stand when it is printed; a stored text never
// holds them.
//
//   "… erlassen hat:$[Behörde mit Anschrift]$Die Frist …"   with the authority's text
//   "Landesamt für Besoldung$Musterstraße 12, 80333 München" becomes
//   "… erlassen hat:$Landesamt für Besoldung$Musterstraße 12, 80333 München$Die Frist …"
//
// Earlier versions wrote the letterhead lines of their day into the shipped text instead, behind
// "erlassen hat:", and a text the clerk saved kept them:
//
//   "… erlassen hat:$Landesamt für Besoldung$Referat 12$Die Frist …"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bda {

inline constexpr std::string_view behördenplatzhalter = "[Behörde mit Anschrift]";

// The text with every placeholder replaced by `behörde` (lines separated by "$"). An empty `behörde`
// leaves an empty line, which the notice does not print.
std::string behördeEingesetzt(std::string_view text, std::string_view behörde);

// The letterhead lines an earlier version saved into a text: the one or two lines behind
// "erlassen hat:", each at most 40 characters, as long as a letterhead line. None in a text that holds
// the placeholder or no such lines.
struct Briefkopfzeilen {
    std::size_t anfang = 0;  // where the first line begins (bytes)
    std::size_t ende = 0;    // where the last line ends
    std::vector<std::string> zeilen;
};
std::optional<Briefkopfzeilen> alteBriefkopfzeilen(std::string_view text);

// The text with those lines replaced by the placeholder, as one line of its own.
std::string mitPlatzhalter(std::string_view text, const Briefkopfzeilen& alt);

}  // namespace bda
