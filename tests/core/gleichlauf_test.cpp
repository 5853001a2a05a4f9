// What the case shows is what it counts: rows follow their fields after every Enter, a moved
// appointment names what no longer counts, nothing is evaluated without birth date and appointment.
#include <gtest/gtest.h>

#include "Falltest.h"

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}

// Born 15/06/1970, appointed 15/06/2008 as A 1-12: regular BDA 01/06/1991, quarter rule from 15/06/2001
// to 14/06/2005 (share 4 years), half rule from 15/06/2005 to 14/06/2008 (share 3 years). Without
// periods the BDA moves by 1 year and 1 year 6 months to 01/12/1993.
class Gleichlauf : public Falltest {
   protected:
    Gleichlauf() { grunddaten("15/06/1970", "15/06/2008"); }
};

TEST_F(Gleichlauf, AmtHinUndZurückBehältDieZeiträume) {
    abspielen({{3, "01/01/2002", "Datum(4)", ""}, {4, "31/12/2002", "Eingabe(0)", ""}});
    ASSERT_EQ(fall.bdaDatum, "01/09/1993.") << "a quarter of the 3 years left";
    steuerung.eingangsamtGeklickt(3);
    EXPECT_EQ(fall.rahmen1[1], Z{}) << "the hidden frame counts nothing";
    steuerung.eingangsamtGeklickt(0);
    EXPECT_EQ(fall.rahmen1[1], (Z{0, 0, 1}));
    EXPECT_EQ(fall.bdaDatum, "01/09/1993.");
}

TEST_F(Gleichlauf, ZeilenFolgenIhrenFeldern) {
    const struct {
        const char* name;
        int feld;
        const char* text;
        Z zeile5;  // row 1 of the half frame afterwards
        const char* bda;
    } schritte[] = {
        // half of 1080 - 11 days is 1 year 5 months 24 days
        {"Zeitraum von 11 Tagen", 12, "30/09/2006", {11, 0, 0}, "01/11/1993."},
        {"Beginn neu: 25/09 bis 30/09 sind 6 Tage", 11, "25/09/2006", {6, 0, 0}, "01/11/1993."},
        {"Beginn nach dem Ende: der Zeitraum läuft rückwärts", 11, "01/10/2006", {}, "01/12/1993."},
        {"Beginn zurück", 11, "20/09/2006", {11, 0, 0}, "01/11/1993."},
        {"Ende mit F3 und Enter geleert", 12, "__/__/____", {}, "01/12/1993."},
        // half of 1080 - 180 days is 1 year 3 months
        {"Ende neu, 20/09/2006 bis 19/03/2007", 12, "19/03/2007", {0, 6, 0}, "01/09/1993."},
        {"Ende unvollständig", 12, "19/03/20__", {}, "01/12/1993."},
    };
    datum(11, "20/09/2006");
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.name);
        datum(s.feld, s.text);
        EXPECT_EQ(fall.rahmen2[1], s.zeile5);
        EXPECT_EQ(fall.bdaDatum, s.bda);
    }
}

TEST_F(Gleichlauf, VerschobeneErnennungNenntWasNichtMehrZählt) {
    abspielen({{11, "20/09/2006", "Datum(12)", ""}, {12, "30/09/2006", "Eingabe(4)", ""}});
    abspielen(
        {{2, "15/06/2006", "Datum(3)",
          "Der Zeitraum vom 20/09/2006 bis 30/09/2006 liegt außerhalb der Zeitspanne vom 15/06/2005 bis "
          "14/06/2006 und wird nicht angerechnet."}});
    EXPECT_EQ(fall.rahmen2[1], Z{});
    EXPECT_EQ(fall.datum[11], "20/09/2006") << "nothing typed is removed";

    abspielen({{2, "15/06/2008", "Datum(3)", ""}});
    EXPECT_EQ(fall.rahmen2[1], (Z{11, 0, 0})) << "the corrected appointment lets the period count again";
}

TEST_F(Gleichlauf, AmtswechselNenntWasNichtMehrZählt) {
    abspielen({{3, "01/01/2002", "Datum(4)", ""}, {4, "31/12/2002", "Eingabe(0)", ""}});
    abspielen({{11, "01/01/2006", "Datum(12)", ""}, {12, "31/03/2006", "Eingabe(4)", ""}});
    protokoll.meldungen.clear();
    steuerung.eingangsamtGeklickt(3);  // professors: the half rule from 15/06/2010, after the appointment
    EXPECT_TRUE(protokoll.meldungen.empty()) << "no frame is shown, so nothing is named";
    steuerung.eingangsamtGeklickt(1);  // A 13/14: half rule from 15/06/2005 to 14/06/2008
    EXPECT_TRUE(protokoll.meldungen.empty()) << protokoll.meldungen.front();
    EXPECT_EQ(fall.rahmen2[1], (Z{0, 3, 0}));
    EXPECT_EQ(fall.rahmen1[1], Z{});
}

