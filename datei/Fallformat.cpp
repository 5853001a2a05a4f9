#include "Fallformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <type_traits>
#include <vector>

#include "Beschreibung.h"
#include "Eingangsamt.h"
#include "Fallsteuerung.h"
#include "Jsonleser.h"
#include "Protokoll.h"
#include "Stufenberechnung.h"
#include "Stufenregeln.h"
#include "Zeichen.h"

namespace bda::datei {

namespace {

// Judges and prosecutors are not yet computed: the driver never takes option 4, so no case holds it.
constexpr int höchstesEingangsamt = Eingangsamt::professor;
// Row lengths are 16-bit numbers, as the labels of the window hold them.
constexpr int kleinsteZahl = -32768;
constexpr int größteZahl = 32767;

template <std::size_t N>
constexpr std::size_t feldlänge(const FesterText<N>&) {
    return N;
}

// Every fixed-length text of the case's notice data under its key, in the order of the file. The
// letterhead lines belong to the office, not to the case, and are not among them.
template <class Bescheid, class Funktion>
void bescheidtexte(Bescheid& bescheid, Funktion&& funktion) {
    funktion("anrede", bescheid.anrede);
    funktion("anschrift1", bescheid.anschrift1);
    funktion("anschrift2", bescheid.anschrift2);
    funktion("dienstanschrift", bescheid.dienstanschrift);
    funktion("bescheiddatum", bescheid.bescheiddatum);
    funktion("geschaeftszeichen", bescheid.geschäftszeichen);
}

// A fixed-length text without the blanks that pad it.
std::string_view ohneAuffüllung(const std::string& text) {
    std::string_view sicht = text;
    while (!sicht.empty() && sicht.back() == ' ') sicht.remove_suffix(1);
    return sicht;
}

std::string spanne(Zeitspanne z) {
    return "[" + std::to_string(z.tage) + ", " + std::to_string(z.monate) + ", " + std::to_string(z.jahre) +
           "]";
}

std::string rahmen(bool sichtbar, const Rahmenzeilen& zeilen) {
    if (!sichtbar) return "{\n      \"sichtbar\": false\n    }";
    std::string json = "{\n      \"sichtbar\": true,\n      \"zeilen\": [";
    for (std::size_t i = 0; i < zeilen.size(); ++i) json += (i ? ", " : "") + spanne(zeilen[i]);
    return json + "]\n    }";
}

const std::string berichtigen = "Bitte den Wert in der Datei berichtigen oder den Fall neu erfassen.";
const std::string andereDatei = "Bitte eine mit dem BDA-Rechner gespeicherte Falldatei wählen.";

[[noreturn]] void ungültig(const std::string& grund) { throw Formatfehler(grund + " " + berichtigen); }

std::string zitiert(std::string_view text) {
    constexpr std::size_t höchstens = 60;
    if (zeichenzahl(text) <= höchstens) return "„" + std::string(text) + "“";
    return "„" + std::string(ersteZeichen(text, höchstens)) + "…“";
}

// Names in messages are made only when a message is made: `name` is a text or a function giving one.
template <class Name>
std::string benannt(const Name& name) {
    if constexpr (std::is_invocable_v<Name>) {
        return name();
    } else {
        return std::string(name);
    }
}

void vorhanden(bool da, std::string_view eintrag) {
    if (!da) ungültig("Der Eintrag „" + std::string(eintrag) + "“ fehlt.");
}

void objektErwartet(Jsonleser& leser, std::string_view eintrag) {
    if (leser.art() != Jsonleser::Art::Objekt)
        ungültig("„" + std::string(eintrag) + "“ muss ein Objekt in { } sein.");
}

template <class Name>
int ganzzahl(Jsonleser& leser, const Name& name, int von, int bis) {
    if (leser.art() != Jsonleser::Art::Zahl) ungültig(benannt(name) + " muss eine ganze Zahl sein.");
    const double zahl = leser.zahl();
    if (zahl != std::floor(zahl)) ungültig(benannt(name) + " muss eine ganze Zahl sein.");
    if (zahl < von || zahl > bis) {
        const std::string wert =
            std::abs(zahl) < 1e15 ? " " + std::to_string(static_cast<long long>(zahl)) : "";
        ungültig(benannt(name) + wert + " gibt es nicht (" + std::to_string(von) + " bis " +
                 std::to_string(bis) + ").");
    }
    return static_cast<int>(zahl);
}

template <class Name>
std::string text(Jsonleser& leser, const Name& name) {
    if (leser.art() != Jsonleser::Art::Text)
        ungültig(benannt(name) + " muss ein Text in Anführungszeichen sein.");
    return leser.text();
}

template <class Name>
std::string datumstext(Jsonleser& leser, const Name& name) {
    std::string datum = text(leser, name);
    if (!hatDatumsmaske(datum)) {
        ungültig(benannt(name) + " " + zitiert(datum) +
                 " hat nicht die Form TT/MM/JJJJ (zwei Ziffern oder „_“, „/“, zwei, „/“, vier).");
    }
    return datum;
}

template <class Name>
bool wahrheitswert(Jsonleser& leser, const Name& name) {
    if (leser.art() != Jsonleser::Art::Wahrheitswert) ungültig(benannt(name) + " muss true oder false sein.");
    return leser.wahrheitswert();
}

template <class Name>
Zeitspanne spanne(Jsonleser& leser, const Name& name) {
    const auto form = [&] { return benannt(name) + " muss drei ganze Zahlen [Tage, Monate, Jahre] haben."; };
    if (leser.art() != Jsonleser::Art::Liste) ungültig(form());
    int teile[3] = {};
    int anzahl = 0;
    leser.liste([&](int i) {
        if (i >= 3) ungültig(form());
        teile[i] = ganzzahl(
            leser, [&] { return benannt(name) + (i == 0   ? " (Tage)"
                                                 : i == 1 ? " (Monate)"
                                                          : " (Jahre)"); },
            kleinsteZahl, größteZahl);
        anzahl = i + 1;
    });
    if (anzahl != 3) ungültig(form());
    return {teile[0], teile[1], teile[2]};
}

// The field number a key of "datum" names: 0 to 18 or 24, in plain digits.
int feldnummer(std::string_view schlüssel) {
    constexpr std::string_view erlaubt = " (erlaubt sind 0 bis 18 und 24).";
    const bool ziffern = !schlüssel.empty() && schlüssel.size() <= 9 &&
                         schlüssel.find_first_not_of("0123456789") == std::string_view::npos &&
                         (schlüssel.size() == 1 || schlüssel[0] != '0');
    if (!ziffern)
        ungültig(zitiert(schlüssel) + " in „eingaben.datum“ ist keine Feldnummer" + std::string(erlaubt));
    int feld = 0;
    for (char c : schlüssel) feld = feld * 10 + (c - '0');
    if (!istEingabefeld(feld)) {
        ungültig("Datum(" + std::to_string(feld) + ") gibt es in einer Falldatei nicht" +
                 std::string(erlaubt));
    }
    return feld;
}

void eingabenLesen(Jsonleser& leser, Falldatei& datei) {
    objektErwartet(leser, "eingaben");
    bool amt = false, daten = false, beschreibungen = false;
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "eingangsamt") {
            datei.eingangsamt = ganzzahl(leser, "Eingangsamt", 0, höchstesEingangsamt);
            amt = true;
        } else if (schlüssel == "datum") {
            objektErwartet(leser, "eingaben.datum");
            leser.objekt([&](std::string_view nummer) {
                const int feld = feldnummer(nummer);
                datei.datum[feld] =
                    datumstext(leser, [feld] { return "Datum(" + std::to_string(feld) + ")"; });
            });
            if (const auto falsch = unzulässigesDatum(datei)) {
                ungültig("Datum(" + std::to_string(falsch->feld) + "), " + feldname(falsch->feld) + ": " +
                         falsch->grund);
            }
            daten = true;
        } else if (schlüssel == "beschreibung") {
            const auto form = [] {
                return "„eingaben.beschreibung“ muss genau " + std::to_string(anzahlEingaben) +
                       " Texte haben.";
            };
            if (leser.art() != Jsonleser::Art::Liste) ungültig(form());
            int anzahl = 0;
            leser.liste([&](int i) {
                if (i >= anzahlEingaben) ungültig(form());
                const auto name = [i] { return "Beschreibung " + std::to_string(i + 1); };
                std::string beschreibung = text(leser, name);
                if (freieZeichen(beschreibung) < 0) {
                    ungültig(name() + " ist mit " + std::to_string(zeichenzahl(getrimmt(beschreibung))) +
                             " Zeichen länger als " + std::to_string(beschreibungHöchstzeichen) +
                             " Zeichen.");
                }
                datei.eingabe[i] = std::move(beschreibung);
                anzahl = i + 1;
            });
            if (anzahl != anzahlEingaben) ungültig(form());
            beschreibungen = true;
        } else {
            leser.überspringen();
        }
    });
    vorhanden(amt, "eingaben.eingangsamt");
    vorhanden(daten, "eingaben.datum");
    vorhanden(beschreibungen, "eingaben.beschreibung");
}

