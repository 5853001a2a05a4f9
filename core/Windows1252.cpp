#include "Windows1252.h"

#include <algorithm>
#include <array>

namespace bda {

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks a byte without a character. The other bytes are the
// code points of the same number.
constexpr std::array<char32_t, 32> obereSteuerzeichen = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr char ersatz = '?';
constexpr char32_t ersatzzeichen = 0xFFFD;

}  // namespace

std::optional<Utf8Zeichen> utf8Zeichen(std::string_view bytes, std::size_t stelle) {
    if (stelle >= bytes.size()) return std::nullopt;
    const auto erstes = static_cast<unsigned char>(bytes[stelle]);
    std::size_t länge = 0;
    char32_t zeichen = 0;
    char32_t kleinstes = 0;
    if (erstes < 0x80) {
        return Utf8Zeichen{erstes, 1};
    } else if ((erstes & 0xE0) == 0xC0) {
        länge = 2;
        zeichen = erstes & 0x1F;
        kleinstes = 0x80;
    } else if ((erstes & 0xF0) == 0xE0) {
        länge = 3;
        zeichen = erstes & 0x0F;
        kleinstes = 0x800;
    } else if ((erstes & 0xF8) == 0xF0) {
        länge = 4;
        zeichen = erstes & 0x07;
        kleinstes = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - stelle < länge) return std::nullopt;
    for (std::size_t k = 1; k < länge; ++k) {
        const auto folge = static_cast<unsigned char>(bytes[stelle + k]);
        if ((folge & 0xC0) != 0x80) return std::nullopt;
        zeichen = (zeichen << 6) | (folge & 0x3F);
    }
    if (zeichen < kleinstes || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Zeichen{zeichen, länge};
}

bool istUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto zeichen = utf8Zeichen(bytes, i);
        if (!zeichen) return false;
        i += zeichen->länge;
    }
    return true;
}

void utf8Anhängen(std::string& ziel, char32_t zeichen) {
    if (zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) zeichen = ersatzzeichen;
    if (zeichen < 0x80) {
        ziel += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
        ziel += static_cast<char>(0xC0 | (zeichen >> 6));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else if (zeichen < 0x10000) {
        ziel += static_cast<char>(0xE0 | (zeichen >> 12));
        ziel += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (zeichen >> 18));
        ziel += static_cast<char>(0x80 | ((zeichen >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
}

std::optional<unsigned char> windows1252Byte(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<unsigned char>(zeichen);
    const auto treffer = std::find(obereSteuerzeichen.begin(), obereSteuerzeichen.end(), zeichen);
    if (treffer == obereSteuerzeichen.end()) return std::nullopt;
    return static_cast<unsigned char>(0x80 + (treffer - obereSteuerzeichen.begin()));
}

std::optional<char32_t> windows1252Zeichen(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t zeichen = obereSteuerzeichen[byte - 0x80];
    if (zeichen == 0) return std::nullopt;
    return zeichen;
}

std::string nachWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto zeichen = utf8Zeichen(utf8, i);
        if (!zeichen) {
            bytes += ersatz;
            ++i;
            continue;
        }
        const auto byte = windows1252Byte(zeichen->codepunkt);
        bytes += byte ? static_cast<char>(*byte) : ersatz;
        i += zeichen->länge;
    }
    return bytes;
}

std::string ausWindows1252(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char byte : bytes) {
        utf8Anhängen(utf8, windows1252Zeichen(static_cast<unsigned char>(byte)).value_or(ersatz));
    }
    return utf8;
}

std::vector<std::string> fehlendeZeichen(std::string_view utf8) {
    std::vector<std::string> fehlend;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto zeichen = utf8Zeichen(utf8, i);
        std::string name;
        if (!zeichen) {
            utf8Anhängen(name, ersatzzeichen);
            ++i;
        } else {
            if (!windows1252Byte(zeichen->codepunkt)) name = std::string(utf8.substr(i, zeichen->länge));
            i += zeichen->länge;
        }
        if (!name.empty() && std::find(fehlend.begin(), fehlend.end(), name) == fehlend.end()) {
            fehlend.push_back(std::move(name));
        }
    }
    return fehlend;
}

}  // namespace bda
