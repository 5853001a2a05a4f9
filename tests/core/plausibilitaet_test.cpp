#include <gtest/gtest.h>

#include "Falltest.h"

namespace {

using Z = Zeitspanne;

// Born 15/06/1970, appointed 15/06/2008 as A 1-12: quarter rule from 15/06/2001 to 14/06/2005, half rule
// from 15/06/2005 to 14/06/2008.
class Plausibilität : public Falltest {
   protected:
    Plausibilität() { grunddaten("15/06/1970", "15/06/2008"); }

    void zeitraum(int start, const char* von, const char* bis) {
        datum(start, von);
        datum(start + 1, bis);
    }
};

struct Prüfung {
    const char* name;
    int feld;
    const char* text;
    const char* meldung;  // empty: accepted
};

const Prüfung prüfungen[] = {
    {"from on the first day of the span", 3, "15/06/2001", ""},
    {"from one day before the span", 3, "14/06/2001",
     "Das Datum 14/06/2001 liegt   v o r   der hier zu prüfenden Zeitspanne vom 15/06/2001 bis 14/06/2005."},
    {"from after the span", 3, "15/06/2005",
     "Das Datum 15/06/2005 liegt   n a c h   der hier zu prüfenden Zeitspanne vom 15/06/2001 bis "
     "14/06/2005."},
    {"half-rule from on the first day", 11, "15/06/2005", ""},
    {"half-rule from before the span", 11, "14/06/2005",
     "Das Datum 14/06/2005 liegt   v o r   der hier zu prüfenden Zeitspanne vom 15/06/2005 bis 14/06/2008."},
    {"last half-rule row after the span", 17, "15/06/2008",
     "Das Datum 15/06/2008 liegt   n a c h   der hier zu prüfenden Zeitspanne vom 15/06/2005 bis "
     "14/06/2008."},
};

TEST_F(Plausibilität, SpanneDesRahmens) {
    for (const auto& p : prüfungen) {
        SCOPED_TRACE(p.name);
        protokoll.meldungen.clear();
        datum(p.feld, p.text);
        if (*p.meldung == '\0') {
            EXPECT_TRUE(protokoll.meldungen.empty());
            EXPECT_EQ(fall.datum[p.feld], p.text);
            EXPECT_EQ(fokus(), "Datum(" + std::to_string(p.feld + 1) + ")");
        } else {
            ASSERT_EQ(protokoll.meldungen.size(), 1u);
            EXPECT_EQ(protokoll.meldungen[0], p.meldung);
            EXPECT_EQ(fall.datum[p.feld], "__/__/____");
            EXPECT_EQ(fall.tagnummer[p.feld], 0);
            EXPECT_EQ(fokus(), "Datum(" + std::to_string(p.feld) + ")");
        }
        fall.datum[p.feld] = leeresDatum;
    }
}

TEST_F(Plausibilität, EndeAmLetztenTagDerSpanneUndEinenTagDanach) {
    zeitraum(3, "01/01/2005", "14/06/2005");
    EXPECT_TRUE(protokoll.meldungen.empty());
    EXPECT_EQ(fall.rahmen1[1], (Z{14, 5, 0}));

    zeitraum(5, "01/01/2004", "15/06/2005");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0],
              "Das Datum 15/06/2005 liegt   n a c h   der hier zu prüfenden Zeitspanne vom 15/06/2001 bis "
              "14/06/2005.");
    // The driver empties both dates of the period and goes back to its start.
    EXPECT_EQ(fall.datum[5], "__/__/____");
    EXPECT_EQ(fall.datum[6], "__/__/____");
    EXPECT_EQ(fokus(), "Datum(5)");
}

TEST_F(Plausibilität, DatumAußerhalbSetztDieZeileZurück) {
    zeitraum(17, "01/01/2007", "31/12/2007");
    ASSERT_EQ(fall.rahmen2[4], (Z{0, 0, 1}));
    datum(17, "01/01/2000");
    EXPECT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(fall.rahmen2[4], Z{});
    EXPECT_EQ(fall.datum[18], "31/12/2007");  // only the refused field is emptied
}

TEST_F(Plausibilität, ÜberschneidungMitEinemAnderenZeitraum) {
    zeitraum(3, "01/07/2001", "31/12/2001");
    datum(5, "31/12/2001");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(
        protokoll.meldungen[0],
        "Das Datum 31/12/2001 liegt in der bereits verwendeten Zeitspanne vom 01/07/2001 bis 31/12/2001");
    EXPECT_EQ(fokus(), "Datum(5)");

    protokoll.meldungen.clear();
    datum(5, "01/01/2002");
    EXPECT_TRUE(protokoll.meldungen.empty());
    EXPECT_EQ(fokus(), "Datum(6)");
}

TEST_F(Plausibilität, EndeVorDemEigenenBeginn) {
    datum(3, "10/10/2002");
    datum(4, "09/10/2002");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0],
              "Das Datum 09/10/2002 liegt   v o r   dem Datum 10/10/2002 und damit nicht in der richtigen "
              "Zeitrichtung.");
    EXPECT_EQ(fall.datum[3], "__/__/____");
    EXPECT_EQ(fall.datum[4], "__/__/____");
    EXPECT_EQ(fokus(), "Datum(3)");

    protokoll.meldungen.clear();
    zeitraum(3, "10/10/2002", "10/10/2002");
    EXPECT_TRUE(protokoll.meldungen.empty());
    EXPECT_EQ(fall.rahmen1[1], (Z{1, 0, 0}));
    EXPECT_EQ(fokus(), "Eingabe(0)");
}

TEST_F(Plausibilität, BeginnNachDemEigenenEndeWirdErstAmEndeGeprüft) {
    zeitraum(3, "01/01/2002", "31/01/2002");
    datum(3, "01/03/2002");
    EXPECT_TRUE(protokoll.meldungen.empty());
    EXPECT_EQ(fall.datum[3], "01/03/2002");
}

TEST_F(Plausibilität, EinZeitraumDarfKeinenAnderenUmschließen) {
    zeitraum(3, "01/01/2003", "31/12/2003");
    zeitraum(5, "01/06/2002", "31/12/2004");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0],
              "Der Zeitraum vom 01/06/2002 bis 31/12/2004 umschließt die bereits verwendete Zeitspanne vom "
              "01/01/2003 bis 31/12/2003.");
    EXPECT_EQ(fall.datum[5], "__/__/____");
    EXPECT_EQ(fall.datum[6], "__/__/____");
    EXPECT_EQ(fall.rahmen1[2], Z{});
    EXPECT_EQ(fall.rahmen1[5], (Z{0, 0, 1}));  // the inner year is counted once
    EXPECT_EQ(fokus(), "Datum(5)");
}

TEST_F(Plausibilität, OhneErnennungLiegtJedesDatumNachDerSpanne) {
    datum(0, "15/06/1970");
    datum(3, "01/01/2000");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0],
              "Das Datum 01/01/2000 liegt   n a c h   der hier zu prüfenden Zeitspanne vom __/__/____ bis "
              "__/__/____.");
}

}  // namespace
