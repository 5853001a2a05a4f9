// Random but realistic cases typed through the driver, with the rules of Fallregeln.h checked after every
// action. A broken rule is reported once per rule, as the shortest bda-fall script that still breaks it.
//   BDA_EIGENSCHAFTEN_FOLGEN   number of cases (default 100000, fewer in the sanitizer build)
//   BDA_EIGENSCHAFTEN_SAAT     seed of the generator

#include <gtest/gtest.h>

#include <cstdio>
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
using Z = Zeitspanne;

// A case started as the program starts, played action by action with the rules checked after each.
class Lauf {
   public:
    Lauf() { steuerung_.laden(); }

    std::optional<fallregeln::Verstoß> ausführen(const Aktion& aktion) {
        const Fall vorher = fall_;
        protokoll_.meldungen.clear();
        protokoll_.letzterFokus.reset();
        switch (aktion.art) {
            case Aktion::Art::amt:
                steuerung_.eingangsamtGeklickt(aktion.index);
                break;
            case Aktion::Art::datum:
                fall_.datum[aktion.index] = aktion.text;
                steuerung_.datumEnter(aktion.index);
                break;
            case Aktion::Art::eingabe:
                fall_.eingabe[aktion.index] = aktion.text;
                break;
        }
        std::string fokus;
        if (const auto& ziel = protokoll_.letzterFokus) {
            fokus = (ziel->art == Steuerelement::Art::Datum ? "Datum(" : "Eingabe(") +
                    std::to_string(ziel->index) + ")";
        }
        auto verstöße = fallregeln::aktionPrüfen(&aktion, vorher, fall_, protokoll_.meldungen, fokus);
        if (verstöße.empty()) return std::nullopt;
        return verstöße.front();
    }

    const Fall& fall() const { return fall_; }
    const std::vector<std::string>& meldungen() const { return protokoll_.meldungen; }

   private:
    Fall fall_;
    Protokoll protokoll_;
    Fallsteuerung steuerung_{fall_, protokoll_};
};

struct Befund {
    fallregeln::Verstoß verstoß;
    std::size_t schritt;  // index of the action after which the rule broke
};

// How often the cases reached what the rules are about, so that a generator that stops reaching it
// fails instead of passing on nothing.
struct Abdeckung {
    long aktionen = 0;
    long zählendeZeilen = 0;       // actions after which a shown frame credits a period
    long nichtZählendeZeilen = 0;  // ... shows a period with two dates that does not count
    long außerhalbMeldungen = 0;   // messages of a moved appointment
    long bitteZuerst = 0;          // dates refused for want of birth date or appointment
    long nurHälfte = 0;            // actions on an evaluated case of grade 1 to 3

    void zählen(const Fall& fall, const std::vector<std::string>& meldungen) {
        ++aktionen;
        bool zählt = false, zähltNicht = false;
        for (int k = 1; k <= 8; ++k) {
            const fallregeln::Zeitraumzeile z(k);
            if (!z.rahmenSichtbar(fall) || !z.hältZweiDaten(fall)) continue;
            (z.zählt(fall) ? zählt : zähltNicht) = true;
        }
        zählendeZeilen += zählt;
        nichtZählendeZeilen += zähltNicht;
        for (const auto& m : meldungen) {
            außerhalbMeldungen += m.starts_with("Der Zeitraum vom ");
            bitteZuerst += m.starts_with("Bitte zuerst");
        }
        nurHälfte += fall.amtswahl != 0 && kalendermodell::lesen(fall.datum[Feld::ernennung]).has_value();
    }
};

std::optional<Befund> ersterVerstoß(const std::vector<Aktion>& aktionen) {
    Lauf lauf;
    for (std::size_t i = 0; i < aktionen.size(); ++i) {
        if (auto verstoß = lauf.ausführen(aktionen[i])) return Befund{*verstoß, i};
    }
    return std::nullopt;
}

// Leaves out runs of actions, longest first, as long as the same rule still breaks.
std::vector<Aktion> verkürzt(std::vector<Aktion> aktionen, const std::string& regel) {
    aktionen.resize(ersterVerstoß(aktionen)->schritt + 1);
    for (bool kürzer = true; kürzer;) {
        kürzer = false;
        for (std::size_t länge = aktionen.size() / 2; länge >= 1; länge /= 2) {
            for (std::size_t von = 0; von + länge <= aktionen.size();) {
                std::vector<Aktion> probe(aktionen.begin(), aktionen.begin() + static_cast<long>(von));
                probe.insert(probe.end(), aktionen.begin() + static_cast<long>(von + länge), aktionen.end());
                const auto befund = ersterVerstoß(probe);
                if (befund && befund->verstoß.regel == regel) {
                    probe.resize(befund->schritt + 1);
                    aktionen = std::move(probe);
                    kürzer = true;
                } else {
                    von += länge;
                }
            }
        }
    }
    return aktionen;
}

