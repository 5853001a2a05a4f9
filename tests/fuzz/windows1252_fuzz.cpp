// libFuzzer: the code page of the legal-remedy files and the UTF-8 rules beside it. Each input is taken
// as Windows-1252 bytes, as a UTF-8 text and, by its first four bytes, as a code point.

#include <cstdint>

#include "Pruefe.h"
#include "Windows1252.h"
#include "Zeichen.h"

using namespace bda;

namespace {

// Windows-1252 to UTF-8 and back: every assigned byte returns, an unassigned one as "?".
void alsWindows1252(std::string_view bytes) {
    const std::string utf8 = ausWindows1252(bytes);
    prüfe(istUtf8(utf8));
    prüfe(zeichenzahl(utf8) == bytes.size());
    prüfe(fehlendeZeichen(utf8).empty());
    const std::string zurück = nachWindows1252(utf8);
    prüfe(zurück.size() == bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool belegt = windows1252Zeichen(static_cast<unsigned char>(bytes[i])).has_value();
        prüfe(zurück[i] == (belegt ? bytes[i] : '?'));
    }
}

// The bytes as UTF-8: each well-formed character encodes to its own bytes again, and the conversion
// gives one byte for each character or malformed byte.
void alsUtf8(std::string_view bytes) {
    std::size_t i = 0, zeichen = 0;
    bool wohlgeformt = true;
    while (i < bytes.size()) {
        ++zeichen;
        const auto z = utf8Zeichen(bytes, i);
        if (!z) {
            wohlgeformt = false;
            ++i;
            continue;
        }
        prüfe(z->länge >= 1 && z->länge <= 4 && z->länge <= bytes.size() - i);
        prüfe(z->codepunkt <= 0x10FFFF && (z->codepunkt < 0xD800 || z->codepunkt > 0xDFFF));
        std::string wieder;
        utf8Anhängen(wieder, z->codepunkt);
        prüfe(wieder == bytes.substr(i, z->länge));
        i += z->länge;
    }
    prüfe(istUtf8(bytes) == wohlgeformt);
    const std::string windows = nachWindows1252(bytes);
    prüfe(windows.size() == zeichen);
    if (wohlgeformt) prüfe(zeichenzahl(bytes) == zeichen);
    // Nothing lacking exactly when the conversion loses nothing.
    prüfe(fehlendeZeichen(bytes).empty() == (ausWindows1252(windows) == bytes));
}

// A code point (also a surrogate or one beyond U+10FFFF): written as UTF-8 and read back it is itself,
// or U+FFFD for what UTF-8 cannot hold; a character of the code page maps to a byte and back.
void alsCodepunkt(std::string_view bytes) {
    if (bytes.size() < 4) return;
    char32_t wert = 0;
    for (std::size_t i = 0; i < 4; ++i) wert = (wert << 8) | static_cast<unsigned char>(bytes[i]);
    wert %= 0x120000;
    std::string utf8;
    utf8Anhängen(utf8, wert);
    const auto zeichen = utf8Zeichen(utf8, 0);
    prüfe(zeichen.has_value() && zeichen->länge == utf8.size());
    const bool darstellbar = wert <= 0x10FFFF && (wert < 0xD800 || wert > 0xDFFF);
    prüfe(zeichen->codepunkt == (darstellbar ? wert : 0xFFFD));
    if (const auto byte = windows1252Byte(wert)) prüfe(windows1252Zeichen(*byte) == wert);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), größe);
    alsWindows1252(bytes);
    alsUtf8(bytes);
    alsCodepunkt(bytes);
    return 0;
}
