// Dates, the appointment's evaluation (exceedance, frames, shares, spans) and the BDA computation from the
// frames' rows: worked values and both sides of every limit, the 30-day reckoning also for the calendar.

#include "Ernennung.h"

#include <gtest/gtest.h>

#include "Bdaberechnung.h"
#include "Datumsdifferenz.h"
#include "Datumstext.h"
#include "Kalendermodell.h"

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}
const char* const leer = "__/__/____";

TEST(Datumsdifferenz, SpannenIm30TageMonat) {
    // clang-format off
    const struct {
        const char *anfang, *ende;
        Zeitspanne erwartet;  // {tage, monate, jahre}
    } spannen[] = {
        // worked values
        {"01/01/2000", "31/12/2000", {0, 0, 1}}, {"15/02/2001", "28/02/2001", {16, 0, 0}},
        {"28/02/2001", "15/03/2001", {18, 0, 0}}, {"28/02/2001", "30/04/2001", {3, 2, 0}},
        {"29/02/2004", "31/03/2004", {2, 1, 0}}, {"31/01/2001", "31/03/2001", {0, 2, 0}},
        {"31/12/2000", "15/12/2001", {15, 11, 0}}, {"10/05/2000", "09/05/2001", {0, 0, 1}},
        {"10/05/2000", "10/05/2000", {1, 0, 0}}, {"28/02/2001", "29/03/2001", {32, 0, 0}},
        // from February's end to a 28th or 29th no carry; a start on the 31st is the next month's 1st
        {"28/02/2001", "28/03/2001", {31, 0, 0}}, {"29/02/2004", "29/03/2004", {31, 0, 0}},
        {"29/02/2004", "28/03/2004", {0, 1, 0}}, {"31/01/2001", "15/01/2002", {15, 11, 0}},
        {"28/02/2001", "28/02/2001", {3, 0, 0}}, {"29/02/2004", "30/04/2004", {2, 2, 0}},
        {"30/04/2001", "31/05/2001", {1, 1, 0}}, {"31/03/2001", "31/03/2001", {0, 0, 0}},
        // 1900 counts as a leap year here; the carry at 30 days; empty texts read as zeros
        {"28/02/1900", "28/02/1900", {1, 0, 0}}, {"01/02/1900", "28/02/1900", {28, 0, 0}},
        {"01/03/2001", "02/03/2001", {2, 0, 0}}, {"01/03/2001", "29/03/2001", {29, 0, 0}},
        {"01/03/2001", "30/03/2001", {0, 1, 0}}, {"01/07/2001", "31/07/2001", {0, 1, 0}},
        {"__/__/____", "__/__/____", {1, 0, 0}},
    };
    // clang-format on
    for (const auto& z : spannen) {
        SCOPED_TRACE(std::string(z.anfang) + " bis " + z.ende);
        EXPECT_EQ(datumsdifferenz(z.anfang, z.ende), z.erwartet);
        const auto anfang = kalendermodell::lesen(z.anfang), ende = kalendermodell::lesen(z.ende);
        if (anfang && ende) {
            EXPECT_EQ(kalendermodell::dreißigTage(*anfang, *ende), z.erwartet) << "Modell";
        }
    }
}

// The day number of a field: calendar days from the birth date, 0 when either is no date.
TEST(Datumsdifferenz, TagnummerAbGeburtstag) {
    EXPECT_EQ(datumdiffneu("__/__/____", "01/01/2000"), 0);
    EXPECT_EQ(datumdiffneu("15/06/1970", "01/01/20__"), 0);
    EXPECT_EQ(datumdiffneu("15/06/1970", "14/06/1970"), -1);
    EXPECT_EQ(datumdiffneu("01/01/1930", "31/12/2040"), 40542) << "beyond 16 bits";
}