void bescheidLesen(Jsonleser& leser, Falldatei& datei) {
    objektErwartet(leser, "bescheid");
    bool name = false, jahr = false;
    struct Mitglied {
        std::string schlüssel;
        std::optional<std::string> text;  // none for a member that is no text
    };
    std::vector<Mitglied> mitglieder;  // the fixed-length texts, judged below
    mitglieder.reserve(8);
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "name") {
            datei.name = text(leser, "Der Name");
            name = true;
        } else if (schlüssel == "bezugsjahr") {
            const int wert = ganzzahl(leser, "Das Bezugsjahr", 0, letztesBezugsjahr);
            if (wert != 0 && wert < erstesBezugsjahr) {
                ungültig("Das Bezugsjahr " + std::to_string(wert) + " gibt es nicht (0 für keines, " +
                         std::to_string(erstesBezugsjahr) + " bis " + std::to_string(letztesBezugsjahr) +
                         ").");
            }
            datei.bescheid.bezugsjahr = wert;
            jahr = true;
        } else if (leser.art() == Jsonleser::Art::Text) {
            mitglieder.push_back({std::string(schlüssel), leser.text()});
        } else {
            mitglieder.push_back({std::string(schlüssel), std::nullopt});
            leser.überspringen();
        }
    });
    vorhanden(name, "bescheid.name");
    bescheidtexte(datei.bescheid, [&](const char* feldname, auto& feld) {
        const auto eintrag = [feldname] { return std::string("„bescheid.") + feldname + "“"; };
        const auto it = std::find_if(mitglieder.begin(), mitglieder.end(),
                                     [&](const Mitglied& m) { return m.schlüssel == feldname; });
        if (it == mitglieder.end()) vorhanden(false, std::string("bescheid.") + feldname);
        if (!it->text) ungültig(eintrag() + " muss ein Text in Anführungszeichen sein.");
        if (zeichenzahl(*it->text) > feldlänge(feld)) {
            ungültig(eintrag() + " ist länger als " + std::to_string(feldlänge(feld)) + " Zeichen.");
        }
        feld = *it->text;
    });
    vorhanden(jahr, "bescheid.bezugsjahr");
    const std::string_view anrede = getrimmt(datei.bescheid.anrede.text());
    if (!(anrede.empty() || anrede == "b" || anrede == "c" || anrede == "d")) {
        ungültig("Die Anrede " + zitiert(anrede) +
                 " gibt es nicht („b“ Herrn, „c“ Frau, „d“ Fräulein, „“ keine).");
    }
}

