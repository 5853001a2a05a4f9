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
    {"Tag vor dem ersten Datum", "31/12/1929", Urteil::außerhalb},
    {"erstes Datum", "01/01/1930", Urteil::gültig},
    {"Tag nach dem ersten Datum", "02/01/1930", Urteil::gültig},
    {"Tag vor dem letzten Datum", "30/12/2040", Urteil::gültig},
    {"letztes Datum", "31/12/2040", Urteil::gültig},
    {"Tag nach dem letzten Datum", "01/01/2041", Urteil::außerhalb},
    {"weit vor dem Bereich", "15/03/1925", Urteil::außerhalb},
    {"29. Februar eines Jahrhundert-Schaltjahrs", "29/02/2000", Urteil::gültig},
    {"29. Februar eines Schaltjahrs", "29/02/2004", Urteil::gültig},
    {"29. Februar eines Gemeinjahrs", "29/02/2001", Urteil::gibtEsNicht},
    {"31. Februar", "31/02/2001", Urteil::gibtEsNicht},
    {"31. April", "31/04/2001", Urteil::gibtEsNicht},
    {"30. April", "30/04/2001", Urteil::gültig},
    {"Monat 13", "01/13/2001", Urteil::gibtEsNicht},
    {"Tag 0", "00/01/2001", Urteil::gibtEsNicht},
    {"Blank statt einer Ziffer", "1 /01/2001", Urteil::gibtEsNicht},
    {"unvollständiger Text wird nicht abgewiesen", "31/02/____", Urteil::gültig},
    {"leeres Feld wird nicht abgewiesen", "__/__/____", Urteil::gültig},
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
    {"21. Geburtstag", "15/06/1975", 21, "15/06/1996"},
    {"40. Geburtstag", "01/01/1959", 40, "01/01/1999"},
    {"29. Februar, 21. Geburtstag im Gemeinjahr ist der 1. März", "29/02/1972", 21, "01/03/1993"},
    {"29. Februar, 31. Geburtstag", "29/02/1972", 31, "01/03/2003"},
    {"29. Februar, 35. Geburtstag", "29/02/1972", 35, "01/03/2007"},
    {"29. Februar, 40. Geburtstag im Schaltjahr bleibt", "29/02/1972", 40, "29/02/2012"},
    {"28. Februar bleibt", "28/02/1971", 21, "28/02/1992"},
};

TEST(Datumstext, GeburtstageSindEchteDaten) {
    for (const auto& zeile : geburtstage) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(textAusDatum(geburtstag(*datumAusText(zeile.geburtsdatum), zeile.jahre)), zeile.erwartet);
    }
}

}  // namespace

}  // namespace bda
