#pragma once
// The rules a case must keep, checked after every action by the property test, the case-script fuzzer and
// the window's monkey test, with lengths and dates from the tests' own calendar (Kalendermodell.h).

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Fall.h"
#include "Falldatei.h"
#include "Fallwiedergabe.h"
#include "Kalendermodell.h"

namespace bda {

namespace fallregeln {

using kalendermodell::Tag;

// A number from the environment, such as the count of random cases, or `vorgabe` without one.
inline long umgebungszahl(const char* name, long vorgabe) {
    const char* wert = std::getenv(name);
    return wert && *wert ? std::strtol(wert, nullptr, 10) : vorgabe;
}

// A broken rule: `regel` names it (the same for the same rule, so that a failing case can be shrunk to
// it) and `was` tells what the case holds instead.
struct Verstoß {
    std::string regel;
    std::string was;
};
using Verstöße = std::vector<Verstoß>;

// One line of a case script (see tools/Fallskript.h).
struct Aktion {
    enum class Art { amt, datum, eingabe };
    Art art = Art::datum;
    int index = 0;
    std::string text;

    std::string skriptzeile() const {
        const char* const befehle[] = {"amt ", "datum ", "eingabe "};
        return befehle[static_cast<int>(art)] + std::to_string(index) + (art == Art::amt ? "" : " " + text);
    }
};

inline std::string alsText(const Zeitspanne& s) {
    return std::to_string(s.jahre) + "/" + std::to_string(s.monate) + "/" + std::to_string(s.tage) +
           " (J/M/T)";
}

// A complete text: no place left open. It may still name no real day.
inline bool vollständig(std::string_view text) { return text.find('_') == std::string_view::npos; }

// The day a field's text names when the fields accept it (1930 to 2040), confirmed or not.
inline std::optional<Tag> feldtag(std::string_view text) {
    const auto tag = kalendermodell::lesen(text);
    return tag && tag->jahr >= 1930 && tag->jahr <= 2040 ? tag : std::nullopt;
}

// A period row k (1 to 8): its date fields, its frame's span fields and its place in the frame's rows.
struct Zeitraumzeile {
    explicit Zeitraumzeile(int k) : k(k) {}
    int k;
    bool ersterRahmen = k <= 4;
    int beginn = 2 * k + 1, ende = 2 * k + 2, spanneBeginn = ersterRahmen ? 20 : 22,
        spanneEnde = spanneBeginn + 1;
    int rahmenzeile = ersterRahmen ? k : k - 4;  // 1..4 in its frame