void rahmenLesen(Jsonleser& leser, const char* eintrag, bool& sichtbar, Rahmenzeilen& zeilen) {
    objektErwartet(leser, eintrag);
    bool sichtbarDa = false, zeilenDa = false;
    Rahmenzeilen gelesen{};
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "sichtbar") {
            if (leser.art() != Jsonleser::Art::Wahrheitswert) {
                ungültig("„" + std::string(eintrag) + ".sichtbar“ muss true oder false sein.");
            }
            sichtbar = leser.wahrheitswert();
            sichtbarDa = true;
        } else if (schlüssel == "zeilen") {
            const auto form = [&] {
                return "„" + std::string(eintrag) + ".zeilen“ muss genau " +
                       std::to_string(anzahlZeitraumzeilen) + " Zeilen haben.";
            };
            if (leser.art() != Jsonleser::Art::Liste) ungültig(form());
            int anzahl = 0;
            leser.liste([&](int i) {
                if (i >= anzahlZeitraumzeilen) ungültig(form());
                gelesen[i] = spanne(
                    leser, [&] { return "Zeile " + std::to_string(i) + " von „" + eintrag + ".zeilen“"; });
                anzahl = i + 1;
            });
            if (anzahl != anzahlZeitraumzeilen) ungültig(form());
            zeilenDa = true;
        } else {
            leser.überspringen();
        }
    });
    if (!sichtbarDa) vorhanden(false, std::string(eintrag) + ".sichtbar");
    // A hidden frame shows no rows; rows given for it anyway are not kept.
    if (!sichtbar) return;
    if (!zeilenDa) vorhanden(false, std::string(eintrag) + ".zeilen");
    zeilen = gelesen;
}

