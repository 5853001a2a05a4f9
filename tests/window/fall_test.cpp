#include "Fenstertest.h"

namespace bda::fenster {

namespace {

class FallTest : public Fenstertest {
   protected:
    static void schritt(const char* getippt, const char* fokusDanach) {
        tippen(getippt);
        enter();
        EXPECT_EQ(fokus(), fokusDanach) << getippt;
    }
};

// A 1 to A 12, born 15/06/1970, appointed 15/06/2008, one creditable year in the quarter-rule span,
// typed with keys and Enter alone.
TEST_F(FallTest, GanzerFallMitEnterAllein) {
    schritt("15061970", "Datum_2");
    schritt("15062008", "Datum_3");
    // The regular BDA 01/06/1991; both frames shown. (Which label shows which row: the monkey test.)
    EXPECT_EQ(datum(1)->displayText(), "01/06/1991");
    EXPECT_TRUE(bauteil("SSFrame1")->isVisible());

    // A period starting before the quarter-rule span is refused; the field is emptied and keeps the focus.
    tippen("01012000");
    enter();
    EXPECT_EQ(meldungen.texte.size(), 1);
    EXPECT_EQ(datum(3)->displayText(), "__/__/____");
    EXPECT_EQ(fokus(), "Datum_3");
    meldungen.texte.clear();

    schritt("01012002", "Datum_4");
    schritt("31122002", "Eingabe_0");
    // Quarter of 3 years = 9 months, half of 3 years = 1 year 6 months: 2 years 3 months in all.
    EXPECT_EQ(beschriftung("BDADatum"), "01/09/1993.");
    EXPECT_EQ(datum(19)->displayText(), "01/09/1993");

    // A 13 or A 14: half of the time from the 35th birthday 15/06/2005 to 14/06/2008 (3 years), 1 year
    // 6 months after the regular BDA 01/06/1991.
    klicken("Eingangsamt_1");
    EXPECT_FALSE(bauteil("SSFrame1")->isVisible());
    EXPECT_EQ(beschriftung("BDADatum"), "01/12/1992.");
    EXPECT_EQ(fokus(), "Datum_11");

    // An incomplete birthday passes without a message but empties the case and its result, once the
    // unsaved case is given up.
    meldungen.antwort = QMessageBox::Discard;
    datum(0)->setFocus();
    QTest::keyClick(datum(0), Qt::Key_F3);
    schritt("1506", "Datum_0");
    EXPECT_EQ(datum(2)->displayText(), "__/__/____");
    EXPECT_EQ(datum(19)->displayText(), "__/__/____");
    EXPECT_EQ(beschriftung("BDADatum"), "");
    EXPECT_TRUE(meldungen.texte.isEmpty());
    EXPECT_EQ(meldungen.fragen, QStringList{"Änderungen speichern?"});
}

// A period that the moved appointment leaves outside its span stays on screen with its length in red
// and 0/0/0; correcting the appointment back lets it count in the usual colour again.
TEST_F(FallTest, NichtAngerechneterZeitraumInRot) {
    schritt("15061970", "Datum_2");
    schritt("15062008", "Datum_3");
    datum(11)->setFocus();
    schritt("20092006", "Datum_12");
    schritt("30092006", "Eingabe_4");
    const auto farbe = [this] { return bauteil<QLabel>("Tag2_1")->palette().color(QPalette::WindowText); };
    const QColor schwarz = farbe();
    EXPECT_EQ(beschriftung("Tag2_1"), "11");

    datum(2)->setFocus();
    QTest::keyClick(datum(2), Qt::Key_F3);
    tippen("15062006");
    enter();
    EXPECT_EQ(meldungen.texte.size(), 1);
    EXPECT_EQ(beschriftung("Tag2_1"), "0");
    EXPECT_EQ(datum(11)->displayText(), "20/09/2006");
    EXPECT_EQ(farbe(), QColor(0xB0, 0x00, 0x00));

    datum(2)->setFocus();
    QTest::keyClick(datum(2), Qt::Key_F3);
    tippen("15062008");
    enter();
    EXPECT_EQ(beschriftung("Tag2_1"), "11");
    EXPECT_EQ(farbe(), schwarz);
}

}  // namespace

}  // namespace bda::fenster
