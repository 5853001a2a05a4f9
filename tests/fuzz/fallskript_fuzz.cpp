// libFuzzer: a case script replayed line by line through the driver, the case rules of Fallregeln.h
// checked after every line. A refused line changes nothing, a "stufe" line not the BDA case. A script's
// experience step is saved as a case file at the end, which must read back to the same step and text. A
// broken rule prints the script up to that line and aborts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "Fallformat.h"
#include "Fallregeln.h"
#include "Fallskript.h"
#include "Fallwiedergabe.h"
#include "Windows1252.h"

namespace bda {  // in regelpruefung.cpp
fallregeln::Verstöße regelnPrüfen(const fallregeln::Aktion* aktion, const Fall& vorher, const Fall& nachher,
                                  const std::vector<std::string>& meldungen, const std::string& fokus);
std::string fallunterschied(const Fall& a, const Fall& b);
}  // namespace bda

using namespace bda;
using namespace bda::werkzeug;

namespace {

// The action a line the reader took stands for; none for names, comments and blank lines. The reader
// refuses numbers with a sign, a leading zero or out of range, so a number it took reads plainly.
std::optional<fallregeln::Aktion> aktion(std::string_view zeile) {
    using enum fallregeln::Aktion::Art;
    if (zeile.ends_with('\r')) zeile.remove_suffix(1);
    const std::string befehl = nächstesWort(zeile);
    if (befehl != "amt" && befehl != "datum" && befehl != "eingabe") return std::nullopt;
    const auto art = befehl == "amt" ? amt : befehl == "datum" ? datum : eingabe;
    const int index = std::stoi(nächstesWort(zeile));
    return fallregeln::Aktion{art, index, art == datum ? nächstesWort(zeile) : std::string(zeile)};
}

[[noreturn]] void gebrochen(const std::string& skript, const std::string& regel, const std::string& was) {
    std::fprintf(stderr, "Regel \"%s\" gebrochen: %s\nbda-fall-Skript:\n%s\n", regel.c_str(), was.c_str(),
                 skript.c_str());
    std::abort();
}

// The script's case as bda-fall --speichern writes it, where saving lets it.
void stufendateiPrüfen(const Fallskript& skript, const std::string& gespielt) {
    datei::Falldatei fall = datei::falldateiVon(skript.fall());
    fall.erfahrungsstufe = skript.stufenfall();
    if (datei::unzulässigesDatum(fall) || datei::unzulässigeStufenangabe(*fall.erfahrungsstufe)) return;
    const std::string text = datei::falltext(fall);
    if (!istUtf8(text)) return;
    datei::Wiedergabe wiedergabe;
    try {
        wiedergabe = datei::wiedergeben(datei::falldateiAusText(text));
    } catch (const datei::Formatfehler& fehler) {
        gebrochen(gespielt, "was gespeichert wird, lässt sich öffnen", fehler.what());
    }
    if (wiedergabe.erfahrungsstufe != skript.stufenfall())
        gebrochen(gespielt, "die Stufe übersteht es", text);
    for (const datei::Abweichung& a : wiedergabe.abweichungen) {
        if (a.was.starts_with("Erfahrungsstufe"))
            gebrochen(gespielt, "Stufen sind die neu berechneten", a.was);
    }
    if (datei::falltext(datei::falldateiVon(wiedergabe)) != text) gebrochen(gespielt, "derselbe Text", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    if (größe > 4000) return 0;  // longer scripts add time, not cases
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), größe);
    Fallskript skript;
    std::string gespielt;
    for (std::size_t anfang = 0; anfang < eingabe.size();) {
        const std::size_t ende = std::min(eingabe.find('\n', anfang), eingabe.size());
        const std::string zeile(eingabe.substr(anfang, ende - anfang));
        anfang = ende + 1;
        const Fall vorher = skript.fall();
        const std::optional<Stufenfall> stufeVorher = skript.stufenfall();
        const std::size_t meldungenVorher = skript.meldungen().size();
        std::istringstream strom(zeile);
        try {
            skript.abspielen(strom);
        } catch (const Skriptfehler&) {
            const std::string was = fallunterschied(vorher, skript.fall());
            if (!was.empty() || skript.stufenfall() != stufeVorher)
                gebrochen(gespielt + zeile, "abgewiesene Zeile ändert nichts",
                          was.empty() ? "Erfahrungsstufe" : was);
            continue;
        }
        gespielt += zeile + "\n";
        if (std::string_view rest = zeile; nächstesWort(rest) == "stufe") {
            const std::string was = fallunterschied(vorher, skript.fall());
            if (!was.empty()) gebrochen(gespielt, "eine stufe-Zeile ändert den BDA-Fall nicht", was);
        }
        const std::vector<std::string> meldungen(
            skript.meldungen().begin() + static_cast<long>(meldungenVorher), skript.meldungen().end());
        const auto gelesen = aktion(zeile);
        const auto verstöße =
            regelnPrüfen(gelesen ? &*gelesen : nullptr, vorher, skript.fall(), meldungen, skript.fokus());
        if (!verstöße.empty()) gebrochen(gespielt, verstöße.front().regel, verstöße.front().was);
    }
    if (skript.stufenfall()) stufendateiPrüfen(skript, gespielt);
    return 0;
}
