// Random but realistic cases typed through the driver, with the rules of Fallregeln.h checked after every
// action; each broken rule is reported once, with the bda-fall script of the first case breaking it.
// BDA_EIGENSCHAFTEN_FOLGEN sets the number of cases, BDA_EIGENSCHAFTEN_SAAT the seed.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Fallregeln.h"
#include "Fallsteuerung.h"
#include "Protokoll.h"

namespace bda {

#ifndef BDA_EIGENSCHAFTEN_FOLGEN
#define BDA_EIGENSCHAFTEN_FOLGEN 100000
#endif

namespace {

using fallregeln::Aktion;
using kalendermodell::Tag;
namespace km = kalendermodell;

// Actions a clerk might take, with dates that mostly fit the case as it stands and sometimes do not:
// outside the spans, invalid, incomplete, emptied (F3), retyped; grades changed back and forth.
class Fallgenerator {
   public:
    explicit Fallgenerator(std::uint64_t saat) : zufall_(saat) {}

    // A new case played while it is made (dates chosen to fit it), up to its first broken rule.
    std::pair<std::vector<Aktion>, std::optional<fallregeln::Verstoß>> folge() {
        std::vector<Aktion> aktionen;
        Fall fall;
        Protokoll protokoll;
        Fallsteuerung steuerung{fall, protokoll};
        steuerung.laden();
        for (int i = 0, länge = zahl(1, 40); i < länge; ++i) {
            const Aktion& aktion = aktionen.emplace_back(i == 0 && chance(85)   ? geburtstag(97)
                                                         : i == 1 && chance(80) ? ernennung(fall, 97)
                                                                                : irgendeine(fall));
            const Fall vorher = fall;
            protokoll = {};
            if (aktion.art == Aktion::Art::amt) {
                steuerung.eingangsamtGeklickt(aktion.index);
            } else if (aktion.art == Aktion::Art::datum) {
                fall.datum[aktion.index] = aktion.text;
                steuerung.datumEnter(aktion.index);
            } else {
                fall.eingabe[aktion.index] = aktion.text;
            }
            const auto& ziel = protokoll.letzterFokus;
            std::string fokus;
            if (ziel)
                fokus = (ziel->art == Steuerelement::Art::Datum ? "Datum(" : "Eingabe(") +
                        std::to_string(ziel->index) + ")";
            const auto verstöße = fallregeln::aktionPrüfen(&aktion, vorher, fall, protokoll.meldungen, fokus);
            if (!verstöße.empty()) return {aktionen, verstöße.front()};
        }
        return {aktionen, std::nullopt};
    }

   private:
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
    bool chance(int prozent) { return zahl(1, 100) <= prozent; }

    Tag tagZwischen(Tag von, Tag bis) {
        const long a = km::tagzahl(von), b = km::tagzahl(bis);
        return km::ausTagzahl(std::uniform_int_distribution<long>(std::min(a, b), std::max(a, b))(zufall_));
    }

    // In `richtig` percent of the cases `tag`; else no date the fields take, unfinished, or emptied.
    Aktion datum(int feld, Tag tag, int richtig = 80) {
        std::string t = km::text(tag);
        if (chance(richtig)) return {Aktion::Art::datum, feld, t};
        const int wurf = zahl(1, 10);
        if (wurf <= 3) {
            const std::string falsch[] = {
                "31/04/" + t.substr(6),
                "29/02/" + std::to_string(1929 + 4 * zahl(0, 27) + zahl(1, 3)),
                "00" + t.substr(2),
                t.substr(0, 3) + "13" + t.substr(5),
                "32" + t.substr(2),
                t.substr(0, 6) + std::to_string(zahl(0, 1) ? zahl(1925, 1929) : zahl(2041, 2045))};
            t = falsch[zahl(0, 5)];
        } else if (wurf <= 7) {
            for (std::size_t i = static_cast<std::size_t>(zahl(0, 9)); i < t.size(); ++i)
                t[i] = t[i] == '/' ? '/' : '_';
        } else {
            t = leeresDatum;
        }
        return {Aktion::Art::datum, feld, t};
    }

    Aktion geburtstag(int richtig) {
        return datum(0, tagZwischen({chance(95) ? 1930 : 1925, 1, 1}, {1990, 12, 31}), richtig);
    }

