#include "Datumsdifferenz.h"

#include <gtest/gtest.h>

#include "Datumstext.h"
#include "Kalendermodell.h"

namespace bda {

namespace {

// Worked spans of the 30-day reckoning, checked against the program and against the tests' own calendar
// (the property tests are only as good as that calendar).
struct Spanne {
    const char* name;
    const char* anfang;
    const char* ende;
    Zeitspanne erwartet;  // {tage, monate, jahre}
};

const Spanne spannen[] = {
    {"ganzes Jahr", "01/01/2000", "31/12/2000", {0, 0, 1}},
    {"Februarende im Gemeinjahr zählt als der 30.", "15/02/2001", "28/02/2001", {16, 0, 0}},
    {"Beginn am letzten Februartag ergänzt die fehlenden Tage", "28/02/2001", "15/03/2001", {18, 0, 0}},
    {"Beginn 28/02 im Gemeinjahr, Ende 30/04", "28/02/2001", "30/04/2001", {3, 2, 0}},
    {"Beginn 29/02 im Schaltjahr, Ende an einem 31.", "29/02/2004", "31/03/2004", {2, 1, 0}},
    {"31. bis 31.: Beginn am 1. des Folgemonats", "31/01/2001", "31/03/2001", {0, 2, 0}},
    {"Beginn am 31/12 borgt einen Monat", "31/12/2000", "15/12/2001", {15, 11, 0}},
    {"ein Tag weniger als ein Jahr ergibt ein Jahr", "10/05/2000", "09/05/2001", {0, 0, 1}},
    {"derselbe Tag zählt einen Tag", "10/05/2000", "10/05/2000", {1, 0, 0}},
    {"Beginn im Februar, Ende am 29.: 32 Tage, kein Übertrag", "28/02/2001", "29/03/2001", {32, 0, 0}},
    {"Beginn im Februar, Ende am 28.: 31 Tage, kein Übertrag", "28/02/2001", "28/03/2001", {31, 0, 0}},
    {"31 Tage ab dem Schalttag", "29/02/2004", "29/03/2004", {31, 0, 0}},
    {"30 Tage ab dem Schalttag sind ein Monat", "29/02/2004", "28/03/2004", {0, 1, 0}},
    {"31/01 bis 15/01 des Folgejahres", "31/01/2001", "15/01/2002", {15, 11, 0}},
    {"28/02 bis 28/02 im Gemeinjahr: Ende gilt als der 30.", "28/02/2001", "28/02/2001", {3, 0, 0}},
    {"29/02 bis 30/04 im Schaltjahr", "29/02/2004", "30/04/2004", {2, 2, 0}},
    {"30/04 bis 31/05: der 31. ist der 30.", "30/04/2001", "31/05/2001", {1, 1, 0}},
    {"ein 31. allein zählt nichts", "31/03/2001", "31/03/2001", {0, 0, 0}},
    {"1900 zählt als Schaltjahr: 28/02 ist kein Monatsende", "28/02/1900", "28/02/1900", {1, 0, 0}},
    {"1900 als Schaltjahr: Februar bis zum 28.", "01/02/1900", "28/02/1900", {28, 0, 0}},
    {"ein Tag", "01/03/2001", "02/03/2001", {2, 0, 0}},
    {"29 Tage", "01/03/2001", "29/03/2001", {29, 0, 0}},
    {"30 Tage ergeben einen Monat", "01/03/2001", "30/03/2001", {0, 1, 0}},
    {"leere Texte gelten als Nullen", "__/__/____", "__/__/____", {1, 0, 0}},
};

TEST(Datumsdifferenz, SpannenIm30TageMonat) {
    for (const auto& zeile : spannen) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(datumsdifferenz(zeile.anfang, zeile.ende), zeile.erwartet);
        const auto anfang = kalendermodell::lesen(zeile.anfang), ende = kalendermodell::lesen(zeile.ende);
        if (anfang && ende) {
            EXPECT_EQ(kalendermodell::dreißigTage(*anfang, *ende), zeile.erwartet) << "Kalendermodell";
        }
    }
}

// Calendar days from the first date to the second: the program's day number of a field counted from
// the birth date, and the tests' own calendar.
struct Tagnummer {
    const char* name;
    const char* geburtstag;
    const char* feld;
    int erwartet;
};

const Tagnummer tagnummern[] = {
    {"Geburtstag leer", "__/__/____", "01/01/2000", 0},
    {"Feld leer", "15/06/1970", "__/__/____", 0},
    {"Feld am Geburtstag", "15/06/1970", "15/06/1970", 0},
    {"ein Tag danach", "15/06/1970", "16/06/1970", 1},
    {"ein Tag davor", "15/06/1970", "14/06/1970", -1},
    {"dreißig Jahre der Unix-Epoche", "01/01/1970", "01/01/2000", 10957},
    {"2000 ist ein Schaltjahr", "28/02/2000", "01/03/2000", 2},
    {"100 Jahre mit 25 Schalttagen", "01/01/1930", "01/01/2030", 36525},
    {"ganzer Bereich der Felder, über 16 Bit hinaus", "01/01/1930", "31/12/2040", 40542},
    {"unvollständiges Feld", "15/06/1970", "01/01/20__", 0},
};

TEST(Datumsdifferenz, TagnummerAbGeburtstag) {
    for (const auto& zeile : tagnummern) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(datumdiffneu(zeile.geburtstag, zeile.feld), zeile.erwartet);
        const auto von = kalendermodell::lesen(zeile.geburtstag), bis = kalendermodell::lesen(zeile.feld);
        if (von && bis) {
            EXPECT_EQ(kalendermodell::kalendertage(*von, *bis), zeile.erwartet) << "Kalendermodell";
        }
    }
    // Outside the fields' range, for the tests' calendar alone.
    EXPECT_EQ(kalendermodell::kalendertage({1900, 2, 28}, {1900, 3, 1}), 1) << "1900 ist kein Schaltjahr";
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
