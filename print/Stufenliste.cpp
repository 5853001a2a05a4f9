#include "Stufenliste.h"

#include <string>

#include "Datumstext.h"
#include "Eingangsamt.h"
#include "Mengenangabe.h"
#include "Zeichen.h"

namespace bda::druck {

namespace {

constexpr double linkerRand = 1500;
constexpr double datumsspalte = 3000;
constexpr double abstandsspalte = 4800;
constexpr double merkspalte = 7200;

void bei(Druckauftrag& a, double x, std::string_view text) {
    a.xSetzen(x);
    a.drucke(text);
}

std::string abstand(int jahre) {
    if (jahre == 0) return "ab dem BDA";
    return "nach " + anzahl(jahre, "Jahr", "Jahren");
}

}  // namespace

bool stufenlisteDrucken(const Fall& fall, const Stufenfolge& plan, int erreicht, Druckauftrag& a) {
    a.ausrichtungSetzen(Seitenausrichtung::hochformat);
    a.schriftartSetzen("arial");
    a.größeSetzen(12);
    a.fettSetzen(true);
    a.zeilenende();
    for (const auto& zeile :
         {fall.bescheid.behörde.kopfzeile1.text(), fall.bescheid.behörde.kopfzeile2.text()}) {
        bei(a, linkerRand, getrimmt(zeile));
        a.zeilenende();
    }
    a.größeSetzen(14);
    a.zeilenende();
    bei(a, linkerRand, "Stufen des Grundgehalts");
    a.zeilenende();
    a.größeSetzen(10);
    a.fettSetzen(false);
    bei(a, linkerRand, "nach " + std::string(stufenregel));
    a.zeilenende();
    a.zeilenende();

    const bool mitAmt = fall.amtswahl >= 0 && fall.amtswahl < Eingangsamt::anzahl;
    const std::pair<const char*, std::string_view> kopf[] = {
        {"Name:", fall.name},
        {"Eingangsamt:", mitAmt ? eingangsamtnamen[fall.amtswahl] : ""},
        {"Geburtstag:", fall.datum[Feld::geburtstag]},
        {"Ernennung am:", fall.datum[Feld::ernennung]},
        {"BDA ab:", fall.datum[Feld::bda]},
    };
    for (const auto& [was, wert] : kopf) {
        bei(a, linkerRand, was);
        bei(a, datumsspalte, wert);
        a.zeilenende();
    }
    a.zeilenende();

    a.fettSetzen(true);
    bei(a, linkerRand, "Stufe");
    bei(a, datumsspalte, "ab");
    bei(a, abstandsspalte, "Abstand");
    a.zeilenende();
    for (const Stufe& stufe : plan) {
        const bool markiert = stufe.nummer == erreicht;
        a.fettSetzen(markiert);
        bei(a, linkerRand, std::to_string(stufe.nummer));
        bei(a, datumsspalte, textAusDatum(stufe.ab));
        bei(a, abstandsspalte, abstand(stufe.jahre));
        if (markiert) bei(a, merkspalte, "erreicht am Tag der Ernennung");
        a.zeilenende();
    }
    a.fettSetzen(false);
    a.zeilenende();
    bei(a, linkerRand,
        "Die Liste gilt nur für die Besoldungsordnung A. Die Beträge richten sich nach der jeweils");
    a.zeilenende();
    bei(a, linkerRand, "geltenden Besoldungstabelle.");
    a.zeilenende();
    return a.dokumentBeenden();
}

}  // namespace bda::druck
