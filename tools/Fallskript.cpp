#include "Fallskript.h"

#include <algorithm>
#include <charconv>

#include "Beschreibung.h"
#include "Eingangsamt.h"
#include "Zeichen.h"

namespace {

std::string steuerelementname(Steuerelement ziel) {
    return (ziel.art == Steuerelement::Art::Datum ? "Datum(" : "Eingabe(") + std::to_string(ziel.index) + ")";
}

// The next blank-separated word of `rest`, removed from it; empty when there is none.
std::string nächstesWort(std::string_view& rest) {
    const auto anfang = rest.find_first_not_of(' ');
    if (anfang == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(anfang);
    const auto ende = std::min(rest.find(' '), rest.size());
    std::string wort(rest.substr(0, ende));
    rest.remove_prefix(ende);
    return wort;
}

// A word of the script as a message quotes it: at most 60 characters, "…" where it was cut.
std::string zitiert(std::string_view wort) {
    constexpr std::size_t höchstens = 60;
    if (zeichenzahl(wort) <= höchstens) return "\"" + std::string(wort) + "\"";
    return "\"" + std::string(ersteZeichen(wort, höchstens)) + "…\"";
}

// A date text as the field's mask holds it: two digits or "_", "/", two, "/", four.
bool hatDatumsmaske(std::string_view text) {
    if (text.size() != leeresDatum.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool trenner = i == 2 || i == 5;
        const char c = text[i];
        if (trenner ? c != '/' : !(c == '_' || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

void zeileZuEnde(std::string_view rest) {
    const std::string überzählig = nächstesWort(rest);
    if (!überzählig.empty()) throw Skriptfehler("am Ende der Zeile steht zu viel: " + zitiert(überzählig));
}

int index(std::string_view& rest, int anzahl, const char* was) {
    const std::string wort = nächstesWort(rest);
    if (wort.empty()) throw Skriptfehler(std::string("es fehlt die Nummer von ") + was);
    int wert = -1;
    const auto [ende, fehler] = std::from_chars(wort.data(), wort.data() + wort.size(), wert);
    if (fehler != std::errc{} || ende != wort.data() + wort.size() || wert < 0 || wert >= anzahl) {
        throw Skriptfehler(std::string(was) + " " + zitiert(wort) + " gibt es nicht (0 bis " +
                           std::to_string(anzahl - 1) + ")");
    }
    return wert;
}

}  // namespace

Fallskript::Fallskript() { steuerung_.laden(); }

void Fallskript::abspielen(std::istream& skript) {
    std::string zeile;
    for (int nummer = 1; std::getline(skript, zeile); ++nummer) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (getrimmt(zeile).empty() || getrimmt(zeile).front() == '#') continue;
        try {
            aktion(zeile);
        } catch (const Skriptfehler& fehler) {
            throw Skriptfehler("Zeile " + std::to_string(nummer) + ": " + fehler.what());
        }
    }
    if (skript.bad()) throw Skriptfehler("das Skript lässt sich nicht zu Ende lesen");
}

void Fallskript::aktion(const std::string& zeile) {
    std::string_view rest = zeile;
    const std::string befehl = nächstesWort(rest);
    protokoll_.letzterFokus.reset();

    if (befehl == "amt") {
        const int option = index(rest, Eingangsamt::anzahl, "Eingangsamt");
        zeileZuEnde(rest);
        steuerung_.eingangsamtGeklickt(option);
        fokus_ = "Eingangsamt(" + std::to_string(option) + ")";
    } else if (befehl == "datum") {
        const int feld = index(rest, Feld::anzahl, "Datum");
        const std::string text = nächstesWort(rest);
        if (!hatDatumsmaske(text)) {
            throw Skriptfehler("Datum(" + std::to_string(feld) +
                               ") braucht zehn Zeichen wie 15/06/1970 (\"_\" für nicht Getipptes), nicht " +
                               zitiert(text));
        }
        zeileZuEnde(rest);
        fall_.datum[feld] = text;
        steuerung_.datumEnter(feld);
        fokus_ = "Datum(" + std::to_string(feld) + ")";
    } else if (befehl == "eingabe") {
        const int box = index(rest, anzahlEingaben, "Eingabe");
        if (!rest.empty()) rest.remove_prefix(1);
        fall_.eingabe[box] = begrenzteBeschreibung(rest);
        fokus_ = "Eingabe(" + std::to_string(box) + ")";
    } else if (befehl == "name") {
        if (!rest.empty()) rest.remove_prefix(1);
        steuerung_.nameSetzen(rest);
    } else {
        throw Skriptfehler("unbekannte Aktion " + zitiert(befehl) + " (amt, datum, eingabe oder name)");
    }
    if (protokoll_.letzterFokus) fokus_ = steuerelementname(*protokoll_.letzterFokus);
}
