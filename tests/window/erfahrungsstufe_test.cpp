// The window of the experience step, driven by keys from the main window's menu: periods typed row by row,
// rows added by Enter and removed by Entf, a wrong end refused, and the step kept with the case.

#include <QTableWidget>
#include <QTemporaryDir>

#include "Erfahrungsstufendialog.h"
#include "Fallbefehle.h"
#include "Fenstertest.h"
#include "Zeitraumtabelle.h"

namespace bda::fenster {

namespace {

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

// The results shown follow the typed rows (the worked values: the core tests); the step is saved with the
// case, gone in a new case and back when the file is opened.
TEST_F(ErfahrungsstufeTest, ZeitraeumeGetipptUndMitDemFallGespeichert) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("stufe.bda"));
    imFenster(1, [&](Erfahrungsstufendialog& d) {
        dreiZeiträumeTippen();
        taste(Qt::Key_Tab);  // past the last cell: out of the table
        EXPECT_EQ(d.tabelle()->rowCount(), 3);
        EXPECT_EQ(wert(d, "Stufe_BeiErnennung"), "Stufe 2");
        EXPECT_EQ(wert(d, "Stufe_Anerkannt"), "50 Monate 10 Tage, aufgerundet 51 Monate");
        EXPECT_EQ(wert(d, "Stufe_ab_8"), "01/06/2034");
    });
    ASSERT_TRUE(fenster->erfahrungsstufe());
    const Stufenfall getippt = *fenster->erfahrungsstufe();
    EXPECT_EQ(getippt.zeiträume.at(1).person, "Lea");
    EXPECT_TRUE(fenster->isWindowModified());
    ASSERT_TRUE(fenster->befehle().speichernUnter(datei));
    taste(Qt::CTRL | Qt::Key_N);
    EXPECT_FALSE(fenster->erfahrungsstufe()) << "a new case has none";
    EXPECT_EQ(fokus(), "Datum_0");
    ASSERT_TRUE(fenster->befehle().öffnen(datei));
    EXPECT_EQ(fenster->erfahrungsstufe().value_or(Stufenfall{}), getippt);
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
        EXPECT_EQ(d.fall().zeiträume[0].art, Zeitart::kinderbetreuung);
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
