#include "Bdaberechnung.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}

// A frame's rows 0 to 4 before the calculation: the share and the periods credited against it.
struct Rahmen {
    Z anteil{};
    std::array<Z, 4> zeiten{};
};

// A frame's rows 5 to 7 afterwards: the sum of the periods, the rest of the share and its quarter
// or half.
struct Ergebnis {
    Z summe{}, rest{}, teil{};
};

struct Rechnung {
    const char* name;
    const char* regelBDA;
    Rahmen rahmen1{}, rahmen2{};  // quarter rule, half rule
    // expected
    Ergebnis zeilen1{}, zeilen2{};
    Z gesamt{};
    const char* bda;
};

const Rechnung rechnungen[] = {
    {.name = "Viertel eines Jahres sind drei Monate",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {0, 0, 1}},
     .zeilen1 = {.summe = {0, 0, 0}, .rest = {0, 0, 1}, .teil = {0, 3, 0}},
     .gesamt = {0, 3, 0},
     .bda = "01/09/1996"},
    {.name = "Viertel von vier Jahren weniger einem, Hälfte von drei Jahren",
     .regelBDA = "01/06/1991",
     .rahmen1 = {.anteil = {0, 0, 4}, .zeiten = {{{0, 0, 1}}}},
     .rahmen2 = {.anteil = {0, 0, 3}},
     .zeilen1 = {.summe = {0, 0, 1}, .rest = {0, 0, 3}, .teil = {0, 9, 0}},
     .zeilen2 = {.summe = {0, 0, 0}, .rest = {0, 0, 3}, .teil = {0, 6, 1}},
     .gesamt = {0, 3, 2},
     .bda = "01/09/1993"},
    {.name = "Hälfte von 1 Jahr 2 Monaten 10 Tagen sind 7 Monate 5 Tage; Tage verschieben das BDA nicht",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {0, 0, 4}},
     .rahmen2 = {.anteil = {10, 2, 1}},
     .zeilen1 = {.rest = {0, 0, 4}, .teil = {0, 0, 1}},
     .zeilen2 = {.rest = {10, 2, 1}, .teil = {5, 7, 0}},
     .gesamt = {5, 7, 1},
     .bda = "01/01/1998"},
    {.name = "Viertel von 2 Tagen rundet auf 0",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {2, 0, 0}},
     .zeilen1 = {.rest = {2, 0, 0}, .teil = {0, 0, 0}},
     .bda = "01/06/1996"},
    {.name = "Viertel von 6 Tagen: 1,5 rundet zur geraden 2",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {6, 0, 0}},
     .zeilen1 = {.rest = {6, 0, 0}, .teil = {2, 0, 0}},
     .gesamt = {2, 0, 0},
     .bda = "01/06/1996"},
    {.name = "Viertel von 10 Tagen: 2,5 rundet zur geraden 2",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {10, 0, 0}},
     .zeilen1 = {.rest = {10, 0, 0}, .teil = {2, 0, 0}},
     .gesamt = {2, 0, 0},
     .bda = "01/06/1996"},
    {.name = "Viertel von 3 Tagen rundet auf 1",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {3, 0, 0}},
     .zeilen1 = {.rest = {3, 0, 0}, .teil = {1, 0, 0}},
     .gesamt = {1, 0, 0},
     .bda = "01/06/1996"},
    {.name = "Hälfte von 3 Tagen: ungerade Tage werden erst gerade",
     .regelBDA = "01/06/1996",
     .rahmen2 = {.anteil = {3, 0, 0}},
     .zeilen2 = {.rest = {3, 0, 0}, .teil = {1, 0, 0}},
     .gesamt = {1, 0, 0},
     .bda = "01/06/1996"},
    {.name = "Monatsübertrag ins nächste Jahr",
     .regelBDA = "01/11/1996",
     .rahmen2 = {.anteil = {0, 4, 0}},
     .zeilen2 = {.rest = {0, 4, 0}, .teil = {0, 2, 0}},
     .gesamt = {0, 2, 0},
     .bda = "01/01/1997"},
    {.name = "Dezember plus nichts bleibt", .regelBDA = "01/12/1996", .bda = "01/12/1996"},
    {.name = "Dezember plus 11 Monate",
     .regelBDA = "01/12/1996",
     .rahmen2 = {.anteil = {0, 10, 1}},
     .zeilen2 = {.rest = {0, 10, 1}, .teil = {0, 11, 0}},
     .gesamt = {0, 11, 0},
     .bda = "01/11/1997"},
    {.name = "Zeiträume von 40 Tagen tragen einen Monat über",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {0, 0, 4}, .zeiten = {{{20, 0, 0}, {20, 0, 0}}}},
     .zeilen1 = {.summe = {10, 1, 0}, .rest = {20, 10, 3}, .teil = {20, 11, 0}},
     .gesamt = {20, 11, 0},
     .bda = "01/05/1997"},
    {.name = "Monate der Zeiträume tragen ein Jahr über; 262,5 Tage runden auf 262",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {0, 0, 4}, .zeiten = {{{0, 7, 0}, {0, 6, 0}}}},
     .zeilen1 = {.summe = {0, 1, 1}, .rest = {0, 11, 2}, .teil = {22, 8, 0}},
     .gesamt = {22, 8, 0},
     .bda = "01/02/1997"},
    {.name = "Rest borgt einen Monat und ein Jahr",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {5, 0, 2}, .zeiten = {{{10, 1, 0}}}},
     .zeilen1 = {.summe = {10, 1, 0}, .rest = {25, 10, 1}, .teil = {21, 5, 0}},
     .gesamt = {21, 5, 0},
     .bda = "01/11/1996"},
    {.name = "Zeiträume länger als der Anteil lassen keinen negativen Rest",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {0, 0, 1}, .zeiten = {{{0, 0, 2}}}},
     .rahmen2 = {.anteil = {0, 6, 0}, .zeiten = {{{5, 6, 0}}}},
     .zeilen1 = {.summe = {0, 0, 2}, .rest = {0, 0, 0}, .teil = {0, 0, 0}},
     .zeilen2 = {.summe = {5, 6, 0}, .rest = {0, 0, 0}, .teil = {0, 0, 0}},
     .gesamt = {0, 0, 0},
     .bda = "01/06/1996"},
    {.name = "beide Verschiebungen addieren sich mit Übertrag",
     .regelBDA = "01/06/1996",
     .rahmen1 = {.anteil = {0, 0, 4}},
     .rahmen2 = {.anteil = {20, 10, 0}},
     .zeilen1 = {.rest = {0, 0, 4}, .teil = {0, 0, 1}},
     .zeilen2 = {.rest = {20, 10, 0}, .teil = {10, 5, 0}},
     .gesamt = {10, 5, 1},
     .bda = "01/11/1997"},
};

