#include <QSignalSpy>
#include <QTableWidget>

#include "Fenstertest.h"
#include "Kalenderblatt.h"

namespace {

const QString leer = QStringLiteral("__/__/____");

TEST(Datumsfeld, LeerZeigtDieMaske) {
    Datumsfeld feld;
    EXPECT_EQ(feld.displayText(), leer);
    EXPECT_FALSE(feld.wert().has_value());
}

TEST(Datumsfeld, ZiffernFuellenDieMaske) {
    Datumsfeld feld;
    QTest::keyClicks(&feld, "1506");
    EXPECT_EQ(feld.displayText(), "15/06/____");
    EXPECT_FALSE(feld.wert().has_value());
    QTest::keyClicks(&feld, "19");
    EXPECT_EQ(feld.datumstext(), "15/06/19__");
    QTest::keyClicks(&feld, "70");
    EXPECT_EQ(feld.displayText(), "15/06/1970");
    EXPECT_EQ(feld.wert(), QDate(1970, 6, 15));
}

TEST(Datumsfeld, LeererTextLeertDasFeld) {
    Datumsfeld feld;
    feld.datumstextSetzen("15/06/1970");
    EXPECT_EQ(feld.displayText(), "15/06/1970");
    feld.datumstextSetzen(leer);
    EXPECT_EQ(feld.displayText(), leer);
    EXPECT_EQ(feld.text(), "//");
}

TEST(Datumsfeld, TastenGehenMitZeichencodeAnDasFenster) {
    Datumsfeld feld;
    QSignalSpy tasten(&feld, &Datumsfeld::tastendruck);
    QTest::keyClick(&feld, Qt::Key_1);
    QTest::keyClick(&feld, Qt::Key_Return);
    QTest::keyClick(&feld, Qt::Key_Enter);
    ASSERT_EQ(tasten.size(), 3);
    EXPECT_EQ(tasten[0][0].toInt(), '1');
    EXPECT_EQ(tasten[1][0].toInt(), 13);
    EXPECT_EQ(tasten[2][0].toInt(), 13);
}

TEST(Datumsfeld, FunktionstastenHeuteUndLeeren) {
    Datumsfeld feld;
    QSignalSpy bearbeitet(&feld, &Datumsfeld::bearbeitet);
    QTest::keyClick(&feld, Qt::Key_F2);
    EXPECT_EQ(feld.displayText(), QDate::currentDate().toString("dd/MM/yyyy"));
    QTest::keyClick(&feld, Qt::Key_F3);
    EXPECT_EQ(feld.displayText(), leer);
    EXPECT_EQ(bearbeitet.size(), 2);
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
    EXPECT_EQ(kalender->markiert(), QDate(2026, 12, 15));

    auto* tage = kalender->findChild<QTableWidget*>();
    QTest::keyClick(tage, Qt::Key_PageDown);
    EXPECT_EQ(kalender->titel(), "Januar 2027");
    QTest::keyClick(tage, Qt::Key_PageUp);
    EXPECT_EQ(kalender->titel(), "Dezember 2026");
    // 1 December 2026 is a Tuesday, in the third column when the week starts on Sunday.
    EXPECT_EQ(tage->item(0, 2)->text(), "1");
}

TEST(Datumsfeld, KalendertagWirdEingesetztAberNichtBestaetigt) {
    Datumsfeld feld;
    feld.show();
    feld.datumstextSetzen("15/12/2026");
    QSignalSpy tasten(&feld, &Datumsfeld::tastendruck);
    QSignalSpy bearbeitet(&feld, &Datumsfeld::bearbeitet);
    feld.kalenderZeigen();
    auto* tage = feld.kalender()->findChild<QTableWidget*>();
    QTest::keyClick(tage, Qt::Key_Right);
    QTest::keyClick(tage, Qt::Key_Return);
    EXPECT_FALSE(feld.kalender()->isVisible());
    EXPECT_EQ(feld.displayText(), "16/12/2026");
    EXPECT_EQ(bearbeitet.size(), 1);
    EXPECT_TRUE(tasten.isEmpty());
}

using DatumsgrenzenTest = Fenstertest;

struct Grenzzeile {
    const char* name;
    const char* getippt;
    const char* meldung;  // empty when the date is taken
};

const Grenzzeile grenzen[] = {
    {"31. Februar", "31022001",
     "Das Datum 31/02/2001 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040."},
    {"vor 1930", "15031925",
     "Das Datum 15/03/1925 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040."},
    {"Tag vor der Untergrenze", "31121929",
     "Das Datum 31/12/1929 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040."},
    {"Untergrenze", "01011930", ""},
    {"Obergrenze", "31122040", ""},
    {"Tag nach der Obergrenze", "01012041",
     "Das Datum 01/01/2041 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040."},
    {"29. Februar im Schaltjahr", "29022000", ""},
    {"29. Februar im Gemeinjahr", "29022001",
     "Das Datum 29/02/2001 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040."},
};

TEST_F(DatumsgrenzenTest, UngueltigesGeburtsdatumWirdAbgewiesen) {
    for (const auto& zeile : grenzen) {
        SCOPED_TRACE(zeile.name);
        meldungen.texte.clear();
        datum(0)->setFocus();
        QTest::keyClick(datum(0), Qt::Key_F3);
        tippen(zeile.getippt);
        enter();
        if (*zeile.meldung) {
            EXPECT_EQ(meldungen.texte, QStringList{QString::fromUtf8(zeile.meldung)});
            EXPECT_EQ(datum(0)->displayText(), leer);
            EXPECT_EQ(fenster->fall().datum[0], "__/__/____");
            EXPECT_EQ(fokus(), "Datum_0");
        } else {
            EXPECT_TRUE(meldungen.texte.isEmpty());
            EXPECT_NE(datum(0)->displayText(), leer);
            EXPECT_EQ(fokus(), "Datum_2");
        }
    }
    EXPECT_TRUE(meldungen.nurOk);
    EXPECT_TRUE(meldungen.ohneSymbol);
}

TEST_F(DatumsgrenzenTest, UnvollstaendigesDatumWirdStillUebergangen) {
    tippen("1506");
    enter();
    EXPECT_TRUE(meldungen.texte.isEmpty());
    EXPECT_EQ(datum(0)->displayText(), "15/06/____");
    EXPECT_EQ(fokus(), "Datum_0");
    EXPECT_EQ(datum(1)->displayText(), leer);
}

TEST_F(DatumsgrenzenTest, GetippterTextStehtSofortImFall) {
    tippen("150619");
    EXPECT_EQ(fenster->fall().datum[0], "15/06/19__");
}

}  // namespace
