#include "Windows1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks a byte without a character. The other bytes are the
// code points of the same number.
constexpr std::array<char32_t, 32> obereSteuerzeichen = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ersatz() { return '?'; }

char byteFür(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<char>(zeichen);
    for (std::size_t i = 0; i < obereSteuerzeichen.size(); ++i) {
        if (obereSteuerzeichen[i] != 0 && obereSteuerzeichen[i] == zeichen)
            return static_cast<char>(0x80 + i);
    }
    return ersatz();
}

void anhängen(std::string& utf8, char32_t zeichen) {
    if (zeichen < 0x80) {
        utf8 += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
        utf8 += static_cast<char>(0xC0 | (zeichen >> 6));
        utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | (zeichen >> 12));
        utf8 += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
}

}  // namespace

std::string nachWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto erstes = static_cast<unsigned char>(utf8[i]);
        std::size_t länge = 0;
        char32_t zeichen = 0;
        char32_t kleinstes = 0;
        if (erstes < 0x80) {
            länge = 1;
            zeichen = erstes;
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
        }
        bool gültig = länge > 0 && i + länge <= utf8.size();
        for (std::size_t k = 1; gültig && k < länge; ++k) {
            const auto folge = static_cast<unsigned char>(utf8[i + k]);
            gültig = (folge & 0xC0) == 0x80;
            zeichen = (zeichen << 6) | (folge & 0x3F);
        }
        gültig =
            gültig && zeichen >= kleinstes && zeichen <= 0x10FFFF && (zeichen < 0xD800 || zeichen > 0xDFFF);
        if (gültig) {
            bytes += byteFür(zeichen);
            i += länge;
        } else {
            bytes += ersatz();
            ++i;
        }
    }
    return bytes;
}

std::string ausWindows1252(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char byte : bytes) {
        const auto wert = static_cast<unsigned char>(byte);
        char32_t zeichen = wert;
        if (wert >= 0x80 && wert < 0xA0) zeichen = obereSteuerzeichen[wert - 0x80];
        if (zeichen == 0 && wert != 0) zeichen = static_cast<unsigned char>(ersatz());
        anhängen(utf8, zeichen);
    }
    return utf8;
}
