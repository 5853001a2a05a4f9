#pragma once
// Conversion between UTF-8 and the 8-bit Windows-1252 code page of the legal-remedy files: one byte per
// character, with the German umlauts, "ß", the typographic quotes and dashes.

#include <string>
#include <string_view>

// One byte per character; a character the code page lacks, and every byte of malformed UTF-8, becomes "?".
std::string nachWindows1252(std::string_view utf8);

// One character per byte; the five bytes the code page leaves unassigned become "?".
std::string ausWindows1252(std::string_view bytes);
