#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>

#include "Farben.h"
#include "Fenstertest.h"
#include "Kalender.h"

namespace bda::fenster {

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

// The calendar's grid: row 0 holds the weekday captions, the days follow from row 1.
QAbstractItemModel* tage(Kalender* kalender) {
    return kalender->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->model();
}

TEST(Datumsfeld, KalenderAufDeutschMitMontagVorn) {
    Datumsfeld feld;
    feld.show();
    QSignalSpy enter(&feld, &Datumsfeld::enterGedrueckt);
    feld.datumstextSetzen("15/12/2026");
    QTest::keyClick(&feld, Qt::Key_F4);
    Kalender* kalender = feld.kalender();
    ASSERT_NE(kalender, nullptr);
    EXPECT_TRUE(kalender->isVisible());
    EXPECT_EQ(kalender->titel(), "Dezember 2026");
    EXPECT_EQ(kalender->wochentage().join(','), "Mo,Di,Mi,Do,Fr,Sa,So");
    for (Qt::DayOfWeek tag : {Qt::Saturday, Qt::Sunday}) {
        EXPECT_GE(kontrast(kalender->weekdayTextFormat(tag).foreground().color(), Qt::white), 4.5) << tag;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(kalender->isVisible());
    EXPECT_EQ(feld.displayText(), "16/12/2026");
    // Taken as if typed and confirmed: the window's driver gets the Enter.
    EXPECT_EQ(enter.size(), 1);
}

// Where the first of a month stands in the grid of a week from Monday: a month that begins on a Monday
// shows the whole week before it in the first row.
TEST(Datumsfeld, KalenderwocheBeginntAmMontag) {
    const struct {
        const char* name;
        QDate monat;
        int zeile,
            spalte;  // of the 1st; the day before it stands just left of it or at the end of the row above
        const char* vortag;
    } monate[] = {
        {"1. Dezember 2026, ein Dienstag", QDate(2026, 12, 1), 1, 1, "30"},
        {"1. März 2026, ein Sonntag", QDate(2026, 3, 1), 1, 6, "28"},
        {"1. Juni 2026, ein Montag", QDate(2026, 6, 1), 2, 0, "31"},
    };
    for (const auto& m : monate) {
        SCOPED_TRACE(m.name);
        Kalender kalender(nullptr, QDate(1930, 1, 1), QDate(2040, 12, 31));
        kalender.setSelectedDate(m.monat);
        kalender.setCurrentPage(m.monat.year(), m.monat.month());
        QAbstractItemModel* raster = tage(&kalender);
        EXPECT_EQ(raster->index(m.zeile, m.spalte).data().toString(), "1");
        const QModelIndex davor =
            m.spalte > 0 ? raster->index(m.zeile, m.spalte - 1) : raster->index(m.zeile - 1, 6);
        EXPECT_EQ(davor.data().toString(), m.vortag);
    }
}

struct Blätterzeile {
    const char* name;
    Qt::Key taste;
    Qt::KeyboardModifiers mit;
    QDate danach;
};

// From 15/06/1990: a month or a year either way, and the edges of the dates a field accepts.
const Blätterzeile blättern[] = {
    {"Bild auf: ein Monat zurück", Qt::Key_PageUp, Qt::NoModifier, QDate(1990, 5, 15)},
    {"Bild ab: ein Monat vor", Qt::Key_PageDown, Qt::NoModifier, QDate(1990, 7, 15)},
    {"Strg+Bild auf: ein Jahr zurück", Qt::Key_PageUp, Qt::ControlModifier, QDate(1989, 6, 15)},
    {"Strg+Bild ab: ein Jahr vor", Qt::Key_PageDown, Qt::ControlModifier, QDate(1991, 6, 15)},
};

TEST(Datumsfeld, BildtastenBlaetternMonateUndMitStrgJahre) {
    for (const auto& zeile : blättern) {
        SCOPED_TRACE(zeile.name);
        Datumsfeld feld;
        feld.show();
        feld.datumstextSetzen("15/06/1990");
        feld.kalenderZeigen();
        QTest::keyClick(QApplication::focusWidget(), zeile.taste, zeile.mit);
        EXPECT_EQ(feld.kalender()->selectedDate(), zeile.danach);
        EXPECT_EQ(feld.kalender()->monthShown(), zeile.danach.month());
        EXPECT_EQ(feld.kalender()->yearShown(), zeile.danach.year());
        // Twenty years back take twenty keys, not 240.
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(feld.kalender()->selectedDate(), zeile.danach.addYears(-20));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(feld.kalender()->isVisible());
        EXPECT_EQ(feld.displayText(), "15/06/1990") << "Escape leaves the field as it was";
    }
}

TEST(Datumsfeld, JahrImDrehfeldEingeben) {
    Datumsfeld feld;
    feld.show();
    feld.datumstextSetzen("15/06/2020");
    feld.kalenderZeigen();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_J, Qt::ControlModifier);
    auto* jahr = feld.kalender()->findChild<QSpinBox*>(QStringLiteral("qt_calendar_yearedit"));
    ASSERT_TRUE(jahr->isVisible());
    ASSERT_TRUE(jahr->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "1985");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(feld.kalender()->yearShown(), 1985);
    EXPECT_TRUE(feld.kalender()->isVisible()) << "the year is set, no day picked yet";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(feld.displayText(), "15/06/1985");
}

TEST(Datumsfeld, NurLesbaresFeldNimmtKeineTasteZumAendern) {
    Datumsfeld feld;
    feld.show();
    feld.datumstextSetzen("01/01/2001");
    feld.setReadOnly(true);
    for (Qt::Key taste : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_5}) {
        SCOPED_TRACE(taste);
        QTest::keyClick(&feld, taste);
        EXPECT_EQ(feld.displayText(), "01/01/2001");
    }
    EXPECT_EQ(feld.kalender(), nullptr);
}