void ergebnisLesen(Jsonleser& leser, Falldatei& datei) {
    objektErwartet(leser, "ergebnis");
    Fallergebnis& e = datei.ergebnis;
    bool überschritten = false, rahmen1 = false, rahmen2 = false, gesamt = false, bda = false;
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "ueberschritten") {
            e.überschritten = spanne(leser, "„ergebnis.ueberschritten“");
            überschritten = true;
        } else if (schlüssel == "rahmen1") {
            rahmenLesen(leser, "ergebnis.rahmen1", e.rahmen1Sichtbar, e.rahmen1);
            rahmen1 = true;
        } else if (schlüssel == "rahmen2") {
            rahmenLesen(leser, "ergebnis.rahmen2", e.rahmen2Sichtbar, e.rahmen2);
            rahmen2 = true;
        } else if (schlüssel == "gesamt") {
            e.gesamt = spanne(leser, "„ergebnis.gesamt“");
            gesamt = true;
        } else if (schlüssel == "bda") {
            e.bda = datumstext(leser, "Das BDA");
            bda = true;
        } else {
            leser.überspringen();
        }
    });
    vorhanden(überschritten, "ergebnis.ueberschritten");
    vorhanden(rahmen1, "ergebnis.rahmen1");
    vorhanden(rahmen2, "ergebnis.rahmen2");
    vorhanden(gesamt, "ergebnis.gesamt");
    vorhanden(bda, "ergebnis.bda");
}

// The experience step's section. Its inputs are judged as the window takes them; its results only by
// their form, as they are compared with the recomputed ones.
constexpr std::string_view stufenabschnitt = "Erfahrungsstufe";

std::string amtsbereich() { return " (" + ämterbereich() + ")"; }

std::optional<std::string> amtsfehler(long long amt) {
    if (istAmt(amt)) return std::nullopt;
    return "Das Amt " + amtsname(amt) + " gibt es nicht" + amtsbereich() + ".";
}

std::string zeitraumname(std::size_t index) {
    return std::string(stufenabschnitt) + ", Zeitraum " + std::to_string(index + 1);
}

std::string schlüsselliste() {
    std::string liste;
    for (const Zeitartangabe& a : zeitarten) liste += (liste.empty() ? "" : ", ") + std::string(a.schlüssel);
    return liste;
}

std::string zeitraumgrenze() {
    return "Es sind mehr als " + std::to_string(höchsteZeitraumzahl) + " Zeiträume; ein Fall hat höchstens " +
           std::to_string(höchsteZeitraumzahl) + ".";
}

std::string stufendatum(Jsonleser& leser, const std::string& was) {
    std::string datum = datumstext(leser, was);
    if (const auto grund = datumsfehler(datum)) ungültig(was + ": " + *grund);
    return datum;
}

void zeitraumVorhanden(bool da, std::size_t index, const char* eintrag) {
    if (!da) ungültig(zeitraumname(index) + ": Der Eintrag „" + eintrag + "“ fehlt.");
}

Stufenzeitraum zeitraumLesen(Jsonleser& leser, std::size_t index) {
    const std::string was = zeitraumname(index);
    if (leser.art() != Jsonleser::Art::Objekt) ungültig(was + " muss ein Objekt in { } sein.");
    Stufenzeitraum z;
    bool beginn = false, ende = false, art = false, person = false, anerkannt = false, beschreibung = false;
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "beginn") {
            z.beginn = stufendatum(leser, was + ", Beginn");
            beginn = true;
        } else if (schlüssel == "ende") {
            z.ende = stufendatum(leser, was + ", Ende");
            ende = true;
        } else if (schlüssel == "art") {
            const std::string wort = text(leser, [&] { return was + ", Art"; });
            const auto gelesen = zeitartAusSchlüssel(wort);
            if (!gelesen) {
                ungültig(was + ": Die Art " + zitiert(wort) + " gibt es nicht (" + schlüsselliste() + ").");
            }
            z.art = *gelesen;
            art = true;
        } else if (schlüssel == "person") {
            z.person = text(leser, [&] { return was + ", Person"; });
            person = true;
        } else if (schlüssel == "anerkannt") {
            z.anerkannt = wahrheitswert(leser, [&] { return was + ", anerkannt"; });
            anerkannt = true;
        } else if (schlüssel == "beschreibung") {
            z.beschreibung = text(leser, [&] { return was + ", Beschreibung"; });
            beschreibung = true;
        } else {
            leser.überspringen();
        }
    });
    zeitraumVorhanden(beginn, index, "beginn");
    zeitraumVorhanden(ende, index, "ende");
    zeitraumVorhanden(art, index, "art");
    zeitraumVorhanden(person, index, "person");
    zeitraumVorhanden(anerkannt, index, "anerkannt");
    zeitraumVorhanden(beschreibung, index, "beschreibung");
    return z;
}

