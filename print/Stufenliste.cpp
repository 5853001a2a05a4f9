#include "Stufenliste.h"

#include <string>

#include "Datumstext.h"

namespace bda::druck {

namespace {

constexpr double linkerRand = 1500;
constexpr double datumsspalte = 3000;
constexpr double abstandsspalte = 4800;
constexpr double merkspalte = 7200;

void bei(Druckauftrag& a, double x, const std::string& text) {
    a.xSetzen(x);
    a.drucke(text);
}

std::string abstand(int jahre) {
    if (jahre == 0) return "ab dem BDA";
    return "nach " + std::to_string(jahre) + " Jahren";
}

}  // namespace

bool stufenlisteDrucken(const Fall& fall, const Stufenfolge& plan, int erreicht, Druckauftrag& a) {
    a.ausrichtungSetzen(Seitenausrichtung::hochformat);
    a.schriftartSetzen("arial");
    a.größeSetzen(14);
    a.fettSetzen(true);
    a.zeilenende();
    a.zeilenende();
    bei(a, linkerRand, "Stufen des Grundgehalts");
    a.zeilenende();
    a.größeSetzen(10);
    a.fettSetzen(false);
    bei(a, linkerRand, "nach § 27 Abs. 2 BBesG in der ab 1997 geltenden Fassung");
    a.zeilenende();
    a.zeilenende();

    const std::pair<const char*, const std::string&> kopf[] = {
        {"Name:", fall.name},
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
    bei(a, linkerRand, "Die Beträge richten sich nach der jeweils geltenden Besoldungstabelle.");
    a.zeilenende();
    return a.dokumentBeenden();
}

}  // namespace bda::druck
