// The commands of the window: the grade options and the help topic they choose, the letters and shortcuts,
// the print commands' refusal, the legal-remedy editor over the window and the list of steps.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "Belehrungsdatei.h"
#include "Fenstertest.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"
#include "Stufendialog.h"

namespace bda::fenster {

using druck::Belehrungsdatei;

namespace {

// The user's legal-remedy file lies in the test data folder and is removed before each test.
class BefehleTest : public Fenstertest {
   public:
    BefehleTest() {
        QDir().rmdir(datei());
        QFile::remove(datei());
    }
    static QString datei() { return Belehrungsdatei::benutzerdateiname(); }
    QPlainTextEdit* editor() const { return bauteil<QPlainTextEdit>("Rechtsmittel"); }
};

// Judges and prosecutors are not ready yet: a message, and the case stays with professors, whose help topic
// F1 shows.
TEST_F(BefehleTest, RichterUndStaatsanwaelteNochNicht) {
    klicken("Eingangsamt_3");
    klicken("Eingangsamt_4");
    EXPECT_EQ(meldungen.texte, QStringList{"in Vorbereitung"});
    EXPECT_EQ(fenster->fall().amtswahl, 3);
    EXPECT_FALSE(bauteil<QRadioButton>("Eingangsamt_4")->isChecked());
    zurück();
    taste(Qt::Key_F1);
    EXPECT_EQ(fenster->hilfefenster()->thema(), 6);
}

// Qt presses the first control with a letter only, so a letter used twice would leave the other out of
// reach: every button, label with a buddy and menu has a letter of its own.
TEST_F(BefehleTest, JederBefehlHatEinenEigenenBuchstaben) {
    QStringList texte;
    for (auto* knopf : fenster->findChildren<QAbstractButton*>()) texte << knopf->text();
    for (auto* label : fenster->findChildren<QLabel*>()) {
        if (label->textFormat() != Qt::PlainText && label->buddy()) texte << label->text();
    }
    for (const QAction* menü : fenster->menüleiste()->actions()) texte << menü->text();
    QStringList vergeben;
    for (const QString& text : texte) {
        const QString taste = QKeySequence::mnemonic(text).toString();
        if (taste.isEmpty()) continue;
        EXPECT_FALSE(vergeben.contains(taste)) << taste.toStdString() << ": " << text.toStdString();
        vergeben << taste;
    }
    EXPECT_EQ(vergeben.size(), 7 + 2) << "seven buttons, the menus Fall and Hilfe";
}

// Alt+L presses Hilfe; Ctrl+Q quits.
TEST_F(BefehleTest, HilfeUndBeendenMitTasten) {
    QTest::keyClick(datum(0), Qt::Key_L, Qt::AltModifier);
    // A button pressed by its letter shows itself pressed for a moment before it acts.
    ASSERT_TRUE(QTest::qWaitFor([this] { return fenster->hilfefenster() != nullptr; }));
    EXPECT_TRUE(fenster->hilfefenster()->isVisible());
    zurück();
    taste(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(fenster->isVisible());
}

// Without a result every print command refuses, closes the editor and sends the focus to the missing date.
TEST_F(BefehleTest, OhneErgebnisWirdNichtsGedruckt) {
    for (const char* befehl : {"Bescheid", "Berechnung", "Grundgehälter"}) {
        SCOPED_TRACE(befehl);
        meldungen.leeren();
        klicken("RB_Text");
        ASSERT_TRUE(editor()->isVisible());
        datum(2)->setFocus();
        klicken(QString::fromUtf8(befehl));
        EXPECT_EQ(meldungen.texte, QStringList{"Bitte vorher Daten eingeben"});
        EXPECT_EQ(meldungen.titel, QStringList{"Dateneingabe fehlt"});
        EXPECT_FALSE(editor()->isVisible());
        EXPECT_EQ(fokus(), "Datum_0");
        EXPECT_EQ(fenster->stufendialog(), nullptr);
        zurück();
    }
    EXPECT_TRUE(meldungen.nurOk);
}

// RB_Text opens the editor on the design area under the buttons, following the window, on the shipped
// text, writing nothing; RB_Text again and the help button close it unsaved (its keys: the editor's tests).
TEST_F(BefehleTest, RBTextEditorUeberDemFenster) {
    klicken("RB_Text");
    ASSERT_TRUE(editor()->isVisible());
    const int knopfhöhe = bauteil("Schließen")->height();
    const QWidget* entwurf = fenster->entwurf();
    EXPECT_EQ(editor()->parentWidget(), entwurf);
    EXPECT_EQ(editor()->geometry(), QRect(0, knopfhöhe, entwurf->width(), entwurf->height() - knopfhöhe));
    EXPECT_EQ(editor()->toPlainText().toStdString(), druck::mitgelieferteBelehrung());
    EXPECT_FALSE(QFile::exists(datei()));
    EXPECT_EQ(fokus(), "Rechtsmittel");
    klicken("RB_Text");
    EXPECT_FALSE(editor()->isVisible());

    klicken("RB_Text");
    tippen("Gegen");
    klicken("Hilfe");
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_FALSE(QFile::exists(datei()));
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

// The steps of Besoldungsordnung A from the BDA 01/12/1993: step 7 (row 6) reached on the day of the
// appointment, marked and chosen; Esc closes. The grades of the C scale get a message instead.
TEST_F(BefehleTest, StufenlisteMitDerStufeAmTagDerErnennung) {
    eingeben({"15061970", "15062008"});
    klicken("Grundgehälter");
    Stufendialog* dialog = fenster->stufendialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    const QTableWidget* liste = dialog->liste();
    ASSERT_EQ(liste->rowCount(), 12);
    EXPECT_EQ(liste->currentRow(), 6);
    for (int zeile : {0, 6, 11}) {
        EXPECT_EQ(liste->item(zeile, 3)->text(), zeile == 6 ? "erreicht am Tag der Ernennung" : "");
        EXPECT_EQ(liste->item(zeile, 1)->font().bold(), zeile == 6) << zeile;
    }
    EXPECT_EQ(liste->item(6, 1)->text(), "01/12/2007");
    QTest::keyClick(dialog->liste(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());

    for (const auto& [option, regel] : {std::pair{1, "Eingangsamt A 13 oder A 14"}, {2, "C 1 oder C 2"}}) {
        SCOPED_TRACE(option);
        meldungen.leeren();
        klicken(QStringLiteral("Eingangsamt_%1").arg(option));
        klicken("Grundgehälter");
        EXPECT_EQ(dialog->isVisible(), option == 1);
        if (option == 1) {
            EXPECT_TRUE(dialog->findChild<QLabel*>("Stufenregel")->text().endsWith(regel));
            dialog->reject();
        } else {
            ASSERT_EQ(meldungen.texte.size(), 1);
            EXPECT_TRUE(meldungen.texte[0].contains(
                QStringLiteral("Für das Eingangsamt „%1“ kennt das Programm die Stufenfolge nicht")
                    .arg(regel)))
                << meldungen.texte[0].toStdString();
            zurück();
        }
    }
}

}  // namespace

}  // namespace bda::fenster
