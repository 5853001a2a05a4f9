#include <QFontMetrics>

#include "Fenstertest.h"

namespace bda::fenster {

namespace {

using MeldungTest = Fenstertest;

struct Meldungszeile {
    const char* auslöser;  // the control clicked
    const char* titel;
    const char* text;
};

// A short text under a title of about its length: the box would be no wider than the text.
const Meldungszeile meldungen_[] = {
    {"Bescheid", "Dateneingabe fehlt", "Bitte vorher Daten eingeben"},
    {"Eingangsamt_4", "BDA-Rechner", "in Vorbereitung"},
};

// Room for the whole title in a bold title font a quarter larger than the application's, with an
// icon and the title bar's buttons (at least 150 pixels) beside it.
TEST_F(MeldungTest, FensterIstBreitGenugFuerDenGanzenTitel) {
    QFont titelschrift = QApplication::font();
    titelschrift.setBold(true);
    titelschrift.setPointSizeF(titelschrift.pointSizeF() * 1.25);
    for (const auto& zeile : meldungen_) {
        SCOPED_TRACE(zeile.auslöser);
        meldungen.texte.clear();
        meldungen.titel.clear();
        meldungen.breiten.clear();
        klicken(QString::fromUtf8(zeile.auslöser));
        QCoreApplication::processEvents();
        ASSERT_EQ(meldungen.texte, QStringList{QString::fromUtf8(zeile.text)});
        EXPECT_EQ(meldungen.titel, QStringList{QString::fromUtf8(zeile.titel)});
        const int titel = QFontMetrics(titelschrift).horizontalAdvance(QString::fromUtf8(zeile.titel));
        EXPECT_GE(meldungen.breiten.value(0), titel + 150);
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
}

}  // namespace

}  // namespace bda::fenster
