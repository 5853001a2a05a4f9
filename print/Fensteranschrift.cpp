#include "Fensteranschrift.h"

#include <iterator>
#include <string>

namespace bda::druck {

namespace {

constexpr double twipsJeMillimeter = 1440 / 25.4;

// The sender line's sizes in points, from the 8 DIN 5008 recommends down to the 6 it allows.
constexpr double schriftgrößen[] = {8, 7, 6};

// A distance from the sheet's top edge as a y of the print job.
double vonOben(const Druckauftrag& a, double millimeter) {
    return millimeter * twipsJeMillimeter - a.randOben();
}

void ySetzen(Druckauftrag& a, double y) { a.yVerschieben(y - a.y()); }

struct Rücksendezeile {
    std::string text;
    double punkte = 0;
};

// The sender line in the largest size at which it fits `platz` (twips): the whole line, else the line
// without the second letterhead line, which a returned letter does not need; at the smallest size the
// shorter line even when it does not fit.
Rücksendezeile passendeZeile(Druckauftrag& a, const Behörde& behörde, double platz) {
    const std::string zeilen[] = {rücksendeangabe(behörde, true), rücksendeangabe(behörde, false)};
    for (const double punkte : schriftgrößen) {
        a.größeSetzen(punkte);
        for (const std::string& zeile : zeilen) {
            if (a.textbreite(zeile) <= platz) return {zeile, punkte};
        }
    }
    return {zeilen[1], schriftgrößen[std::size(schriftgrößen) - 1]};
}

}  // namespace

void anschriftfeldBeginnen(Druckauftrag& a, Anschriftform form, const Behörde& behörde, int spalte) {
    const Anschriftfeld feld = anschriftfeld(form);
    const double größe = a.größe();
    const double x = (spalte - 1) * a.zeichenbreite();
    const double platz = (feld.links + feld.breite) * twipsJeMillimeter - a.randLinks() - x;
    a.fettSetzen(false);
    const Rücksendezeile zeile = passendeZeile(a, behörde, platz);
    a.größeSetzen(zeile.punkte);
    const double zone = vonOben(a, feld.anschrift);
    if (!zeile.text.empty()) {
        ySetzen(a, zone - a.zeilenhöhe());
        a.xSetzen(x);
        a.drucke(zeile.text);
    }
    a.größeSetzen(größe);
    a.xSetzen(0);
    ySetzen(a, zone);
}

void anschriftfeldBeenden(Druckauftrag& a, Anschriftform form) {
    const double unten = vonOben(a, anschriftfeld(form).unten);
    if (a.y() < unten) ySetzen(a, unten);
    a.xSetzen(0);
}

}  // namespace bda::druck