TEST_F(Gleichlauf, OhneGeburtstagUndErnennungWirdNichtsAusgewertet) {
    const struct {
        const char* name;
        const char* geburtstag;
        const char* ernennung;  // typed without Enter before the step
        int feld;
        const char* text;
        const char* meldung;
        const char* fokus;
    } fälle[] = {
        {"Ernennung, Geburtstag unvollständig", "15/__/____", "__/__/____", 2, "01/01/2010",
         "Bitte zuerst den Geburtstag eingeben.", "Datum(0)"},
        {"Zeitraumbeginn ohne Geburtstag", "__/__/____", "01/01/2010", 11, "01/01/2006",
         "Bitte zuerst den Geburtstag eingeben.", "Datum(0)"},
        {"Zeitraumbeginn ohne Ernennung", "15/06/1970", "__/__/____", 3, "01/01/2002",
         "Bitte zuerst den Tag der Ernennung eingeben.", "Datum(2)"},
        {"Zeitraumende ohne Ernennung", "15/06/1970", "__/__/____", 12, "31/12/2006",
         "Bitte zuerst den Tag der Ernennung eingeben.", "Datum(2)"},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        datum(0, f.geburtstag);
        fall.datum[2] = f.ernennung;
        const std::string regelBDA = fall.datum[1];
        protokoll.meldungen.clear();
        abspielen({{f.feld, f.text, f.fokus, f.meldung}});
        EXPECT_EQ(fall.datum[f.feld], "__/__/____");
        EXPECT_EQ(fall.tagnummer[f.feld], 0);
        EXPECT_EQ(fall.überschritten, Z{});
        EXPECT_EQ(fall.datum[1], regelBDA) << "nothing else is cleared";
        EXPECT_EQ(fall.datum[0], f.geburtstag);
    }
}

TEST_F(Gleichlauf, EndeOhneBeginnZähltNicht) {
    const struct {
        const char* name;
        const char* beginn;  // typed without Enter
    } fälle[] = {{"leerer Beginn", "__/__/____"}, {"unvollständiger Beginn", "01/03/____"}};
    abspielen({{3, "01/06/2002", "Datum(4)", ""}, {4, "31/12/2002", "Eingabe(0)", ""}});
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        fall.datum[5] = f.beginn;
        abspielen({{6, "31/12/2003", "Datum(5)", ""}});  // no enclosure message for a start that is no date
        EXPECT_EQ(fall.datum[5], "__/__/____");
        EXPECT_EQ(fall.datum[6], "__/__/____");
        EXPECT_EQ(fall.rahmen1[2], Z{});
    }
}

TEST_F(Gleichlauf, RichterÄndernNurIhreMeldung) {
    steuerung.eingangsamtGeklickt(1);
    const Fall vorher = fall;
    protokoll.meldungen.clear();
    steuerung.eingangsamtGeklickt(4);
    EXPECT_EQ(protokoll.meldungen, std::vector<std::string>{"in Vorbereitung"});
    EXPECT_EQ(fall.amtswahl, 1);
    EXPECT_EQ(fall.titel, vorher.titel);
    EXPECT_EQ(fall.text3, vorher.text3);
    EXPECT_EQ(fall.label10, vorher.label10);
    EXPECT_EQ(fall.bdaDatum, "01/12/1992.");

    datum(2,
          "15/06/2010");  // evaluated as A 13/14 still: 5 years from the 35th birthday, half 2 years 6 months
    EXPECT_EQ(fall.bdaDatum, "01/12/1993.");
}

// The regular BDA may be set by hand to the first of a month only.
TEST_F(Gleichlauf, RegelBDANurAmErsten) {
    const struct {
        const char* name;
        bool geburtstag;
        const char* text;
        const char* meldung;
        const char* feld1;
        const char* bda;
    } fälle[] = {
        {"Monatsmitte: zurück zum abgeleiteten Wert", true, "15/06/2025",
         "Das Regel-Besoldungsdienstalter beginnt stets am Ersten eines Monats.", "01/06/1991",
         "01/12/1993."},
        {"Monatserster wird übernommen", true, "01/06/2025", "", "01/06/2025", "01/12/2027."},
        {"unvollständig ist kein Datum", true, "0_/__/____", "", "0_/__/____", ""},
        {"ungültig wird abgewiesen", true, "31/06/2025", "Den 31/06/2025 gibt es nicht.", "__/__/____", ""},
        {"Monatsmitte ohne Geburtstag", false, "15/06/2025",
         "Das Regel-Besoldungsdienstalter beginnt stets am Ersten eines Monats.", "__/__/____", ""},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        grunddaten(f.geburtstag ? "15/06/1970" : "__/__/____", f.geburtstag ? "15/06/2008" : "__/__/____");
        protokoll.letzterFokus.reset();
        abspielen({{1, f.text, *f.meldung ? "Datum(1)" : "none", f.meldung}});
        EXPECT_EQ(fall.datum[1], f.feld1);
        EXPECT_EQ(fall.bdaDatum, f.bda);
    }
}

}  // namespace

}  // namespace bda
