#include "Plausibilitaet.h"

#include <chrono>
#include <optional>
#include <string>

#include "Abweisung.h"
#include "Zeitraum.h"

namespace bda {

using std::chrono::year_month_day;

namespace {

std::optional<year_month_day> tag(const Fall& fall, int feld) { return datumAusText(fall.datum[feld]); }

// The first other recorded period of the frame of `eigener` for which `trifft(start, ende)` holds.
template <typename Bedingung>
std::optional<Zeitraum> andererZeitraum(const Fall& fall, const Zeitraum& eigener, Bedingung trifft) {
    const int erste = eigener.zeile - eigener.rahmenzeile + 1;
    for (int zeile = erste; zeile < erste + 4; ++zeile) {
        const Zeitraum anderer = zeitraum(zeile);
        if (zeile == eigener.zeile || !zeitraumErfasst(fall, anderer)) continue;
        if (trifft(*tag(fall, anderer.beginn), *tag(fall, anderer.ende))) return anderer;
    }
    return std::nullopt;
}

std::optional<std::string> ablehnung(const Fall& fall, const Zeitraum& z, int feld) {
    const auto& d = fall.datum;
    const auto datum = tag(fall, feld);
    if (!datum) return std::nullopt;

    const auto spanBeginn = tag(fall, z.spanBeginn);
    const auto spanEnde = tag(fall, z.spanEnde);
    if (spanBeginn && spanEnde) {
        const auto spanne = [&] { return d[z.spanBeginn] + " bis " + d[z.spanEnde] + "."; };
        if (*datum < *spanBeginn) {
            return "Das Datum " + d[feld] + " liegt vor der hier zu prüfenden Zeitspanne vom " + spanne();
        }
        if (*datum > *spanEnde) {
            return "Das Datum " + d[feld] + " liegt nach der hier zu prüfenden Zeitspanne vom " + spanne();
        }
    }
    if (const auto k = andererZeitraum(
            fall, z, [&](year_month_day s, year_month_day e) { return s <= *datum && *datum <= e; })) {
        return "Das Datum " + d[feld] + " liegt in der bereits verwendeten Zeitspanne vom " + d[k->beginn] +
               " bis " + d[k->ende];
    }
    const auto beginn = tag(fall, z.beginn);
    if (feld == z.ende && beginn && *datum < *beginn) {
        return "Das Datum " + d[feld] + " liegt vor dem Datum " + d[z.beginn] +
               " und damit nicht in der richtigen Zeitrichtung.";
    }
    // A period around another one would count the inner time twice.
    if (!zeitraumErfasst(fall, z)) return std::nullopt;
    const year_month_day ende = *tag(fall, z.ende);
    if (const auto k = andererZeitraum(
            fall, z, [&](year_month_day s, year_month_day e) { return *beginn <= s && e <= ende; })) {
        return "Der Zeitraum vom " + d[z.beginn] + " bis " + d[z.ende] +
               " umschließt die bereits verwendete Zeitspanne vom " + d[k->beginn] + " bis " + d[k->ende] +
               ".";
    }
    return std::nullopt;
}

void prüfen(Fall& fall, Oberflaeche& oberfläche, int feld, bool viertel) {
    const auto z = zeitraumVonFeld(feld);
    if (!z || z->viertel != viertel) return;
    if (const auto meldung = ablehnung(fall, *z, feld)) datumAbweisen(fall, oberfläche, feld, *meldung);
}

}  // namespace

void plausibilität1(Fall& fall, Oberflaeche& oberfläche, int feld) { prüfen(fall, oberfläche, feld, true); }

void plausibilität2(Fall& fall, Oberflaeche& oberfläche, int feld) { prüfen(fall, oberfläche, feld, false); }

}  // namespace bda
