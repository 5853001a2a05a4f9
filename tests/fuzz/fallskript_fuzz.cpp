// libFuzzer: a case script read and replayed line by line through the driver, the case rules of
// Fallregeln.h checked after every line. A line the reader refuses must leave the case and the
// experience step as they were; a "stufe" line leaves the BDA case alone. A script with an experience
// step is written as a case file at the end, which must read back to the same step and write the same
// text again. A broken rule prints the script up to that line and aborts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "Fallformat.h"
#include "Fallskript.h"
#include "Fallwiedergabe.h"
#include "Regelpruefung.h"
#include "Windows1252.h"

using namespace bda;
using namespace bda::werkzeug;

namespace {

// The action a line the reader took stands for; none for names, comments and blank lines. The reader
// refuses numbers with a sign, a leading zero or out of range, so a number it took reads plainly.
std::optional<fallregeln::Aktion> aktion(std::string_view zeile) {
    using fallregeln::Aktion;
    if (zeile.ends_with('\r')) zeile.remove_suffix(1);
    const std::string befehl = nächstesWort(zeile);
    if (befehl != "amt" && befehl != "datum" && befehl != "eingabe") return std::nullopt;
    const auto art = befehl == "amt"     ? Aktion::Art::amt
                     : befehl == "datum" ? Aktion::Art::datum
                                         : Aktion::Art::eingabe;
    const int index = std::stoi(nächstesWort(zeile));
    return Aktion{art, index, art == Aktion::Art::datum ? nächstesWort(zeile) : std::string(zeile)};
}

[[noreturn]] void gebrochen(const std::string& skript, const std::string& regel, const std::string& was) {
    std::fprintf(stderr, "Regel \"%s\" gebrochen: %s\nbda-fall-Skript:\n%s\n", regel.c_str(), was.c_str(),
                 skript.c_str());
    std::abort();
}

// The script's case as a case file, as bda-fall --speichern writes it where saving lets it.
void stufendateiPrüfen(const Fallskript& skript, const std::string& gespielt) {
    datei::Falldatei fall = datei::falldateiVon(skript.fall());
    fall.erfahrungsstufe = skript.stufenfall();
    if (datei::unzulässigesDatum(fall) || datei::unzulässigeStufenangabe(*fall.erfahrungsstufe)) return;
    const std::string text = datei::falltext(fall);
    if (!istUtf8(text)) return;
    datei::Falldatei gelesen;
    try {
        gelesen = datei::falldateiAusText(text);
    } catch (const datei::Formatfehler& fehler) {
        gebrochen(gespielt, "was gespeichert wird, lässt sich öffnen", fehler.what());
    }
    const datei::Wiedergabe wiedergabe = datei::wiedergeben(gelesen);
    if (wiedergabe.erfahrungsstufe != skript.stufenfall())
        gebrochen(gespielt, "die Erfahrungsstufe übersteht Speichern und Öffnen", text);
    for (const datei::Abweichung& a : wiedergabe.abweichungen) {
        if (a.was.starts_with("Erfahrungsstufe"))
            gebrochen(gespielt, "gespeicherte Stufen sind die neu berechneten", a.was);
    }
    if (datei::falltext(datei::falldateiVon(wiedergabe)) != text)
        gebrochen(gespielt, "zweimal geschrieben, derselbe Text", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    // Longer scripts add time, not cases.
    if (größe > 4000) return 0;
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
            if (const std::string was = fallunterschied(vorher, skript.fall()); !was.empty()) {
                gebrochen(gespielt + zeile, "abgewiesene Zeile ändert nichts", was);
            }
            if (skript.stufenfall() != stufeVorher)
                gebrochen(gespielt + zeile, "abgewiesene Zeile ändert nichts", "Erfahrungsstufe");
            continue;
        }
        gespielt += zeile + "\n";
        if (std::string_view rest = zeile; nächstesWort(rest) == "stufe") {
            if (const std::string was = fallunterschied(vorher, skript.fall()); !was.empty())
                gebrochen(gespielt, "eine stufe-Zeile ändert den BDA-Fall nicht", was);
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
