#include "Fenstertest.h"

namespace {

using TabfolgeTest = Fenstertest;

// The tab order of the input controls as the window's description lists it.
const char* const tabfolge[] = {
    "Datum_0",       "Datum_2",       "Eingangsamt_0", "Eingangsamt_1", "Eingangsamt_2", "Eingangsamt_3",
    "Eingangsamt_4", "Datum_3",       "Datum_4",       "Eingabe_0",     "Datum_5",       "Datum_6",
    "Eingabe_1",     "Datum_7",       "Datum_8",       "Eingabe_2",     "Datum_9",       "Datum_10",
    "Eingabe_3",     "Datum_11",      "Datum_12",      "Datum_13",      "Datum_14",      "Datum_15",
    "Datum_16",      "Datum_17",      "Datum_18",      "Datum_1",       "Datum_24",      "Bescheid",
    "Berechnung",    "Grundgehälter", "Übertrag",      "Hilfe",         "Schließen",     "RB_Text",
    "Eingabe_7",     "Eingabe_6",     "Eingabe_5",     "Eingabe_4",
};

TEST_F(TabfolgeTest, TabGehtDurchAlleEingabenInDerListe) {
    ASSERT_EQ(fokus(), "Datum_0");
    QStringList besucht{fokus()};
    for (std::size_t i = 1; i < std::size(tabfolge); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        besucht << fokus();
    }
    QStringList erwartet;
    for (const char* name : tabfolge) erwartet << QString::fromUtf8(name);
    EXPECT_EQ(besucht, erwartet);
}

TEST_F(TabfolgeTest, ShiftTabGehtZurueck) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(fokus(), "Eingangsamt_0");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(fokus(), "Datum_2");
}

TEST_F(TabfolgeTest, BerechneteFelderAusserhalbDerTabfolge) {
    for (int i = 19; i <= 23; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(datum(i)->focusPolicy() & Qt::TabFocus);
    }
}

}  // namespace
