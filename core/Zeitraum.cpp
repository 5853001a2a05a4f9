#include "Zeitraum.h"

#include "Datumsdifferenz.h"

namespace bda {

Zeitspanne& länge(Fall& fall, const Zeitraum& z) {
    return (z.viertel ? fall.rahmen1 : fall.rahmen2)[z.rahmenzeile];
}

const Zeitspanne& länge(const Fall& fall, const Zeitraum& z) {
    return (z.viertel ? fall.rahmen1 : fall.rahmen2)[z.rahmenzeile];
}

bool rahmenSichtbar(const Fall& fall, const Zeitraum& z) {
    return z.viertel ? fall.rahmen1Sichtbar : fall.rahmen2Sichtbar;
}

bool zeitraumErfasst(const Fall& fall, const Zeitraum& z) {
    return datumAusText(fall.datum[z.beginn]) && datumAusText(fall.datum[z.ende]);
}

bool zeitraumZählt(const Fall& fall, const Zeitraum& z) {
    // Asked for every row after every Enter: most rows are empty, so their start is read first.
    const auto beginn = datumAusText(fall.datum[z.beginn]);
    if (!beginn) return false;
    const auto ende = datumAusText(fall.datum[z.ende]);
    const auto spanBeginn = datumAusText(fall.datum[z.spanBeginn]);
    const auto spanEnde = datumAusText(fall.datum[z.spanEnde]);
    return ende && spanBeginn && spanEnde && *spanBeginn <= *beginn && *beginn <= *ende && *ende <= *spanEnde;
}

void zeilenAbgleichen(Fall& fall) {
    for (int zeile = 1; zeile <= anzahlZeiträume; ++zeile) {
        const Zeitraum z = zeitraum(zeile);
        if (!rahmenSichtbar(fall, z)) continue;
        länge(fall, z) =
            zeitraumZählt(fall, z) ? datumsdifferenz(fall.datum[z.beginn], fall.datum[z.ende]) : Zeitspanne{};
    }
}

}  // namespace bda