Stufenstand stufenstandLesen(Jsonleser& leser) {
    objektErwartet(leser, "erfahrungsstufe.ergebnis");
    const int stufenzahl = static_cast<int>(bundesregeln.laufzeitJahre.size()) + 1;
    Stufenstand stand;
    bool stufe1 = false, beiErnennung = false, stufen = false, anerkannt = false, verzögerung = false;
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "stufe1") {
            stand.stufe1 = datumstext(leser, "„erfahrungsstufe.ergebnis.stufe1“");
            stufe1 = true;
        } else if (schlüssel == "bei_ernennung") {
            stand.beiErnennung = ganzzahl(leser, "„erfahrungsstufe.ergebnis.bei_ernennung“", 0, stufenzahl);
            beiErnennung = true;
        } else if (schlüssel == "stufen") {
            const auto form = [&] {
                return "„erfahrungsstufe.ergebnis.stufen“ muss eine Liste von höchstens " +
                       std::to_string(stufenzahl) + " Daten sein.";
            };
            if (leser.art() != Jsonleser::Art::Liste) ungültig(form());
            leser.liste([&](int i) {
                if (i >= stufenzahl) ungültig(form());
                stand.stufen.push_back(datumstext(leser, [i] {
                    return "Stufe " + std::to_string(i + 1) + " in „erfahrungsstufe.ergebnis“";
                }));
            });
            stufen = true;
        } else if (schlüssel == "anerkannt_monate") {
            stand.anerkanntMonate =
                ganzzahl(leser, "„erfahrungsstufe.ergebnis.anerkannt_monate“", 0, größteZahl);
            anerkannt = true;
        } else if (schlüssel == "verzoegerung_monate") {
            stand.verzögerungMonate =
                ganzzahl(leser, "„erfahrungsstufe.ergebnis.verzoegerung_monate“", 0, größteZahl);
            verzögerung = true;
        } else {
            leser.überspringen();
        }
    });
    vorhanden(stufe1, "erfahrungsstufe.ergebnis.stufe1");
    vorhanden(beiErnennung, "erfahrungsstufe.ergebnis.bei_ernennung");
    vorhanden(stufen, "erfahrungsstufe.ergebnis.stufen");
    vorhanden(anerkannt, "erfahrungsstufe.ergebnis.anerkannt_monate");
    vorhanden(verzögerung, "erfahrungsstufe.ergebnis.verzoegerung_monate");
    return stand;
}