TEST(Bdaberechnung, ZeilenFünfBisSiebenUndErgebnis) {
    for (const auto& r : rechnungen) {
        SCOPED_TRACE(r.name);
        Fall fall;
        fall.datum[Feld::regelBDA] = r.regelBDA;
        fall.rahmen1[0] = r.rahmen1.anteil;
        fall.rahmen2[0] = r.rahmen2.anteil;
        for (int i = 0; i < 4; ++i) {
            fall.rahmen1[i + 1] = r.rahmen1.zeiten[i];
            fall.rahmen2[i + 1] = r.rahmen2.zeiten[i];
        }

        bdaberechnen(fall);

        EXPECT_EQ(fall.rahmen1[5], r.zeilen1.summe);
        EXPECT_EQ(fall.rahmen1[6], r.zeilen1.rest);
        EXPECT_EQ(fall.rahmen1[7], r.zeilen1.teil);
        EXPECT_EQ(fall.rahmen2[5], r.zeilen2.summe);
        EXPECT_EQ(fall.rahmen2[6], r.zeilen2.rest);
        EXPECT_EQ(fall.rahmen2[7], r.zeilen2.teil);
        EXPECT_EQ(fall.gesamt, r.gesamt);
        EXPECT_EQ(fall.datum[Feld::bda], r.bda);
        EXPECT_EQ(fall.bdaDatum, std::string(r.bda) + ".");
        EXPECT_EQ(fall.rahmen1[0], r.rahmen1.anteil) << "row 0 is never changed";
    }
}

TEST(Bdaberechnung, OhneRegelBDAKeinErgebnis) {
    Fall fall;
    fall.rahmen2[0] = {0, 0, 2};
    bdaberechnen(fall);
    EXPECT_EQ(fall.datum[Feld::bda], "__/__/____");
    EXPECT_EQ(fall.bdaDatum, "");
    EXPECT_EQ(fall.gesamt, (Z{0, 0, 1}));
}

}  // namespace

}  // namespace bda
