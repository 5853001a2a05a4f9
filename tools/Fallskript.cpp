#include "Fallskript.h"

#include <algorithm>
#include <charconv>

#include "Bescheiddaten.h"
#include "Beschreibung.h"
#include "Eingangsamt.h"
#include "Stufenberechnung.h"
#include "Stufenregeln.h"
#include "Zeichen.h"

namespace bda::werkzeug {

namespace {

std::string steuerelementname(Steuerelement ziel) {
    return (ziel.art == Steuerelement::Art::Datum ? "Datum(" : "Eingabe(") + std::to_string(ziel.index) + ")";
}

// A word of the script as a message quotes it: at most 60 characters, "…" where it was cut.
std::string zitiert(std::string_view wort) {
    constexpr std::size_t höchstens = 60;
    if (zeichenzahl(wort) <= höchstens) return "\"" + std::string(wort) + "\"";
    return "\"" + std::string(ersteZeichen(wort, höchstens)) + "…\"";
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
    // A number as one writes it: "023" or "-0" would name a field by another spelling.
    if (fehler != std::errc{} || ende != wort.data() + wort.size() || wert < 0 || wert >= anzahl ||
        wort != std::to_string(wert)) {
        throw Skriptfehler(std::string(was) + " " + zitiert(wort) + " gibt es nicht (0 bis " +
                           std::to_string(anzahl - 1) + ")");
    }
    return wert;
}

// The text of a notice field: the rest of the line behind the blank after the action, refused when it
// is longer than the field.
template <std::size_t N>
void textSetzen(FesterText<N>& feld, std::string_view text, const std::string& aktion) {
    if (zeichenzahl(text) > N) {
        throw Skriptfehler(aktion + ": der Text hat " + std::to_string(zeichenzahl(text)) +
                           " Zeichen, erlaubt sind " + std::to_string(N));
    }
    feld = text;
}

// The actions that set a text of the notice data.
const struct {
    const char* aktion;
    void (*setzen)(Bescheiddaten&, std::string_view, const std::string&);
} bescheidtexte[] = {
    {"kopf1", [](Bescheiddaten& d, std::string_view t,
                 const std::string& a) { textSetzen(d.behörde.kopfzeile1, t, a); }},
    {"kopf2", [](Bescheiddaten& d, std::string_view t,
                 const std::string& a) { textSetzen(d.behörde.kopfzeile2, t, a); }},
    {"behoerdenstrasse",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.behörde.straße, t, a); }},
    {"behoerdenort",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.behörde.ort, t, a); }},
    {"anschrift1",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.anschrift1, t, a); }},
    {"anschrift2",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.anschrift2, t, a); }},
    {"dienstanschrift",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.dienstanschrift, t, a); }},
    {"geschaeftszeichen", [](Bescheiddaten& d, std::string_view t,
                             const std::string& a) { textSetzen(d.geschäftszeichen, t, a); }},
    {"unterschrift1",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.unterschrift1, t, a); }},
    {"unterschrift2",
     [](Bescheiddaten& d, std::string_view t, const std::string& a) { textSetzen(d.unterschrift2, t, a); }},
};

// A date of the experience step: a whole date the date field accepts.
std::string stufendatum(const std::string& text, const char* was) {
    const std::string form = std::string(was) + " braucht ein Datum wie 15/03/2012, nicht " + zitiert(text);
    if (!hatDatumsmaske(text)) throw Skriptfehler(form);
    if (const auto grund = datumsfehler(text)) throw Skriptfehler(std::string(was) + ": " + *grund);
    if (!datumAusText(text)) throw Skriptfehler(form);
    return text;
}

std::string artenliste() {
    std::string liste;
    for (const Zeitartangabe& a : zeitarten) liste += (liste.empty() ? "" : ", ") + std::string(a.schlüssel);
    return liste;
}

}  // namespace

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

Fallskript::Fallskript() { steuerung_.laden(); }

void Fallskript::übernehmen(const Fall& fall, std::vector<std::string> meldungen,
                            std::optional<Steuerelement> fokus, std::optional<Stufenfall> stufenfall) {
    fall_ = fall;
    stufenfall_ = std::move(stufenfall);
    protokoll_.meldungen = std::move(meldungen);
    if (fokus) fokus_ = steuerelementname(*fokus);
}

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
    } else if (befehl == "stufe") {
        stufenaktion(rest);
    } else if (!bescheidaktion(befehl, rest)) {
        throw Skriptfehler(
            "unbekannte Aktion " + zitiert(befehl) +
            " (amt, datum, eingabe, name, stufe, kopf1, kopf2, behoerdenstrasse, behoerdenort, "
            "anschriftfeld, "
            "anrede, anschrift1, anschrift2, dienstanschrift, bescheiddatum, bezugsjahr, geschaeftszeichen, "
            "unterschrift1 oder unterschrift2)");
    }
    if (protokoll_.letzterFokus) fokus_ = steuerelementname(*protokoll_.letzterFokus);
}