std::string alsSkript(const std::vector<Aktion>& aktionen) {
    std::string skript;
    for (const Aktion& aktion : aktionen) skript += aktion.skriptzeile() + "\n";
    return skript;
}

// Actions a clerk might take, with dates that mostly fit the case as it stands and sometimes do not:
// outside the spans, invalid, incomplete, emptied (F3), retyped; grades changed back and forth.
class Fallgenerator {
   public:
    explicit Fallgenerator(std::uint64_t saat) : zufall_(saat) {}

    struct Folge {
        std::vector<Aktion> aktionen;
        std::optional<Befund> befund;  // the first broken rule; the case ends there
    };

    // A case played while it is made: the generator looks at the case to choose fitting dates.
    Folge folge(Abdeckung& abdeckung) {
        Folge folge;
        Lauf lauf;
        const int länge = zahl(1, 40);
        for (int i = 0; i < länge && !folge.befund; ++i) {
            Aktion aktion = i == 0 && chance(85)   ? geburtstag(97)
                            : i == 1 && chance(80) ? ernennung(lauf.fall(), 97)
                                                   : irgendeine(lauf.fall());
            if (auto verstoß = lauf.ausführen(aktion)) folge.befund = Befund{*verstoß, folge.aktionen.size()};
            folge.aktionen.push_back(std::move(aktion));
            abdeckung.zählen(lauf.fall(), lauf.meldungen());
        }
        return folge;
    }

   private:
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
    bool chance(int prozent) { return zahl(1, 100) <= prozent; }

    Tag tagZwischen(Tag von, Tag bis) {
        const long a = kalendermodell::tagzahl(von), b = kalendermodell::tagzahl(bis);
        return kalendermodell::ausTagzahl(
            std::uniform_int_distribution<long>(std::min(a, b), std::max(a, b))(zufall_));
    }

    // A date text near `tag`: mostly the date itself, else a broken or unfinished form of it.
    std::string text(Tag tag, int richtig) {
        std::string t = kalendermodell::text(tag);
        if (chance(richtig)) return t;
        const int wurf = zahl(1, 10);
        if (wurf <= 3) {
            // Complete but no date, or no date the fields accept.
            switch (zahl(0, 5)) {
                case 0:
                    return "31/04/" + t.substr(6);
                case 1:
                    return "29/02/" + std::to_string(1929 + 4 * zahl(0, 27) + zahl(1, 3));
                case 2:
                    return "00" + t.substr(2);
                case 3:
                    return t.substr(0, 3) + "13" + t.substr(5);
                case 4:
                    return "32" + t.substr(2);
                default:
                    return t.substr(0, 6) + std::to_string(zahl(0, 1) ? zahl(1925, 1929) : zahl(2041, 2045));
            }
        }
        if (wurf <= 7) {
            // Unfinished: the typing stopped somewhere.
            for (std::size_t i = static_cast<std::size_t>(zahl(0, 9)); i < t.size(); ++i) {
                if (t[i] != '/') t[i] = '_';
            }
            return t;
        }
        return std::string(leeresDatum);
    }

    // `richtig`: the percentage of texts that are the date as meant.
    Aktion datum(int feld, Tag tag, int richtig = 80) {
        return {Aktion::Art::datum, feld, text(tag, richtig)};
    }

    Aktion geburtstag(int richtig) {
        return datum(0, tagZwischen({chance(95) ? 1930 : 1925, 1, 1}, {1990, 12, 31}), richtig);
    }

    Aktion ernennung(const Fall& fall, int richtig) {
        const auto geburt = kalendermodell::lesen(fall.datum[0]);
        if (!geburt || chance(5)) return datum(2, tagZwischen({1925, 1, 1}, {2045, 12, 31}), richtig);
        // Appointed between 16 and 56, mostly after the 35th birthday, where both frames have periods.
        const int von = geburt->jahr + (chance(60) ? 36 : 16);
        const int bis = chance(90) ? std::min(geburt->jahr + 56, 2040) : geburt->jahr + 56;
        return datum(2, tagZwischen({von, 1, 1}, {std::max(von, bis), 12, 31}), richtig);
    }