TEST(Datumstext, ZulässigeDaten) {
    const struct {
        const char* text;
        char urteil;  // '+' valid, 'a' outside the range, 'n' no such day
    } zeilen[] = {
        {"31/12/1929", 'a'}, {"01/01/1930", '+'}, {"31/12/2040", '+'}, {"01/01/2041", 'a'},
        {"29/02/2000", '+'}, {"29/02/2001", 'n'}, {"31/04/2001", 'n'}, {"30/04/2001", '+'},
        {"01/13/2001", 'n'}, {"00/01/2001", 'n'}, {"1 /01/2001", 'n'}, {"31/02/____", '+'},
        {"__/__/____", '+'},
    };
    for (const auto& z : zeilen) {
        const std::string fehler = datumsfehler(z.text).value_or("");
        EXPECT_EQ(fehler.empty()                                     ? '+'
                  : fehler.starts_with("Den " + std::string(z.text)) ? 'n'
                                                                     : 'a',
                  z.urteil)
            << fehler;
    }
}

// A birthday of 29 February is the 1st of March in a common year; in a leap year it stays.
TEST(Datumstext, GeburtstageSindEchteDaten) {
    EXPECT_EQ(textAusDatum(geburtstag(*datumAusText("29/02/1972"), 21)), "01/03/1993");
    EXPECT_EQ(textAusDatum(geburtstag(*datumAusText("29/02/1972"), 40)), "29/02/2012");
    EXPECT_EQ(textAusDatum(geburtstag(*datumAusText("28/02/1971"), 21)), "28/02/1992");
}

// The limits of each rule and the worked cases. The spans are checked where the property test does not:
// for a birth on 29 February, and at the end of the quarter span.
TEST(Ernennung, AnteileUndRahmen) {
    // clang-format off
    const struct {
        int amt;
        const char *geburt, *ernennung;
        Z über;
        const char* sichtbar;  // the frames shown: "12", "1", "2" or ""
        Z anteil1{}, anteil2{};
        const char* spannen = nullptr;  // fields 20 to 23
    } zeilen[] = {
        // Born 12/04/1990: 31st birthday 12/04/2021, 35th 12/04/2025, 40th 12/04/2030. A frame is shown
        // only while its span runs forward: on or before its birthday it is hidden.
        {0, "12/04/1990", "12/04/2021", {}, ""},
        {0, "12/04/1990", "13/04/2021", {1, 0, 0}, "1", {1, 0, 0}},
        {0, "12/04/1990", "11/04/2025", {29, 11, 3}, "1", {29, 11, 3}},
        {0, "12/04/1990", "12/04/2025", {0, 0, 4}, "1", {0, 0, 4}},
        {0, "12/04/1990", "13/04/2025", {1, 0, 4}, "12", {0, 0, 4}, {1, 0, 0},
            "12/04/2021 11/04/2025 12/04/2025 12/04/2025"},
        {1, "12/04/1990", "12/04/2025", {}, ""},
        {1, "12/04/1990", "13/04/2025", {1, 0, 0}, "2", {}, {1, 0, 0}},
        {2, "12/04/1990", "13/04/2025", {1, 0, 0}, "2", {}, {1, 0, 0}},
        {3, "12/04/1990", "12/04/2030", {}, ""},
        {3, "12/04/1990", "13/04/2030", {1, 0, 0}, "2", {}, {1, 0, 0}},
        // Worked cases.
        {0, "15/06/1975", "15/06/2007", {0, 0, 1}, "1", {0, 0, 1}},
        {0, "15/06/1975", "25/08/2011", {10, 2, 5}, "12", {0, 0, 4}, {10, 2, 1}},
        {0, "15/06/1970", "15/06/2008", {0, 0, 7}, "12", {0, 0, 4}, {0, 0, 3}},
        {0, "29/02/1972", "01/03/2004", {0, 0, 1}, "1", {0, 0, 1}, {},
            "01/03/2003 29/02/2004 01/03/2007 29/02/2004"},
        {1, "15/06/1970", "14/06/2006", {29, 11, 0}, "2", {}, {29, 11, 0}},
        // appointed on a 31st or on 29 February: measured up to the 30th or the 28th
        {1, "01/11/1983", "31/12/2026", {0, 2, 8}, "2", {}, {0, 2, 8}},
        {1, "15/06/1970", "29/02/2008", {14, 8, 2}, "2", {}, {14, 8, 2}},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(std::to_string(z.amt) + ": geboren " + z.geburt + ", ernannt " + z.ernennung);
        Fall fall;
        fall.amtswahl = z.amt;
        fall.datum[Feld::geburtstag] = z.geburt;
        fall.datum[Feld::ernennung] = z.ernennung;
        fall.rahmen1[1] = fall.rahmen2[1] = {0, 3, 0};  // a period in row 1 of both frames beforehand
        fall.tagnummer.fill(7);
        ernennungauswerten(fall, *datumAusText(z.geburt), *datumAusText(z.ernennung));
        EXPECT_EQ(std::string(fall.rahmen1Sichtbar ? "1" : "") + (fall.rahmen2Sichtbar ? "2" : ""),
                  z.sichtbar);
        EXPECT_EQ(fall.überschritten, z.über);
        EXPECT_EQ(fall.rahmen1[0], z.anteil1);
        EXPECT_EQ(fall.rahmen2[0], z.anteil2);
        // A hidden frame counts nothing, not even what it held before.
        EXPECT_TRUE(fall.rahmen1Sichtbar || fall.rahmen1 == Rahmenzeilen{});
        EXPECT_TRUE(fall.rahmen2Sichtbar || fall.rahmen2 == Rahmenzeilen{});
        const std::string spannen =
            fall.datum[20] + " " + fall.datum[21] + " " + fall.datum[22] + " " + fall.datum[23];
        EXPECT_EQ(spannen, z.spannen ? z.spannen : spannen);
        const auto geburt = kalendermodell::lesen(z.geburt);
        for (int feld = Feld::viertelBeginn; feld <= Feld::hälfteEnde; ++feld) {
            const auto tag = kalendermodell::lesen(fall.datum[feld]);
            EXPECT_EQ(fall.tagnummer[feld], tag ? kalendermodell::kalendertage(*geburt, *tag) : 0) << feld;
        }
    }
}

