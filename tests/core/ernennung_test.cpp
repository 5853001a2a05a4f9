#include "Ernennung.h"

#include <gtest/gtest.h>

#include "Bdaberechnung.h"

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}

struct Auswertung {
    const char* name;
    int amtswahl;
    const char* geburtstag;
    const char* ernennung;
    const char* regelBDA;
    Z zeit1;  // period 1 of the quarter-rule frame, set beforehand
    // expected
    Z überschritten;
    bool sichtbar1, sichtbar2;
    Z anteil1, anteil2;
    Z viertel, hälfte, gesamt;
    const char* bda;
    std::array<const char*, 4> spannen;  // fields 20 to 23
};

// clang-format off
const Auswertung auswertungen[] = {
    // name, option, birth, appointment, regular BDA, period 1 of the quarter frame,
    //   exceedance, frames shown, shares, quarter, half, total, resulting BDA, fields 20 to 23
    {"A 1-12: one year past the 31st birthday", 0, "15/06/1975", "15/06/2007", "01/06/1996", {},
     {0, 0, 1}, true, false, {0, 0, 1}, {}, {0, 3, 0}, {}, {0, 3, 0}, "01/09/1996",
     {"15/06/2006", "14/06/2007", "15/06/2010", "14/06/2007"}},
    {"A 1-12: appointed on the 31st birthday", 0, "15/06/1975", "15/06/2006", "01/06/1996", {0, 3, 0},
     {}, true, false, {}, {}, {}, {}, {}, "01/06/1996",
     {"15/06/2006", "14/06/2006", "15/06/2010", "14/06/2006"}},
    {"A 1-12: appointed the day after the 31st birthday", 0, "15/06/1975", "16/06/2006", "01/06/1996", {},
     {1, 0, 0}, true, false, {1, 0, 0}, {}, {0, 0, 0}, {}, {}, "01/06/1996",
     {"15/06/2006", "15/06/2006", "15/06/2010", "15/06/2006"}},
    {"A 1-12: 5 years 2 months 10 days split 4 years and the rest", 0, "15/06/1975", "25/08/2011", "01/06/1996", {},
     {10, 2, 5}, true, true, {0, 0, 4}, {10, 2, 1}, {0, 0, 1}, {5, 7, 0}, {5, 7, 1}, "01/01/1998",
     {"15/06/2006", "14/06/2010", "15/06/2010", "24/08/2011"}},
    {"A 1-12: seven years with one creditable year", 0, "15/06/1970", "15/06/2008", "01/06/1991", {0, 0, 1},
     {0, 0, 7}, true, true, {0, 0, 4}, {0, 0, 3}, {0, 9, 0}, {0, 6, 1}, {0, 3, 2}, "01/09/1993",
     {"15/06/2001", "14/06/2005", "15/06/2005", "14/06/2008"}},
    {"A 1-12: born 29 February, 31st birthday on 1 March", 0, "29/02/1972", "01/03/2004", "01/02/1993", {},
     {0, 0, 1}, true, false, {0, 0, 1}, {}, {0, 3, 0}, {}, {0, 3, 0}, "01/05/1993",
     {"01/03/2003", "29/02/2004", "01/03/2007", "29/02/2004"}},
    {"A 13/14: three years past the 35th birthday", 1, "15/06/1970", "15/06/2008", "01/06/1991", {0, 0, 1},
     {0, 0, 3}, false, true, {}, {0, 0, 3}, {}, {0, 6, 1}, {0, 6, 1}, "01/12/1992",
     {"__/__/____", "__/__/____", "15/06/2005", "14/06/2008"}},
    {"A 13/14: up to the day before a full year is 11 months 29 days", 1, "15/06/1970", "14/06/2006", "01/06/1991", {},
     {29, 11, 0}, false, true, {}, {29, 11, 0}, {}, {29, 5, 0}, {29, 5, 0}, "01/11/1991",
     {"__/__/____", "__/__/____", "15/06/2005", "13/06/2006"}},
    {"C 1/2: appointed before the 35th birthday shows zeros", 2, "15/06/1970", "01/01/2004", "01/06/1991", {},
     {}, false, true, {}, {}, {}, {}, {}, "01/06/1991",
     {"__/__/____", "__/__/____", "15/06/2005", "31/12/2003"}},
    {"A 13/14: appointed the day before the 35th birthday", 1, "15/06/1970", "14/06/2005", "01/06/1991", {},
     {}, false, true, {}, {}, {}, {}, {}, "01/06/1991",
     {"__/__/____", "__/__/____", "15/06/2005", "13/06/2005"}},
    {"A 13/14: appointed on the 31st, measured up to the 30th like the periods", 1, "01/11/1983", "31/12/2026", "01/10/2004", {},
     {0, 2, 8}, false, true, {}, {0, 2, 8}, {}, {0, 1, 4}, {0, 1, 4}, "01/11/2008",
     {"__/__/____", "__/__/____", "01/11/2018", "30/12/2026"}},
    {"A 13/14: appointed on 29 February, measured up to the 28th", 1, "15/06/1970", "29/02/2008", "01/06/1991", {},
     {14, 8, 2}, false, true, {}, {14, 8, 2}, {}, {7, 4, 1}, {7, 4, 1}, "01/10/1992",
     {"__/__/____", "__/__/____", "15/06/2005", "28/02/2008"}},
    {"professor: two years past the 40th birthday", 3, "15/06/1970", "15/06/2012", "01/06/1991", {},
     {0, 0, 2}, false, true, {}, {0, 0, 2}, {}, {0, 0, 1}, {0, 0, 1}, "01/06/1992",
     {"__/__/____", "__/__/____", "15/06/2010", "14/06/2012"}},
    {"professor: appointed on the 40th birthday hides the frame", 3, "15/06/1970", "15/06/2010", "01/06/1991", {},
     {}, false, false, {}, {}, {}, {}, {}, "01/06/1991",
     {"__/__/____", "__/__/____", "15/06/2010", "14/06/2010"}},
    {"professor: appointed before the 40th birthday hides the frame", 3, "15/06/1970", "01/01/2009", "01/06/1991", {},
     {}, false, false, {}, {}, {}, {}, {}, "01/06/1991",
     {"__/__/____", "__/__/____", "15/06/2010", "31/12/2008"}},
};
// clang-format on

