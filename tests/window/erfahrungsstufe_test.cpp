// The window of the experience step, driven by keys from the main window's menu: example 2 of the
// step's worked cases typed row by row, the rows added by Enter and removed by Entf, and the case saved
// and opened again with it.

#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>

#include "Erfahrungsstufendialog.h"
#include "Fallbefehle.h"
#include "Fenstertest.h"
#include "Zeitraumtabelle.h"

namespace bda::fenster {

namespace {

class ErfahrungsstufeTest : public Fenstertest {
   public:
    // Ctrl+G in the main window; `schritte` run in the window it opens, which is closed by Esc after.
    void imFenster(const std::function<void(Erfahrungsstufendialog&)>& schritte) {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<Erfahrungsstufendialog*>(QApplication::activeModalWidget());
            gesehen = dialog != nullptr;
            if (!dialog) return;
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            schritte(*dialog);
            // Esc closes an open cell first, then the window.
            for (int i = 0; i < 3 && dialog->isVisible(); ++i) taste(Qt::Key_Escape);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
        EXPECT_TRUE(gesehen) << "Ctrl+G opened no window";
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
    static void taste(Qt::Key k, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), k, tasten);
        QCoreApplication::processEvents();
    }
    static QString wert(Erfahrungsstufendialog& d, const QString& name) {
        return d.findChild<QLabel*>(name)->text();
    }
    // One period from the start cell of its row: the kind chosen by its place in the list.
    static void zeitraumTippen(const char* beginn, const char* ende, int art, const char* person) {
        tippen(beginn);
        taste(Qt::Key_Tab);
        tippen(ende);
        taste(Qt::Key_Tab);
        for (int i = 0; i < art; ++i) taste(Qt::Key_Down);
        taste(Qt::Key_Tab);
        if (*person) {
            tippen(person);
            taste(Qt::Key_Tab);
        }
    }
    // Example 2: A 10, appointed 01/09/2015; Zivildienst 9 months, Kinderbetreuung 14 months, full-time
    // work 27 months 10 days, one after the other. Enter after each row's description adds the next.
    static void beispiel2Tippen() {
        taste(Qt::Key_Down);  // A 9 -> A 10
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        tippen("01092015");
        enter();  // to the empty table
        enter();  // its first row
        zeitraumTippen("01102000", "30062001", 2, "");
        tippen("Zivildienst");
        enter();
        zeitraumTippen("01072001", "31082002", 4, "Lea");
        enter();
        zeitraumTippen("01092002", "10122004", 0, "");
    }
};

TEST_F(ErfahrungsstufeTest, Beispiel2ZeigtDieStufenUndBleibtImFall) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("stufe.bda"));
    imFenster([&](Erfahrungsstufendialog& d) {
        beispiel2Tippen();
        taste(Qt::Key_Tab);  // past the last cell: out of the table
        EXPECT_EQ(d.tabelle()->rowCount(), 3);
        EXPECT_EQ(wert(d, "Stufe_Beginn1"), "01/06/2011");
        EXPECT_EQ(wert(d, "Stufe_BeiErnennung"), "Stufe 2");
        EXPECT_EQ(wert(d, "Stufe_Anerkannt"), "50 Monate 10 Tage, aufgerundet 51 Monate");
        const char* ab[] = {"01/06/2011", "01/06/2013", "01/06/2016", "01/06/2019",
                            "01/06/2022", "01/06/2026", "01/06/2030", "01/06/2034"};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(wert(d, QStringLiteral("Stufe_ab_%1").arg(i + 1)), ab[i]) << i + 1;
    });
    ASSERT_TRUE(fenster->erfahrungsstufe());
    const Stufenfall getippt = *fenster->erfahrungsstufe();
    EXPECT_EQ(getippt.zeiträume.at(1).person, "Lea");
    EXPECT_TRUE(fenster->isWindowModified());
    ASSERT_TRUE(fenster->befehle().speichernUnter(datei));
    EXPECT_FALSE(fenster->isWindowModified());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(fenster->erfahrungsstufe()) << "a new case has none";
    ASSERT_TRUE(fenster->befehle().öffnen(datei));
    ASSERT_TRUE(fenster->erfahrungsstufe());
    EXPECT_EQ(*fenster->erfahrungsstufe(), getippt);
    EXPECT_FALSE(fenster->isWindowModified());
}

