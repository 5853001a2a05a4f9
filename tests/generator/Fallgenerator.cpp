#include "Fallgenerator.h"

#include <chrono>
#include <iterator>

#include "Datumstext.h"
#include "Fallsteuerung.h"
#include "Protokoll.h"
#include "Zeitraum.h"

namespace bda {

using namespace std::chrono;

namespace {

const char* const namen[] = {"Erika Mustermann",      "Jürgen Groß", "Anna-Lena Öztürk",
                             "Dr. Max \"Maxi\" Weiß", "Zoë Brandt",  "Hans Meier"};
const char* const anreden[] = {"b", "c", "d", ""};
const char* const straßen[] = {"Hauptstraße 1", "Am Ring 12 a", "Weg 3\\4", "Schloßallee 7", ""};
const char* const orte[] = {"10115 Berlin", "80331 München", "50667 Köln", "01067 Dresden"};
const char* const dienststellen[] = {"", "", "Landesamt für Finanzen, Referat 3", "Amtsgericht Mitte"};
const char* const beschreibungen[] = {"Wehrdienst",
                                      "Zivildienst",
                                      "Studium ohne Abschluss",
                                      "Kinderbetreuung",
                                      "Tätigkeit in der Privatwirtschaft",
                                      "Elternzeit „lang“",
                                      "Arbeitslosigkeit"};

}  // namespace

Fall Fallgenerator::nächster() {
    Fall fall;
    Protokoll protokoll;
    Fallsteuerung steuerung(fall, protokoll);
    steuerung.laden();
    const auto tippen = [&](int feld, const std::string& text) {
        fall.datum[feld] = text;
        steuerung.datumEnter(feld);
    };
    const auto tag = [&](int feld) { return sys_days{*datumAusText(fall.datum[feld])}; };
    const auto zahl = [&](int von, int bis) {  // both ends included
        return von + static_cast<int>(zufall_() % static_cast<std::uint32_t>(bis - von + 1));
    };
    const auto ja = [&](int prozent) { return zahl(1, 100) <= prozent; };
    const auto eines = [&](const auto& liste) {
        return liste[zahl(0, static_cast<int>(std::size(liste)) - 1)];
    };
    const auto datum = [](int tag, int monat, int jahr) { return textAusDatum(year{jahr} / monat / tag); };

    const int amt = ja(55) ? 0 : zahl(1, 3);
    if (amt != 0) steuerung.eingangsamtGeklickt(amt);
    steuerung.nameSetzen(eines(namen));
    fall.bescheid.anrede = eines(anreden);
    fall.bescheid.anschrift1 = eines(straßen);
    fall.bescheid.anschrift2 = eines(orte);
    fall.bescheid.dienstanschrift = eines(dienststellen);
    if (ja(30)) fall.bescheid.bescheiddatum = datum(zahl(1, 28), zahl(1, 12), zahl(2000, 2030));
    if (ja(30)) fall.bescheid.bezugsjahr = zahl(2001, 2007);

    const int geburtsjahr = zahl(1945, 1985);
    const int geburtsmonat = zahl(1, 12);
    // Now and then the 29th of February of a leap year, whose 21st birthday the calendar lacks.
    const bool schalttag = geburtsjahr % 4 == 0 && ja(5);
    tippen(Feld::geburtstag,
           schalttag ? datum(29, 2, geburtsjahr) : datum(zahl(1, 28), geburtsmonat, geburtsjahr));
    if (ja(5)) tippen(Feld::regelBDA, datum(1, zahl(1, 12), geburtsjahr + 21));
    const int ernennungsjahr = std::min(2040, geburtsjahr + zahl(24, 50));
    tippen(Feld::ernennung, datum(zahl(1, 28), zahl(1, 12), ernennungsjahr));

    for (int zeile = 1; zeile <= anzahlZeiträume; ++zeile) {
        const Zeitraum z = zeitraum(zeile);
        if (!rahmenSichtbar(fall, z) || !datumAusText(fall.datum[z.spanBeginn]) ||
            !datumAusText(fall.datum[z.spanEnde])) {
            continue;
        }
        // Four slots of the frame's span, one period in each at most, so none overlaps another.
        const int tage = static_cast<int>((tag(z.spanEnde) - tag(z.spanBeginn)).count());
        if (tage < 40 || !ja(55)) continue;
        const int platz = tage / 4;
        const sys_days anfang = tag(z.spanBeginn) + days{platz * (z.rahmenzeile - 1)};
        const int von = zahl(0, platz / 2);
        const int bis = zahl(von, platz - 1);
        tippen(z.beginn, textAusDatum(year_month_day{anfang + days{von}}));
        tippen(z.ende, textAusDatum(year_month_day{anfang + days{bis}}));
        if (ja(70)) fall.eingabe[z.eingabe] = eines(beschreibungen);
    }
    if (ja(5)) fall.eingabe[zahl(0, anzahlEingaben - 1)] = eines(beschreibungen);

    // Second thoughts: another entry grade, or the day of appointment corrected.
    if (ja(12)) steuerung.eingangsamtGeklickt((amt + zahl(1, 3)) % 4);
    if (ja(10))
        tippen(Feld::ernennung,
               datum(zahl(1, 28), zahl(1, 12), std::min(2040, ernennungsjahr + zahl(-3, 3))));
    return fall;
}

}  // namespace bda