TEST(Ernennung, AnteileRahmenUndSpannen) {
    for (const auto& a : auswertungen) {
        SCOPED_TRACE(a.name);
        Fall fall;
        fall.amtswahl = a.amtswahl;
        fall.datum[Feld::geburtstag] = a.geburtstag;
        fall.datum[Feld::ernennung] = a.ernennung;
        fall.datum[Feld::regelBDA] = a.regelBDA;
        fall.rahmen1[1] = a.zeit1;

        ernennungauswerten(fall, *datumAusText(a.geburtstag), *datumAusText(a.ernennung));
        bdaberechnen(fall);

        EXPECT_EQ(fall.überschritten, a.überschritten);
        EXPECT_EQ(fall.rahmen1Sichtbar, a.sichtbar1);
        EXPECT_EQ(fall.rahmen2Sichtbar, a.sichtbar2);
        EXPECT_EQ(fall.rahmen1[0], a.anteil1);
        EXPECT_EQ(fall.rahmen2[0], a.anteil2);
        EXPECT_EQ(fall.rahmen1[7], a.viertel);
        EXPECT_EQ(fall.rahmen2[7], a.hälfte);
        EXPECT_EQ(fall.gesamt, a.gesamt);
        EXPECT_EQ(fall.datum[Feld::bda], a.bda);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(fall.datum[Feld::viertelBeginn + i], a.spannen[i]) << "field " << 20 + i;
    }
}

TEST(Ernennung, VerborgenerHälfterahmenBehältKeinenAltenAnteil) {
    Fall fall;
    fall.datum[Feld::geburtstag] = "15/06/1970";
    fall.datum[Feld::regelBDA] = "01/06/1991";
    const auto geburtsdatum = *datumAusText("15/06/1970");
    ernennungauswerten(fall, geburtsdatum, *datumAusText("15/06/2008"));
    bdaberechnen(fall);
    ASSERT_EQ(fall.rahmen2[0], (Z{0, 0, 3}));

    ernennungauswerten(fall, geburtsdatum, *datumAusText("15/06/2003"));  // corrected to an earlier day
    bdaberechnen(fall);

    EXPECT_FALSE(fall.rahmen2Sichtbar);
    EXPECT_EQ(fall.rahmen2[0], Z{});
    EXPECT_EQ(fall.rahmen2[7], Z{});
    EXPECT_EQ(fall.gesamt, (Z{0, 6, 0}));  // a quarter of the two years since the 31st birthday
    EXPECT_EQ(fall.datum[Feld::bda], "01/12/1991");
}

// Under the other grades the hidden quarter frame takes the day numbers 0 to 7 with its rows; the
// span fields of the half frame get theirs, the later period fields keep theirs.
TEST(Ernennung, AndereÄmterLöschenDieTagnummernNullBisSieben) {
    for (int amtswahl : {1, 2, 3}) {
        SCOPED_TRACE(amtswahl);
        Fall fall;
        fall.amtswahl = amtswahl;
        fall.datum[Feld::geburtstag] = "15/06/1970";
        fall.tagnummer.fill(7);
        ernennungauswerten(fall, *datumAusText("15/06/1970"), *datumAusText("15/06/2012"));
        for (int feld = 0; feld <= 7; ++feld) EXPECT_EQ(fall.tagnummer[feld], 0) << feld;
        for (int feld = 8; feld <= 18; ++feld) EXPECT_EQ(fall.tagnummer[feld], 7) << feld;
        EXPECT_EQ(fall.tagnummer[Feld::hälfteEnde], 15340)
            << "14/06/2012, 42 years less a day after the birth";
    }
}

}  // namespace

}  // namespace bda
