#include "Stufenberechnung.h"

#include <algorithm>
#include <map>
#include <utility>

#include "Datumsdifferenz.h"
#include "Mengenangabe.h"
#include "Zeichen.h"
#include "Zeitanrechnung.h"

namespace bda {

using std::chrono::year_month_day;

namespace {

inline constexpr year_month_day beginnDesNeuenRechts{std::chrono::year{2009}, std::chrono::July,
                                                     std::chrono::day{1}};

const Zeitgrenze* grenzeFür(const Stufenregeln& regeln, Zeitart art) {
    const auto gefunden = std::find_if(regeln.grenzen.begin(), regeln.grenzen.end(),
                                       [art](const Zeitgrenze& g) { return g.art == art; });
    return gefunden == regeln.grenzen.end() ? nullptr : &*gefunden;
}

year_month_day monatsanfang(year_month_day tag) { return {tag.year(), tag.month(), std::chrono::day{1}}; }

// The day that holds the unit `stand` of the 30-day reckoning: the inverse of tagesstand(); the units
// February lacks fall on its last day.
year_month_day tagMitStand(int stand) {
    using namespace std::chrono;
    const year jahr{(stand - 1) / 360};
    const month monat{static_cast<unsigned>((stand - 1) % 360 / 30 + 1)};
    const year_month_day tag{jahr, monat, day{static_cast<unsigned>((stand - 1) % 30 + 1)}};
    return tag.ok() ? tag : year_month_day{year_month_day_last{jahr, month_day_last{monat}}};
}

// A period's part in the 30-day reckoning, with the case's period it belongs to.
struct Teil {
    std::size_t zeitraum;
    year_month_day beginn;
    Anrechnungsteil spanne;
    bool verzögert = false;  // after the appointment: it delays the steps
};

// The parts in the order in which they claim shared time: earlier start first, then the case's order.
std::vector<Zuteilung> zuteilenNachBeginn(std::vector<Teil>& teile, const std::vector<int>& höchstwerte) {
    std::stable_sort(teile.begin(), teile.end(),
                     [](const Teil& a, const Teil& b) { return a.beginn < b.beginn; });
    std::vector<Anrechnungsteil> spannen;
    for (const auto& teil : teile) spannen.push_back(teil.spanne);
    return zuteilen(spannen, höchstwerte);
}

// The periods cut at the appointment day: the parts before it that count as experience (with their cap
// groups), the parts from it on that delay or keep others from delaying, and care from it on, which does
// either by its person's cap.
struct Zerlegung {
    std::vector<Teil> anrechenbar;
    std::vector<int> höchstwerte;  // in units, per cap group
    std::vector<Teil> danach;
    std::vector<Teil> betreuungDanach;
    bool ohnePerson = false;  // care without a named person
};

Zerlegung zerlegen(const Stufenfall& fall, const Stufenregeln& regeln, year_month_day ernennung,
                   std::vector<Zeitraumergebnis>& zeilen) {
    Zerlegung z;
    std::map<std::pair<Zeitart, std::string>, int> gruppen;
    // Units up to `stichtag` lie before the appointment day.
    const int stichtag = tagesstand(tagDavor(ernennung));
    for (std::size_t i = 0; i < fall.zeiträume.size(); ++i) {
        const auto& zeitraum = fall.zeiträume[i];
        auto& zeile = zeilen[i];
        const auto beginn = zulässigesDatum(zeitraum.beginn);
        const auto ende = zulässigesDatum(zeitraum.ende);
        if (!beginn || !ende) {
            zeile.gründe.push_back(Kürzung::unvollständig);
            continue;
        }
        if (*ende < *beginn) {
            zeile.gründe.push_back(Kürzung::endeVorBeginn);
            continue;
        }
        const int von = tagesstand(tagDavor(*beginn));
        const int bis = tagesstand(*ende);
        zeile.länge = Zeitspanne::ausTagen(bis - von);
        const auto& art = angabe(zeitraum.art);
        const Zeitgrenze* grenze = grenzeFür(regeln, zeitraum.art);

        if (von < stichtag) {
            const int vorBis = std::min(bis, stichtag);
            if (art.anrechnung == Anrechnung::nie) {
                zeile.gründe.push_back(art.verzögert ? Kürzung::vorErnennung : Kürzung::keineErfahrung);
            } else if (art.anrechnung == Anrechnung::aufAnerkennung && !zeitraum.anerkannt) {
                zeile.gründe.push_back(Kürzung::nichtAnerkannt);
            } else if (grenze && vorBis - von < 30 * grenze->mindestMonate) {
                zeile.gründe.push_back(Kürzung::mindestdauer);
            } else {
                int gruppe = -1;
                if (grenze) {
                    const auto schlüssel = std::make_pair(
                        zeitraum.art, art.jePerson ? std::string(getrimmt(zeitraum.person)) : "");
                    const auto [eintrag, neu] =
                        gruppen.emplace(schlüssel, static_cast<int>(z.höchstwerte.size()));
                    if (neu) z.höchstwerte.push_back(30 * grenze->höchstMonate);
                    gruppe = eintrag->second;
                    z.ohnePerson = z.ohnePerson || (art.jePerson && getrimmt(zeitraum.person).empty());
                }
                z.anrechenbar.push_back({i, *beginn, {von, vorBis, gruppe}});
            }
        }
        if (bis > stichtag) {
            const Teil teil{
                i, std::max(*beginn, ernennung), {std::max(von, stichtag), bis, -1}, art.verzögert};
            if (art.verzögert) {
                z.danach.push_back(teil);
            } else if (art.jePerson && grenze) {
                z.betreuungDanach.push_back(teil);
            } else if (!art.ohneVerzögerung.empty()) {
                zeile.gründe.push_back(Kürzung::keineVerzögerung);
                z.danach.push_back(teil);
            } else {
                zeile.gründe.push_back(Kürzung::nachErnennung);
            }
        }
    }
    return z;
}

// Recognised time: each unit once, within the caps. Returns the units counted.
int anerkennen(std::vector<Teil>& anrechenbar, const std::vector<int>& höchstwerte,
               std::vector<Zeitraumergebnis>& zeilen) {
    const auto zuteilung = zuteilenNachBeginn(anrechenbar, höchstwerte);
    int anerkannt = 0;
    for (std::size_t t = 0; t < anrechenbar.size(); ++t) {
        auto& zeile = zeilen[anrechenbar[t].zeitraum];
        const auto& spanne = anrechenbar[t].spanne;
        zeile.angerechnet = Zeitspanne::ausTagen(zuteilung[t].gezählt);
        anerkannt += zuteilung[t].gezählt;
        if (zuteilung[t].anderswoGezählt > 0) zeile.gründe.push_back(Kürzung::überschneidung);
        if (zuteilung[t].gezählt + zuteilung[t].anderswoGezählt < spanne.bis - spanne.von)
            zeile.gründe.push_back(Kürzung::höchstdauer);
    }
    return anerkannt;
}

// Care after the appointment (Elternzeit, Pflegezeit) delays nothing for up to the person's three years
// (§ 28 Abs. 5 Nr. 1 with Abs. 1 S. 4); beyond them it is leave without pay that delays. The three years
// are counted apart from those recognised before the appointment, so that recognising a period never
// moves a step later. The parts go into `danach`.
void betreuungAufteilen(const Stufenfall& fall, const Stufenregeln& regeln, std::vector<Teil>& betreuung,
                        std::vector<Teil>& danach, std::vector<Zeitraumergebnis>& zeilen) {
    std::map<std::pair<Zeitart, std::string>, int> frei;
    std::stable_sort(betreuung.begin(), betreuung.end(),
                     [](const Teil& a, const Teil& b) { return a.beginn < b.beginn; });
    for (const Teil& teil : betreuung) {
        const auto& zeitraum = fall.zeiträume[teil.zeitraum];
        auto& zeile = zeilen[teil.zeitraum];
        const auto schlüssel = std::make_pair(zeitraum.art, std::string(getrimmt(zeitraum.person)));
        if (!frei.contains(schlüssel)) frei[schlüssel] = 30 * grenzeFür(regeln, zeitraum.art)->höchstMonate;
        int& rest = frei[schlüssel];
        const int ohneAufschub = std::min(rest, teil.spanne.bis - teil.spanne.von);
        const int ab = teil.spanne.von + ohneAufschub;
        rest -= ohneAufschub;
        if (ohneAufschub > 0) {
            zeile.gründe.push_back(Kürzung::keineVerzögerung);
            danach.push_back({teil.zeitraum, teil.beginn, {teil.spanne.von, ab, -1}});
        }
        if (ab < teil.spanne.bis) {
            zeile.gründe.push_back(Kürzung::höchstdauer);
            danach.push_back({teil.zeitraum, tagMitStand(ab + 1), {ab, teil.spanne.bis, -1}, true});
        }
    }
}

// Delaying time after the appointment: each unit once, and none that a kind of § 28 Abs. 5 covers. Those
// kinds go first, so they take the shared units. Returns the begin and the units of each delaying part.
std::vector<std::pair<year_month_day, int>> verzögern(std::vector<Teil>& danach,
                                                      std::vector<Zeitraumergebnis>& zeilen) {
    std::stable_partition(danach.begin(), danach.end(), [](const Teil& teil) { return !teil.verzögert; });
    const auto ersteVerzögernde =
        std::find_if(danach.begin(), danach.end(), [](const Teil& teil) { return teil.verzögert; });
    std::stable_sort(ersteVerzögernde, danach.end(),
                     [](const Teil& a, const Teil& b) { return a.beginn < b.beginn; });
    std::vector<Anrechnungsteil> spannen;
    for (const auto& teil : danach) spannen.push_back(teil.spanne);
    const auto aufschub = zuteilen(spannen, {});
    std::vector<std::pair<year_month_day, int>> verzögerungen;
    for (std::size_t t = 0; t < danach.size(); ++t) {
        if (!danach[t].verzögert) continue;
        auto& zeile = zeilen[danach[t].zeitraum];
        zeile.verzögerung = Zeitspanne::ausTagen(zeile.verzögerung.inTagen() + aufschub[t].gezählt);
        if (aufschub[t].anderswoGezählt > 0) zeile.gründe.push_back(Kürzung::überschneidung);
        verzögerungen.emplace_back(danach[t].beginn, aufschub[t].gezählt);
    }
    return verzögerungen;
}

// Stufe 1 from `stufe1`; each later step after the rule set's years, moved by the delaying time that
// begins before it, rounded down to months.
std::vector<year_month_day> stufenfolge(year_month_day stufe1, const std::vector<int>& laufzeiten,
                                        const std::vector<std::pair<year_month_day, int>>& verzögerungen) {
    std::vector<year_month_day> stufen{stufe1};
    year_month_day regulär = stufe1;
    for (const int jahre : laufzeiten) {
        regulär += std::chrono::years{jahre};
        int monate = 0;
        for (;;) {
            const year_month_day tag = regulär + std::chrono::months{monate};
            int vorher = 0;
            for (const auto& [beginn, einheiten] : verzögerungen) {
                if (beginn < tag) vorher += einheiten;
            }
            if (vorher / 30 == monate) break;
            monate = vorher / 30;
        }
        stufen.push_back(regulär + std::chrono::months{monate});
    }
    return stufen;
}

std::vector<std::string> hinweise(const Stufenfall& fall, const Stufenregeln& regeln,
                                  year_month_day ernennung, bool ohnePerson) {
    std::vector<std::string> texte;
    if (ernennung < beginnDesNeuenRechts)
        texte.push_back(
            "Die Ernennung liegt vor dem 01/07/2009: für sie gilt das "
            "Besoldungsdienstalter, nicht die Erfahrungsstufe.");
    if (fall.einfacherDienst && fall.amt > regeln.höchstesEinfachesAmt)
        texte.push_back("Der einfache Dienst endet mit " + amtsname(regeln.höchstesEinfachesAmt) +
                        ": bitte die Besoldungsgruppe oder die Wahl „einfacher Dienst“ prüfen.");
    if (ohnePerson)
        texte.push_back(
            "Kinderbetreuung oder Pflege ohne Angabe der Person: die Höchstdauer gilt "
            "für alle diese Zeiträume ohne Person zusammen.");
    return texte;
}

}  // namespace

std::string amtsname(long long amt) { return "A " + std::to_string(amt); }

bool istAmt(long long amt, const Stufenregeln& regeln) {
    return amt >= regeln.kleinstesAmt && amt <= regeln.größtesAmt;
}

std::string ämterbereich(const Stufenregeln& regeln) {
    return amtsname(regeln.kleinstesAmt) + " bis " + amtsname(regeln.größtesAmt);
}

std::string kürzungstext(Kürzung kürzung, Zeitart art, const Stufenregeln& regeln) {
    const auto& zeitart = angabe(art);
    const Zeitgrenze* grenze = grenzeFür(regeln, art);
    switch (kürzung) {
        case Kürzung::unvollständig:
            return "Beginn oder Ende fehlt oder ist kein gültiges Datum";
        case Kürzung::endeVorBeginn:
            return "Ende liegt vor dem Beginn";
        case Kürzung::nachErnennung:
            return "ab der Ernennung keine Erfahrungszeit vor ihr (§ 27 Abs. 2 S. 1 BBesG)";
        case Kürzung::vorErnennung:
            return "vor der Ernennung ohne Wirkung auf den Aufstieg (§ 27 Abs. 3 S. 3 BBesG)";
        case Kürzung::keineErfahrung:
            return "keine Erfahrungszeit (§ 28 Abs. 1 BBesG)";
        case Kürzung::keineVerzögerung:
            return "ab der Ernennung: verzögert den Aufstieg nicht (" + std::string(zeitart.ohneVerzögerung) +
                   ")";
        case Kürzung::nichtAnerkannt:
            return "nicht als förderlich anerkannt (" + std::string(zeitart.vorschrift) + ")";
        case Kürzung::mindestdauer:
            return "kürzer als " + monateUndJahre(grenze ? grenze->mindestMonate : 0, 0) + " (" +
                   std::string(grenze ? grenze->vorschrift : zeitart.vorschrift) + ")";
        case Kürzung::höchstdauer: {
            const int monate = grenze ? grenze->höchstMonate : 0;
            const std::string dauer =
                monate % 12 == 0 ? anzahl(monate / 12, "Jahr", "Jahren") : anzahl(monate, "Monat", "Monaten");
            return "Höchstdauer von " + dauer + (zeitart.jePerson ? " je Person" : "") + " erreicht (" +
                   std::string(grenze ? grenze->vorschrift : zeitart.vorschrift) + ")";
        }
        case Kürzung::überschneidung:
            return "Tage schon mit einem anderen Zeitraum gezählt (§ 28 Abs. 4 S. 1 BBesG)";
    }
    return {};
}

Stufenergebnis stufenberechnen(const Stufenfall& fall, const Stufenregeln& regeln) {
    Stufenergebnis ergebnis;
    const auto ernennung = zulässigesDatum(fall.ernennung);
    if (!ernennung) return ergebnis;
    ergebnis.berechnet = true;
    ergebnis.zeiträume.resize(fall.zeiträume.size());

    Zerlegung teile = zerlegen(fall, regeln, *ernennung, ergebnis.zeiträume);
    const int anerkannt = anerkennen(teile.anrechenbar, teile.höchstwerte, ergebnis.zeiträume);
    ergebnis.anerkannt = Zeitspanne::ausTagen(anerkannt);
    ergebnis.anerkanntMonate = (anerkannt + 29) / 30;

    betreuungAufteilen(fall, regeln, teile.betreuungDanach, teile.danach, ergebnis.zeiträume);
    const auto verzögerungen = verzögern(teile.danach, ergebnis.zeiträume);
    int verzögerung = 0;
    for (const auto& [beginn, einheiten] : verzögerungen) verzögerung += einheiten;
    ergebnis.verzögerung = Zeitspanne::ausTagen(verzögerung);
    ergebnis.verzögerungMonate = verzögerung / 30;

    ergebnis.stufe1 = monatsanfang(*ernennung) - std::chrono::months{ergebnis.anerkanntMonate};
    ergebnis.stufen = stufenfolge(
        ergebnis.stufe1, fall.einfacherDienst ? regeln.laufzeitEinfach : regeln.laufzeitJahre, verzögerungen);
    ergebnis.beiErnennung = static_cast<int>(std::count_if(
        ergebnis.stufen.begin(), ergebnis.stufen.end(), [&](year_month_day ab) { return ab <= *ernennung; }));
    ergebnis.hinweise = hinweise(fall, regeln, *ernennung, teile.ohnePerson);
    return ergebnis;
}

}  // namespace bda
