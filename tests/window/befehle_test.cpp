// The commands of the window: the letters and shortcuts, the print commands' refusal,
// the legal-remedy editor over the window, the list of steps and the window of the experience step, driven
// by keys: periods typed row by row, rows added by Enter and removed by Entf, a wrong end refused.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>

#include "Belehrungsdatei.h"
#include "Erfahrungsstufendialog.h"
#include "Fenstertest.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"
#include "Stufendialog.h"
#include "Zeitraumtabelle.h"

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

// The keys the help's contents page lists are exactly the window's: every button and menu letter, every
// Ctrl shortcut of the menus, each with the command's name.
TEST_F(BefehleTest, TastenDerHilfeSindDieDesFensters) {
    auto name = [](QString text) {
        return text.remove(QLatin1Char('&')).remove(QStringLiteral(" …")).trimmed();
    };
    QStringList imProgramm, inDerHilfe;
    for (const char* knopf :
         {"Bescheid", "Berechnung", "Grundgehälter", "Übertrag", "RB_Text", "Hilfe", "Schließen"}) {
        const QString text = bauteil<QAbstractButton>(QString::fromUtf8(knopf))->text();
        imProgramm << QKeySequence::mnemonic(text).toString() + QLatin1Char(' ') + name(text);
    }
    for (const QAction* menü : fenster->menüleiste()->actions()) {
        imProgramm << QKeySequence::mnemonic(menü->text()).toString() + " Menü " + name(menü->text());
        for (const QAction* eintrag : menü->menu()->actions()) {
            if (eintrag->shortcut().toString().startsWith(QStringLiteral("Ctrl")))
                imProgramm << eintrag->shortcut().toString() + QLatin1Char(' ') + name(eintrag->text());
        }
    }
    QFile inhalt(QStringLiteral(":/hilfe/inhalt.html"));
    ASSERT_TRUE(inhalt.open(QIODevice::ReadOnly));
    const QRegularExpression punkte(QStringLiteral("<li>((?:Befehlsknöpfe|Menüs).*?)</li>"),
                                    QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression taste(QStringLiteral(R"((Alt|Strg)\+(\S+) ([^,.]+))"));
    for (auto punkt = punkte.globalMatch(QString::fromUtf8(inhalt.readAll())); punkt.hasNext();) {
        const QString text =
            punkt.next().captured(1).remove(QRegularExpression(QStringLiteral("<[^>]*>"))).simplified();
        for (auto t = taste.globalMatch(text); t.hasNext();) {
            const auto treffer = t.next();
            const QString folge = treffer.captured(1) + QLatin1Char('+') + treffer.captured(2);
            inDerHilfe << QString(folge)
                                  .replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"))
                                  .replace(QStringLiteral("Umschalt"), QStringLiteral("Shift")) +
                              QLatin1Char(' ') + treffer.captured(3).trimmed();
        }
    }
    imProgramm.sort();
    inDerHilfe.sort();
    EXPECT_EQ(inDerHilfe.join(QStringLiteral(" | ")), imProgramm.join(QStringLiteral(" | ")));
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

    klicken("Eingangsamt_2");
    klicken("Grundgehälter");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(
        meldungen.einzig("Für das Eingangsamt „C 1 oder C 2“ kennt das Programm die Stufenfolge nicht"));
}

class ErfahrungsstufeTest : public Fenstertest {
   public:
    // Ctrl+G in the main window; `schritte` run in the window it opens, on grade A 9 + `amt`, appointed
    // 01/09/2015, in the table's first row.
    void imFenster(int amt, const std::function<void(Erfahrungsstufendialog&)>& schritte) {
        imDialog(Qt::CTRL | Qt::Key_G, [&](QWidget* dialog) {
            for (int i = 0; i < amt; ++i) taste(Qt::Key_Down);
            taste(Qt::Key_Tab);
            taste(Qt::Key_Tab);
            eingeben({"01092015", ""});  // to the empty table, then its first row
            schritte(*dynamic_cast<Erfahrungsstufendialog*>(dialog));
        });
    }
    // One period from the start cell of its row: the kind chosen by its place in the list.
    static void zeitraumTippen(const char* beginn, const char* ende, int art, const char* person) {
        for (const char* text : {beginn, ende}) {
            tippen(text);
            taste(Qt::Key_Tab);
        }
        for (int i = 0; i < art; ++i) taste(Qt::Key_Down);
        taste(Qt::Key_Tab);
        if (*person) {
            tippen(person);
            taste(Qt::Key_Tab);
        }
    }
    // Zivildienst, Kinderbetreuung for Lea and full-time work, one after the other; Enter after a row's
    // description adds the next.
    static void dreiZeiträumeTippen() {
        zeitraumTippen("01102000", "30062001", 2, "");
        eingeben({"Zivildienst"});
        zeitraumTippen("01072001", "31082002", 4, "Lea");
        enter();
        zeitraumTippen("01092002", "10122004", 0, "");
    }
    static QString wert(Erfahrungsstufendialog& d, const QString& name) {
        return d.findChild<QLabel*>(name)->text();
    }
};

// The results shown follow the typed rows (the worked values: the core tests); the step belongs to the case
// and is gone in a new one (its file format: the file tests).
TEST_F(ErfahrungsstufeTest, ZeitraeumeGetipptGehoerenZumFall) {
    imFenster(1, [&](Erfahrungsstufendialog& d) {
        dreiZeiträumeTippen();
        taste(Qt::Key_Tab);  // past the last cell: out of the table
        EXPECT_EQ(d.tabelle()->rowCount(), 3);
        EXPECT_EQ(wert(d, "Stufe_BeiErnennung"), "Stufe 2");
        EXPECT_EQ(wert(d, "Stufe_Anerkannt"), "50 Monate 10 Tage, aufgerundet 51 Monate");
        EXPECT_EQ(wert(d, "Stufe_ab_8"), "01/06/2034");
    });
    ASSERT_TRUE(fenster->erfahrungsstufe());
    EXPECT_EQ(fenster->erfahrungsstufe()->zeiträume.at(1).person, "Lea");
    EXPECT_TRUE(fenster->isWindowModified());
    meldungen.antwort = QMessageBox::Discard;
    taste(Qt::CTRL | Qt::Key_N);
    EXPECT_FALSE(fenster->erfahrungsstufe()) << "a new case has none";
    EXPECT_EQ(fokus(), "Datum_0");
}

// Enter after the last cell adds a row, not behind an empty one; Entf asks, and "Nein" keeps the row; the
// empty row is dropped on closing.
TEST_F(ErfahrungsstufeTest, EnterFuegtAnEntfEntferntNachFrage) {
    imFenster(1, [&](Erfahrungsstufendialog& d) {
        dreiZeiträumeTippen();
        enter();
        EXPECT_EQ(d.tabelle()->rowCount(), 4);
        EXPECT_EQ(d.tabelle()->currentRow(), 3);
        for (int i = 0; i < 4; ++i) enter();  // through the empty row's cells and out of the table
        EXPECT_EQ(d.tabelle()->rowCount(), 4);
        EXPECT_NE(QApplication::focusWidget(), d.tabelle());
        d.tabelle()->setFocus();
        d.tabelle()->setCurrentCell(0, Spalte::art);
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            meldungen.antwort = antwort;
            taste(Qt::Key_Delete);
        }
        EXPECT_EQ(meldungen.fragen.size(), 2);
        ASSERT_EQ(d.fall().zeiträume.size(), 3u);
        EXPECT_EQ(wert(d, "Stufe_Anerkannt"), "41 Monate 10 Tage, aufgerundet 42 Monate");
    });
    ASSERT_TRUE(fenster->erfahrungsstufe());
    EXPECT_EQ(fenster->erfahrungsstufe()->zeiträume.size(), 2u);
}

// An end before the start is refused with a message naming it; the cell stays open to correct it.
TEST_F(ErfahrungsstufeTest, EndeVorBeginnWirdAbgewiesen) {
    imFenster(0, [&](Erfahrungsstufendialog& d) {
        tippen("01102000");
        taste(Qt::Key_Tab);
        tippen("30092000");
        taste(Qt::Key_Tab);
        EXPECT_TRUE(meldungen.einzig("30/09/2000"));
        EXPECT_EQ(d.tabelle()->currentColumn(), Spalte::ende);
        EXPECT_TRUE(qobject_cast<Datumsfeld*>(QApplication::focusWidget()));
        tippen("30062001");
        taste(Qt::Key_Tab);
        EXPECT_EQ(d.tabelle()->currentColumn(), Spalte::art);
        EXPECT_EQ(meldungen.texte.size(), 1);
    });
}

}  // namespace

}  // namespace bda::fenster