void stufenLesen(Jsonleser& leser, Falldatei& datei) {
    objektErwartet(leser, "erfahrungsstufe");
    Stufenfall fall;
    std::optional<Stufenstand> stand;
    bool amt = false, einfach = false, ernennung = false, zeiträume = false;
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel == "amt") {
            const std::string was = std::string(stufenabschnitt) + ", Amt";
            if (leser.art() != Jsonleser::Art::Zahl) ungültig(was + " muss eine ganze Zahl sein.");
            const double zahl = leser.zahl();
            if (zahl != std::floor(zahl)) ungültig(was + " muss eine ganze Zahl sein.");
            // A number far outside is not quoted: it would not be read as written.
            if (std::abs(zahl) >= 1e15) ungültig(was + ": Diese Zahl ist kein Amt" + amtsbereich() + ".");
            if (const auto grund = amtsfehler(static_cast<long long>(zahl))) ungültig(was + ": " + *grund);
            fall.amt = static_cast<int>(zahl);
            amt = true;
        } else if (schlüssel == "einfacher_dienst") {
            fall.einfacherDienst = wahrheitswert(leser, "„erfahrungsstufe.einfacher_dienst“");
            einfach = true;
        } else if (schlüssel == "ernennung") {
            fall.ernennung = stufendatum(leser, std::string(stufenabschnitt) + ", Ernennung");
            ernennung = true;
        } else if (schlüssel == "zeitraeume") {
            if (leser.art() != Jsonleser::Art::Liste)
                ungültig("„erfahrungsstufe.zeitraeume“ muss eine Liste in [ ] sein.");
            leser.liste([&](int i) {
                const auto index = static_cast<std::size_t>(i);
                if (index >= höchsteZeitraumzahl)
                    ungültig(std::string(stufenabschnitt) + ": " + zeitraumgrenze());
                fall.zeiträume.push_back(zeitraumLesen(leser, index));
            });
            zeiträume = true;
        } else if (schlüssel == "ergebnis") {
            stand = stufenstandLesen(leser);
        } else {
            leser.überspringen();
        }
    });
    vorhanden(amt, "erfahrungsstufe.amt");
    vorhanden(einfach, "erfahrungsstufe.einfacher_dienst");
    vorhanden(ernennung, "erfahrungsstufe.ernennung");
    vorhanden(zeiträume, "erfahrungsstufe.zeitraeume");
    vorhanden(stand.has_value(), "erfahrungsstufe.ergebnis");
    datei.erfahrungsstufe = std::move(fall);
    datei.stufenstand = std::move(stand);
}

std::string stufentext(const Stufenfall& fall) {
    const auto wahr = [](bool b) { return std::string(b ? "true" : "false"); };
    std::string json = "  \"erfahrungsstufe\": {\n";
    json += "    \"amt\": " + std::to_string(fall.amt) + ",\n";
    json += "    \"einfacher_dienst\": " + wahr(fall.einfacherDienst) + ",\n";
    json += "    \"ernennung\": " + alsJsonText(fall.ernennung) + ",\n";
    json += "    \"zeitraeume\": [";
    for (std::size_t i = 0; i < fall.zeiträume.size(); ++i) {
        const Stufenzeitraum& z = fall.zeiträume[i];
        json += i ? ",\n      {\n" : "\n      {\n";
        json += "        \"beginn\": " + alsJsonText(z.beginn) + ",\n";
        json += "        \"ende\": " + alsJsonText(z.ende) + ",\n";
        json += "        \"art\": " + alsJsonText(angabe(z.art).schlüssel) + ",\n";
        json += "        \"person\": " + alsJsonText(z.person) + ",\n";
        json += "        \"anerkannt\": " + wahr(z.anerkannt) + ",\n";
        json += "        \"beschreibung\": " + alsJsonText(z.beschreibung) + "\n      }";
    }
    json += fall.zeiträume.empty() ? "],\n" : "\n    ],\n";
    const Stufenstand stand = stufenstandVon(stufenberechnen(fall));
    json += "    \"ergebnis\": {\n";
    json += "      \"stufe1\": " + alsJsonText(stand.stufe1) + ",\n";
    json += "      \"bei_ernennung\": " + std::to_string(stand.beiErnennung) + ",\n";
    json += "      \"stufen\": [";
    for (std::size_t i = 0; i < stand.stufen.size(); ++i)
        json += (i ? ", " : "") + alsJsonText(stand.stufen[i]);
    json += "],\n";
    json += "      \"anerkannt_monate\": " + std::to_string(stand.anerkanntMonate) + ",\n";
    json += "      \"verzoegerung_monate\": " + std::to_string(stand.verzögerungMonate) + "\n    }\n  }\n";
    return json;
}

// Why the text is no JSON, in German: a text cut short ends inside an object, a list or a text.
// `versatz`: the bytes before the text the reader saw (a byte-order mark), so that places count from
// the file's first byte.
[[noreturn]] void keinJson(const Jsonfehler& fehler, std::size_t versatz) {
    const std::string byte = "Byte " + std::to_string(versatz + fehler.stelle + 1);
    switch (fehler.art) {
        case Jsonfehler::Art::abgebrochen:
            throw Formatfehler(
                "Sie bricht mitten im Inhalt ab; vermutlich wurde sie nicht vollständig gespeichert. " +
                andereDatei);
        case Jsonfehler::Art::doppelterName:
            throw Formatfehler("Der Eintrag " + zitiert(fehler.what()) + " steht zweimal im selben Objekt (" +
                               byte +
                               "), und es ist unklar, welcher gilt. Bitte einen der beiden in der Datei "
                               "löschen oder den Fall neu erfassen.");
        case Jsonfehler::Art::ungültig:
            break;
    }
    throw Formatfehler("Sie ist kein gültiger JSON-Text: " + std::string(fehler.what()) + " (" + byte +
                       "). " + andereDatei);
}

}  // namespace

