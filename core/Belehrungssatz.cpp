#include "Belehrungssatz.h"

#include <vector>

#include "Windows1252.h"
#include "Zeichen.h"

namespace bda {

namespace {

constexpr char32_t bom = 0xFEFF;
constexpr char32_t ersatzzeichen = 0xFFFD;

// A decoded character; `fremd` marks an unassigned byte, which has no code point of its own.
struct Zeichen {
    char32_t codepunkt = 0;
    bool fremd = false;
};

bool istZeilenende(char32_t c) { return c == '\r' || c == '\n' || c == 0x2028 || c == 0x2029; }
bool istSteuerzeichen(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }
bool istPolster(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The well-formed start of a UTF-8 text: where the first malformed sequence begins.
std::size_t utf8Ende(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto zeichen = utf8Zeichen(bytes, i);
        if (!zeichen) break;
        i += zeichen->länge;
    }
    return i;
}

// The start of a UTF-8 sequence that the end of a partial read cut short: some completion of it by
// continuation bytes is well-formed (the lowest or the highest one, as only the second byte is bounded).
bool istAngefangen(std::string_view rest) {
    if (rest.empty() || rest.size() > 3) return false;
    for (const char folge : {'\x80', '\xBF'}) {
        const std::string ergänzt = std::string(rest) + std::string(4 - rest.size(), folge);
        const auto zeichen = utf8Zeichen(ergänzt, 0);
        if (zeichen && zeichen->länge > rest.size()) return true;
    }
    return false;
}

std::vector<Zeichen> alsUtf8(std::string_view bytes) {
    std::vector<Zeichen> zeichen;
    zeichen.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto z = utf8Zeichen(bytes, i);
        if (z) {
            zeichen.push_back({z->codepunkt});
            i += z->länge;
        } else {
            zeichen.push_back({ersatzzeichen});
            ++i;
        }
    }
    return zeichen;
}

std::vector<Zeichen> alsWindows1252(std::string_view bytes) {
    std::vector<Zeichen> zeichen;
    zeichen.reserve(bytes.size());
    for (char byte : bytes) {
        const auto z = windows1252Zeichen(static_cast<unsigned char>(byte));
        zeichen.push_back(z ? Zeichen{*z} : Zeichen{' ', true});
    }
    return zeichen;
}

// The characters as record text: line ends "$", tabs and other control characters blanks. Returns the
// number of characters that were no text (control characters other than tab and line ends, unassigned
// bytes).
std::size_t abbilden(const std::vector<Zeichen>& zeichen, std::size_t ende, std::string& text) {
    std::size_t fremd = 0;
    for (std::size_t i = 0; i < ende; ++i) {
        const Zeichen z = zeichen[i];
        if (z.fremd) {
            text += ' ';
            ++fremd;
        } else if (istZeilenende(z.codepunkt)) {
            text += '$';
            if (z.codepunkt == '\r' && i + 1 < ende && zeichen[i + 1].codepunkt == '\n') ++i;
        } else if (z.codepunkt == '\t') {
            text += ' ';
        } else if (istSteuerzeichen(z.codepunkt)) {
            text += ' ';
            ++fremd;
        } else {
            utf8Anhängen(text, z.codepunkt);
        }
    }
    return fremd;
}

}  // namespace

bool istUtf8Satz(std::string_view bytes, bool ganz) {
    const std::size_t ende = utf8Ende(bytes);
    if (ende < bytes.size() && (ganz || !istAngefangen(bytes.substr(ende)))) return false;
    bool mitUmlaut = false;
    for (std::size_t i = 0; i < ende;) {
        const auto zeichen = utf8Zeichen(bytes, i);
        // C1 control characters come of Windows-1252 text that happens to be well-formed ("Â…"), not
        // of a text an editor wrote in UTF-8.
        if (zeichen->codepunkt >= 0x80 && zeichen->codepunkt < 0xA0) return false;
        mitUmlaut = mitUmlaut || zeichen->codepunkt >= 0x80;
        i += zeichen->länge;
    }
    return mitUmlaut;
}

Satztext satzLesen(std::string_view bytes, bool ganz) {
    Satztext satz;
    std::vector<Zeichen> zeichen;
    if (istUtf8Satz(bytes, ganz)) {
        satz.kodierung = Satzkodierung::utf8;
        zeichen = alsUtf8(bytes.substr(0, utf8Ende(bytes)));
        if (!zeichen.empty() && zeichen.front().codepunkt == bom) zeichen.erase(zeichen.begin());
    } else {
        zeichen = alsWindows1252(bytes);
    }
    std::size_t ende = zeichen.size();
    while (ende > 0 && !zeichen[ende - 1].fremd && istPolster(zeichen[ende - 1].codepunkt)) --ende;
    satz.fremdzeichen = abbilden(zeichen, ende, satz.text);
    satz.text.erase(satz.text.find_last_not_of(' ') + 1);
    satz.zeichen = zeichenzahl(satz.text);
    satz.zuLang = !ganz || satz.zeichen > belehrungssatzlänge;
    return satz;
}

std::string alsSatztext(std::string_view utf8) {
    const std::vector<Zeichen> zeichen = alsUtf8(utf8);
    std::string text;
    text.reserve(utf8.size());
    abbilden(zeichen, zeichen.size(), text);
    return text;
}

bool passtInSatz(std::string_view utf8) { return zeichenzahl(alsSatztext(utf8)) <= belehrungssatzlänge; }

std::string satzSchreiben(std::string_view utf8) {
    std::string satz = nachWindows1252(ersteZeichen(alsSatztext(utf8), belehrungssatzlänge));
    satz.resize(belehrungssatzlänge, ' ');
    return satz;
}

}  // namespace bda
