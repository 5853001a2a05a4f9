#include "Jsonleser.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace bda::datei {

namespace {

bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// The bytes that end the plain run of a text: the closing quote, a backslash and control characters.
constexpr auto besonders = [] {
    std::array<bool, 256> tabelle{};
    for (int c = 0; c < 0x20; ++c) tabelle[c] = true;
    tabelle['"'] = tabelle['\\'] = true;
    return tabelle;
}();

int hexwert(char c) {
    if (istZiffer(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void alsUtf8(std::string& ziel, unsigned code) {
    if (code < 0x80) {
        ziel += static_cast<char>(code);
    } else if (code < 0x800) {
        ziel += static_cast<char>(0xC0 | (code >> 6));
        ziel += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        ziel += static_cast<char>(0xE0 | (code >> 12));
        ziel += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (code >> 18));
        ziel += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The offset of the first byte that does not belong to a well-formed UTF-8 character, or npos.
std::size_t ungültigesUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        // Eight ASCII bytes at a time: a case file is nearly all ASCII.
        std::uint64_t acht;
        if (i + 8 <= text.size() &&
            (std::memcpy(&acht, text.data() + i, 8), (acht & 0x8080808080808080u) == 0)) {
            i += 8;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int folge = 0;
        unsigned code = 0;
        unsigned kleinster = 0;
        if ((c & 0xE0) == 0xC0) {
            folge = 1, code = c & 0x1F, kleinster = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            folge = 2, code = c & 0x0F, kleinster = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            folge = 3, code = c & 0x07, kleinster = 0x10000;
        } else {
            return i;
        }
        if (i + folge >= text.size()) return i;
        for (int k = 1; k <= folge; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80) return i;
            code = (code << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond U+10FFFF are no characters.
        if (code < kleinster || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return i;
        i += folge + 1;
    }
    return std::string_view::npos;
}

// Whether the malformed character at `i` was cut off by the end of the text: a byte that begins a
// character of two to four bytes, followed by nothing but continuation bytes up to the end. A byte that
// begins no character (a lone continuation byte, 0xC0, 0xF8, ...) is wrong wherever it stands.
bool abgeschnitten(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t länge = 0;
    if (c >= 0xC2 && c <= 0xDF) länge = 2;
    if (c >= 0xE0 && c <= 0xEF) länge = 3;
    if (c >= 0xF0 && c <= 0xF4) länge = 4;
    if (länge == 0 || i + länge <= text.size()) return false;
    for (std::size_t k = i + 1; k < text.size(); ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return false;
    }
    return true;
}

}  // namespace

Jsonleser::Jsonleser(std::string_view text) : text_(text) {
    // The objects of a case file that are open at once hold fewer than 32 names.
    namen_.reserve(32);
    const std::size_t falsch = ungültigesUtf8(text);
    if (falsch != std::string_view::npos) {
        throw Jsonfehler(
            "Sie ist kein UTF-8-Text", falsch,
            abgeschnitten(text, falsch) ? Jsonfehler::Art::abgebrochen : Jsonfehler::Art::ungültig);
    }
}

void Jsonleser::fehler(const std::string& grund) const {
    throw Jsonfehler(grund, stelle_,
                     stelle_ >= text_.size() ? Jsonfehler::Art::abgebrochen : Jsonfehler::Art::ungültig);
}

bool Jsonleser::genannt(std::string_view name, std::size_t erster) const {
    for (std::size_t i = erster; i < namen_.size(); ++i) {
        if (std::string_view(namen_[i]) == name) return true;
    }
    return false;
}

void Jsonleser::doppelt(std::string_view name, std::size_t stelle) const {
    throw Jsonfehler(std::string(name), stelle, Jsonfehler::Art::doppelterName);
}

Jsonleser::Art Jsonleser::art() {
    leerraum();
    if (stelle_ >= text_.size()) fehler("Hier fehlt ein Wert");
    switch (text_[stelle_]) {
        case '{':
            return Art::Objekt;
        case '[':
            return Art::Liste;
        case '"':
            return Art::Text;
        case 't':
        case 'f':
            return Art::Wahrheitswert;
        case 'n':
            return Art::Null;
        default:
            if (text_[stelle_] == '-' || istZiffer(text_[stelle_])) return Art::Zahl;
    }
    fehler("Hier beginnt kein Wert");
}

void Jsonleser::wort(std::string_view wort) {
    if (text_.substr(stelle_, wort.size()) != wort) {
        if (wort.substr(0, text_.size() - stelle_) == text_.substr(stelle_)) stelle_ = text_.size();
        fehler("Hier beginnt kein Wert");
    }
    stelle_ += wort.size();
}

Jsonleser Jsonleser::teil(std::size_t von, std::size_t bis) const {
    return Jsonleser(text_.substr(von, bis - von), Geprüft{});
}

std::string Jsonleser::text() { return std::string(textSicht()); }

std::string_view Jsonleser::textSicht() {
    leerraum();
    // Most texts are plain: the bytes between the quotes are the text.
    if (stelle_ < text_.size() && text_[stelle_] == '"') {
        std::size_t ende = stelle_ + 1;
        while (ende < text_.size() && !besonders[static_cast<unsigned char>(text_[ende])]) ++ende;
        if (ende < text_.size() && text_[ende] == '"') {
            const std::string_view sicht = text_.substr(stelle_ + 1, ende - stelle_ - 1);
            stelle_ = ende + 1;
            return sicht;
        }
    }
    puffer_.clear();
    textLesen(&puffer_);
    return puffer_;
}

void Jsonleser::textLesen(std::string* ziel) {
    erwarten('"', "ein Text in Anführungszeichen");
    while (true) {
        const std::size_t anfang = stelle_;
        while (stelle_ < text_.size() && !besonders[static_cast<unsigned char>(text_[stelle_])]) ++stelle_;
        if (ziel) ziel->append(text_.substr(anfang, stelle_ - anfang));
        if (stelle_ >= text_.size()) fehler("Ein Text endet nicht");
        const char c = text_[stelle_++];
        if (c == '"') return;
        if (c != '\\') {
            --stelle_;
            fehler("Ein Steuerzeichen steht ohne Maskierung in einem Text");
        }
        if (stelle_ >= text_.size()) fehler("Ein Text endet nicht");
        const char maskiert = text_[stelle_++];
        if (maskiert == 'u') {
            unicode(ziel);
            continue;
        }
        static constexpr std::string_view kennungen = "\"\\/bfnrt";
        static constexpr std::string_view zeichen = "\"\\/\b\f\n\r\t";
        const std::size_t welche = kennungen.find(maskiert);
        if (welche == std::string_view::npos) {
            --stelle_;
            fehler("Eine Maskierung mit „\\“ ist unbekannt");
        }
        if (ziel) *ziel += zeichen[welche];
    }
}

// \uXXXX, a character outside the BMP as a pair of surrogates.
void Jsonleser::unicode(std::string* ziel) {
    const auto vier = [this] {
        unsigned wert = 0;
        for (int i = 0; i < 4; ++i) {
            if (stelle_ >= text_.size()) fehler("Ein Text endet nicht");
            const int ziffer = hexwert(text_[stelle_]);
            if (ziffer < 0) fehler("Nach „\\u“ fehlen vier Hexadezimalziffern");
            wert = wert * 16 + static_cast<unsigned>(ziffer);
            ++stelle_;
        }
        return wert;
    };
    unsigned code = vier();
    if (code >= 0xDC00 && code <= 0xDFFF) fehler("Eine Maskierung „\\u“ nennt kein Zeichen");
    if (code >= 0xD800 && code <= 0xDBFF) {
        if (text_.substr(stelle_, 2) != "\\u") fehler("Eine Maskierung „\\u“ nennt kein Zeichen");
        stelle_ += 2;
        const unsigned zweite = vier();
        if (zweite < 0xDC00 || zweite > 0xDFFF) fehler("Eine Maskierung „\\u“ nennt kein Zeichen");
        code = 0x10000 + ((code - 0xD800) << 10) + (zweite - 0xDC00);
    }
    if (ziel) alsUtf8(*ziel, code);
}

double Jsonleser::zahl() {
    if (art() != Art::Zahl) fehler("Hier fehlt eine Zahl");
    const std::size_t anfang = stelle_;
    const auto zifferfolge = [this] {
        const std::size_t von = stelle_;
        while (stelle_ < text_.size() && istZiffer(text_[stelle_])) ++stelle_;
        if (stelle_ == von) fehler("Einer Zahl fehlen Ziffern");
    };
    const bool negativ = text_[stelle_] == '-';
    if (negativ) ++stelle_;
    if (stelle_ < text_.size() && text_[stelle_] == '0') {
        ++stelle_;
    } else {
        zifferfolge();
    }
    const std::size_t ganzEnde = stelle_;
    if (stelle_ < text_.size() && text_[stelle_] == '.') {
        ++stelle_;
        zifferfolge();
    }
    if (stelle_ < text_.size() && (text_[stelle_] == 'e' || text_[stelle_] == 'E')) {
        ++stelle_;
        if (stelle_ < text_.size() && (text_[stelle_] == '+' || text_[stelle_] == '-')) ++stelle_;
        zifferfolge();
    }
    // Whole numbers of up to 15 digits are exact in a double and need no general conversion.
    const std::string_view zahl = text_.substr(anfang, stelle_ - anfang);
    const std::size_t ziffern = ganzEnde - anfang - (negativ ? 1 : 0);
    if (ganzEnde == stelle_ && ziffern <= 15) {
        double wert = 0;
        for (std::size_t i = ganzEnde - ziffern; i < ganzEnde; ++i) wert = wert * 10 + (text_[i] - '0');
        return negativ ? -wert : wert;
    }
    double wert = 0;
    if (std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert).ec == std::errc::result_out_of_range) {
        // Beyond the doubles: a negative exponent makes it 0, any other infinitely large.
        const auto e = zahl.find_first_of("eE");
        const bool winzig = e != std::string_view::npos && zahl[e + 1] == '-';
        wert = winzig ? 0.0 : negativ ? -HUGE_VAL : HUGE_VAL;
    }
    return wert;
}

bool Jsonleser::wahrheitswert() {
    if (art() != Art::Wahrheitswert) fehler("Hier fehlt true oder false");
    const bool wahr = text_[stelle_] == 't';
    wort(wahr ? "true" : "false");
    return wahr;
}

void Jsonleser::überspringen() {
    switch (art()) {
        case Art::Objekt:
            objekt([this](std::string_view) { überspringen(); });
            break;
        case Art::Liste:
            liste([this](int) { überspringen(); });
            break;
        case Art::Text:
            textLesen(nullptr);
            break;
        case Art::Zahl:
            zahl();
            break;
        case Art::Wahrheitswert:
            wahrheitswert();
            break;
        case Art::Null:
            wort("null");
            break;
    }
}

void Jsonleser::ende() {
    leerraum();
    if (stelle_ < text_.size()) fehler("Nach dem Ende des Objekts steht noch etwas");
}

}  // namespace bda::datei
