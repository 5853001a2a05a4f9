#include <gtest/gtest.h>

#include "Falltest.h"

namespace {

using Z = Zeitspanne;

class Fallsteuerung_ : public Falltest {};

TEST_F(Fallsteuerung_, GeburtstagErgibtRegelBDA) {
    const struct {
        const char* name;
        const char* geburtstag;
        const char* vollendung21;
        const char* regelBDA;
    } zeilen[] = {
        {"middle of a month", "15/06/1975", "14/06/1996", "01/06/1996"},
        {"first of January", "01/01/1975", "31/12/1995", "01/12/1995"},
        {"29 February: 21st year completed on 28 February", "29/02/1972", "28/02/1993", "01/02/1993"},
        {"21st birthday on 1 March of a leap year", "01/03/1975", "29/02/1996", "01/02/1996"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        datum(0, z.geburtstag);
        EXPECT_EQ(fall.datum[24], z.vollendung21);
        EXPECT_EQ(fall.datum[1], z.regelBDA);
        EXPECT_EQ(fall.datum[19], z.regelBDA);
        EXPECT_EQ(fall.bdaDatum, std::string(z.regelBDA) + ".");
        EXPECT_EQ(fokus(), "Datum(2)");
    }
}

TEST_F(Fallsteuerung_, UnvollständigerGeburtstagLöschtNurDenFall) {
    grunddaten("15/06/1970", "15/06/2008");
    datum(3, "01/01/2002");
    datum(4, "31/12/2002");
    fall.eingabe[0] = "Elternzeit";
    protokoll.letzterFokus.reset();

    datum(0, "15/06/____");

    for (int i = 1; i < Feld::anzahl; ++i) EXPECT_EQ(fall.datum[i], "__/__/____") << i;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(fall.rahmen1[i], Z{}) << i;
        EXPECT_EQ(fall.rahmen2[i], Z{}) << i;
    }
    EXPECT_EQ(fall.überschritten, Z{});
    EXPECT_EQ(fall.gesamt, Z{});
    EXPECT_EQ(fall.eingabe[0], "");
    EXPECT_EQ(fall.datum[0], "15/06/____");
    EXPECT_EQ(fall.bdaDatum, "") << "no result of the previous case stays in the panel";
    EXPECT_EQ(fokus(), "none");
    EXPECT_TRUE(protokoll.meldungen.empty());
}

TEST_F(Fallsteuerung_, UngültigesDatumWirdVomFeldAbgewiesen) {
    const struct {
        const char* text;
        int feld;
    } zeilen[] = {{"31/02/2001", 0}, {"15/03/1925", 2}, {"01/01/2041", 3}};
    grunddaten("15/06/1970", "15/06/2008");
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.text);
        protokoll.meldungen.clear();
        datum(z.feld, z.text);
        ASSERT_EQ(protokoll.meldungen.size(), 1u);
        EXPECT_EQ(protokoll.meldungen[0],
                  std::string("Das Datum ") + z.text +
                      " ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040.");
        EXPECT_EQ(fall.datum[z.feld], "__/__/____");
        EXPECT_EQ(fokus(), "Datum(" + std::to_string(z.feld) + ")");
    }
    EXPECT_EQ(fall.datum[1], "01/06/1991") << "the refused birth date did not clear the case";
}

TEST_F(Fallsteuerung_, DatumVorDemGeburtstag) {
    grunddaten("15/06/1970", "15/06/2008");
    datum(3, "01/01/1960");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0], "Das Datum 01/01/1960 liegt vor dem Geburtstag 15/06/1970.");
    EXPECT_EQ(fall.datum[3], "__/__/____");
    EXPECT_EQ(fall.tagnummer[3], 0);
    EXPECT_EQ(fokus(), "Datum(3)");

    protokoll.meldungen.clear();
    datum(2, "14/06/1970");
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0], "Das Datum 14/06/1970 liegt vor dem Geburtstag 15/06/1970.");
    EXPECT_EQ(fall.datum[2], "__/__/____");
    EXPECT_EQ(fokus(), "Datum(2)");
}

TEST_F(Fallsteuerung_, ProgrammfelderBekommenNurIhreTagnummer) {
    grunddaten("15/06/1970", "15/06/2008");
    const Fall vorher = fall;
    for (int feld : {1, 19, 20, 21, 22, 23, 24}) {
        SCOPED_TRACE(feld);
        fall.datum[feld] = "16/06/1970";
        steuerung.datumEnter(feld);
        EXPECT_EQ(fall.tagnummer[feld], 1);
        EXPECT_EQ(fall.gesamt, vorher.gesamt);
        EXPECT_EQ(fall.datum[19], feld == 19 ? "16/06/1970" : vorher.datum[19]);
        fall.datum[feld] = vorher.datum[feld];
    }
}

