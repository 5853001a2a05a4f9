#include "Datumstext.h"

#include <gtest/gtest.h>

namespace {

const std::string ungültig(const char* text) {
    return std::string("Das Datum ") + text +
           " ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040.";
}

struct Prüfung {
    const char* name;
    const char* text;
    bool abgelehnt;
};

const Prüfung prüfungen[] = {
    {"day before the first date", "31/12/1929", true},
    {"first date", "01/01/1930", false},
    {"day after the first date", "02/01/1930", false},
    {"day before the last date", "30/12/2040", false},
    {"last date", "31/12/2040", false},
    {"day after the last date", "01/01/2041", true},
    {"far before the range", "15/03/1925", true},
    {"29 February of a century leap year", "29/02/2000", false},
    {"29 February of a leap year", "29/02/2004", false},
    {"29 February of a common year", "29/02/2001", true},
    {"31 February", "31/02/2001", true},
    {"31 April", "31/04/2001", true},
    {"30 April", "30/04/2001", false},
    {"month 13", "01/13/2001", true},
    {"day 0", "00/01/2001", true},
    {"blank instead of a digit", "1 /01/2001", true},
    {"incomplete text is no refusal", "31/02/____", false},
    {"empty field is no refusal", "__/__/____", false},
};

TEST(Datumstext, ZulässigeDaten) {
    for (const auto& zeile : prüfungen) {
        SCOPED_TRACE(zeile.name);
        const auto fehler = datumsfehler(zeile.text);
        if (zeile.abgelehnt) {
            ASSERT_TRUE(fehler.has_value());
            EXPECT_EQ(*fehler, ungültig(zeile.text));
        } else {
            EXPECT_FALSE(fehler.has_value());
        }
    }
}

struct Geburtstag {
    const char* name;
    const char* geburtsdatum;
    int jahre;
    const char* erwartet;
};

const Geburtstag geburtstage[] = {
    {"21st birthday", "15/06/1975", 21, "15/06/1996"},
    {"40th birthday", "01/01/1959", 40, "01/01/1999"},
    {"29 February, 21st birthday in a common year is 1 March", "29/02/1972", 21, "01/03/1993"},
    {"29 February, 31st birthday", "29/02/1972", 31, "01/03/2003"},
    {"29 February, 35th birthday", "29/02/1972", 35, "01/03/2007"},
    {"29 February, 40th birthday in a leap year stays", "29/02/1972", 40, "29/02/2012"},
    {"28 February stays", "28/02/1971", 21, "28/02/1992"},
};

TEST(Datumstext, GeburtstageSindEchteDaten) {
    for (const auto& zeile : geburtstage) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(geburtstagstext(zeile.geburtsdatum, zeile.jahre), zeile.erwartet);
    }
}

}  // namespace