// Enter after the last cell adds a row, not behind an empty one; Entf asks, and "Nein" keeps the row.
TEST_F(ErfahrungsstufeTest, EnterFuegtAnEntfEntferntNachFrage) {
    imFenster([&](Erfahrungsstufendialog& d) {
        beispiel2Tippen();
        enter();
        EXPECT_EQ(d.tabelle()->rowCount(), 4);
        EXPECT_EQ(d.tabelle()->currentRow(), 3);
        for (int i = 0; i < 4; ++i) enter();  // through the empty row's cells and out of the table
        EXPECT_EQ(d.tabelle()->rowCount(), 4);
        EXPECT_NE(QApplication::focusWidget(), d.tabelle());

        d.tabelle()->setFocus();
        d.tabelle()->setCurrentCell(0, Spalte::art);
        meldungen.antwort = QMessageBox::No;
        taste(Qt::Key_Delete);
        EXPECT_EQ(meldungen.fragen.size(), 1);
        EXPECT_EQ(d.fall().zeiträume.size(), 4u);
        meldungen.antwort = QMessageBox::Yes;
        taste(Qt::Key_Delete);
        EXPECT_EQ(meldungen.fragen.size(), 2);
        ASSERT_EQ(d.fall().zeiträume.size(), 3u);
        EXPECT_EQ(d.fall().zeiträume[0].art, Zeitart::kinderbetreuung);
        // 14 + 27 months 10 days: 42 months.
        EXPECT_EQ(wert(d, "Stufe_Anerkannt"), "41 Monate 10 Tage, aufgerundet 42 Monate");
    });
    ASSERT_TRUE(fenster->erfahrungsstufe());
    EXPECT_EQ(fenster->erfahrungsstufe()->zeiträume.size(), 2u) << "the empty row is dropped on closing";
}

// An end before the start is refused with the program's message; the cell stays open to correct it.
TEST_F(ErfahrungsstufeTest, EndeVorBeginnWirdAbgewiesen) {
    imFenster([&](Erfahrungsstufendialog& d) {
        taste(Qt::Key_Tab);
        taste(Qt::Key_Tab);
        tippen("01092015");
        enter();
        enter();
        tippen("01102000");
        taste(Qt::Key_Tab);
        tippen("30092000");
        taste(Qt::Key_Tab);
        ASSERT_EQ(meldungen.texte.size(), 1);
        EXPECT_TRUE(meldungen.texte[0].contains("30/09/2000")) << meldungen.texte[0].toStdString();
        EXPECT_EQ(d.tabelle()->currentColumn(), Spalte::ende);
        EXPECT_TRUE(qobject_cast<Datumsfeld*>(QApplication::focusWidget()));
        tippen("30062001");
        taste(Qt::Key_Tab);
        EXPECT_EQ(d.tabelle()->currentColumn(), Spalte::art);
        EXPECT_EQ(meldungen.texte.size(), 1);
    });
}

// The help lists each Alt key of the window, and the window has each one listed, every letter once.
TEST(Erfahrungsstufenhilfe, AltTastenSindDieDesFensters) {
    Erfahrungsstufendialog dialog(Stufenfall{}, {}, {});
    QStringList imFenster;
    for (const auto* knopf : dialog.findChildren<QAbstractButton*>()) imFenster << knopf->text();
    for (const auto* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy()) imFenster << label->text();
    }
    for (const auto* kasten : dialog.findChildren<QGroupBox*>()) imFenster << kasten->title();
    QStringList tasten;
    for (const QString& text : imFenster) {
        const QString taste = QKeySequence::mnemonic(text).toString();
        if (taste.isEmpty()) continue;
        EXPECT_FALSE(tasten.contains(taste)) << taste.toStdString() << " twice";
        tasten << taste;
    }
    QFile datei(QStringLiteral(":/hilfe/inhalt.html"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(datei.readAll());
    const auto punkt = QRegularExpression(QStringLiteral("<li>Mit der Alt-Taste:(.*?)</li>"),
                                          QRegularExpression::DotMatchesEverythingOption)
                           .match(html);
    ASSERT_TRUE(punkt.hasMatch());
    QStringList inDerHilfe;
    const QRegularExpression alt(QStringLiteral("<b>(Alt\\+\\S+)</b>"));
    for (auto t = alt.globalMatch(punkt.captured(1)); t.hasNext();) inDerHilfe << t.next().captured(1);
    tasten.sort();
    inDerHilfe.sort();
    EXPECT_EQ(inDerHilfe, tasten);
}

}  // namespace

}  // namespace bda::fenster
