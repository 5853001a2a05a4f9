#include "Datumsdifferenz.h"

#include <gtest/gtest.h>

#include "Datumstext.h"

namespace bda {

namespace {

struct Spanne {
    const char* name;
    const char* anfang;
    const char* ende;
    Zeitspanne erwartet;  // {tage, monate, jahre}
};

const Spanne spannen[] = {
    {"whole year", "01/01/2000", "31/12/2000", {0, 0, 1}},
    {"end of February in a common year counts as the 30th", "15/02/2001", "28/02/2001", {16, 0, 0}},
    {"start on the last day of February adds the missing days", "28/02/2001", "15/03/2001", {18, 0, 0}},
    {"start on 28/02 common year, end 30/04", "28/02/2001", "30/04/2001", {3, 2, 0}},
    {"start on 29/02 of a leap year, end on a 31st", "29/02/2004", "31/03/2004", {2, 1, 0}},
    {"31st to 31st: start on the 1st of the next month", "31/01/2001", "31/03/2001", {0, 2, 0}},
    {"start on 31/12 borrows a month", "31/12/2000", "15/12/2001", {15, 11, 0}},
    {"one day short of a year carries to a year", "10/05/2000", "09/05/2001", {0, 0, 1}},
    {"same day counts one day", "10/05/2000", "10/05/2000", {1, 0, 0}},
    {"February start and end on the 29th: 32 days, no carry", "28/02/2001", "29/03/2001", {32, 0, 0}},
    {"31/01 to 15/01 of the next year", "31/01/2001", "15/01/2002", {15, 11, 0}},
    {"28/02 to 28/02 of a common year: end taken as the 30th", "28/02/2001", "28/02/2001", {3, 0, 0}},
    {"29/02 to 30/04 of a leap year", "29/02/2004", "30/04/2004", {2, 2, 0}},
    {"30/04 to 31/05: the 31st is the 30th", "30/04/2001", "31/05/2001", {1, 1, 0}},
    {"1900 counts as a leap year: 28/02 is no month end", "28/02/1900", "28/02/1900", {1, 0, 0}},
    {"one day", "01/03/2001", "02/03/2001", {2, 0, 0}},
    {"29 days", "01/03/2001", "29/03/2001", {29, 0, 0}},
    {"30 days make a month", "01/03/2001", "30/03/2001", {0, 1, 0}},
    {"empty texts read as zeros", "__/__/____", "__/__/____", {1, 0, 0}},
};

TEST(Datumsdifferenz, SpannenIm30TageMonat) {
    for (const auto& zeile : spannen) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(datumsdifferenz(zeile.anfang, zeile.ende), zeile.erwartet);
    }
}

struct Tagnummer {
    const char* name;
    const char* geburtstag;
    const char* feld;
    int erwartet;
};

const Tagnummer tagnummern[] = {
    {"birth date empty", "__/__/____", "01/01/2000", 0},
    {"field empty", "15/06/1970", "__/__/____", 0},
    {"field on the birth date", "15/06/1970", "15/06/1970", 0},
    {"one day after", "15/06/1970", "16/06/1970", 1},
    {"one day before", "15/06/1970", "14/06/1970", -1},
    {"100 years with 25 leap days", "01/01/1930", "01/01/2030", 36525},
    {"whole range of the fields, beyond 16 bits", "01/01/1930", "31/12/2040", 40542},
    {"incomplete field", "15/06/1970", "01/01/20__", 0},
};

TEST(Datumsdifferenz, TagnummerAbGeburtstag) {
    for (const auto& zeile : tagnummern) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(datumdiffneu(zeile.geburtstag, zeile.feld), zeile.erwartet);
    }
}

// Every day of the fields' range: the day number grows by exactly one from day to day, and the text
// of a date reads back as the same date.
TEST(Datumsdifferenz, JederTagVon1930Bis2040) {
    using namespace std::chrono;
    const std::string geburtstag = "01/01/1930";
    int erwartet = 0;
    for (sys_days tag = sys_days{erstesZulässigesDatum}; tag <= sys_days{letztesZulässigesDatum};
         tag += days{1}) {
        const std::string text = textAusDatum(year_month_day{tag});
        ASSERT_EQ(datumAusText(text), year_month_day{tag}) << text;
        ASSERT_EQ(datumdiffneu(geburtstag, text), erwartet) << text;
        ++erwartet;
    }
    EXPECT_EQ(erwartet, 40543);
}

}  // namespace

}  // namespace bda