TEST(Bdaberechnung, ZeilenFünfBisSiebenUndErgebnis) {
    struct Rahmen {
        Z anteil;
        std::array<Z, 4> zeiten{};  // rows 1 to 4
    };
    struct Ergebnis {
        Z summe, rest, teil;  // rows 5 to 7
        bool operator==(const Ergebnis&) const = default;
    };
    // clang-format off
    const struct {
        const char* regelBDA;
        Rahmen rahmen1, rahmen2;  // quarter, half
        Ergebnis zeilen1, zeilen2;
        Z gesamt;
        const char* bda;
    } zeilen[] = {
        {"01/06/1996", {{0, 0, 1}}, {}, {{}, {0, 0, 1}, {0, 3, 0}}, {}, {0, 3, 0}, "01/09/1996"},
        {"01/06/1991", {{0, 0, 4}, {{{0, 0, 1}}}}, {{0, 0, 3}}, {{0, 0, 1}, {0, 0, 3}, {0, 9, 0}},
            {{}, {0, 0, 3}, {0, 6, 1}}, {0, 3, 2}, "01/09/1993"},
        // days do not move the BDA
        {"01/06/1996", {{0, 0, 4}}, {{10, 2, 1}}, {{}, {0, 0, 4}, {0, 0, 1}}, {{}, {10, 2, 1}, {5, 7, 0}},
            {5, 7, 1}, "01/01/1998"},
        // a quarter rounds to the nearest day, an exact half to the even one: 0.5, 1.5, 2.5, 0.75
        {"01/06/1996", {{2, 0, 0}}, {}, {{}, {2, 0, 0}, {}}, {}, {}, "01/06/1996"},
        {"01/06/1996", {{6, 0, 0}}, {}, {{}, {6, 0, 0}, {2, 0, 0}}, {}, {2, 0, 0}, "01/06/1996"},
        {"01/06/1996", {{10, 0, 0}}, {}, {{}, {10, 0, 0}, {2, 0, 0}}, {}, {2, 0, 0}, "01/06/1996"},
        {"01/06/1996", {{3, 0, 0}}, {}, {{}, {3, 0, 0}, {1, 0, 0}}, {}, {1, 0, 0}, "01/06/1996"},
        // odd days are made even before halving
        {"01/06/1996", {}, {{3, 0, 0}}, {}, {{}, {3, 0, 0}, {1, 0, 0}}, {1, 0, 0}, "01/06/1996"},
        // the month carries into the year at 13, and at 23
        {"01/11/1996", {}, {{0, 4, 0}}, {}, {{}, {0, 4, 0}, {0, 2, 0}}, {0, 2, 0}, "01/01/1997"},
        {"01/12/1996", {}, {}, {}, {}, {}, "01/12/1996"},
        {"01/12/1996", {}, {{0, 10, 1}}, {}, {{}, {0, 10, 1}, {0, 11, 0}}, {0, 11, 0}, "01/11/1997"},
        // periods in rows 2 and 4 add up to exactly 30 days, and to 40
        {"01/06/1996", {{0, 0, 4}, {{{}, {15, 0, 0}, {}, {15, 0, 0}}}}, {},
            {{0, 1, 0}, {0, 11, 3}, {22, 11, 0}}, {}, {22, 11, 0}, "01/05/1997"},
        {"01/06/1996", {{0, 0, 4}, {{{20, 0, 0}, {20, 0, 0}}}}, {}, {{10, 1, 0}, {20, 10, 3}, {20, 11, 0}},
            {}, {20, 11, 0}, "01/05/1997"},
        // months of the periods carry into a year; 262.5 days round to 262
        {"01/06/1996", {{0, 0, 4}, {{{0, 7, 0}, {0, 6, 0}}}}, {}, {{0, 1, 1}, {0, 11, 2}, {22, 8, 0}}, {},
            {22, 8, 0}, "01/02/1997"},
        // the rest borrows a month and a year
        {"01/06/1996", {{5, 0, 2}, {{{10, 1, 0}}}}, {}, {{10, 1, 0}, {25, 10, 1}, {21, 5, 0}}, {}, {21, 5, 0},
            "01/11/1996"},
        // periods as long as the share, or longer, leave no rest
        {"01/06/1996", {{0, 0, 1}, {{{0, 0, 2}}}}, {{5, 6, 0}, {{{5, 6, 0}}}}, {{0, 0, 2}, {}, {}},
            {{5, 6, 0}, {}, {}}, {}, "01/06/1996"},
        {"01/06/1996", {{0, 0, 4}}, {{20, 10, 0}}, {{}, {0, 0, 4}, {0, 0, 1}}, {{}, {20, 10, 0}, {10, 5, 0}},
            {10, 5, 1}, "01/11/1997"},
        // without a regular BDA no result, the total still counted
        {leer, {}, {{0, 0, 2}}, {}, {{}, {0, 0, 2}, {0, 0, 1}}, {0, 0, 1}, leer},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(std::string(z.regelBDA) + " to " + z.bda);
        Fall fall;
        fall.datum[Feld::regelBDA] = z.regelBDA;
        fall.rahmen1[0] = z.rahmen1.anteil;
        fall.rahmen2[0] = z.rahmen2.anteil;
        std::copy(z.rahmen1.zeiten.begin(), z.rahmen1.zeiten.end(), fall.rahmen1.begin() + 1);
        std::copy(z.rahmen2.zeiten.begin(), z.rahmen2.zeiten.end(), fall.rahmen2.begin() + 1);
        bdaberechnen(fall);
        EXPECT_EQ((Ergebnis{fall.rahmen1[5], fall.rahmen1[6], fall.rahmen1[7]}), z.zeilen1);
        EXPECT_EQ((Ergebnis{fall.rahmen2[5], fall.rahmen2[6], fall.rahmen2[7]}), z.zeilen2);
        EXPECT_EQ(fall.gesamt, z.gesamt);
        EXPECT_EQ(fall.datum[Feld::bda], z.bda);
        EXPECT_EQ(fall.bdaDatum, std::string(z.bda) == leer ? "" : std::string(z.bda) + ".");
        EXPECT_EQ(fall.rahmen1[0], z.rahmen1.anteil) << "row 0 is never changed";
    }
}

}  // namespace

}  // namespace bda
