#include <QTableWidget>

#include "Fenstertest.h"
#include "Stufendialog.h"

namespace bda::fenster {

namespace {

using StufenTest = Fenstertest;

// Without a BDA the button refuses as the print commands do.
TEST_F(StufenTest, OhneBdaDieMeldungDerDruckbefehle) {
    klicken("Grundgehälter");
    QCoreApplication::processEvents();
    EXPECT_EQ(meldungen.texte, QStringList{"Bitte vorher Daten eingeben"});
    EXPECT_EQ(fenster->stufendialog(), nullptr);
}

// Born 15/06/1970, appointed 15/06/2008 as A 1 to A 12, no periods: a quarter of 4 years and half of
// 3 years put the regular BDA 01/06/1991 back by 2 years 6 months to 01/12/1993. Step 7 begins 14
// years later, on 01/12/2007, step 8 on 01/12/2010.
TEST_F(StufenTest, ListeMitDerStufeAmTagDerErnennung) {
    eingeben({"15061970", "15062008"});
    ASSERT_EQ(beschriftung("BDADatum"), "01/12/1993.");
    const QString hinweis = bauteil("Grundgehälter")->toolTip();
    klicken("Grundgehälter");
    Stufendialog* dialog = fenster->stufendialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->erreichteStufe(), 7);
    const QTableWidget* liste = dialog->liste();
    ASSERT_EQ(liste->rowCount(), 12);
    const struct {
        int zeile;
        const char* ab;
        const char* merk;
    } zeilen[] = {
        {0, "01/12/1993", ""},
        {6, "01/12/2007", "erreicht am Tag der Ernennung"},
        {11, "01/12/2025", ""},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.zeile);
        EXPECT_EQ(liste->item(z.zeile, 0)->text(), QString::number(z.zeile + 1));
        EXPECT_EQ(liste->item(z.zeile, 1)->text(), z.ab);
        EXPECT_EQ(liste->item(z.zeile, 3)->text(), z.merk);
        EXPECT_EQ(liste->item(z.zeile, 1)->font().bold(), *z.merk != 0);
    }
    EXPECT_EQ(liste->currentRow(), 6);
    EXPECT_EQ(bauteil("Grundgehälter")->toolTip(), hinweis);
    QTest::keyClick(dialog->liste(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

// The schedule is that of Besoldungsordnung A: the grades of the C scale get a message, not the A steps.
TEST_F(StufenTest, NurFürDieBesoldungsordnungA) {
    eingeben({"15061970", "15062008"});
    const auto abgelehnt = [](const char* amt) {
        return QStringLiteral("Für das Eingangsamt „%1“ kennt das Programm die Stufenfolge nicht").arg(amt);
    };
    const struct {
        int option;
        const char* regel;    // the dialog's rule line, or nullptr: no dialog
        const char* meldung;  // the grade the message names, or nullptr: none
    } ämter[] = {
        {1, "Eingangsamt A 13 oder A 14", nullptr},
        {2, nullptr, "C 1 oder C 2"},
        {3, nullptr, "Professor C 3 und C 4"},
    };
    for (const auto& amt : ämter) {
        SCOPED_TRACE(amt.option);
        meldungen.texte.clear();
        klicken(QStringLiteral("Eingangsamt_%1").arg(amt.option));
        klicken("Grundgehälter");
        QCoreApplication::processEvents();
        Stufendialog* dialog = fenster->stufendialog();
        EXPECT_EQ(dialog && dialog->isVisible(), amt.regel != nullptr);
        if (amt.regel) {
            EXPECT_TRUE(dialog->findChild<QLabel*>("Stufenregel")->text().endsWith(amt.regel));
            dialog->reject();
        }
        ASSERT_EQ(meldungen.texte.size(), amt.meldung ? 1 : 0);
        if (amt.meldung) {
            EXPECT_TRUE(meldungen.texte[0].contains(abgelehnt(amt.meldung)))
                << meldungen.texte[0].toStdString();
        }
    }
}

}  // namespace

}  // namespace bda::fenster
