#include "Bdaberechnung.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}

struct Rechnung {
    const char* name;
    const char* regelBDA;
    Z anteil1;                 // row 0 of the quarter-rule frame
    std::array<Z, 4> zeiten1;  // rows 1 to 4
    Z anteil2;                 // row 0 of the half-rule frame
    std::array<Z, 4> zeiten2;
    // expected
    Z summe1, rest1, viertel1;
    Z summe2, rest2, hälfte2;
    Z gesamt;
    const char* bda;
};

// clang-format off
const Rechnung rechnungen[] = {
    // name, regular BDA, share 1, periods 1, share 2, periods 2,
    //   sum 1, rest 1, quarter; sum 2, rest 2, half; total, resulting BDA
    {"quarter of one year is three months", "01/06/1996", {0, 0, 1}, {}, {}, {},
     {0, 0, 0}, {0, 0, 1}, {0, 3, 0}, {}, {}, {}, {0, 3, 0}, "01/09/1996"},
    {"quarter of four years less one, half of three years", "01/06/1991", {0, 0, 4}, {{{0, 0, 1}}}, {0, 0, 3}, {},
     {0, 0, 1}, {0, 0, 3}, {0, 9, 0}, {0, 0, 0}, {0, 0, 3}, {0, 6, 1}, {0, 3, 2}, "01/09/1993"},
    {"half of 1 year 2 months 10 days is 7 months 5 days; days are not added", "01/06/1996", {0, 0, 4}, {}, {10, 2, 1}, {},
     {}, {0, 0, 4}, {0, 0, 1}, {}, {10, 2, 1}, {5, 7, 0}, {5, 7, 1}, "01/01/1998"},
    {"quarter of 2 days rounds to 0", "01/06/1996", {2, 0, 0}, {}, {}, {},
     {}, {2, 0, 0}, {0, 0, 0}, {}, {}, {}, {}, "01/06/1996"},
    {"quarter of 6 days: 1.5 rounds to the even 2", "01/06/1996", {6, 0, 0}, {}, {}, {},
     {}, {6, 0, 0}, {2, 0, 0}, {}, {}, {}, {2, 0, 0}, "01/06/1996"},
    {"quarter of 10 days: 2.5 rounds to the even 2", "01/06/1996", {10, 0, 0}, {}, {}, {},
     {}, {10, 0, 0}, {2, 0, 0}, {}, {}, {}, {2, 0, 0}, "01/06/1996"},
    {"quarter of 3 days rounds to 1", "01/06/1996", {3, 0, 0}, {}, {}, {},
     {}, {3, 0, 0}, {1, 0, 0}, {}, {}, {}, {1, 0, 0}, "01/06/1996"},
    {"half of 3 days: odd days made even first", "01/06/1996", {}, {}, {3, 0, 0}, {},
     {}, {}, {}, {}, {3, 0, 0}, {1, 0, 0}, {1, 0, 0}, "01/06/1996"},
    {"month carry into the next year", "01/11/1996", {}, {}, {0, 4, 0}, {},
     {}, {}, {}, {}, {0, 4, 0}, {0, 2, 0}, {0, 2, 0}, "01/01/1997"},
    {"December plus nothing stays", "01/12/1996", {}, {}, {}, {},
     {}, {}, {}, {}, {}, {}, {}, "01/12/1996"},
    {"December plus 11 months", "01/12/1996", {}, {}, {0, 10, 1}, {},
     {}, {}, {}, {}, {0, 10, 1}, {0, 11, 0}, {0, 11, 0}, "01/11/1997"},
    {"periods of 40 days carry into a month", "01/06/1996", {0, 0, 4}, {{{20, 0, 0}, {20, 0, 0}}}, {}, {},
     {10, 1, 0}, {20, 10, 3}, {20, 11, 0}, {}, {}, {}, {20, 11, 0}, "01/05/1997"},
    {"months of the periods carry into a year; 262.5 days round to 262", "01/06/1996", {0, 0, 4}, {{{0, 7, 0}, {0, 6, 0}}}, {}, {},
     {0, 1, 1}, {0, 11, 2}, {22, 8, 0}, {}, {}, {}, {22, 8, 0}, "01/02/1997"},
    {"remainder borrows a month and a year", "01/06/1996", {5, 0, 2}, {{{10, 1, 0}}}, {}, {},
     {10, 1, 0}, {25, 10, 1}, {21, 5, 0}, {}, {}, {}, {21, 5, 0}, "01/11/1996"},
    {"periods longer than the share leave no negative remainder", "01/06/1996", {0, 0, 1}, {{{0, 0, 2}}}, {0, 6, 0}, {{{5, 6, 0}}},
     {0, 0, 2}, {0, 0, 0}, {0, 0, 0}, {5, 6, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, "01/06/1996"},
    {"both postponements add up with carry", "01/06/1996", {0, 0, 4}, {}, {20, 10, 0}, {},
     {}, {0, 0, 4}, {0, 0, 1}, {}, {20, 10, 0}, {10, 5, 0}, {10, 5, 1}, "01/11/1997"},
};
// clang-format on

TEST(Bdaberechnung, ZeilenFünfBisSiebenUndErgebnis) {
    for (const auto& r : rechnungen) {
        SCOPED_TRACE(r.name);
        Fall fall;
        fall.datum[Feld::regelBDA] = r.regelBDA;
        fall.rahmen1[0] = r.anteil1;
        fall.rahmen2[0] = r.anteil2;
        for (int i = 0; i < 4; ++i) {
            fall.rahmen1[i + 1] = r.zeiten1[i];
            fall.rahmen2[i + 1] = r.zeiten2[i];
        }

        bdaberechnen(fall);

        EXPECT_EQ(fall.rahmen1[5], r.summe1);
        EXPECT_EQ(fall.rahmen1[6], r.rest1);
        EXPECT_EQ(fall.rahmen1[7], r.viertel1);
        EXPECT_EQ(fall.rahmen2[5], r.summe2);
        EXPECT_EQ(fall.rahmen2[6], r.rest2);
        EXPECT_EQ(fall.rahmen2[7], r.hälfte2);
        EXPECT_EQ(fall.gesamt, r.gesamt);
        EXPECT_EQ(fall.datum[Feld::bda], r.bda);
        EXPECT_EQ(fall.bdaDatum, std::string(r.bda) + ".");
        EXPECT_EQ(fall.rahmen1[0], r.anteil1) << "row 0 is never changed";
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
