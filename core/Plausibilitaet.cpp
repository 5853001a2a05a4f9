#include "Plausibilitaet.h"

#include <optional>
#include <string>

namespace {

struct Rahmen {
    int erstesFeld;  // the checks run from this field index on
    int spanBeginn;  // span fields, both days included
    int spanEnde;
    int ersteZeile;  // period rows k of the frame: start field 2k+1, end field 2k+2
    Rahmenzeilen Fall::*zeilen;
};

constexpr Rahmen viertelRahmen{3, Feld::viertelBeginn, Feld::viertelEnde, 1, &Fall::rahmen1};
constexpr Rahmen hälfteRahmen{10, Feld::hälfteBeginn, Feld::hälfteEnde, 5, &Fall::rahmen2};

bool zeitraumErfasst(const Fall& fall, int zeile) {
    return !istLeer(fall.datum[2 * zeile + 1]) && !istLeer(fall.datum[2 * zeile + 2]);
}

// The first other complete period of the frame for which `trifft(start, ende)` holds, or 0.
template <typename Bedingung>
int andererZeitraum(const Fall& fall, const Rahmen& rahmen, int eigeneZeile, Bedingung trifft) {
    for (int zeile = rahmen.ersteZeile; zeile < rahmen.ersteZeile + 4; ++zeile) {
        if (zeile == eigeneZeile || !zeitraumErfasst(fall, zeile)) continue;
        if (trifft(fall.tagnummer[2 * zeile + 1], fall.tagnummer[2 * zeile + 2])) return zeile;
    }
    return 0;
}

struct Ablehnung {
    std::string meldung;
    bool zeileZurücksetzen;  // a date outside the span also sets its row's length to 0/0/0
};

std::optional<Ablehnung> ablehnung(const Fall& fall, const Rahmen& rahmen, int feld) {
    const auto& t = fall.tagnummer;
    const auto& d = fall.datum;
    const int zeile = (feld - 1) / 2;
    const std::string spanne = d[rahmen.spanBeginn] + " bis " + d[rahmen.spanEnde] + ".";

    if (t[feld] < t[rahmen.spanBeginn]) {
        return Ablehnung{
            "Das Datum " + d[feld] + " liegt   v o r   der hier zu prüfenden Zeitspanne vom " + spanne, true};
    }
    if (t[feld] > t[rahmen.spanEnde]) {
        return Ablehnung{
            "Das Datum " + d[feld] + " liegt   n a c h   der hier zu prüfenden Zeitspanne vom " + spanne,
            true};
    }
    if (int k = andererZeitraum(fall, rahmen, zeile,
                                [&](int start, int ende) { return start <= t[feld] && t[feld] <= ende; })) {
        return Ablehnung{"Das Datum " + d[feld] + " liegt in der bereits verwendeten Zeitspanne vom " +
                             d[2 * k + 1] + " bis " + d[2 * k + 2],
                         false};
    }
    if (feld % 2 == 0 && t[feld] < t[feld - 1]) {
        return Ablehnung{"Das Datum " + d[feld] + " liegt   v o r   dem Datum " + d[feld - 1] +
                             " und damit nicht in der richtigen Zeitrichtung.",
                         false};
    }
    // A period around another one would count the inner time twice.
    const int start = 2 * zeile + 1;
    const int ende = start + 1;
    if (!zeitraumErfasst(fall, zeile)) return std::nullopt;
    if (int k = andererZeitraum(fall, rahmen, zeile,
                                [&](int s, int e) { return t[start] <= s && e <= t[ende]; })) {
        return Ablehnung{"Der Zeitraum vom " + d[start] + " bis " + d[ende] +
                             " umschließt die bereits verwendete Zeitspanne vom " + d[2 * k + 1] + " bis " +
                             d[2 * k + 2] + ".",
                         false};
    }
    return std::nullopt;
}

void prüfen(Fall& fall, Oberflaeche& oberfläche, int feld, const Rahmen& rahmen) {
    if (feld < rahmen.erstesFeld) return;
    const auto abgelehnt = ablehnung(fall, rahmen, feld);
    if (!abgelehnt) return;

    oberfläche.meldung(abgelehnt->meldung);
    fall.tagnummer[feld] = 0;
    const int zeile = (feld - 1) / 2;
    if (abgelehnt->zeileZurücksetzen && zeile > 0) (fall.*rahmen.zeilen)[zeile - rahmen.ersteZeile + 1] = {};
    fall.datum[feld] = leeresDatum;
    oberfläche.fokus(Steuerelement::datum(feld));
}

}  // namespace

void plausibilität1(Fall& fall, Oberflaeche& oberfläche, int feld) {
    prüfen(fall, oberfläche, feld, viertelRahmen);
}

void plausibilität2(Fall& fall, Oberflaeche& oberfläche, int feld) {
    prüfen(fall, oberfläche, feld, hälfteRahmen);
}
