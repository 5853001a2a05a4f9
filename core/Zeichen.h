#pragma once
// Helpers for UTF-8 texts measured in characters (code points), as the fields and the printout count them.

#include <cstddef>
#include <string>
#include <string_view>

namespace bda {

// Number of code points of a UTF-8 text.
std::size_t zeichenzahl(std::string_view utf8);

// The first n code points of a UTF-8 text (all of it when it is shorter).
std::string_view ersteZeichen(std::string_view utf8, std::size_t n);

// The text without leading and trailing blanks.
std::string_view getrimmt(std::string_view text);

// The text as a JSON string in quotes: quote, backslash and control characters escaped, the rest as is.
std::string alsJsonText(std::string_view text);

}  // namespace bda