TEST_F(Fallsteuerung_, ZeitraumendeOhneGrunddatenLöschtDenFall) {
    datum(0, "15/06/1970");
    datum(11, "01/01/2006");
    datum(12, "31/12/2006");
    EXPECT_EQ(fall.datum[1], "__/__/____");
    EXPECT_EQ(fall.datum[11], "__/__/____");
    EXPECT_EQ(fall.datum[0], "15/06/1970");
}

TEST_F(Fallsteuerung_, HälftezeitraumMitBeschreibung) {
    steuerung.eingangsamtGeklickt(1);
    grunddaten("15/06/1970", "15/06/2012");
    datum(11, "01/01/2010");
    EXPECT_EQ(fokus(), "Datum(12)");
    datum(12, "31/12/2010");
    EXPECT_EQ(fall.rahmen2[1], (Z{0, 0, 1}));
    EXPECT_EQ(fokus(), "Eingabe(4)");
    steuerung.eingabeEnter(4);
    EXPECT_EQ(fokus(), "Datum(13)");
    EXPECT_TRUE(protokoll.meldungen.empty());
}

TEST_F(Fallsteuerung_, EingabeEnterFührtZumNächstenBeginn) {
    for (int box = 0; box < 7; ++box) {
        steuerung.eingabeEnter(box);
        EXPECT_EQ(fokus(), "Datum(" + std::to_string(2 * box + 5) + ")");
    }
    protokoll.letzterFokus.reset();
    steuerung.eingabeEnter(7);
    EXPECT_EQ(fokus(), "none");
}

TEST_F(Fallsteuerung_, SpannenfelderGebenDenFokusAnDieErnennung) {
    for (int feld = 0; feld < Feld::anzahl; ++feld) {
        protokoll.letzterFokus.reset();
        steuerung.datumFokussiert(feld);
        EXPECT_EQ(fokus(), feld >= 20 && feld <= 23 ? "Datum(2)" : "none") << feld;
    }
}

// The worked case typed with Enter alone: the focus after every step and the result.
TEST_F(Fallsteuerung_, GanzerFallMitEnter) {
    const struct {
        int feld;
        const char* text;
        const char* fokus;
        const char* bda;
    } schritte[] = {
        {0, "15/06/1970", "Datum(2)", "01/06/1991."},
        {2, "15/06/2008", "Datum(2)", "01/12/1993."},
        {3, "01/01/2002", "Datum(4)", "01/12/1993."},
        {4, "31/12/2002", "Eingabe(0)", "01/09/1993."},
    };
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.text);
        datum(s.feld, s.text);
        EXPECT_EQ(fokus(), s.fokus);
        EXPECT_EQ(fall.bdaDatum, s.bda);
    }
    EXPECT_TRUE(protokoll.meldungen.empty());
    EXPECT_EQ(fall.überschritten, (Z{0, 0, 7}));
    EXPECT_EQ(fall.gesamt, (Z{0, 3, 2}));
}

// A change of entry grade presses Enter in the appointment field again.
TEST_F(Fallsteuerung_, WechselDesEingangsamtsWertetNeuAus) {
    grunddaten("15/06/1970", "15/06/2008");
    const struct {
        int option;
        bool rahmen1, rahmen2;
        const char* bda;
    } wechsel[] = {
        {1, false, true, "01/12/1992."},
        {3, false, false, "01/06/1991."},
        {2, false, true, "01/12/1992."},
        {0, true, true, "01/12/1993."},
    };
    for (const auto& w : wechsel) {
        SCOPED_TRACE(w.option);
        protokoll.letzterFokus.reset();
        steuerung.eingangsamtGeklickt(w.option);
        EXPECT_EQ(fall.rahmen1Sichtbar, w.rahmen1);
        EXPECT_EQ(fall.rahmen2Sichtbar, w.rahmen2);
        EXPECT_EQ(fall.bdaDatum, w.bda);
        EXPECT_EQ(fokus(), "Datum(2)");
    }
    EXPECT_TRUE(protokoll.meldungen.empty());
}

TEST_F(Fallsteuerung_, WechselOhneErnennungÄndertNichts) {
    datum(0, "15/06/1970");
    const Fall vorher = fall;
    steuerung.eingangsamtGeklickt(1);
    EXPECT_EQ(fall.datum, vorher.datum);
    EXPECT_EQ(fall.rahmen2Sichtbar, vorher.rahmen2Sichtbar);
    EXPECT_TRUE(protokoll.meldungen.empty());
}

}  // namespace