    Aktion zeitraum(const Fall& fall) {
        int zeile = zahl(1, 8);
        if (chance(85)) {
            if (fall.rahmen1Sichtbar && !fall.rahmen2Sichtbar) zeile = zahl(1, 4);
            if (!fall.rahmen1Sichtbar && fall.rahmen2Sichtbar) zeile = zahl(5, 8);
        }
        const fallregeln::Zeitraumzeile z(zeile);
        const auto beginn = kalendermodell::lesen(fall.datum[z.beginn]);
        const auto ende = kalendermodell::lesen(fall.datum[z.ende]);
        // Mostly the next field of the row; sometimes a retyped one.
        const bool amEnde = chance(15) ? chance(50) : beginn && !ende;
        const int feld = amEnde ? z.ende : z.beginn;

        const auto sa = kalendermodell::lesen(fall.datum[z.spanneBeginn]);
        const auto se = kalendermodell::lesen(fall.datum[z.spanneEnde]);
        if (!sa || !se || chance(10)) return datum(feld, tagZwischen({1925, 1, 1}, {2045, 12, 31}));
        const long vorne = kalendermodell::tagzahl(*sa), hinten = kalendermodell::tagzahl(*se);
        if (chance(12)) {
            // Close to an end of the span, on either side of it.
            const long rand = chance(50) ? vorne : hinten;
            return datum(feld, kalendermodell::ausTagzahl(rand + zahl(-3, 3)));
        }
        if (amEnde && beginn && chance(70)) return datum(feld, tagZwischen(*beginn, *se));
        if (hinten < vorne) return datum(feld, *sa);
        return datum(feld, tagZwischen(*sa, *se));
    }

    Aktion beschreibung() {
        static const std::vector<std::string> zeichen = {"a", "b", "e", "n", "r", "s", "t", "U", "Z",
                                                         " ", " ", "1", "9", "ä", "ö", "ü", "ß", "-"};
        std::string text;
        const int länge = chance(20) ? zahl(55, 60) : zahl(0, 30);
        for (int i = 0; i < länge; ++i)
            text += zeichen[static_cast<std::size_t>(zahl(0, static_cast<int>(zeichen.size()) - 1))];
        return {Aktion::Art::eingabe, zahl(0, 7), text};
    }

    Aktion irgendeine(const Fall& fall) {
        // After "Bitte zuerst ..." the clerk mostly types what is missing.
        if (!kalendermodell::lesen(fall.datum[0]) && chance(50)) return geburtstag(90);
        if (!kalendermodell::lesen(fall.datum[2]) && chance(50)) return ernennung(fall, 90);
        const int wurf = zahl(1, 100);
        if (wurf <= 7) return {Aktion::Art::amt, chance(15) ? 4 : zahl(0, 3), ""};
        if (wurf <= 12) return geburtstag(80);
        if (wurf <= 20) return ernennung(fall, 80);
        if (wurf <= 32) return beschreibung();
        if (wurf <= 34) {
            const auto geburt = kalendermodell::lesen(fall.datum[0]);
            const Tag tag = geburt ? Tag{geburt->jahr + 21, geburt->monat, 1} : Tag{1990, 1, 1};
            return datum(chance(80) ? Feld::regelBDA : Feld::vollendung21, tag);
        }
        return zeitraum(fall);
    }

    std::mt19937_64 zufall_;
};

TEST(Eigenschaften, ZufaelligeFaelleHaltenDieRegeln) {
    const long folgen = fallregeln::umgebungszahl("BDA_EIGENSCHAFTEN_FOLGEN", BDA_EIGENSCHAFTEN_FOLGEN);
    const auto saat =
        static_cast<std::uint64_t>(fallregeln::umgebungszahl("BDA_EIGENSCHAFTEN_SAAT", 20260801));
    Fallgenerator generator(saat);
    std::map<std::string, std::vector<Aktion>> gebrochen;  // the first case that broke each rule
    Abdeckung abdeckung;
    for (long n = 0; n < folgen; ++n) {
        auto [aktionen, befund] = generator.folge(abdeckung);
        if (befund && !gebrochen.count(befund->verstoß.regel))
            gebrochen[befund->verstoß.regel] = std::move(aktionen);
    }
    for (const auto& [regel, folge] : gebrochen) {
        const std::vector<Aktion> kurz = verkürzt(folge, regel);
        const auto befund = ersterVerstoß(kurz);
        ADD_FAILURE() << "Regel \"" << regel << "\" gebrochen (Saat " << saat << "): " << befund->verstoß.was
                      << "\nbda-fall-Skript:\n"
                      << alsSkript(kurz);
    }
    EXPECT_GT(abdeckung.aktionen, 10 * folgen) << "the cases are too short";
    for (const auto& [was, zahl] : {std::pair{"credited periods", abdeckung.zählendeZeilen},
                                    {"periods shown but not counted", abdeckung.nichtZählendeZeilen},
                                    {"messages of a moved appointment", abdeckung.außerhalbMeldungen},
                                    {"refusals for want of birth date or appointment", abdeckung.bitteZuerst},
                                    {"evaluated cases of grades 1 to 3", abdeckung.nurHälfte}}) {
        EXPECT_GT(zahl, folgen / 100) << "the cases rarely reach " << was;
    }
    std::printf(
        "%ld Fälle, %ld Aktionen: %ld mit angerechneten, %ld mit nicht zählenden Zeiträumen, %ld Meldungen "
        "verschobener Ernennungen, %ld \"Bitte zuerst\", %ld auf Eingangsamt 1 bis 3\n",
        folgen, abdeckung.aktionen, abdeckung.zählendeZeilen, abdeckung.nichtZählendeZeilen,
        abdeckung.außerhalbMeldungen, abdeckung.bitteZuerst, abdeckung.nurHälfte);
}