    const Zeitspanne& länge(const Fall& f) const {
        return (ersterRahmen ? f.rahmen1 : f.rahmen2)[rahmenzeile];
    }
    bool rahmenSichtbar(const Fall& f) const { return ersterRahmen ? f.rahmen1Sichtbar : f.rahmen2Sichtbar; }
    bool hältZweiDaten(const Fall& f) const {
        return kalendermodell::lesen(f.datum[beginn]) && kalendermodell::lesen(f.datum[ende]);
    }
    // The length the row counts: the span of its dates when they and the frame's span are complete and
    // span start <= start <= end <= span end; none otherwise.
    std::optional<Zeitspanne> zählt(const Fall& f) const {
        const auto a = kalendermodell::lesen(f.datum[beginn]), e = kalendermodell::lesen(f.datum[ende]);
        const auto sa = kalendermodell::lesen(f.datum[spanneBeginn]),
                   se = kalendermodell::lesen(f.datum[spanneEnde]);
        using kalendermodell::tagzahl;
        if (!a || !e || !sa || !se || tagzahl(*sa) > tagzahl(*a) || tagzahl(*a) > tagzahl(*e) ||
            tagzahl(*e) > tagzahl(*se)) {
            return std::nullopt;
        }
        return kalendermodell::dreißigTage(*a, *e);
    }
};

inline Zeitspanne summe(const Zeitspanne& a, const Zeitspanne& b) {
    const int tage = a.tage + b.tage, monate = a.monate + b.monate + tage / 30;
    return {tage % 30, monate % 12, a.jahre + b.jahre + monate / 12};
}

// Adds the broken rule `regel` when `ist` differs from `soll`.
inline void vergleichen(Verstöße& verstöße, const char* regel, const std::string& was, const std::string& ist,
                        const std::string& soll) {
    if (ist != soll) verstöße.push_back({regel, was + " = " + ist + ", soll " + soll});
}

// Characters of a description as the counter counts them: code points, without blanks at either end.
inline int bedeutsameZeichen(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return 0;
    int zahl = 0;
    for (char c : text.substr(anfang, text.find_last_not_of(' ') - anfang + 1)) zahl += (c & 0xC0) != 0x80;
    return zahl;
}

// What a moved appointment says about a row of a shown frame that holds two dates but does not count.
inline std::vector<std::string> außerhalbMeldungen(const Fall& fall) {
    std::vector<std::string> meldungen;
    for (int k = 1; k <= 8; ++k) {
        const Zeitraumzeile z(k);
        if (!z.rahmenSichtbar(fall) || !z.hältZweiDaten(fall) || z.zählt(fall)) continue;
        meldungen.push_back("Der Zeitraum vom " + fall.datum[z.beginn] + " bis " + fall.datum[z.ende] +
                            " liegt außerhalb der Zeitspanne vom " + fall.datum[z.spanneBeginn] + " bis " +
                            fall.datum[z.spanneEnde] + " und wird nicht angerechnet.");
    }
    return meldungen;
}

inline void zustandPrüfen(const Fall& fall, Verstöße& verstöße) {
    for (int i = 0; i < Feld::anzahl; ++i) {
        const std::string& d = fall.datum[i];
        bool maske = d.size() == 10 && d[2] == '/' && d[5] == '/';
        for (int stelle : {0, 1, 3, 4, 6, 7, 8, 9})
            maske = maske && (d[stelle] == '_' || (d[stelle] >= '0' && d[stelle] <= '9'));
        if (!maske)
            verstöße.push_back({"Datumsfelder in Maskenform", "Datum(" + std::to_string(i) + ") = " + d});
    }
    // No number is negative, each sum is that of its rows, and a hidden frame shows and counts nothing.
    const auto vorzeichen = [&](const std::string& was, const Zeitspanne& s) {
        if (s.tage < 0 || s.monate < 0 || s.jahre < 0)
            verstöße.push_back({"keine negative Zahl", was + " = " + alsText(s)});
    };
    vorzeichen("Überschreitung", fall.überschritten);
    vorzeichen("Gesamtverschiebung", fall.gesamt);
    vergleichen(verstöße, "Summen", "Gesamtverschiebung", alsText(fall.gesamt),
                alsText(summe(fall.rahmen1[7], fall.rahmen2[7])));
    for (int r = 1; r <= 2; ++r) {
        const Rahmenzeilen& rahmen = r == 1 ? fall.rahmen1 : fall.rahmen2;
        const bool sichtbar = r == 1 ? fall.rahmen1Sichtbar : fall.rahmen2Sichtbar;
        const std::string name = "SSFrame" + std::to_string(r) + " Zeile ";
        Zeitspanne zeilen1bis4;
        for (int z = 0; z < anzahlZeitraumzeilen; ++z) {
            vorzeichen(name + std::to_string(z), rahmen[z]);
            if (!sichtbar)
                vergleichen(verstöße, "verborgener Rahmen zählt nichts", name + std::to_string(z),
                            alsText(rahmen[z]), alsText({}));
            if (z >= 1 && z <= 4) zeilen1bis4 = summe(zeilen1bis4, rahmen[z]);
        }
        vergleichen(verstöße, "Summen", name + "5", alsText(rahmen[5]), alsText(zeilen1bis4));
    }
    for (int i = 0; i < anzahlEingaben; ++i) {
        const int frei = 60 - bedeutsameZeichen(fall.eingabe[i]);
        if (frei < 0 || frei > 60)
            verstöße.push_back(
                {"Zähler 0 bis 60", "Zähler(" + std::to_string(i) + ") = " + std::to_string(frei)});
    }
}

inline void felderPrüfen(const Fall& fall, Verstöße& verstöße) {
    for (int k = 1; k <= 8; ++k) {
        const Zeitraumzeile z(k);
        if (z.rahmenSichtbar(fall)) {
            vergleichen(
                verstöße, "Zeile folgt ihren Feldern",
                "Zeile " + std::to_string(k) + " " + fall.datum[z.beginn] + " bis " + fall.datum[z.ende],
                alsText(z.länge(fall)), alsText(z.zählt(fall).value_or(Zeitspanne{})));
        }
    }
    // The BDA (a first of a month, never before the regular BDA) is the regular BDA moved by the total's
    // months and years; no BDA without a regular one.
    const auto regelBDA = kalendermodell::lesen(fall.datum[Feld::regelBDA]);
    const int monate = regelBDA ? regelBDA->monat - 1 + fall.gesamt.monate : 0;
    const std::string soll =
        regelBDA
            ? kalendermodell::text({regelBDA->jahr + fall.gesamt.jahre + monate / 12, monate % 12 + 1, 1})
            : std::string(leeresDatum);
    vergleichen(
        verstöße, "BDA aus Regel-BDA und Verschiebung",
        "Regel-BDA " + fall.datum[Feld::regelBDA] + ", Verschiebung " + alsText(fall.gesamt) + ": Feld 19",
        fall.datum[Feld::bda], soll);
    vergleichen(verstöße, "BDADatum zeigt Feld 19", "BDADatum", fall.bdaDatum,
                regelBDA ? fall.datum[Feld::bda] + "." : "");
}

// The exceedance, the frames shown with their shares (row 0) and the span fields are those of birth date,
// appointment and entry grade.
inline void auswertungPrüfen(const Fall& fall, Verstöße& verstöße) {
    using namespace kalendermodell;
    const auto bild = [](const Zeitspanne& über, bool rahmen1, const Zeitspanne& anteil1, bool rahmen2,
                         const Zeitspanne& anteil2, const std::string& spannen) {
        return "Überschreitung " + alsText(über) + ", SSFrame1 " + (rahmen1 ? "gezeigt " : "verborgen ") +
               alsText(anteil1) + ", SSFrame2 " + (rahmen2 ? "gezeigt " : "verborgen ") + alsText(anteil2) +
               ", Spannen " + spannen;
    };
    std::string spannen;
    for (int feld = Feld::viertelBeginn; feld <= Feld::hälfteEnde; ++feld) spannen += fall.datum[feld] + " ";
    const std::string ist = bild(fall.überschritten, fall.rahmen1Sichtbar, fall.rahmen1[0],
                                 fall.rahmen2Sichtbar, fall.rahmen2[0], spannen);
    const std::string fallname = "geboren " + fall.datum[0] + ", ernannt " + fall.datum[2] +
                                 ", Eingangsamt " + std::to_string(fall.amtswahl);
    const std::string leer = std::string(leeresDatum) + " ";

    const auto geburt = feldtag(fall.datum[Feld::geburtstag]);
    const auto ernennung = feldtag(fall.datum[Feld::ernennung]);
    if (!geburt || !ernennung) {  // nothing to evaluate: the screen of a new case
        vergleichen(verstöße, "Auswertung", fallname, ist,
                    bild({}, true, {}, true, {}, leer + leer + leer + leer));
        return;
    }
    // On which day a birthday of 29 February falls in a common year is the program's choice.
    if (geburt->monat == 2 && geburt->tag == 29) return;
    const auto geburtstag = [&](int jahre) { return Tag{geburt->jahr + jahre, geburt->monat, geburt->tag}; };
    const auto nach = [&](const Tag& tag) { return tagzahl(*ernennung) > tagzahl(tag); };
    const Tag stichtag = geburtstag(fall.amtswahl == 0 ? 31 : fall.amtswahl == 3 ? 40 : 35);
    const Tag vorErnennung = tagDavor(*ernennung);
    const Zeitspanne über = nach(stichtag) ? dreißigTage(stichtag, vorErnennung) : Zeitspanne{};
    // A frame is shown while its span runs forward: the appointment lies after the birthday starting it.
    std::string soll;
    if (fall.amtswahl == 0) {
        const Tag geburtstag35 = geburtstag(35);
        const bool zweiterRahmen = über.jahre >= 4 && nach(geburtstag35);
        soll = bild(über, nach(stichtag), über.jahre >= 4 ? Zeitspanne{0, 0, 4} : über, zweiterRahmen,
                    zweiterRahmen ? Zeitspanne{über.tage, über.monate, über.jahre - 4} : Zeitspanne{},
                    text(stichtag) + " " + text(nach(geburtstag35) ? tagDavor(geburtstag35) : vorErnennung) +
                        " " + text(geburtstag35) + " " + text(vorErnennung) + " ");
    } else {
        soll = bild(über, false, {}, nach(stichtag), über,
                    leer + leer + text(stichtag) + " " + text(vorErnennung) + " ");
    }
    vergleichen(verstöße, "Auswertung", fallname, ist, soll);
}

// The first member in which two cases differ, or "" when they agree.
inline std::string unterschied(const Fall& a, const Fall& b) {
    for (int i = 0; i < Feld::anzahl; ++i) {
        if (a.datum[i] != b.datum[i])
            return "Datum(" + std::to_string(i) + ") " + a.datum[i] + " -> " + b.datum[i];
    }
    const std::pair<const char*, bool> glieder[] = {
        {"Amtswahl", a.amtswahl != b.amtswahl},
        {"Tagnummer", a.tagnummer != b.tagnummer},
        {"SSFrame1", a.rahmen1 != b.rahmen1},
        {"SSFrame2", a.rahmen2 != b.rahmen2},
        {"Eingabe", a.eingabe != b.eingabe},
        {"Überschreitung", a.überschritten != b.überschritten},
        {"Gesamtverschiebung", a.gesamt != b.gesamt},
        {"SSFrame1 gezeigt", a.rahmen1Sichtbar != b.rahmen1Sichtbar},
        {"SSFrame2 gezeigt", a.rahmen2Sichtbar != b.rahmen2Sichtbar},
        {"BDADatum", a.bdaDatum != b.bdaDatum},
        {"Lebensjahr", a.lebensjahr != b.lebensjahr},
        {"Paragraph", a.paragraph != b.paragraph},
        {"Titel", a.titel != b.titel},
        {"Text(3)", a.text3 != b.text3},
        {"Label10", a.label10 != b.label10},
        {"Name", a.name != b.name}};
    for (const auto& [name, anders] : glieder) {
        if (anders) return name;
    }
    return "";
}

// The case a case file of `fall` gives when it is opened: its inputs replayed through the driver.
inline void eingabenPrüfen(const Fall& fall, Verstöße& verstöße) {
    const Fall wiedergegeben = datei::wiedergeben(datei::falldateiVon(fall)).fall;
    if (const std::string was = unterschied(fall, wiedergegeben); !was.empty()) {
        verstöße.push_back({"Fall folgt seinen Eingaben", "wiedergegeben: " + was});
    }
}

// Checks one action of a case: `vorher` and `nachher` are the case around it, `meldungen` the messages it
// showed, `fokus` where it left the focus ("Datum(2)", "" for nowhere). Without `aktion` (a script line
// that is no action on the case) only the state is checked.
inline Verstöße aktionPrüfen(const Aktion* aktion, const Fall& vorher, const Fall& nachher,
                             const std::vector<std::string>& meldungen, const std::string& fokus) {
    Verstöße verstöße;
    const auto melden = [&](const char* regel, std::string was) {
        verstöße.push_back({regel, std::move(was)});
    };
    const auto meldungenSind = [&](const char* regel, const std::vector<std::string>& soll) {
        const auto liste = [](const std::vector<std::string>& texte) {
            std::string liste;
            for (const auto& t : texte) liste += " \"" + t + "\"";
            return liste;
        };
        vergleichen(verstöße, regel, "Meldungen", liste(meldungen), liste(soll));
    };
    const auto felderGleich = [&](const char* regel, auto welche) {
        for (int i = 0; i < Feld::anzahl; ++i) {
            if (welche(i) && vorher.datum[i] != nachher.datum[i])
                melden(regel,
                       "Datum(" + std::to_string(i) + ") " + vorher.datum[i] + " -> " + nachher.datum[i]);
        }
    };

    zustandPrüfen(nachher, verstöße);
    felderPrüfen(nachher, verstöße);
    auswertungPrüfen(nachher, verstöße);
    eingabenPrüfen(nachher, verstöße);
    for (const auto& meldung : meldungen) {
        if (meldung.find('_') != std::string::npos)
            melden("keine Meldung mit unvollständigem Datum", meldung);
    }
    if (!aktion || aktion->art == Aktion::Art::eingabe) return verstöße;
    if (aktion->art == Aktion::Art::amt && aktion->index == 4) {
        if (const std::string was = unterschied(vorher, nachher); !was.empty())
            melden("Eingangsamt 4 ändert nichts", was);
        meldungenSind("Eingangsamt 4 ändert nichts", {"in Vorbereitung"});
        return verstöße;
    }
    // The grade click replays Enter in the appointment field.
    const bool amtswechsel = aktion->art == Aktion::Art::amt;
    const int feld = amtswechsel ? Feld::ernennung : aktion->index;
    const std::string& text = amtswechsel ? vorher.datum[Feld::ernennung] : aktion->text;

    // What was typed stays; the fields the program fills follow it.
    const auto sonstUnverändert = [&](const char* regel) {
        felderGleich(regel, [&](int i) { return i != feld && datei::istEingabefeld(i); });
        if (vorher.eingabe != nachher.eingabe) melden(regel, "Eingabe geändert");
    };

    const bool zulässig = feldtag(text).has_value();
    if (!vollständig(text) && feld != Feld::geburtstag) {
        meldungenSind("unvollständige Eingabe still", {});
        sonstUnverändert("unvollständige Eingabe still");
    } else if (vollständig(text) && !zulässig && feld <= 18) {
        if (meldungen.size() != 1) meldungenSind("ungültiges Datum abgewiesen", {"(eine Meldung)"});
        vergleichen(verstöße, "ungültiges Datum abgewiesen", "Datum(" + std::to_string(feld) + ")",
                    nachher.datum[feld], std::string(leeresDatum));
    } else if (zulässig && feld >= Feld::ernennung && feld <= 18) {
        const bool ohneGeburtstag = !feldtag(vorher.datum[Feld::geburtstag]);
        const bool ohneErnennung = feld != Feld::ernennung && !feldtag(vorher.datum[Feld::ernennung]);
        if (ohneGeburtstag || ohneErnennung) {
            const char* regel = "erst Geburtstag und Ernennung";
            meldungenSind(regel, {ohneGeburtstag ? "Bitte zuerst den Geburtstag eingeben."
                                                 : "Bitte zuerst den Tag der Ernennung eingeben."});
            vergleichen(verstöße, regel, "Datum(" + std::to_string(feld) + "), Tagnummer",
                        nachher.datum[feld] + ", " + std::to_string(nachher.tagnummer[feld]),
                        std::string(leeresDatum) + ", 0");
            vergleichen(verstöße, regel, "Fokus", fokus, ohneGeburtstag ? "Datum(0)" : "Datum(2)");
            sonstUnverändert(regel);
        } else if (feld == Feld::ernennung && kalendermodell::lesen(nachher.datum[Feld::ernennung])) {
            meldungenSind("Ernennung meldet, was nicht zählt", außerhalbMeldungen(nachher));
            felderGleich("Auswertung entfernt nichts", [](int i) { return i >= 3 && i <= 18; });
        }
    }
    return verstöße;
}

}  // namespace fallregeln

}  // namespace bda
