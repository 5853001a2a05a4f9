// Typing a case: the date field's mask, keys and calendar, the descriptions' limit, and where Enter leads
// in the window; what is refused at Enter and what is asked before a case is emptied.

#include <QClipboard>
#include <QSignalSpy>

#include "Fenstertest.h"
#include "Kalender.h"

namespace bda::fenster {

namespace {

const QString leer = QStringLiteral("__/__/____");

void taste(Qt::Key k, Qt::KeyboardModifiers mit = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, mit);
}

TEST(Datumsfeld, MaskeZiffernUndFunktionstasten) {
    Datumsfeld feld;
    EXPECT_EQ(feld.displayText(), leer);
    QTest::keyClicks(&feld, "1506");
    EXPECT_EQ(feld.displayText(), "15/06/____");
    QTest::keyClicks(&feld, "1970");
    EXPECT_EQ(feld.wert(), QDate(1970, 6, 15));
    QTest::keyClick(&feld, Qt::Key_F2);
    EXPECT_EQ(feld.wert(), QDate::currentDate());
    QTest::keyClick(&feld, Qt::Key_F3);
    EXPECT_EQ(feld.displayText(), leer);
}

// F4 opens the calendar in German, Monday first, paged by PageUp and PageDown; Enter takes the day as if
// typed and confirmed: the window's driver gets the Enter.
TEST(Datumsfeld, KalenderAufDeutschMitMontagVorn) {
    Datumsfeld feld;
    feld.show();
    feld.datumstextSetzen("15/12/2026");
    QSignalSpy enter(&feld, &Datumsfeld::enterGedrueckt);
    QTest::keyClick(&feld, Qt::Key_F4);
    Kalender* kalender = feld.kalender();
    ASSERT_TRUE(kalender && kalender->isVisible());
    EXPECT_EQ(kalender->titel(), "Dezember 2026");
    EXPECT_EQ(kalender->wochentage().join(','), "Mo,Di,Mi,Do,Fr,Sa,So");
    // Page keys in turn: a month, with Ctrl a year, the day kept; the page shown follows.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QDate> blättern[] = {
        {Qt::Key_PageUp, Qt::NoModifier, QDate(2026, 11, 15)},
        {Qt::Key_PageDown, Qt::NoModifier, QDate(2026, 12, 15)},
        {Qt::Key_PageUp, Qt::ControlModifier, QDate(2025, 12, 15)},
        {Qt::Key_PageDown, Qt::ControlModifier, QDate(2026, 12, 15)},
    };
    for (const auto& [k, mit, danach] : blättern) {
        SCOPED_TRACE(danach.toString(Qt::ISODate).toStdString());
        taste(k, mit);
        EXPECT_EQ(kalender->selectedDate(), danach);
        EXPECT_EQ(QDate(kalender->yearShown(), kalender->monthShown(), 15), danach);
    }
    taste(Qt::Key_Right);
    taste(Qt::Key_Return);
    EXPECT_FALSE(kalender->isVisible());
    EXPECT_EQ(feld.displayText(), "16/12/2026");
    EXPECT_EQ(enter.size(), 1);
}

using EingabeTest = Fenstertest;

// Both sides of the last date a field accepts, and a day that does not exist: refused at Enter with a
// message, the field emptied and keeping the focus.
TEST_F(EingabeTest, UngueltigesDatumWirdBeiEnterAbgewiesen) {
    const char* const grenzen[][2] = {
        {"31022001", "Den 31/02/2001 gibt es nicht."},
        {"31122040", ""},
        {"01012041", "Das Datum 01/01/2041 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis 31/12/2040."},
    };
    for (const auto& [getippt, meldung] : grenzen) {
        SCOPED_TRACE(getippt);
        meldungen.leeren();
        feldTippen(0, getippt);
        EXPECT_EQ(meldungen.texte, *meldung ? QStringList{QString::fromUtf8(meldung)} : QStringList());
        EXPECT_EQ(datum(0)->displayText(), *meldung ? leer : QStringLiteral("31/12/2040"));
        EXPECT_EQ(fokus(), *meldung ? "Datum_0" : "Datum_2");
    }
    EXPECT_TRUE(meldungen.nurOk);
}

// At most 60 characters, typed or pasted; the counter shows what is left.
// Enter in Eingabe_i goes on to Datum_(2i + 5), also when full; the last box keeps the focus.
TEST_F(EingabeTest, BeschreibungHoechstensSechzigZeichenUndEnterWeiter) {
    const auto zähler = [this](int i) { return beschriftung(QStringLiteral("Zähler_%1").arg(i)); };
    EXPECT_EQ(zähler(0), "60");
    eingabe(0)->setFocus();
    tippen(QString(59, 'x'));
    EXPECT_EQ(zähler(0), "1");
    tippen("yz");
    EXPECT_EQ(eingabe(0)->text(), QString(59, 'x') + "y");
    EXPECT_EQ(zähler(0), "0");
    eingabe(2)->setFocus();
    tippen(QString(50, 'a'));
    QGuiApplication::clipboard()->setText(QString(30, 'b'));
    taste(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(eingabe(2)->text(), QString(50, 'a') + QString(10, 'b'));
    EXPECT_EQ(zähler(2), "0");
    for (int i = 0; i < 8; ++i) {
        eingabe(i)->setFocus();
        enter();
        EXPECT_EQ(fokus(), i < 7 ? QStringLiteral("Datum_%1").arg(2 * i + 5) : QStringLiteral("Eingabe_7"));
    }
}

// A case typed with keys and Enter alone, the focus going on from field to field. A period before its span
// is refused and emptied; a grade option leads to the half-rule span (what the frames show: the monkey test);
// an incomplete birthday empties the case and its result once the unsaved case is given up.
TEST_F(EingabeTest, GanzerFallMitEnterAllein) {
    const auto schritt = [](const char* getippt, const char* fokusDanach) {
        eingeben({getippt});
        EXPECT_EQ(fokus(), fokusDanach) << getippt;
    };
    schritt("15061970", "Datum_2");
    schritt("15062008", "Datum_3");
    schritt("01012000", "Datum_3");
    EXPECT_EQ(meldungen.texte.size(), 1);
    EXPECT_EQ(datum(3)->displayText(), leer);
    schritt("01012002", "Datum_4");
    schritt("31122002", "Eingabe_0");
    EXPECT_EQ(beschriftung("BDADatum"), "01/09/1993.");
    klicken("Eingangsamt_1");
    EXPECT_EQ(fokus(), "Datum_11");

    meldungen.leeren();
    meldungen.antwort = QMessageBox::Discard;
    feldTippen(0, "1506");
    EXPECT_EQ(fokus(), "Datum_0");
    EXPECT_EQ(datum(2)->displayText(), leer);
    EXPECT_EQ(beschriftung("BDADatum"), "");
    EXPECT_TRUE(meldungen.texte.isEmpty());
    EXPECT_EQ(meldungen.fragen, QStringList{"Änderungen speichern?"});
}

}  // namespace

}  // namespace bda::fenster