bool Fallskript::bescheidaktion(const std::string& befehl, std::string_view rest) {
    Bescheiddaten& d = fall_.bescheid;
    for (const auto& eintrag : bescheidtexte) {
        if (befehl != eintrag.aktion) continue;
        if (!rest.empty()) rest.remove_prefix(1);
        eintrag.setzen(d, rest, befehl);
        return true;
    }
    if (befehl == "anrede") {
        const std::string code = nächstesWort(rest);
        if (code.empty()) throw Skriptfehler("es fehlt die Anrede (b, c, d oder -)");
        if (code != "-" && !istAnredecode(code)) {
            throw Skriptfehler("Anrede " + zitiert(code) + " gibt es nicht (b, c, d oder -)");
        }
        zeileZuEnde(rest);
        d.anrede = code == "-" ? "" : code;
    } else if (befehl == "anschriftfeld") {
        const std::string form = nächstesWort(rest);
        if (form.empty()) throw Skriptfehler("es fehlt die Form des Anschriftfelds (A oder B)");
        const auto gewählt = anschriftformAusText(form);
        if (!gewählt) throw Skriptfehler("Anschriftfeld " + zitiert(form) + " gibt es nicht (A oder B)");
        zeileZuEnde(rest);
        d.anschriftfeld = *gewählt;
    } else if (befehl == "bescheiddatum") {
        const std::string text = nächstesWort(rest);
        if (!text.empty() && text.size() != leeresDatum.size()) {
            throw Skriptfehler("bescheiddatum braucht zehn Zeichen wie 15/06/2024, nicht " + zitiert(text));
        }
        zeileZuEnde(rest);
        std::string fehler;
        const auto datum = briefdatumAusText(text, fehler);
        if (!datum) throw Skriptfehler(fehler);
        d.bescheiddatum = *datum;
    } else if (befehl == "bezugsjahr") {
        const std::string text = nächstesWort(rest);
        if (zeichenzahl(text) > 4)
            throw Skriptfehler("bezugsjahr braucht vier Ziffern wie 2004, nicht " + zitiert(text));
        zeileZuEnde(rest);
        std::string fehler;
        const auto jahr = bezugsjahrAusText(text, fehler);
        if (!jahr) throw Skriptfehler(fehler);
        d.bezugsjahr = *jahr;
    } else {
        return false;
    }
    return true;
}

void Fallskript::stufenaktion(std::string_view rest) {
    const std::string was = nächstesWort(rest);
    // A refused line leaves the step case as it was, also when it made none yet.
    Stufenfall fall = stufenfall_.value_or(Stufenfall{});
    if (was == "amt") {
        const std::string a = nächstesWort(rest);
        const std::string nummer = nächstesWort(rest);
        int amt = 0;
        const auto [ende, fehler] = std::from_chars(nummer.data(), nummer.data() + nummer.size(), amt);
        if (a != "A" || fehler != std::errc{} || ende != nummer.data() + nummer.size() ||
            nummer != std::to_string(amt) || !istAmt(amt)) {
            throw Skriptfehler("stufe amt: das Amt " + zitiert(getrimmt(a + " " + nummer)) +
                               " gibt es nicht (" + ämterbereich() + ")");
        }
        zeileZuEnde(rest);
        fall.amt = amt;
    } else if (was == "einfach") {
        const std::string wort = nächstesWort(rest);
        if (wort != "ja" && wort != "nein")
            throw Skriptfehler("stufe einfach braucht ja oder nein, nicht " + zitiert(wort));
        zeileZuEnde(rest);
        fall.einfacherDienst = wort == "ja";
    } else if (was == "ernennung") {
        fall.ernennung = stufendatum(nächstesWort(rest), "stufe ernennung");
        zeileZuEnde(rest);
    } else if (was == "zeitraum") {
        if (fall.zeiträume.size() >= höchsteZeitraumzahl) {
            throw Skriptfehler("stufe zeitraum: ein Fall hat höchstens " +
                               std::to_string(höchsteZeitraumzahl) + " Zeiträume");
        }
        Stufenzeitraum z;
        z.beginn = stufendatum(nächstesWort(rest), "stufe zeitraum, Beginn");
        z.ende = stufendatum(nächstesWort(rest), "stufe zeitraum, Ende");
        const std::string art = nächstesWort(rest);
        const auto gelesen = zeitartAusSchlüssel(art);
        if (!gelesen)
            throw Skriptfehler("stufe zeitraum: die Art " + zitiert(art) + " gibt es nicht (" + artenliste() +
                               ")");
        z.art = *gelesen;
        for (std::string wort = nächstesWort(rest); !wort.empty(); wort = nächstesWort(rest)) {
            if (wort == "anerkannt" && !z.anerkannt) {
                if (z.art != Zeitart::förderlich)
                    throw Skriptfehler("stufe zeitraum: anerkannt gibt es nur bei foerderlich");
                z.anerkannt = true;
            } else if (wort != "anerkannt" && z.person.empty()) {
                if (!angabe(z.art).jePerson) {
                    throw Skriptfehler("stufe zeitraum: eine Person (" + zitiert(wort) +
                                       ") gibt es nur bei kinderbetreuung und pflege");
                }
                z.person = wort;
            } else {
                throw Skriptfehler("am Ende der Zeile steht zu viel: " + zitiert(wort));
            }
        }
        fall.zeiträume.push_back(std::move(z));
    } else {
        throw Skriptfehler("stufe " + zitiert(was) +
                           " gibt es nicht (amt, einfach, ernennung oder zeitraum)");
    }
    stufenfall_ = std::move(fall);
}

}  // namespace bda::werkzeug
