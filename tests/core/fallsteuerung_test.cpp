#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Falltest.h"

namespace bda {

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
        {"Monatsmitte", "15/06/1975", "14/06/1996", "01/06/1996"},
        {"erster Januar", "01/01/1975", "31/12/1995", "01/12/1995"},
        {"29. Februar: 21. Lebensjahr am 28. Februar vollendet", "29/02/1972", "28/02/1993", "01/02/1993"},
        {"21. Geburtstag am 1. März eines Schaltjahrs", "01/03/1975", "29/02/1996", "01/02/1996"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        abspielen({{0, z.geburtstag, "Datum(2)", ""}});
        EXPECT_EQ(fall.datum[24], z.vollendung21);
        EXPECT_EQ(fall.datum[1], z.regelBDA);
        EXPECT_EQ(fall.datum[19], z.regelBDA);
        EXPECT_EQ(fall.bdaDatum, std::string(z.regelBDA) + ".");
    }
}

// The worked case typed with Enter alone: the focus and the result after every step.
TEST_F(Fallsteuerung_, GanzerFallMitEnter) {
    const char* const bda[] = {"01/06/1991.", "01/12/1993.", "01/12/1993.", "01/09/1993."};
    abspielen({{0, "15/06/1970", "Datum(2)", ""}});
    EXPECT_EQ(fall.bdaDatum, bda[0]);
    abspielen({{2, "15/06/2008", "Datum(3)", ""}});
    EXPECT_EQ(fall.bdaDatum, bda[1]);
    abspielen({{3, "01/01/2002", "Datum(4)", ""}});
    EXPECT_EQ(fall.bdaDatum, bda[2]);
    abspielen({{4, "31/12/2002", "Eingabe(0)", ""}});
    EXPECT_EQ(fall.bdaDatum, bda[3]);
    EXPECT_EQ(fall.überschritten, (Z{0, 0, 7}));
    EXPECT_EQ(fall.gesamt, (Z{0, 3, 2}));
}

