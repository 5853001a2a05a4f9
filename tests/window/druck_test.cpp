#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

#include "Belehrungsdatei.h"
#include "Fenstertest.h"
#include "Rechtsmitteleditor.h"

namespace bda::fenster {

using druck::Belehrungsdatei;
using druck::mitgelieferteBelehrung;

namespace {

// The print commands and the legal-remedy editor in the window. The user's file lies in the test data
// folder and is removed before each test.
class DruckTest : public Fenstertest {
   public:
    DruckTest() {
        QDir().rmdir(datei());
        QFile::remove(datei());
    }
    static QString datei() { return Belehrungsdatei::benutzerdateiname(); }
    QPlainTextEdit* editor() const { return bauteil<QPlainTextEdit>("Rechtsmittel"); }
};

TEST_F(DruckTest, OhneErgebnisWirdNichtsGedruckt) {
    for (const char* befehl : {"Bescheid", "Berechnung"}) {
        SCOPED_TRACE(befehl);
        meldungen.texte.clear();
        meldungen.titel.clear();
        klicken("RB_Text");
        ASSERT_TRUE(editor()->isVisible());
        datum(2)->setFocus();
        klicken(befehl);
        QCoreApplication::processEvents();
        EXPECT_EQ(meldungen.texte, QStringList{"Bitte vorher Daten eingeben"});
        EXPECT_EQ(meldungen.titel, QStringList{"Dateneingabe fehlt"});
        EXPECT_FALSE(editor()->isVisible());
        EXPECT_EQ(fokus(), "Datum_0");
    }
    EXPECT_TRUE(meldungen.nurOk);
    EXPECT_TRUE(meldungen.ohneSymbol);
}

// RB_Text opens and closes the editor; Enter in it saves, Esc and the help button discard. Opening
// writes nothing.
TEST_F(DruckTest, RBTextEditorÜberDemFenster) {
    klicken("RB_Text");
    ASSERT_TRUE(editor()->isVisible());
    const int knopfhöhe = bauteil("Schließen")->height();
    const QWidget* entwurf = fenster->entwurf();
    EXPECT_EQ(editor()->parentWidget(), entwurf) << "the editor lies on the design area, under the menu bar";
    EXPECT_EQ(editor()->geometry(), QRect(0, knopfhöhe, entwurf->width(), entwurf->height() - knopfhöhe));
    EXPECT_EQ(editor()->toPlainText().toStdString(), mitgelieferteBelehrung())
        << "the shipped text without its padding";
    EXPECT_FALSE(QFile::exists(datei())) << "opening writes nothing";
    EXPECT_EQ(fokus(), "Rechtsmittel");
    fenster->resize(fenster->size() * 3 / 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor()->geometry().width(), fenster->width()) << "the editor follows the window";
    klicken("RB_Text");
    EXPECT_FALSE(editor()->isVisible());

    const QString gespeichert = "Gegen diesen Bescheid ist der Widerspruch statthaft.";
    klicken("RB_Text");
    editor()->selectAll();
    tippen(gespeichert);
    enter();
    EXPECT_FALSE(editor()->isVisible());
    ASSERT_EQ(QFile(datei()).size(), 1000);
    klicken("RB_Text");
    EXPECT_EQ(editor()->toPlainText(), gespeichert);

    tippen(" Esc");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(editor()->isVisible());
    klicken("RB_Text");
    tippen(" Hilfe");
    klicken("Hilfe");
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(fenster->rechtsmittel()->datei().lesen().satz.text, gespeichert.toStdString())
        << "Esc and help discard what was typed since the last Enter";
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

// A notice whose legal remedy cannot be read is not printed; the message names the path.
TEST_F(DruckTest, BescheidOhneLesbareBelehrungWirdNichtGedruckt) {
    eingeben({"15061970", "15062008"});
    // 01/06/1991 put off by a quarter of 4 years and half of 3 years.
    ASSERT_EQ(datum(19)->displayText(), "01/12/1993");
    ASSERT_TRUE(QDir().mkpath(datei()));
    klicken("Bescheid");
    QCoreApplication::processEvents();
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(
        meldungen.texte[0].contains("„" + datei() + "“ ist keine gewöhnliche Datei, sondern ein Ordner."));
    EXPECT_TRUE(QDir().rmdir(datei()));
}

}  // namespace

}  // namespace bda::fenster