using DatumsgrenzenTest = Fenstertest;

struct Grenzzeile {
    const char* getippt;
    const char* meldung;  // empty when the date is taken
};

const QString außerhalb = QStringLiteral(" ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040.");

const Grenzzeile grenzen[] = {
    {"31022001", "Den 31/02/2001 gibt es nicht."},
    {"31122040", ""},
    {"01012041", "Das Datum 01/01/2041"},
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

namespace {

using KalenderTest = Fenstertest;

struct Anfangszeile {
    const char* name;
    int feld;
    QDate anfang;  // the day marked when the calendar of the empty field opens
};

// Born 15/06/1970, appointed 15/06/2008 (A 1 to A 12): the quarter-rule span starts on the 31st
// birthday 15/06/2001, the half-rule span on the 35th, 15/06/2005.
TEST_F(KalenderTest, LeeresFeldOeffnetAmPassendenTag) {
    const QDate heute = QDate::currentDate();
    const Anfangszeile vor[] = {
        {"Geburtstag: 40 Jahre vor heute", 0, heute.addYears(-40)},
        {"Ernennung: heute", 2, heute},
        {"Zeitraum ohne Spanne: heute", 3, heute},
    };
    for (const auto& zeile : vor) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(datum(zeile.feld)->kalenderanfang(), zeile.anfang);
    }
    eingeben({"15061970", "15062008"});
    const Anfangszeile nach[] = {
        {"Viertel, erster Zeitraum", 3, QDate(2001, 6, 15)},
        {"Hälfte, erster Zeitraum", 11, QDate(2005, 6, 15)},
        {"gefülltes Feld: sein Datum", 2, QDate(2008, 6, 15)},
        {"Regel-BDA: sein Datum", 1, QDate(1991, 6, 1)},
    };
    for (const auto& zeile : nach) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(datum(zeile.feld)->kalenderanfang(), zeile.anfang);
    }
}

// Picking the birth date in the calendar does what typing it and pressing Enter does.
TEST_F(KalenderTest, EnterImKalenderWieGetipptUndEnter) {
    QTest::keyClick(datum(0), Qt::Key_F4);
    Kalender* kalender = datum(0)->kalender();
    ASSERT_NE(kalender, nullptr);
    ASSERT_TRUE(kalender->isVisible());
    kalender->setSelectedDate(QDate(1975, 6, 15));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(kalender->isVisible());
    EXPECT_EQ(datum(0)->displayText(), "15/06/1975");
    EXPECT_EQ(datum(24)->displayText(), "14/06/1996");
    EXPECT_EQ(datum(1)->displayText(), "01/06/1996");
    EXPECT_EQ(fokus(), "Datum_2");
}

// A click on a span field leaves the focus there; the field takes no change.
TEST_F(KalenderTest, SpannenfeldBehaeltDenFokusUndBleibtUnveraendert) {
    eingeben({"15061970", "15062008"});
    for (int feld = 20; feld <= 23; ++feld) {
        SCOPED_TRACE(feld);
        const QString vorher = datum(feld)->displayText();
        klicken(QStringLiteral("Datum_%1").arg(feld));
        EXPECT_EQ(fokus(), QStringLiteral("Datum_%1").arg(feld));
        QTest::keyClick(datum(feld), Qt::Key_F3);
        QTest::keyClick(datum(feld), Qt::Key_F2);
        QTest::keyClicks(datum(feld), "01");
        EXPECT_EQ(datum(feld)->displayText(), vorher);
        EXPECT_EQ(fokus(), QStringLiteral("Datum_%1").arg(feld));
    }
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

}  // namespace

}  // namespace bda::fenster
