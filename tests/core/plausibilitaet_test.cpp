#include <gtest/gtest.h>

#include "Falltest.h"

namespace bda {

namespace {

using Z = Zeitspanne;

// Born 15/06/1970, appointed 15/06/2008 as A 1-12: quarter rule from 15/06/2001 to 14/06/2005, half rule
// from 15/06/2005 to 14/06/2008.
class Plausibilität : public Falltest {
   protected:
    Plausibilität() { grunddaten("15/06/1970", "15/06/2008"); }
};

const char* const vorViertel =
    "Das Datum 14/06/2001 liegt vor der hier zu prüfenden Zeitspanne vom 15/06/2001 bis 14/06/2005.";

TEST_F(Plausibilität, SpanneDesRahmensEndenEingeschlossen) {
    abspielen({
        {3, "14/06/2001", "Datum(3)", vorViertel},
        {3, "15/06/2001", "Datum(4)", ""},
        {4, "14/06/2005", "Eingabe(0)", ""},
        {11, "14/06/2005", "Datum(11)",
         "Das Datum 14/06/2005 liegt vor der hier zu prüfenden Zeitspanne vom 15/06/2005 bis "
         "14/06/2008."},
        {11, "15/06/2005", "Datum(12)", ""},
        {12, "14/06/2008", "Eingabe(4)", ""},
        {13, "01/01/2009", "Datum(13)",
         "Das Datum 01/01/2009 liegt nach der hier zu prüfenden Zeitspanne vom 15/06/2005 bis "
         "14/06/2008."},
    });
    EXPECT_EQ(fall.datum[13], "__/__/____");
    EXPECT_EQ(fall.tagnummer[13], 0);
    EXPECT_EQ(fall.rahmen1[1], (Z{0, 0, 4}));
    EXPECT_EQ(fall.rahmen2[1], (Z{0, 0, 3}));
}

TEST_F(Plausibilität, EndeNachDerSpanneLeertDenZeitraum) {
    abspielen({
        {5, "01/01/2004", "Datum(6)", ""},
        {6, "15/06/2005", "Datum(5)",
         "Das Datum 15/06/2005 liegt nach der hier zu prüfenden Zeitspanne vom 15/06/2001 bis "
         "14/06/2005."},
    });
    EXPECT_EQ(fall.datum[5], "__/__/____");
    EXPECT_EQ(fall.datum[6], "__/__/____");
    EXPECT_EQ(fall.rahmen1[2], Z{});

    // A start later than its row's end passes: only the end is checked for the direction.
    abspielen({
        {5, "01/01/2004", "Datum(6)", ""},
        {6, "31/01/2004", "Eingabe(1)", ""},
        {5, "01/03/2004", "Datum(6)", ""},
    });
}

TEST_F(Plausibilität, DatumAußerhalbSetztNurDieZeileZurück) {
    abspielen({
        {17, "01/01/2007", "Datum(18)", ""},
        {18, "31/12/2007", "Eingabe(7)", ""},
        {17, "01/01/2000", "Datum(17)",
         "Das Datum 01/01/2000 liegt vor der hier zu prüfenden Zeitspanne vom 15/06/2005 bis "
         "14/06/2008."},
    });
    EXPECT_EQ(fall.rahmen2[4], Z{});
    EXPECT_EQ(fall.datum[18], "31/12/2007");
}

TEST_F(Plausibilität, ÜberschneidungRichtungUndUmschließung) {
    abspielen({
        {3, "01/07/2001", "Datum(4)", ""},
        {4, "31/12/2001", "Eingabe(0)", ""},
        {5, "31/12/2001", "Datum(5)",
         "Das Datum 31/12/2001 liegt in der bereits verwendeten Zeitspanne vom 01/07/2001 bis 31/12/2001"},
        {5, "10/10/2002", "Datum(6)", ""},
        {6, "09/10/2002", "Datum(5)",
         "Das Datum 09/10/2002 liegt vor dem Datum 10/10/2002 und damit nicht in der richtigen "
         "Zeitrichtung."},
        {5, "10/10/2002", "Datum(6)", ""},
        {6, "10/10/2002", "Eingabe(1)", ""},
        {7, "01/06/2000", "Datum(7)",
         "Das Datum 01/06/2000 liegt vor der hier zu prüfenden Zeitspanne vom 15/06/2001 bis "
         "14/06/2005."},
        {7, "01/06/2002", "Datum(8)", ""},
        {8, "31/12/2004", "Datum(7)",
         "Der Zeitraum vom 01/06/2002 bis 31/12/2004 umschließt die bereits verwendete Zeitspanne vom "
         "10/10/2002 bis 10/10/2002."},
    });
    EXPECT_EQ(fall.rahmen1[2], (Z{1, 0, 0}));
    EXPECT_EQ(fall.rahmen1[3], Z{});
    EXPECT_EQ(fall.rahmen1[5], (Z{1, 6, 0})) << "the enclosed day is counted once";
}

}  // namespace

}  // namespace bda