std::string falltext(const Falldatei& datei) {
    std::string json;
    json.reserve(2048);
    json += "{\n  \"format\": " + alsJsonText(fallformatName) + ",\n";
    json += "  \"version\": " + std::to_string(fallformatVersion) + ",\n";

    json += "  \"eingaben\": {\n    \"eingangsamt\": " + std::to_string(datei.eingangsamt) + ",\n";
    json += "    \"datum\": {";
    bool erstes = true;
    for (int feld = 0; feld < Feld::anzahl; ++feld) {
        if (!istEingabefeld(feld) || !datei.datum[feld]) continue;
        json += erstes ? "\n" : ",\n";
        json += "      \"" + std::to_string(feld) + "\": " + alsJsonText(*datei.datum[feld]);
        erstes = false;
    }
    json += "\n    },\n    \"beschreibung\": [";
    for (int i = 0; i < anzahlEingaben; ++i)
        json += (i ? ",\n      " : "\n      ") + alsJsonText(datei.eingabe[i]);
    json += "\n    ]\n  },\n";

    json += "  \"bescheid\": {\n    \"name\": " + alsJsonText(datei.name);
    bescheidtexte(datei.bescheid, [&](const char* schlüssel, const auto& feld) {
        json += ",\n    \"" + std::string(schlüssel) + "\": " + alsJsonText(ohneAuffüllung(feld.text()));
    });
    json += ",\n    \"bezugsjahr\": " + std::to_string(datei.bescheid.bezugsjahr) + "\n  },\n";

    const Fallergebnis& e = datei.ergebnis;
    json += "  \"ergebnis\": {\n";
    json += "    \"ueberschritten\": " + spanne(e.überschritten) + ",\n";
    json += "    \"rahmen1\": " + rahmen(e.rahmen1Sichtbar, e.rahmen1) + ",\n";
    json += "    \"rahmen2\": " + rahmen(e.rahmen2Sichtbar, e.rahmen2) + ",\n";
    json += "    \"gesamt\": " + spanne(e.gesamt) + ",\n";
    json += "    \"bda\": " + alsJsonText(e.bda) + "\n  }";
    if (datei.erfahrungsstufe) json += ",\n" + stufentext(*datei.erfahrungsstufe);
    return json + (datei.erfahrungsstufe ? "}\n" : "\n}\n");
}

