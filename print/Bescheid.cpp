#include "Bescheid.h"

#include <array>

#include "Bescheiddaten.h"
#include "Briefteile.h"
#include "Eingangsamt.h"
#include "Mengenangabe.h"

namespace bda::druck {

namespace {

// The BBesG paragraph of each entry grade, followed by the blank before "wie folgt berechnet:".
constexpr std::array<std::string_view, Eingangsamt::anzahl> paragraphtexte = {
    "§ 28 BBesG ", "§ 28 BBesG ", "§ 36 BBesG ", "§ 36 BBesG ", "§ 38 BBesG ",
};

void datumszeile(Druckauftrag& a, std::string_view text, const std::string& datum) {
    links(a, textspalte, text);
    rechts(a, datum);
    zeilen(a, 2);
}

void punkt5(Druckauftrag& a, const Fall& fall) {
    if (fall.gesamt.monate == 0 && fall.gesamt.jahre == 0) {
        links(a, textspalte, "5. Das Regel-BDA lt. Ziffer 3 ist nicht hinauszuschieben.");
        a.zeilenende();
        return;
    }
    links(a, textspalte, "5. Das Regel-BDA ist lt. Berechnung auf Seite 2 um");
    rechts(a, monateUndJahre(fall.gesamt.monate, fall.gesamt.jahre));
    a.zeilenende();
    a.xSetzen(1420);
    a.drucke("hinauszuschieben und beginnt somit am ");
    a.fettSetzen(true);
    rechts(a, fall.datum[Feld::bda]);
    a.zeilenende();
    a.fettSetzen(false);
}

}  // namespace

bool bescheidDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                     Druckauftrag& auftrag) {
    Druckauftrag& a = auftrag;
    const Bescheiddaten& d = fall.bescheid;
    briefkopf(a, d, fall.name, heute);
    a.zeilenende();

    a.fettSetzen(true);
    links(a, kopfspalte, "Festsetzung Ihres Besoldungsdienstalters");
    zeilen(a, 2);
    a.fettSetzen(false);
    links(a, textspalte, "Ihr Besoldungsdienstalter (BDA) wird mit Wirkung ab ");
    rechts(a, fall.datum[Feld::ernennung]);
    a.zeilenende();
    links(a, textspalte, "festgesetzt auf");
    a.fettSetzen(true);
    rechts(a, fall.datum[Feld::bda]);
    a.fettSetzen(false);
    a.drucke(".");
    zeilen(a, 3);

    a.fettSetzen(true);
    links(a, kopfspalte, "Begründung");
    a.zeilenende();
    a.fettSetzen(false);
    a.zeilenende();
    links(a, textspalte, "Das BDA wurde gemäß ");
    if (fall.amtswahl >= 0 && fall.amtswahl < Eingangsamt::anzahl) a.drucke(paragraphtexte[fall.amtswahl]);
    a.drucke("wie folgt berechnet:");
    zeilen(a, 2);
    datumszeile(a, "1. Geburtstag", fall.datum[Feld::geburtstag]);
    datumszeile(a, "2. Vollendung des 21. Lebensjahres", fall.datum[Feld::vollendung21]);
    datumszeile(a, "3. Regel-Besoldungsdienstalter", fall.datum[Feld::regelBDA]);
    datumszeile(a, "4. Tag der Ernennung bzw. Dienstaufnahme", fall.datum[Feld::ernennung]);
    punkt5(a, fall);
    a.zeilenende();
    if (d.bezugsjahr >= 2003 && d.bezugsjahr < 2006) {
        links(a, textspalte, "Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe");
        a.zeilenende();
        links(a, textspalte, "für die Dauer von 2 Jahren ist hier nicht berücksichtigt.");
        a.zeilenende();
    }
    zeilen(a, 2);

    rechtsbehelfsbelehrung(a, d, belehrung);
    unterschriften(a, d);
    return a.dokumentBeenden();
}

bool bescheidPasstAufEineSeite(const Fall& fall, std::string_view belehrung) {
    return passtAufEineSeite(
        [&](Druckauftrag& a) { bescheidDrucken(fall, belehrung, std::chrono::year{2000} / 1 / 1, a); });
}

}  // namespace bda::druck
