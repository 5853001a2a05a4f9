#include <QTableWidget>

#include "Fenstertest.h"
#include "Kalenderblatt.h"

namespace {

const QString leer = QStringLiteral("__/__/____");

TEST(Datumsfeld, MaskeZiffernUndFunktionstasten) {
    Datumsfeld feld;
    EXPECT_EQ(feld.displayText(), leer);
    QTest::keyClicks(&feld, "1506");
    EXPECT_EQ(feld.displayText(), "15/06/____");
    QTest::keyClicks(&feld, "1970");
    EXPECT_EQ(feld.wert(), QDate(1970, 6, 15));
    feld.datumstextSetzen(leer);
    EXPECT_EQ(feld.text(), "//") << "no digit left";

    QTest::keyClick(&feld, Qt::Key_F2);
    EXPECT_EQ(feld.wert(), QDate::currentDate());
    QTest::keyClick(&feld, Qt::Key_F3);
    EXPECT_EQ(feld.displayText(), leer);
}

TEST(Datumsfeld, KalenderAufDeutschMitSonntagVorn) {
    Datumsfeld feld;
    feld.show();
    feld.datumstextSetzen("15/12/2026");
    QTest::keyClick(&feld, Qt::Key_F4);
    Kalenderblatt* kalender = feld.kalender();
    ASSERT_NE(kalender, nullptr);
    EXPECT_TRUE(kalender->isVisible());
    EXPECT_EQ(kalender->titel(), "Dezember 2026");
    EXPECT_EQ(kalender->wochentage().join(','), "So,Mo,Di,Mi,Do,Fr,Sa");
    auto* tage = kalender->findChild<QTableWidget*>();
    // 1 December 2026 is a Tuesday, in the third column when the week starts on Sunday.
    EXPECT_EQ(tage->item(0, 2)->text(), "1");
    QTest::keyClick(tage, Qt::Key_Right);
    QTest::keyClick(tage, Qt::Key_Return);
    EXPECT_FALSE(kalender->isVisible());
    EXPECT_EQ(feld.displayText(), "16/12/2026");
}

using DatumsgrenzenTest = Fenstertest;

struct Grenzzeile {
    const char* getippt;
    const char* meldung;  // empty when the date is taken
};

const QString außerhalb = QStringLiteral(" ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040.");

const Grenzzeile grenzen[] = {
    {"31022001", "Den 31/02/2001 gibt es nicht."},
    {"15031925", "Das Datum 15/03/1925"},
    {"31121929", "Das Datum 31/12/1929"},
    {"01011930", ""},
    {"31122040", ""},
    {"01012041", "Das Datum 01/01/2041"},
    {"29022000", ""},
    {"29022001", "Den 29/02/2001 gibt es nicht."},
};

TEST_F(DatumsgrenzenTest, UngueltigesDatumWirdBeiEnterAbgewiesen) {
    for (const auto& zeile : grenzen) {
        SCOPED_TRACE(zeile.getippt);
        meldungen.texte.clear();
        datum(0)->setFocus();
        QTest::keyClick(datum(0), Qt::Key_F3);
        tippen(zeile.getippt);
        enter();
        if (*zeile.meldung) {
            const QString meldung = QString::fromUtf8(zeile.meldung);
            EXPECT_EQ(meldungen.texte,
                      QStringList{meldung.startsWith("Den ") ? meldung : meldung + außerhalb});
            EXPECT_EQ(datum(0)->displayText(), leer);
            EXPECT_EQ(fokus(), "Datum_0");
        } else {
            EXPECT_TRUE(meldungen.texte.isEmpty());
            EXPECT_EQ(fokus(), "Datum_2");
        }
    }
    EXPECT_TRUE(meldungen.nurOk);
    EXPECT_TRUE(meldungen.ohneSymbol);
}

}  // namespace
