#include "Stufenplan.h"

#include <gtest/gtest.h>

#include "Datumstext.h"

namespace bda {

namespace {

struct Planzeile {
    const char* name;
    const char* bda;
    std::array<const char*, anzahlStufen> ab;  // steps 1 to 12, counted by hand
};

const Planzeile pläne[] = {
    {"BDA am 1. Januar",
     "01/01/1990",
     {"01/01/1990", "01/01/1992", "01/01/1994", "01/01/1996", "01/01/1998", "01/01/2001", "01/01/2004",
      "01/01/2007", "01/01/2010", "01/01/2014", "01/01/2018", "01/01/2022"}},
    {"BDA am 1. Dezember",
     "01/12/1995",
     {"01/12/1995", "01/12/1997", "01/12/1999", "01/12/2001", "01/12/2003", "01/12/2006", "01/12/2009",
      "01/12/2012", "01/12/2015", "01/12/2019", "01/12/2023", "01/12/2027"}},
    {"BDA im Februar eines Schaltjahrs",
     "01/02/1996",
     {"01/02/1996", "01/02/1998", "01/02/2000", "01/02/2002", "01/02/2004", "01/02/2007", "01/02/2010",
      "01/02/2013", "01/02/2016", "01/02/2020", "01/02/2024", "01/02/2028"}},
    {"Datum im Monat: spätere Stufen ab dem Ersten",
     "29/02/1996",
     {"29/02/1996", "01/02/1998", "01/02/2000", "01/02/2002", "01/02/2004", "01/02/2007", "01/02/2010",
      "01/02/2013", "01/02/2016", "01/02/2020", "01/02/2024", "01/02/2028"}},
};

TEST(Stufenplan, ZweiDreiUndVierJahreAbstand) {
    for (const auto& zeile : pläne) {
        SCOPED_TRACE(zeile.name);
        const Stufenfolge plan = stufenplan(*datumAusText(zeile.bda));
        for (int i = 0; i < anzahlStufen; ++i) {
            EXPECT_EQ(plan[i].nummer, i + 1);
            EXPECT_EQ(textAusDatum(plan[i].ab), zeile.ab[i]) << "step " << i + 1;
        }
        EXPECT_EQ(plan[11].jahre, 32);
    }
}

struct Tageszeile {
    const char* name;
    const char* tag;
    int stufe;
};

// BDA 01/01/1990: step 6 from 01/01/2001.
const Tageszeile tage[] = {
    {"Tag vor dem BDA", "31/12/1989", 0},
    {"am BDA", "01/01/1990", 1},
    {"Tag vor Stufe 2", "31/12/1991", 1},
    {"Tag vor Stufe 6", "31/12/2000", 5},
    {"am ersten Tag der Stufe 6 ernannt", "01/01/2001", 6},
    {"Tag danach", "02/01/2001", 6},
    {"auf der letzten Stufe", "01/01/2022", 12},
    {"lange nach der letzten Stufe", "31/12/2040", 12},
};

TEST(Stufenplan, StufeAmTagDerErnennung) {
    const Stufenfolge plan = stufenplan(*datumAusText("01/01/1990"));
    for (const auto& zeile : tage) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(stufeAm(plan, *datumAusText(zeile.tag)), zeile.stufe);
    }
}

}  // namespace

}  // namespace bda
