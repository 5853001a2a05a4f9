#pragma once
// Conversion between UTF-8 and the 8-bit Windows-1252 code page of the legal-remedy files: one byte per
// character, with the German umlauts, "ß", "§", the euro sign, the typographic quotes and dashes. The
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for no character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bda {

// One character of a UTF-8 text: its code point and the number of bytes it takes (1 to 4).
struct Utf8Zeichen {
    char32_t codepunkt = 0;
    std::size_t länge = 0;
};

// The character that starts at byte `stelle`, or nothing when the bytes there are no well-formed
// UTF-8: a stray continuation byte, a sequence cut short, an overlong form, a surrogate (U+D800 to
// U+DFFF) or a code point beyond U+10FFFF.
std::optional<Utf8Zeichen> utf8Zeichen(std::string_view bytes, std::size_t stelle);

// Well-formed UTF-8 from the first byte to the last (the empty text is).
bool istUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point; a surrogate or a value beyond U+10FFFF appends U+FFFD.
void utf8Anhängen(std::string& ziel, char32_t codepunkt);

// The byte of a character in Windows-1252, nothing when the code page lacks it.
std::optional<unsigned char> windows1252Byte(char32_t codepunkt);

// The character of a byte, nothing for the five unassigned bytes.
std::optional<char32_t> windows1252Zeichen(unsigned char byte);

// One byte per character; a character the code page lacks, and every byte of malformed UTF-8, becomes "?".
std::string nachWindows1252(std::string_view utf8);

// One character per byte; the five unassigned bytes become "?".
std::string ausWindows1252(std::string_view bytes);

// The distinct characters of a UTF-8 text that Windows-1252 lacks, each as its UTF-8 text, in the order
// they first appear; malformed bytes are named as U+FFFD. Empty exactly when nachWindows1252 loses nothing.
std::vector<std::string> fehlendeZeichen(std::string_view utf8);

}  // namespace bda