Falldatei falldateiAusText(std::string_view text) {
    constexpr std::string_view byteordnungszeichen = "\xEF\xBB\xBF";
    const std::size_t versatz = text.starts_with(byteordnungszeichen) ? byteordnungszeichen.size() : 0;
    text.remove_prefix(versatz);
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        throw Formatfehler("Sie ist leer. " + andereDatei);
    }
    std::optional<std::string> format;
    std::optional<double> version;
    // A text of another format or a newer version is named as such before any of its values is judged.
    const auto kopfPrüfen = [&] {
        if (format != fallformatName) {
            throw Formatfehler("Sie ist keine Falldatei des BDA-Rechners (ihr Eintrag „format“ ist nicht „" +
                               std::string(fallformatName) + "“). " + andereDatei);
        }
        if (version && *version > fallformatVersion && *version == std::floor(*version) && *version < 1e9) {
            throw Formatfehler("Sie hat die Formatversion " +
                               std::to_string(static_cast<long long>(*version)) +
                               "; dieses Programm liest nur Version " + std::to_string(fallformatVersion) +
                               ". Bitte die Datei mit einer neueren Ausgabe des BDA-Rechners öffnen.");
        }
        if (version != fallformatVersion) {
            ungültig("Die Formatversion muss die Zahl " + std::to_string(fallformatVersion) + " sein.");
        }
    };

    // The sections are read where they stand once format and version are known, as the program
    // writes them; sections before them are kept and read at the end.
    struct Abschnitt {
        const char* name;
        void (*lesen)(Jsonleser&, Falldatei&);
        bool pflicht = true;
        bool gelesen = false;
        std::size_t von = 0, bis = 0;
    };
    Abschnitt abschnitte[] = {{"eingaben", eingabenLesen},
                              {"bescheid", bescheidLesen},
                              {"ergebnis", ergebnisLesen},
                              {"erfahrungsstufe", stufenLesen, false}};
    Falldatei datei;
    std::optional<Jsonleser> ganzes;
    try {
        ganzes.emplace(text);
        Jsonleser& leser = *ganzes;
        if (leser.art() != Jsonleser::Art::Objekt) {
            throw Formatfehler("Sie enthält kein JSON-Objekt in { }. " + andereDatei);
        }
        leser.objekt([&](std::string_view schlüssel) {
            if (schlüssel == "format" && leser.art() == Jsonleser::Art::Text) {
                format = leser.text();
                return;
            }
            if (schlüssel == "version" && leser.art() == Jsonleser::Art::Zahl) {
                version = leser.zahl();
                return;
            }
            for (Abschnitt& a : abschnitte) {
                if (schlüssel != a.name) continue;
                if (format && version) {
                    kopfPrüfen();
                    a.lesen(leser, datei);
                    a.gelesen = true;
                } else {
                    a.von = leser.stelle();
                    leser.überspringen();
                    a.bis = leser.stelle();
                }
                return;
            }
            leser.überspringen();
        });
        leser.ende();
        kopfPrüfen();
        for (Abschnitt& a : abschnitte) {
            if (a.gelesen || (!a.pflicht && a.bis == 0)) continue;
            vorhanden(a.bis > 0, a.name);
            Jsonleser teil = ganzes->teil(a.von, a.bis);
            a.lesen(teil, datei);
        }
    } catch (const Jsonfehler& fehler) {
        keinJson(fehler, versatz);
    }
    return datei;
}

std::optional<UnzulässigesDatum> unzulässigesDatum(const Falldatei& datei) {
    std::optional<Fall> nachGeburtstag;  // the case after the birth date's Enter, made when first needed
    for (int feld = 0; feld < Feld::anzahl; ++feld) {
        if (!datei.datum[feld]) continue;
        const std::string& text = *datei.datum[feld];
        const auto grund = datumsfehler(text);
        if (!grund) continue;
        if (feld == Feld::regelBDA || feld == Feld::vollendung21) {
            if (!nachGeburtstag) {
                nachGeburtstag.emplace();
                Protokoll protokoll;
                Fallsteuerung steuerung(*nachGeburtstag, protokoll);
                steuerung.laden();
                nachGeburtstag->datum[Feld::geburtstag] =
                    datei.datum[Feld::geburtstag].value_or(std::string(leeresDatum));
                steuerung.datumEnter(Feld::geburtstag);
            }
            if (nachGeburtstag->datum[feld] == text) continue;
        }
        return UnzulässigesDatum{feld, *grund};
    }
    return std::nullopt;
}

std::optional<UnzulässigeStufenangabe> unzulässigeStufenangabe(const Stufenfall& fall) {
    const std::string abschnitt(stufenabschnitt);
    if (const auto grund = amtsfehler(fall.amt)) return UnzulässigeStufenangabe{abschnitt + ", Amt", *grund};
    if (fall.zeiträume.size() > höchsteZeitraumzahl)
        return UnzulässigeStufenangabe{abschnitt, zeitraumgrenze()};
    const auto datumsgrund = [](const std::string& text) -> std::optional<std::string> {
        if (!hatDatumsmaske(text)) return "„" + text + "“ hat nicht die Form TT/MM/JJJJ.";
        return datumsfehler(text);
    };
    if (const auto grund = datumsgrund(fall.ernennung))
        return UnzulässigeStufenangabe{abschnitt + ", Ernennung", *grund};
    for (std::size_t i = 0; i < fall.zeiträume.size(); ++i) {
        const Stufenzeitraum& z = fall.zeiträume[i];
        if (const auto grund = datumsgrund(z.beginn))
            return UnzulässigeStufenangabe{zeitraumname(i) + ", Beginn", *grund};
        if (const auto grund = datumsgrund(z.ende))
            return UnzulässigeStufenangabe{zeitraumname(i) + ", Ende", *grund};
    }
    return std::nullopt;
}

}  // namespace bda::datei
