// The driver: what an Enter in a field does, what is refused and where the focus goes. What holds after
// every action (rows follow their fields, frames and BDA after a grade change, messages of a moved
// appointment) is the property test's.

#include <gtest/gtest.h>

#include "Falltest.h"

namespace bda {

namespace {

using Z = Zeitspanne;  // {tage, monate, jahre}
const char* const leer = "__/__/____";

// Born 15/06/1970, appointed 15/06/2008 as A 1-12: regular BDA 01/06/1991, quarter rule 15/06/2001 to
// 14/06/2005 (4 years), half rule to 14/06/2008 (3 years); without periods the BDA is 01/12/1993.
class Gleichlauf : public Falltest {
   protected:
    Gleichlauf() { grunddaten("15/06/1970", "15/06/2008"); }
};

// The 21st year is completed on the day before the 21st birthday; the regular BDA is the first of that
// month.
TEST_F(Falltest, GeburtstagErgibtRegelBDA) {
    const struct {
        const char *geburtstag, *vollendung21, *regelBDA;
    } zeilen[] = {{"15/06/1975", "14/06/1996", "01/06/1996"},
                  {"01/01/1975", "31/12/1995", "01/12/1995"},
                  {"29/02/1972", "28/02/1993", "01/02/1993"},
                  {"01/03/1975", "29/02/1996", "01/02/1996"}};
    for (const auto& z : zeilen) {
        abspielen({{0, z.geburtstag, "Datum(2)", ""}});
        EXPECT_EQ(fall.datum[24], z.vollendung21);
        EXPECT_EQ(fall.datum[1], z.regelBDA);
    }
}

// The worked case typed with Enter alone.
TEST_F(Falltest, GanzerFallMitEnter) {
    abspielen({{0, "15/06/1970", "Datum(2)", "", "01/06/1991."},
               {2, "15/06/2008", "Datum(3)", "", "01/12/1993."},
               {3, "01/01/2002", "Datum(4)", "", "01/12/1993."},
               {4, "31/12/2002", "Eingabe(0)", "", "01/09/1993."}});
    EXPECT_EQ(fall.überschritten, (Z{0, 0, 7}));
    EXPECT_EQ(fall.gesamt, (Z{0, 3, 2}));
    EXPECT_EQ(fall.tagnummer[2], 13880) << "38 years and 10 leap days after the birth";
}

// A date before the birth date is refused; a refused birth date leaves the case as it was.
TEST_F(Gleichlauf, AbgewieseneDaten) {
    abspielen({
        {3, "01/01/1960", "Datum(3)", "01/01/1960 liegt vor dem Geburtstag 15/06/1970"},
        {2, "14/06/1970", "Datum(2)", "14/06/1970 liegt vor dem Geburtstag 15/06/1970"},
        {0, "31/02/2001", "Datum(0)", "31/02/2001 gibt es nicht"},
    });
    EXPECT_EQ(fall.datum[0], leer) << "the refused field is emptied";
    EXPECT_EQ(fall.datum[1], "01/06/1991") << "the refused birth date did not clear the case";
    EXPECT_EQ(fall.datum[3], leer);
    EXPECT_EQ(fall.tagnummer[3], 0);
}

// A new birth date, even an incomplete one, starts a new case: both frames shown, nothing typed kept.
TEST_F(Gleichlauf, NeuerGeburtstagLöschtDenFall) {
    abspielen({{11, "01/01/2006", "Datum(12)", ""}, {12, "31/12/2006", "Eingabe(4)", ""}});
    fall.eingabe[4] = "Elternzeit";
    datum(2, "15/06/1995");  // before the 31st birthday: no frame shown
    protokoll.letzterFokus.reset();
    abspielen({{0, "15/06/____", "none", ""}});
    for (int i = 1; i < Feld::anzahl; ++i) EXPECT_EQ(fall.datum[i], leer) << i;
    EXPECT_EQ(fall.eingabe[4], "");
    EXPECT_TRUE(fall.rahmen1Sichtbar && fall.rahmen2Sichtbar);
}

TEST_F(Falltest, FokusDerBeschreibungenUndTitel) {
    const char* const nächstes[] = {"Datum(5)",  "Datum(7)",  "Datum(9)",  "Datum(11)",
                                    "Datum(13)", "Datum(15)", "Datum(17)", "none"};
    for (int box = 0; box < 8; ++box) {
        protokoll.letzterFokus.reset();
        steuerung.eingabeEnter(box);
        EXPECT_EQ(fokus(), nächstes[box]) << box;
    }
    steuerung.nameSetzen("Erika Mustermann");
    EXPECT_TRUE(fall.titel.ends_with("§ 28 BBesG für Erika Mustermann")) << fall.titel;
    steuerung.eingangsamtGeklickt(3);
    EXPECT_TRUE(fall.titel.ends_with("§ 36 BBesG für Erika Mustermann")) << fall.titel;
}

// A change of entry grade presses Enter in the appointment field again: the focus goes to the first
// period of the frame shown, or to the appointment when none is. Without an appointment nothing changes.
TEST_F(Falltest, WechselDesEingangsamtsSetztDenFokus) {
    datum(0, "15/06/1970");
    const Fall ohneErnennung = fall;
    steuerung.eingangsamtGeklickt(1);
    EXPECT_EQ(fall.datum, ohneErnennung.datum);
    steuerung.eingangsamtGeklickt(0);
    datum(2, "15/06/2008");
    const std::pair<int, const char*> wechsel[] = {{1, "Datum(11)"}, {3, "Datum(2)"}, {0, "Datum(3)"}};
    for (const auto& [option, fokusSoll] : wechsel) {
        protokoll.letzterFokus.reset();
        steuerung.eingangsamtGeklickt(option);
        EXPECT_EQ(fokus(), fokusSoll) << option;
    }
}

// An end whose start is empty or incomplete cannot be measured: both are emptied, nothing counts.
TEST_F(Gleichlauf, EndeOhneBeginnZähltNicht) {
    abspielen({{3, "01/06/2002", "Datum(4)", ""}, {4, "31/12/2002", "Eingabe(0)", ""}});
    for (const char* beginn : {leer, "01/03/____"}) {
        fall.datum[5] = beginn;
        abspielen({{6, "31/12/2003", "Datum(5)", ""}});
        EXPECT_EQ(fall.datum[5], leer);
        EXPECT_EQ(fall.datum[6], leer);
        EXPECT_EQ(fall.rahmen1[2], Z{});
    }
    abspielen({{3, "15/10/2003", "Datum(4)", ""}});
    EXPECT_EQ(fall.rahmen1[1], Z{}) << "a start after its end passes but counts nothing";
}

// The regular BDA may be set by hand to the first of a month only.
TEST_F(Falltest, RegelBDANurAmErsten) {
    const char* const ersten = "beginnt stets am Ersten eines Monats";
    const struct {
        bool geburtstag;
        const char *text, *meldung, *feld1, *bda;
    } fälle[] = {
        {true, "15/06/2025", ersten, "01/06/1991", "01/12/1993."},  // back to the derived value
        {true, "01/06/2025", "", "01/06/2025", "01/12/2027."},
        {true, "0_/__/____", "", "0_/__/____", ""},
        {false, "15/06/2025", ersten, leer, ""},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.text);
        grunddaten(f.geburtstag ? "15/06/1970" : leer, f.geburtstag ? "15/06/2008" : leer);
        protokoll.letzterFokus.reset();
        abspielen({{1, f.text, *f.meldung ? "Datum(1)" : "none", f.meldung, f.bda}});
        EXPECT_EQ(fall.datum[1], f.feld1);
    }
}

// Both ends of a frame's span are in it; a date outside it, inside another period of the frame, before
// its own start, or a period around another one is refused and emptied, the rest of the row stays.
TEST_F(Gleichlauf, SpanneÜberschneidungRichtungUndUmschließung) {
    abspielen({
        {3, "14/06/2001", "Datum(3)", "vor der hier zu prüfenden Zeitspanne vom 15/06/2001 bis 14/06/2005"},
        {3, "15/06/2001", "Datum(4)", ""},
        {4, "14/06/2005", "Eingabe(0)", ""},
        {11, "14/06/2005", "Datum(11)", "vor der hier zu prüfenden Zeitspanne vom 15/06/2005 bis 14/06/2008"},
        {11, "15/06/2005", "Datum(12)", ""},
        {12, "14/06/2008", "Eingabe(4)", ""},
        {13, "01/01/2009", "Datum(13)", "nach der hier zu prüfenden Zeitspanne vom 15/06/2005"},
    });
    EXPECT_EQ(fall.tagnummer[13], 0);
    EXPECT_EQ(fall.rahmen1[1], (Z{0, 0, 4})) << "a period on both ends of the span counts";

    grunddaten("15/06/1970", "15/06/2008");
    abspielen({
        {9, "01/07/2001", "Datum(10)", ""},
        {10, "31/12/2001", "Eingabe(3)", ""},
        {5, "31/12/2001", "Datum(5)", "in der bereits verwendeten Zeitspanne vom 01/07/2001"},
        {5, "10/10/2002", "Datum(6)", ""},
        {6, "09/10/2002", "Datum(5)", "vor dem Datum 10/10/2002 und damit nicht in der richtigen"},
        {5, "10/10/2002", "Datum(6)", ""},
        {6, "10/10/2002", "Eingabe(1)", ""},
        {7, "01/06/2002", "Datum(8)", ""},
        {8, "31/12/2004", "Datum(7)", "umschließt die bereits verwendete Zeitspanne vom 10/10/2002"},
        {7, "01/01/2004", "Datum(8)", ""},
        {8, "15/06/2005", "Datum(7)", "nach der hier zu prüfenden Zeitspanne vom 15/06/2001"},
    });
    EXPECT_EQ(fall.datum[7], leer) << "a refused end empties its row";
    EXPECT_EQ(fall.datum[8], leer);

    // Worked example: row 1 holds 01/01/1990 to 31/12/1991; row 2 may begin the day after, not on its end.
    grunddaten("01/01/1959", "01/01/1995");
    abspielen({
        {3, "01/01/1990", "Datum(4)", ""},
        {4, "31/12/1991", "Eingabe(0)", ""},
        {5, "31/12/1991", "Datum(5)", "in der bereits verwendeten Zeitspanne vom 01/01/1990 bis 31/12/1991"},
        {5, "01/01/1992", "Datum(6)", ""},
    });
}

}  // namespace

}  // namespace bda