// The tests' own calendar, day by day: checked against worked values in datumsdifferenz_test.cpp.
TEST(Kalendermodell, Kalendertage) {
    // Every day from 1900 to 2100 is one more than the day before and reads back from its text.
    long zahl = kalendermodell::tagzahl({1900, 1, 1});
    for (int jahr = 1900; jahr <= 2100; ++jahr) {
        for (int monat = 1; monat <= 12; ++monat) {
            for (int tag = 1; tag <= kalendermodell::monatslänge(jahr, monat); ++tag, ++zahl) {
                const Tag t{jahr, monat, tag};
                ASSERT_EQ(kalendermodell::tagzahl(t), zahl) << kalendermodell::text(t);
                const Tag zurück = kalendermodell::ausTagzahl(zahl);
                ASSERT_EQ(kalendermodell::text(zurück), kalendermodell::text(t));
                ASSERT_TRUE(kalendermodell::lesen(kalendermodell::text(t)));
            }
            ASSERT_FALSE(kalendermodell::lesen(
                kalendermodell::text({jahr, monat, kalendermodell::monatslänge(jahr, monat) + 1})));
        }
    }
}

// Two faults that slipped through the rules above once: each as a case of its own.
TEST(Eigenschaften, Luecken) {
    const struct {
        const char* name;
        std::vector<Aktion> aktionen;
        int zeile;  // period row of SSFrame1 that must read 0/0/0
    } zeilen[] = {
        {"Zeitraumende bei leerem Beginn wird nicht angerechnet",
         {{Aktion::Art::datum, 0, "15/06/1970"},
          {Aktion::Art::datum, 2, "15/06/2008"},
          {Aktion::Art::datum, 4, "31/12/2002"}},
         1},
        {"Zeitraumende bei unvollständigem Beginn wird nicht angerechnet",
         {{Aktion::Art::datum, 0, "15/06/1970"},
          {Aktion::Art::datum, 2, "15/06/2008"},
          {Aktion::Art::datum, 5, "01/03/____"},
          {Aktion::Art::datum, 6, "31/12/2002"}},
         2},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        Lauf lauf;
        for (const Aktion& aktion : z.aktionen) lauf.ausführen(aktion);
        EXPECT_EQ(lauf.fall().rahmen1[z.zeile], Z{});
        EXPECT_EQ(lauf.fall().gesamt, (Z{0, 6, 2})) << "a quarter of 4 years and half of 3, nothing credited";
    }

    for (int amt = 1; amt <= 3; ++amt) {
        SCOPED_TRACE("Eingangsamt " + std::to_string(amt) + " zeroes the day numbers 0 to 7");
        Lauf lauf;
        for (const Aktion& aktion : std::vector<Aktion>{{Aktion::Art::datum, 0, "15/06/1970"},
                                                        {Aktion::Art::datum, 2, "15/06/2008"},
                                                        {Aktion::Art::datum, 3, "01/01/2002"},
                                                        {Aktion::Art::datum, 4, "31/12/2002"},
                                                        {Aktion::Art::datum, 5, "01/01/2003"},
                                                        {Aktion::Art::amt, amt, ""}}) {
            lauf.ausführen(aktion);
        }
        for (int feld = 0; feld <= 7; ++feld)
            EXPECT_EQ(lauf.fall().tagnummer[feld], 0) << "Tagnummer(" << feld << ")";
    }
}

}  // namespace

}  // namespace bda
