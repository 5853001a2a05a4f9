#include "Zeichen.h"

#include <cstdio>

namespace bda {

namespace {

// A byte that continues a UTF-8 sequence rather than starting a character.
bool istFolgebyte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t zeichenzahl(std::string_view utf8) {
    std::size_t zahl = 0;
    for (char c : utf8) zahl += istFolgebyte(c) ? 0 : 1;
    return zahl;
}

std::string_view ersteZeichen(std::string_view utf8, std::size_t n) {
    std::size_t zahl = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!istFolgebyte(utf8[i]) && zahl++ == n) return utf8.substr(0, i);
    }
    return utf8;
}

std::string_view getrimmt(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

std::string alsJsonText(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char maskiert[8];
            std::snprintf(maskiert, sizeof maskiert, "\\u%04x", static_cast<unsigned>(c));
            json += maskiert;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

}  // namespace bda