// What the screen shows follows from the fields as they stand, not from the order they were typed in.
TEST_F(Fallsteuerung_, BildschirmFolgtDenFeldern) {
    struct Schritt {
        int feld;  // -1: click on the grade `text`
        const char* text;
        bool enter;  // false: typed without Enter
    };
    const struct {
        const char* name;
        std::vector<Schritt> schritte;
        bool rahmen1, rahmen2;
        std::array<const char*, 4> spannen;  // fields 20 to 23
        const char* bda;
    } zeilen[] = {
        {"neuer Geburtstag nach einer Ernennung vor dem 31.: beide Rahmen leer wie im neuen Fall",
         {{0, "12/04/1990", true}, {2, "01/09/2018", true}, {0, "15/06/1970", true}},
         true,
         true,
         {"__/__/____", "__/__/____", "__/__/____", "__/__/____"},
         "01/06/1991"},
        {"A 13/14 nach A 1-12: die Spanne des Viertels bleibt nicht stehen",
         {{0, "15/06/1970", true}, {2, "15/06/2008", true}, {-1, "1", true}},
         false,
         true,
         {"__/__/____", "__/__/____", "15/06/2005", "14/06/2008"},
         "01/12/1992"},
        {"Ernennung ohne Enter geändert: zählt sofort",
         {{0, "15/06/1970", true}, {2, "15/06/2008", true}, {2, "15/06/2006", false}},
         true,
         true,
         {"15/06/2001", "14/06/2005", "15/06/2005", "14/06/2006"},
         "01/12/1992"},
        {"Ernennung geleert: keine Auswertung mehr",
         {{0, "15/06/1970", true}, {2, "15/06/2008", true}, {2, "__/__/____", true}},
         true,
         true,
         {"__/__/____", "__/__/____", "__/__/____", "__/__/____"},
         "01/06/1991"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        fall = Fall{};
        steuerung.laden();
        for (const Schritt& s : z.schritte) {
            if (s.feld < 0) {
                steuerung.eingangsamtGeklickt(std::stoi(s.text));
            } else if (s.enter) {
                datum(s.feld, s.text);
            } else {
                fall.datum[s.feld] = s.text;
                steuerung.abgleichen();
            }
        }
        EXPECT_EQ(fall.rahmen1Sichtbar, z.rahmen1);
        EXPECT_EQ(fall.rahmen2Sichtbar, z.rahmen2);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(fall.datum[20 + i], z.spannen[i]) << "Datum(" << 20 + i << ")";
        EXPECT_EQ(fall.datum[Feld::bda], z.bda);
    }
}

TEST_F(Fallsteuerung_, AbgewieseneDaten) {
    grunddaten("15/06/1970", "15/06/2008");
    const std::string ungültig = " ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040.";
    abspielen({
        {2, "15/03/1925", "Datum(2)", ("Das Datum 15/03/1925" + ungültig).c_str()},
        {3, "01/01/2041", "Datum(3)", ("Das Datum 01/01/2041" + ungültig).c_str()},
        {2, "15/06/2008", "Datum(3)", ""},
        {3, "01/01/1960", "Datum(3)", "Das Datum 01/01/1960 liegt vor dem Geburtstag 15/06/1970."},
        {2, "14/06/1970", "Datum(2)", "Das Datum 14/06/1970 liegt vor dem Geburtstag 15/06/1970."},
        {0, "31/02/2001", "Datum(0)", "Den 31/02/2001 gibt es nicht."},
    });
    EXPECT_EQ(fall.datum[0], "__/__/____") << "the refused field is emptied";
    EXPECT_EQ(fall.datum[1], "01/06/1991") << "the refused birth date did not clear the case";
    EXPECT_EQ(fall.datum[3], "__/__/____");
    EXPECT_EQ(fall.tagnummer[3], 0);
}

TEST_F(Fallsteuerung_, UnvollständigerGeburtstagLöschtDenFall) {
    grunddaten("15/06/1970", "15/06/2008");
    abspielen({{11, "01/01/2006", "Datum(12)", ""}, {12, "31/12/2006", "Eingabe(4)", ""}});
    fall.eingabe[4] = "Elternzeit";
    protokoll.letzterFokus.reset();

    datum(0, "15/06/____");

    for (int i = 1; i < Feld::anzahl; ++i) EXPECT_EQ(fall.datum[i], "__/__/____") << i;
    EXPECT_EQ(fall.rahmen1, Rahmenzeilen{});
    EXPECT_EQ(fall.rahmen2, Rahmenzeilen{});
    EXPECT_EQ(fall.überschritten, Z{});
    EXPECT_EQ(fall.gesamt, Z{});
    EXPECT_EQ(fall.eingabe[4], "");
    EXPECT_EQ(fall.bdaDatum, "") << "no result of the previous case stays in the panel";
    EXPECT_EQ(fall.datum[0], "15/06/____");
    EXPECT_EQ(fokus(), "none");
    EXPECT_TRUE(protokoll.meldungen.empty());
}

// Fields 1 and 24 take what is typed and get its day number; the BDA and the spans (19 to 23) are the
// computation's and show it again.
TEST_F(Fallsteuerung_, ProgrammfelderBekommenNurIhreTagnummer) {
    grunddaten("15/06/1970", "15/06/2008");
    const Fall vorher = fall;
    for (int feld : {1, 19, 20, 21, 22, 23, 24}) {
        SCOPED_TRACE(feld);
        const char* getippt = feld == 1 ? "01/07/1970" : "16/06/1970";
        fall.datum[feld] = getippt;
        steuerung.datumEnter(feld);
        const bool eingabe = feld == 1 || feld == 24;
        EXPECT_EQ(fall.datum[feld], eingabe ? getippt : vorher.datum[feld]);
        if (eingabe) {
            EXPECT_EQ(fall.tagnummer[feld], feld == 1 ? 16 : 1);
        }
        EXPECT_EQ(fall.gesamt, vorher.gesamt);
        fall.datum[feld] = vorher.datum[feld];
    }
}

TEST_F(Fallsteuerung_, FokusDerBeschreibungen) {
    const char* const nächstes[] = {"Datum(5)",  "Datum(7)",  "Datum(9)",  "Datum(11)",
                                    "Datum(13)", "Datum(15)", "Datum(17)", "none"};
    for (int box = 0; box < 8; ++box) {
        protokoll.letzterFokus.reset();
        steuerung.eingabeEnter(box);
        EXPECT_EQ(fokus(), nächstes[box]) << box;
    }
}

TEST_F(Fallsteuerung_, NameAmEndeDesTitels) {
    steuerung.nameSetzen("Erika Mustermann");
    EXPECT_EQ(fall.titel, "Berechnung des Besoldungsdienstalters nach § 28 BBesG für Erika Mustermann");
    steuerung.eingangsamtGeklickt(3);
    EXPECT_EQ(fall.titel, "Berechnung des Besoldungsdienstalters nach § 36 BBesG für Erika Mustermann");
}

// A change of entry grade presses Enter in the appointment field again.
TEST_F(Fallsteuerung_, WechselDesEingangsamtsWertetNeuAus) {
    datum(0, "15/06/1970");
    const Fall ohneErnennung = fall;
    steuerung.eingangsamtGeklickt(1);
    EXPECT_EQ(fall.datum, ohneErnennung.datum) << "without an appointment nothing is evaluated";

    grunddaten("15/06/1970", "15/06/2008");
    const struct {
        int option;
        bool rahmen1, rahmen2;
        const char* bda;
        const char* fokus;  // the first period of the frame shown, else the appointment
    } wechsel[] = {
        {.option = 1, .rahmen1 = false, .rahmen2 = true, .bda = "01/12/1992.", .fokus = "Datum(11)"},
        {.option = 3, .rahmen1 = false, .rahmen2 = false, .bda = "01/06/1991.", .fokus = "Datum(2)"},
        {.option = 2, .rahmen1 = false, .rahmen2 = true, .bda = "01/12/1992.", .fokus = "Datum(11)"},
        {.option = 0, .rahmen1 = true, .rahmen2 = true, .bda = "01/12/1993.", .fokus = "Datum(3)"},
    };
    for (const auto& w : wechsel) {
        SCOPED_TRACE(w.option);
        protokoll.letzterFokus.reset();
        steuerung.eingangsamtGeklickt(w.option);
        EXPECT_EQ(fall.rahmen1Sichtbar, w.rahmen1);
        EXPECT_EQ(fall.rahmen2Sichtbar, w.rahmen2);
        EXPECT_EQ(fall.bdaDatum, w.bda);
        EXPECT_EQ(fokus(), w.fokus);
    }
    EXPECT_TRUE(protokoll.meldungen.empty());
}

}  // namespace

}  // namespace bda
