// Dates: the 30-day reckoning (against the program and the tests' own calendar), day numbers, date texts,
// birthdays and the old step schedule.

#include <gtest/gtest.h>

#include "Datumsdifferenz.h"
#include "Datumstext.h"
#include "Kalendermodell.h"
#include "Stufenplan.h"

namespace bda {

namespace {

TEST(Datumsdifferenz, SpannenIm30TageMonat) {
    const struct {
        const char *anfang, *ende;
        Zeitspanne erwartet;  // {tage, monate, jahre}
    } spannen[] = {
        {"01/01/2000", "31/12/2000", {0, 0, 1}},
        {"15/02/2001", "28/02/2001", {16, 0, 0}},  // February's end in a common year counts as the 30th
        {"28/02/2001", "15/03/2001", {18, 0, 0}},  // a start on February's last day adds the missing days
        {"28/02/2001", "30/04/2001", {3, 2, 0}},
        {"29/02/2004", "31/03/2004", {2, 1, 0}},
        {"31/01/2001", "31/03/2001", {0, 2, 0}},  // a start on the 31st is the 1st of the next month
        {"31/12/2000", "15/12/2001", {15, 11, 0}},
        {"10/05/2000", "09/05/2001", {0, 0, 1}},
        {"10/05/2000", "10/05/2000", {1, 0, 0}},
        {"28/02/2001", "29/03/2001", {32, 0, 0}},  // from February's end to a 28th or 29th: no carry
        {"28/02/2001", "28/03/2001", {31, 0, 0}},
        {"29/02/2004", "29/03/2004", {31, 0, 0}},
        {"29/02/2004", "28/03/2004", {0, 1, 0}},
        {"31/01/2001", "15/01/2002", {15, 11, 0}},
        {"28/02/2001", "28/02/2001", {3, 0, 0}},
        {"29/02/2004", "30/04/2004", {2, 2, 0}},
        {"30/04/2001", "31/05/2001", {1, 1, 0}},
        {"31/03/2001", "31/03/2001", {0, 0, 0}},
        {"28/02/1900", "28/02/1900", {1, 0, 0}},  // 1900 counts as a leap year here
        {"01/02/1900", "28/02/1900", {28, 0, 0}},
        {"01/03/2001", "02/03/2001", {2, 0, 0}},
        {"01/03/2001", "29/03/2001", {29, 0, 0}},
        {"01/03/2001", "30/03/2001", {0, 1, 0}},
        {"01/07/2001", "31/07/2001", {0, 1, 0}},
        {"__/__/____", "__/__/____", {1, 0, 0}},  // empty texts read as zeros
    };
    for (const auto& z : spannen) {
        SCOPED_TRACE(std::string(z.anfang) + " bis " + z.ende);
        EXPECT_EQ(datumsdifferenz(z.anfang, z.ende), z.erwartet);
        const auto anfang = kalendermodell::lesen(z.anfang), ende = kalendermodell::lesen(z.ende);
        if (anfang && ende) {
            EXPECT_EQ(kalendermodell::dreißigTage(*anfang, *ende), z.erwartet) << "Modell";
        }
    }
}

// The day number of a field: calendar days from the birth date, 0 when either is no date (each day
// against the tests' calendar is the date fuzzer's rule).
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

TEST(Datumstext, GeburtstageSindEchteDaten) {
    // A birthday of 29 February is the 1st of March in a common year; in a leap year it stays.
    EXPECT_EQ(textAusDatum(geburtstag(*datumAusText("29/02/1972"), 21)), "01/03/1993");
    EXPECT_EQ(textAusDatum(geburtstag(*datumAusText("29/02/1972"), 40)), "29/02/2012");
    EXPECT_EQ(textAusDatum(geburtstag(*datumAusText("28/02/1971"), 21)), "28/02/1992");
}

// Two years apart up to step 5, three up to step 9, four beyond; later steps from the first of the month.
TEST(Stufenplan, ZweiDreiUndVierJahreAbstand) {
    const char* const ab[] = {"29/02/1996", "01/02/1998", "01/02/2000", "01/02/2002",
                              "01/02/2004", "01/02/2007", "01/02/2010", "01/02/2013",
                              "01/02/2016", "01/02/2020", "01/02/2024", "01/02/2028"};
    const Stufenfolge plan = stufenplan(*datumAusText("29/02/1996"));
    for (int i = 0; i < anzahlStufen; ++i) {
        EXPECT_EQ(plan[i].nummer, i + 1);
        EXPECT_EQ(textAusDatum(plan[i].ab), ab[i]) << "step " << i + 1;
    }
    EXPECT_EQ(plan[11].jahre, 32);
}

TEST(Stufenplan, StufeAmTagDerErnennung) {
    const Stufenfolge plan = stufenplan(*datumAusText("01/01/1990"));  // step 6 from 01/01/2001
    for (const auto& [tag, stufe] : {std::pair{"31/12/1989", 0},
                                     {"01/01/1990", 1},
                                     {"31/12/2000", 5},
                                     {"01/01/2001", 6},
                                     {"31/12/2040", 12}}) {
        EXPECT_EQ(stufeAm(plan, *datumAusText(tag)), stufe) << tag;
    }
}

}  // namespace

}  // namespace bda
