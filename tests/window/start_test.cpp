#include <QMenuBar>
#include <QRadioButton>

#include "Fenstertest.h"
#include "Hilfefenster.h"

namespace bda::fenster {

namespace {

class StartTest : public Fenstertest {
   protected:
    // The options are exclusive only through the case: exactly `option` is selected.
    void nurGewählt(int option) const {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(bauteil<QRadioButton>(QString("Eingangsamt_%1").arg(i))->isChecked(), i == option) << i;
        }
    }
};

// The window title of a case never saved, with paragraph 28 or 36 and no official's name.
QString titel(const char* paragraph) {
    return QStringLiteral("Unbenannt[*] – Berechnung des Besoldungsdienstalters nach § ") + paragraph +
           QStringLiteral(" BBesG für ");
}
// Text_3 and Label10 name the year of life between blanks.
QString text3(const char* jahr) { return QStringLiteral("Vollendung des    %1.    Lebensj.").arg(jahr); }
QString label10(const char* jahr) {
    return QStringLiteral("Vollendung des    %1.    Lebensjahres").arg(jahr);
}

TEST_F(StartTest, ZustandNachDemStart) {
    EXPECT_EQ(fenster->windowTitle(), titel("28"));
    nurGewählt(0);
    EXPECT_TRUE(beschriftung("Text_3").contains(text3("31")));
    EXPECT_TRUE(beschriftung("Label10").contains(label10("35")));
    EXPECT_TRUE(meldungen.texte.isEmpty());
    EXPECT_EQ(fokus(), "Datum_0");
    EXPECT_TRUE(datum(19)->isHidden());
}

struct Amtszeile {
    int option;
    const char* paragraph;  // of the title
    const char* jahrText3;
    const char* jahrLabel10;
    int hilfethema;
};

// In an order where every click changes the labels.
const Amtszeile ämter[] = {
    {.option = 1, .paragraph = "28", .jahrText3 = "35", .jahrLabel10 = "35", .hilfethema = 3},
    {.option = 2, .paragraph = "36", .jahrText3 = "35", .jahrLabel10 = "35", .hilfethema = 3},
    {.option = 0, .paragraph = "28", .jahrText3 = "31", .jahrLabel10 = "35", .hilfethema = 3},
    {.option = 3, .paragraph = "36", .jahrText3 = "40", .jahrLabel10 = "40", .hilfethema = 6},
};

// Each option writes title and labels and chooses the help topic, shown by the button and by F1.
TEST_F(StartTest, OptionenSchreibenTitelBeschriftungenUndHilfethema) {
    for (const auto& zeile : ämter) {
        SCOPED_TRACE(zeile.option);
        klicken(QStringLiteral("Eingangsamt_%1").arg(zeile.option));
        EXPECT_EQ(fenster->windowTitle(), titel(zeile.paragraph));
        EXPECT_TRUE(beschriftung("Text_3").contains(text3(zeile.jahrText3)));
        EXPECT_TRUE(beschriftung("Label10").contains(label10(zeile.jahrLabel10)));
        nurGewählt(zeile.option);
        klicken("Hilfe");
        ASSERT_NE(fenster->hilfefenster(), nullptr);
        EXPECT_EQ(fenster->hilfefenster()->thema(), zeile.hilfethema);
    }
    fenster->hilfefenster()->close();

    // Judges and prosecutors are not ready yet: a message, and the case stays with professors.
    klicken("Eingangsamt_4");
    EXPECT_EQ(meldungen.texte, QStringList{"in Vorbereitung"});
    EXPECT_EQ(meldungen.titel, QStringList{"BDA-Rechner"});
    EXPECT_TRUE(meldungen.nurOk);
    EXPECT_TRUE(meldungen.ohneSymbol);
    EXPECT_EQ(fenster->windowTitle(), titel("36"));
    EXPECT_TRUE(beschriftung("Text_3").contains(text3("40")));
    EXPECT_TRUE(beschriftung("Label10").contains(label10("40")));
    nurGewählt(3);
    fenster->activateWindow();  // the offscreen platform activates no window after the message box
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    QTest::keyClick(datum(0), Qt::Key_F1);
    EXPECT_TRUE(fenster->hilfefenster()->isVisible());
    EXPECT_EQ(fenster->hilfefenster()->thema(), 6);
}

TEST_F(StartTest, ErsterStartInEntwurfsgroesseDanachDerGespeicherteFensterplatz) {
    // 11040 x 8700 twips at 15 twips a pixel, below the menu bar.
    EXPECT_EQ(fenster->entwurf()->size(), QSize(736, 580));
    EXPECT_EQ(fenster->size(), QSize(736, 580 + fenster->menüleiste()->height()));
    fenster->resize(900, 700);
    klicken("Schließen");
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(Hauptform().size(), QSize(900, 700));
}

}  // namespace

}  // namespace bda::fenster