    Aktion ernennung(const Fall& fall, int richtig) {
        const auto geburt = km::lesen(fall.datum[0]);
        if (!geburt || chance(5)) return datum(2, tagZwischen({1925, 1, 1}, {2045, 12, 31}), richtig);
        // Appointed between 16 and 56, mostly after the 35th birthday, where both frames have periods.
        const int von = geburt->jahr + (chance(60) ? 36 : 16);
        const int bis = chance(90) ? std::min(geburt->jahr + 56, 2040) : geburt->jahr + 56;
        return datum(2, tagZwischen({von, 1, 1}, {std::max(von, bis), 12, 31}), richtig);
    }

    Aktion zeitraum(const Fall& fall) {
        int zeile = zahl(1, 8);
        if (chance(85) && fall.rahmen1Sichtbar != fall.rahmen2Sichtbar)
            zeile = fall.rahmen1Sichtbar ? zahl(1, 4) : zahl(5, 8);
        const fallregeln::Zeitraumzeile z(zeile);
        const auto beginn = km::lesen(fall.datum[z.beginn]);
        // Mostly the next field of the row; sometimes a retyped one.
        const bool amEnde = chance(15) ? chance(50) : beginn && !km::lesen(fall.datum[z.ende]);
        const int feld = amEnde ? z.ende : z.beginn;

        const auto sa = km::lesen(fall.datum[z.spanneBeginn]), se = km::lesen(fall.datum[z.spanneEnde]);
        if (!sa || !se || chance(10)) return datum(feld, tagZwischen({1925, 1, 1}, {2045, 12, 31}));
        // Close to an end of the span, on either side of it.
        if (chance(12)) return datum(feld, km::ausTagzahl(km::tagzahl(chance(50) ? *sa : *se) + zahl(-3, 3)));
        if (amEnde && beginn && chance(70)) return datum(feld, tagZwischen(*beginn, *se));
        if (km::tagzahl(*se) < km::tagzahl(*sa)) return datum(feld, *sa);
        return datum(feld, tagZwischen(*sa, *se));
    }

    Aktion beschreibung() {
        static const char* const zeichen[] = {"a", "b", "e", "n", "r", "s", "t", "U", "Z",
                                              " ", " ", "1", "9", "ä", "ö", "ü", "ß", "-"};
        std::string text;
        for (int i = 0, länge = chance(20) ? zahl(55, 60) : zahl(0, 30); i < länge; ++i)
            text += zeichen[zahl(0, 17)];
        return {Aktion::Art::eingabe, zahl(0, 7), text};
    }

    Aktion irgendeine(const Fall& fall) {
        // After "Bitte zuerst ..." the clerk mostly types what is missing.
        if (!km::lesen(fall.datum[0]) && chance(50)) return geburtstag(90);
        if (!km::lesen(fall.datum[2]) && chance(50)) return ernennung(fall, 90);
        const int wurf = zahl(1, 100);
        if (wurf <= 7) return {Aktion::Art::amt, chance(15) ? 4 : zahl(0, 3), ""};
        if (wurf <= 12) return geburtstag(80);
        if (wurf <= 20) return ernennung(fall, 80);
        if (wurf <= 32) return beschreibung();
        if (wurf <= 34) {
            const auto geburt = km::lesen(fall.datum[0]);
            const Tag tag = geburt ? Tag{geburt->jahr + 21, geburt->monat, 1} : Tag{1990, 1, 1};
            return datum(chance(80) ? Feld::regelBDA : Feld::vollendung21, tag);
        }
        return zeitraum(fall);
    }

    std::mt19937_64 zufall_;
};

TEST(Eigenschaften, ZufaelligeFaelleHaltenDieRegeln) {
    const long folgen = fallregeln::umgebungszahl("BDA_EIGENSCHAFTEN_FOLGEN", BDA_EIGENSCHAFTEN_FOLGEN);
    const long saat = fallregeln::umgebungszahl("BDA_EIGENSCHAFTEN_SAAT", 20260801);
    Fallgenerator generator(static_cast<std::uint64_t>(saat));
    std::map<std::string, std::string> gebrochen;  // the first case that broke each rule
    for (long n = 0; n < folgen; ++n) {
        auto [aktionen, verstoß] = generator.folge();
        if (!verstoß || gebrochen.count(verstoß->regel)) continue;
        std::string& skript = gebrochen[verstoß->regel];
        for (const Aktion& aktion : aktionen) skript += aktion.skriptzeile() + "\n";
        ADD_FAILURE() << "Regel \"" << verstoß->regel << "\" gebrochen (Saat " << saat << ", Fall " << n
                      << "): " << verstoß->was << "\nbda-fall-Skript:\n"
                      << skript;
    }
}

}  // namespace

}  // namespace bda
