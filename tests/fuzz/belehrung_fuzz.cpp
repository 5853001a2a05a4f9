// libFuzzer: record 1 of the legal-remedy file, any bytes read as the text the editor shows and the
// notice prints, and that text written back as a record. The first input byte says whether the rest is a
// whole file or only the start of a longer one.

#include <cstdint>

#include "Belehrungssatz.h"
#include "Pruefe.h"
#include "Windows1252.h"
#include "Zeichen.h"

using namespace bda;

namespace {

// The text holds no control character, no line end but "$", and no padding blank at its end.
void istSatztext(const std::string& text) {
    prüfe(istUtf8(text));
    prüfe(text.empty() || text.back() != ' ');
    for (std::size_t i = 0; i < text.size(); i += utf8Zeichen(text, i)->länge) {
        const char32_t c = utf8Zeichen(text, i)->codepunkt;
        prüfe(c >= 0x20 && (c < 0x7F || c >= 0xA0) && c != 0x2028 && c != 0x2029);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    if (größe == 0) return 0;
    const bool ganz = (daten[0] & 1) != 0;
    const std::string_view bytes(reinterpret_cast<const char*>(daten + 1), größe - 1);

    const Satztext satz = satzLesen(bytes, ganz);
    istSatztext(satz.text);
    prüfe(satz.zeichen == zeichenzahl(satz.text));
    prüfe(satz.zeichen <= bytes.size());
    prüfe(satz.fremdzeichen <= bytes.size());
    prüfe(satz.zuLang == (!ganz || satz.zeichen > belehrungssatzlänge));
    prüfe(satz.kodierung == (istUtf8Satz(bytes, ganz) ? Satzkodierung::utf8 : Satzkodierung::windows1252));
    if (ganz && satz.kodierung == Satzkodierung::utf8) prüfe(istUtf8(bytes));
    // The text is already what a record holds: taking it as record text again changes nothing.
    prüfe(alsSatztext(satz.text) == satz.text);
    prüfe(passtInSatz(satz.text) == (satz.zeichen <= belehrungssatzlänge));

    // Written back: exactly one record, never too long, and, when the code page holds every character
    // and the bytes do not look like UTF-8, the text's first 1000 characters without trailing blanks.
    const std::string satzbytes = satzSchreiben(satz.text);
    prüfe(satzbytes.size() == belehrungssatzlänge);
    const Satztext wieder = satzLesen(satzbytes);
    prüfe(!wieder.zuLang);
    prüfe(wieder.fremdzeichen == 0);
    if (fehlendeZeichen(satz.text).empty() && wieder.kodierung == Satzkodierung::windows1252) {
        std::string erwartet(ersteZeichen(satz.text, belehrungssatzlänge));
        erwartet.erase(erwartet.find_last_not_of(' ') + 1);
        prüfe(wieder.text == erwartet);
    }

    // The raw bytes as a text to save (malformed UTF-8 included): still exactly one record.
    prüfe(satzSchreiben(bytes).size() == belehrungssatzlänge);
    prüfe(zeichenzahl(alsSatztext(bytes)) <= bytes.size());
    return 0;
}
