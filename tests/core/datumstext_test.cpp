#include "Datumstext.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

enum class Urteil { gültig, außerhalb, gibtEsNicht };

std::string meldung(Urteil urteil, const std::string& text) {
    if (urteil == Urteil::gibtEsNicht) return "Den " + text + " gibt es nicht.";
    return "Das Datum " + text + " ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040.";
}

struct Prüfung {
    const char* name;
    const char* text;
    Urteil urteil;
};

const Prüfung prüfungen[] = {
    {"day before the first date", "31/12/1929", Urteil::außerhalb},
    {"first date", "01/01/1930", Urteil::gültig},
    {"day after the first date", "02/01/1930", Urteil::gültig},
    {"day before the last date", "30/12/2040", Urteil::gültig},
    {"last date", "31/12/2040", Urteil::gültig},
    {"day after the last date", "01/01/2041", Urteil::außerhalb},
    {"far before the range", "15/03/1925", Urteil::außerhalb},
    {"29 February of a century leap year", "29/02/2000", Urteil::gültig},
    {"29 February of a leap year", "29/02/2004", Urteil::gültig},
    {"29 February of a common year", "29/02/2001", Urteil::gibtEsNicht},
    {"31 February", "31/02/2001", Urteil::gibtEsNicht},
    {"31 April", "31/04/2001", Urteil::gibtEsNicht},
    {"30 April", "30/04/2001", Urteil::gültig},
    {"month 13", "01/13/2001", Urteil::gibtEsNicht},
    {"day 0", "00/01/2001", Urteil::gibtEsNicht},
    {"blank instead of a digit", "1 /01/2001", Urteil::gibtEsNicht},
    {"incomplete text is no refusal", "31/02/____", Urteil::gültig},
    {"empty field is no refusal", "__/__/____", Urteil::gültig},
};

TEST(Datumstext, ZulässigeDaten) {
    for (const auto& zeile : prüfungen) {
        SCOPED_TRACE(zeile.name);
        const auto fehler = datumsfehler(zeile.text);
        if (zeile.urteil != Urteil::gültig) {
            ASSERT_TRUE(fehler.has_value());
            EXPECT_EQ(*fehler, meldung(zeile.urteil, zeile.text));
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
        EXPECT_EQ(textAusDatum(geburtstag(*datumAusText(zeile.geburtsdatum), zeile.jahre)), zeile.erwartet);
    }
}

}  // namespace

}  // namespace bda
