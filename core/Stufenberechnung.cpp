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

}  // namespace

std::string amtsname(int amt) { return "A " + std::to_string(amt); }

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

    // Units up to `stichtag` lie before the appointment day.
    const int stichtag = tagesstand(tagDavor(*ernennung));
    std::vector<Teil> anrechenbar;
    std::vector<Teil> aufschiebend;     // the parts after the appointment
    std::vector<Teil> betreuungDanach;  // care after the appointment, within its person's cap or not
    std::map<std::pair<Zeitart, std::string>, int> gruppen;
    std::vector<int> höchstwerte;
    bool ohnePerson = false;

    for (std::size_t i = 0; i < fall.zeiträume.size(); ++i) {
        const auto& zeitraum = fall.zeiträume[i];
        auto& zeile = ergebnis.zeiträume[i];
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

        if (von < stichtag) {
            const int vorBis = std::min(bis, stichtag);
            const Zeitgrenze* grenze = grenzeFür(regeln, zeitraum.art);
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
                        gruppen.emplace(schlüssel, static_cast<int>(höchstwerte.size()));
                    if (neu) höchstwerte.push_back(30 * grenze->höchstMonate);
                    gruppe = eintrag->second;
                    ohnePerson = ohnePerson || (art.jePerson && getrimmt(zeitraum.person).empty());
                }
                anrechenbar.push_back({i, *beginn, {von, vorBis, gruppe}});
            }
        }
        if (bis > stichtag) {
            const year_month_day abErnennung = std::max(*beginn, *ernennung);
            const Teil teil{i, abErnennung, {std::max(von, stichtag), bis, -1}, art.verzögert};
            if (art.verzögert) {
                aufschiebend.push_back(teil);
            } else if (art.jePerson && grenzeFür(regeln, zeitraum.art)) {
                betreuungDanach.push_back(teil);
            } else if (!art.ohneVerzögerung.empty()) {
                zeile.gründe.push_back(Kürzung::keineVerzögerung);
                aufschiebend.push_back(teil);
            } else {
                zeile.gründe.push_back(Kürzung::nachErnennung);
            }
        }
    }

    // Recognised time: each unit once, within the caps; the sum rounded up to whole months.
    const auto zuteilung = zuteilenNachBeginn(anrechenbar, höchstwerte);
    int anerkannt = 0;
    for (std::size_t t = 0; t < anrechenbar.size(); ++t) {
        auto& zeile = ergebnis.zeiträume[anrechenbar[t].zeitraum];
        const auto& spanne = anrechenbar[t].spanne;
        zeile.angerechnet = Zeitspanne::ausTagen(zuteilung[t].gezählt);
        anerkannt += zuteilung[t].gezählt;
        if (zuteilung[t].anderswoGezählt > 0) zeile.gründe.push_back(Kürzung::überschneidung);
        if (zuteilung[t].gezählt + zuteilung[t].anderswoGezählt < spanne.bis - spanne.von)
            zeile.gründe.push_back(Kürzung::höchstdauer);
    }
    ergebnis.anerkannt = Zeitspanne::ausTagen(anerkannt);
    ergebnis.anerkanntMonate = (anerkannt + 29) / 30;

    // Care after the appointment (Elternzeit, Pflegezeit) delays nothing for up to the person's three years
    // (§ 28 Abs. 5 Nr. 1 with Abs. 1 S. 4); beyond them it is leave without pay that delays. The three years
    // are counted apart from those recognised before the appointment, so that recognising a period never
    // moves a step later.
    std::map<std::pair<Zeitart, std::string>, int> frei;
    std::stable_sort(betreuungDanach.begin(), betreuungDanach.end(),
                     [](const Teil& a, const Teil& b) { return a.beginn < b.beginn; });
    for (const Teil& teil : betreuungDanach) {
        const auto& zeitraum = fall.zeiträume[teil.zeitraum];
        auto& zeile = ergebnis.zeiträume[teil.zeitraum];
        const auto schlüssel = std::make_pair(zeitraum.art, std::string(getrimmt(zeitraum.person)));
        if (!frei.contains(schlüssel)) frei[schlüssel] = 30 * grenzeFür(regeln, zeitraum.art)->höchstMonate;
        int& rest = frei[schlüssel];
        const int ohneAufschub = std::min(rest, teil.spanne.bis - teil.spanne.von);
        const int ab = teil.spanne.von + ohneAufschub;
        rest -= ohneAufschub;
        if (ohneAufschub > 0) {
            zeile.gründe.push_back(Kürzung::keineVerzögerung);
            aufschiebend.push_back({teil.zeitraum, teil.beginn, {teil.spanne.von, ab, -1}});
        }
        if (ab < teil.spanne.bis) {
            zeile.gründe.push_back(Kürzung::höchstdauer);
            aufschiebend.push_back({teil.zeitraum, tagMitStand(ab + 1), {ab, teil.spanne.bis, -1}, true});
        }
    }

    // Delaying time after the appointment: each unit once, and none that a kind of § 28 Abs. 5 covers. Those
    // kinds go first, so they take the shared units.
    std::stable_partition(aufschiebend.begin(), aufschiebend.end(),
                          [](const Teil& teil) { return !teil.verzögert; });
    const auto ersteVerzögernde = std::find_if(aufschiebend.begin(), aufschiebend.end(),
                                               [](const Teil& teil) { return teil.verzögert; });
    std::stable_sort(ersteVerzögernde, aufschiebend.end(),
                     [](const Teil& a, const Teil& b) { return a.beginn < b.beginn; });
    std::vector<Anrechnungsteil> spannen;
    for (const auto& teil : aufschiebend) spannen.push_back(teil.spanne);
    const auto aufschub = zuteilen(spannen, {});
    std::vector<std::pair<year_month_day, int>> verzögerungen;  // begin and units of each delaying part
    int verzögerung = 0;
    for (std::size_t t = 0; t < aufschiebend.size(); ++t) {
        const auto& teil = aufschiebend[t];
        if (!teil.verzögert) continue;
        auto& zeile = ergebnis.zeiträume[teil.zeitraum];
        zeile.verzögerung = Zeitspanne::ausTagen(zeile.verzögerung.inTagen() + aufschub[t].gezählt);
        if (aufschub[t].anderswoGezählt > 0) zeile.gründe.push_back(Kürzung::überschneidung);
        verzögerungen.emplace_back(teil.beginn, aufschub[t].gezählt);
        verzögerung += aufschub[t].gezählt;
    }
    ergebnis.verzögerung = Zeitspanne::ausTagen(verzögerung);
    ergebnis.verzögerungMonate = verzögerung / 30;

    // Stufe 1 from the first of the appointment's month, less the recognised months; each later step after
    // the rule set's years, moved by the delaying time that begins before it, rounded down to months.
    const auto& laufzeiten = fall.einfacherDienst ? regeln.laufzeitEinfach : regeln.laufzeitJahre;
    ergebnis.stufe1 = monatsanfang(*ernennung) - std::chrono::months{ergebnis.anerkanntMonate};
    ergebnis.stufen.push_back(ergebnis.stufe1);
    year_month_day regulär = ergebnis.stufe1;
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
        ergebnis.stufen.push_back(regulär + std::chrono::months{monate});
    }
    ergebnis.beiErnennung = static_cast<int>(std::count_if(
        ergebnis.stufen.begin(), ergebnis.stufen.end(), [&](year_month_day ab) { return ab <= *ernennung; }));

    if (*ernennung < beginnDesNeuenRechts)
        ergebnis.hinweise.push_back(
            "Die Ernennung liegt vor dem 01/07/2009: für sie gilt das "
            "Besoldungsdienstalter, nicht die Erfahrungsstufe.");
    if (fall.einfacherDienst && fall.amt > regeln.höchstesEinfachesAmt)
        ergebnis.hinweise.push_back("Der einfache Dienst endet mit " + amtsname(regeln.höchstesEinfachesAmt) +
                                    ": bitte die Besoldungsgruppe oder die Wahl „einfacher Dienst“ prüfen.");
    if (ohnePerson)
        ergebnis.hinweise.push_back(
            "Kinderbetreuung oder Pflege ohne Angabe der Person: die Höchstdauer gilt "
            "für alle diese Zeiträume ohne Person zusammen.");
    return ergebnis;
}

}  // namespace bda
