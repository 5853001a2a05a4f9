#include "Ernennung.h"

#include <gtest/gtest.h>

#include "Bdaberechnung.h"

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}

// What a frame shows after the evaluation.
struct Rahmenbefund {
    bool sichtbar = false;
    Z anteil{};  // row 0: the share
    Z teil{};    // row 7: its quarter or half
};

struct Auswertung {
    const char* name;
    int amtswahl;
    const char* geburtstag;
    const char* ernennung;
    const char* regelBDA;
    Z zeit1{};  // period 1 of the quarter-rule frame, set beforehand
    // expected
    Z überschritten{};
    Rahmenbefund rahmen1{}, rahmen2{};  // quarter rule, half rule
    Z gesamt{};
    const char* bda;
    std::array<const char*, 4> spannen;  // fields 20 to 23
};

const Auswertung auswertungen[] = {
    // A frame is shown only while its span runs forward: on or before its decisive birthday it is hidden.
    // Born 12/04/1990: regular BDA 01/04/2011, 31st birthday 12/04/2021, 35th 12/04/2025, 40th 12/04/2030.
    {.name = "A 9 vor dem 31. Geburtstag ernannt: kein Rahmen",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "01/09/2018",
     .regelBDA = "01/04/2011",
     .zeit1 = {0, 3, 0},
     .bda = "01/04/2011",
     .spannen = {"12/04/2021", "31/08/2018", "12/04/2025", "31/08/2018"}},
    {.name = "A 1-12: am Tag vor dem 31. Geburtstag ernannt",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "11/04/2021",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"12/04/2021", "10/04/2021", "12/04/2025", "10/04/2021"}},
    {.name = "A 1-12: am 31. Geburtstag ernannt",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "12/04/2021",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"12/04/2021", "11/04/2021", "12/04/2025", "11/04/2021"}},
    {.name = "A 1-12: am Tag nach dem 31. Geburtstag ernannt: ein Tag, Spanne von ihm bis zu ihm",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "13/04/2021",
     .regelBDA = "01/04/2011",
     .überschritten = {1, 0, 0},
     .rahmen1 = {.sichtbar = true, .anteil = {1, 0, 0}},
     .bda = "01/04/2011",
     .spannen = {"12/04/2021", "12/04/2021", "12/04/2025", "12/04/2021"}},
    {.name = "A 1-12: am Tag vor dem 35. Geburtstag ernannt: 1439 Tage, ein Viertel gerundet ein Jahr",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "11/04/2025",
     .regelBDA = "01/04/2011",
     .überschritten = {29, 11, 3},
     .rahmen1 = {.sichtbar = true, .anteil = {29, 11, 3}, .teil = {0, 0, 1}},
     .gesamt = {0, 0, 1},
     .bda = "01/04/2012",
     .spannen = {"12/04/2021", "10/04/2025", "12/04/2025", "10/04/2025"}},
    {.name = "A 1-12: am 35. Geburtstag ernannt: vier Jahre, die Hälfte verborgen",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "12/04/2025",
     .regelBDA = "01/04/2011",
     .überschritten = {0, 0, 4},
     .rahmen1 = {.sichtbar = true, .anteil = {0, 0, 4}, .teil = {0, 0, 1}},
     .gesamt = {0, 0, 1},
     .bda = "01/04/2012",
     .spannen = {"12/04/2021", "11/04/2025", "12/04/2025", "11/04/2025"}},
    {.name = "A 1-12: am Tag nach dem 35. Geburtstag ernannt: ein Tag Hälfte",
     .amtswahl = 0,
     .geburtstag = "12/04/1990",
     .ernennung = "13/04/2025",
     .regelBDA = "01/04/2011",
     .überschritten = {1, 0, 4},
     .rahmen1 = {.sichtbar = true, .anteil = {0, 0, 4}, .teil = {0, 0, 1}},
     .rahmen2 = {.sichtbar = true, .anteil = {1, 0, 0}},
     .gesamt = {0, 0, 1},
     .bda = "01/04/2012",
     .spannen = {"12/04/2021", "11/04/2025", "12/04/2025", "12/04/2025"}},
    {.name = "A 13/14: am Tag vor dem 35. Geburtstag ernannt",
     .amtswahl = 1,
     .geburtstag = "12/04/1990",
     .ernennung = "11/04/2025",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2025", "10/04/2025"}},
    {.name = "A 13/14: am 35. Geburtstag ernannt",
     .amtswahl = 1,
     .geburtstag = "12/04/1990",
     .ernennung = "12/04/2025",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2025", "11/04/2025"}},
    {.name = "A 13/14: am Tag nach dem 35. Geburtstag ernannt",
     .amtswahl = 1,
     .geburtstag = "12/04/1990",
     .ernennung = "13/04/2025",
     .regelBDA = "01/04/2011",
     .überschritten = {1, 0, 0},
     .rahmen2 = {.sichtbar = true, .anteil = {1, 0, 0}},
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2025", "12/04/2025"}},
    {.name = "C 1/2: am Tag vor dem 35. Geburtstag ernannt",
     .amtswahl = 2,
     .geburtstag = "12/04/1990",
     .ernennung = "11/04/2025",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2025", "10/04/2025"}},
    {.name = "C 1/2: am 35. Geburtstag ernannt",
     .amtswahl = 2,
     .geburtstag = "12/04/1990",
     .ernennung = "12/04/2025",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2025", "11/04/2025"}},
    {.name = "C 1/2: am Tag nach dem 35. Geburtstag ernannt",
     .amtswahl = 2,
     .geburtstag = "12/04/1990",
     .ernennung = "13/04/2025",
     .regelBDA = "01/04/2011",
     .überschritten = {1, 0, 0},
     .rahmen2 = {.sichtbar = true, .anteil = {1, 0, 0}},
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2025", "12/04/2025"}},
    {.name = "Professur: am Tag vor dem 40. Geburtstag ernannt",
     .amtswahl = 3,
     .geburtstag = "12/04/1990",
     .ernennung = "11/04/2030",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2030", "10/04/2030"}},
    {.name = "Professur: am 40. Geburtstag ernannt",
     .amtswahl = 3,
     .geburtstag = "12/04/1990",
     .ernennung = "12/04/2030",
     .regelBDA = "01/04/2011",
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2030", "11/04/2030"}},
    {.name = "Professur: am Tag nach dem 40. Geburtstag ernannt",
     .amtswahl = 3,
     .geburtstag = "12/04/1990",
     .ernennung = "13/04/2030",
     .regelBDA = "01/04/2011",
     .überschritten = {1, 0, 0},
     .rahmen2 = {.sichtbar = true, .anteil = {1, 0, 0}},
     .bda = "01/04/2011",
     .spannen = {"__/__/____", "__/__/____", "12/04/2030", "12/04/2030"}},
    {.name = "A 1-12: ein Jahr nach dem 31. Geburtstag",
     .amtswahl = 0,
     .geburtstag = "15/06/1975",
     .ernennung = "15/06/2007",
     .regelBDA = "01/06/1996",
     .überschritten = {0, 0, 1},
     .rahmen1 = {.sichtbar = true, .anteil = {0, 0, 1}, .teil = {0, 3, 0}},
     .rahmen2 = {.sichtbar = false},
     .gesamt = {0, 3, 0},
     .bda = "01/09/1996",
     .spannen = {"15/06/2006", "14/06/2007", "15/06/2010", "14/06/2007"}},
    {.name = "A 1-12: 5 Jahre 2 Monate 10 Tage geteilt in 4 Jahre und den Rest",
     .amtswahl = 0,
     .geburtstag = "15/06/1975",
     .ernennung = "25/08/2011",
     .regelBDA = "01/06/1996",
     .überschritten = {10, 2, 5},
     .rahmen1 = {.sichtbar = true, .anteil = {0, 0, 4}, .teil = {0, 0, 1}},
     .rahmen2 = {.sichtbar = true, .anteil = {10, 2, 1}, .teil = {5, 7, 0}},
     .gesamt = {5, 7, 1},
     .bda = "01/01/1998",
     .spannen = {"15/06/2006", "14/06/2010", "15/06/2010", "24/08/2011"}},
    {.name = "A 1-12: sieben Jahre mit einem anrechenbaren Jahr",
     .amtswahl = 0,
     .geburtstag = "15/06/1970",
     .ernennung = "15/06/2008",
     .regelBDA = "01/06/1991",
     .zeit1 = {0, 0, 1},
     .überschritten = {0, 0, 7},
     .rahmen1 = {.sichtbar = true, .anteil = {0, 0, 4}, .teil = {0, 9, 0}},
     .rahmen2 = {.sichtbar = true, .anteil = {0, 0, 3}, .teil = {0, 6, 1}},
     .gesamt = {0, 3, 2},
     .bda = "01/09/1993",
     .spannen = {"15/06/2001", "14/06/2005", "15/06/2005", "14/06/2008"}},
    {.name = "A 1-12: am 29. Februar geboren, 31. Geburtstag am 1. März",
     .amtswahl = 0,
     .geburtstag = "29/02/1972",
     .ernennung = "01/03/2004",
     .regelBDA = "01/02/1993",
     .überschritten = {0, 0, 1},
     .rahmen1 = {.sichtbar = true, .anteil = {0, 0, 1}, .teil = {0, 3, 0}},
     .rahmen2 = {.sichtbar = false},
     .gesamt = {0, 3, 0},
     .bda = "01/05/1993",
     .spannen = {"01/03/2003", "29/02/2004", "01/03/2007", "29/02/2004"}},
    {.name = "A 13/14: drei Jahre nach dem 35. Geburtstag",
     .amtswahl = 1,
     .geburtstag = "15/06/1970",
     .ernennung = "15/06/2008",
     .regelBDA = "01/06/1991",
     .zeit1 = {0, 0, 1},
     .überschritten = {0, 0, 3},
     .rahmen1 = {.sichtbar = false},
     .rahmen2 = {.sichtbar = true, .anteil = {0, 0, 3}, .teil = {0, 6, 1}},
     .gesamt = {0, 6, 1},
     .bda = "01/12/1992",
     .spannen = {"__/__/____", "__/__/____", "15/06/2005", "14/06/2008"}},
    {.name = "A 13/14: bis zum Tag vor einem vollen Jahr sind es 11 Monate 29 Tage",
     .amtswahl = 1,
     .geburtstag = "15/06/1970",
     .ernennung = "14/06/2006",
     .regelBDA = "01/06/1991",
     .überschritten = {29, 11, 0},
     .rahmen1 = {.sichtbar = false},
     .rahmen2 = {.sichtbar = true, .anteil = {29, 11, 0}, .teil = {29, 5, 0}},
     .gesamt = {29, 5, 0},
     .bda = "01/11/1991",
     .spannen = {"__/__/____", "__/__/____", "15/06/2005", "13/06/2006"}},
    {.name = "A 13/14: am 31. ernannt, wie die Zeiträume bis zum 30. gemessen",
     .amtswahl = 1,
     .geburtstag = "01/11/1983",
     .ernennung = "31/12/2026",
     .regelBDA = "01/10/2004",
     .überschritten = {0, 2, 8},
     .rahmen1 = {.sichtbar = false},
     .rahmen2 = {.sichtbar = true, .anteil = {0, 2, 8}, .teil = {0, 1, 4}},
     .gesamt = {0, 1, 4},
     .bda = "01/11/2008",
     .spannen = {"__/__/____", "__/__/____", "01/11/2018", "30/12/2026"}},
    {.name = "A 13/14: am 29. Februar ernannt, bis zum 28. gemessen",
     .amtswahl = 1,
     .geburtstag = "15/06/1970",
     .ernennung = "29/02/2008",
     .regelBDA = "01/06/1991",
     .überschritten = {14, 8, 2},
     .rahmen1 = {.sichtbar = false},
     .rahmen2 = {.sichtbar = true, .anteil = {14, 8, 2}, .teil = {7, 4, 1}},
     .gesamt = {7, 4, 1},
     .bda = "01/10/1992",
     .spannen = {"__/__/____", "__/__/____", "15/06/2005", "28/02/2008"}},
    {.name = "Professur: zwei Jahre nach dem 40. Geburtstag",
     .amtswahl = 3,
     .geburtstag = "15/06/1970",
     .ernennung = "15/06/2012",
     .regelBDA = "01/06/1991",
     .überschritten = {0, 0, 2},
     .rahmen1 = {.sichtbar = false},
     .rahmen2 = {.sichtbar = true, .anteil = {0, 0, 2}, .teil = {0, 0, 1}},
     .gesamt = {0, 0, 1},
     .bda = "01/06/1992",
     .spannen = {"__/__/____", "__/__/____", "15/06/2010", "14/06/2012"}},
};

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
        EXPECT_EQ(fall.rahmen1Sichtbar, a.rahmen1.sichtbar);
        EXPECT_EQ(fall.rahmen2Sichtbar, a.rahmen2.sichtbar);
        EXPECT_EQ(fall.rahmen1[0], a.rahmen1.anteil);
        EXPECT_EQ(fall.rahmen2[0], a.rahmen2.anteil);
        EXPECT_EQ(fall.rahmen1[7], a.rahmen1.teil);
        EXPECT_EQ(fall.rahmen2[7], a.rahmen2.teil);
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
