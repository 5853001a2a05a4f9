#include <QFile>
#include <QPlainTextEdit>

#include "Belehrungsdatei.h"
#include "Fenstertest.h"
#include "Rechtsmitteleditor.h"

namespace {

// The print commands and the legal-remedy editor in the window. The user's file lies in the test data
// folder and is removed before each test.
class DruckTest : public Fenstertest {
   public:
    DruckTest() { QFile::remove(datei()); }
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

// RB_Text opens and closes the editor; Enter in it saves, the help button discards.
TEST_F(DruckTest, RBTextEditorÜberDemFenster) {
    klicken("RB_Text");
    ASSERT_TRUE(editor()->isVisible());
    const int knopfhöhe = bauteil("Schließen")->height();
    const QWidget* entwurf = fenster->entwurf();
    EXPECT_EQ(editor()->parentWidget(), entwurf) << "the editor lies on the design area, under the menu bar";
    EXPECT_EQ(editor()->geometry(), QRect(0, knopfhöhe, entwurf->width(), entwurf->height() - knopfhöhe));
    EXPECT_TRUE(editor()->toPlainText().startsWith("Gegen")) << "the shipped default text";
    EXPECT_EQ(QFile(datei()).size(), 1000) << "the default text is written into the user's file at once";
    fenster->resize(fenster->size() * 3 / 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor()->geometry().width(), fenster->width()) << "the editor follows the window";
    klicken("RB_Text");
    EXPECT_FALSE(editor()->isVisible());

    klicken("RB_Text");
    editor()->setPlainText("Gegen diesen Bescheid ist der Widerspruch zulässig.");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_FALSE(editor()->isVisible());
    klicken("RB_Text");
    EXPECT_TRUE(editor()->toPlainText().startsWith("Gegen diesen Bescheid ist der Widerspruch zulässig.  "));
    editor()->setPlainText("Gegen alles");
    klicken("Hilfe");
    EXPECT_FALSE(editor()->isVisible());
    const Belehrungslesung gespeichert = fenster->rechtsmittel()->datei().lesen();
    EXPECT_TRUE(gespeichert.inhalt.text().starts_with("Gegen diesen Bescheid ist der Widerspruch zulässig."))
        << "help discards what was typed since the last Enter";
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

}  // namespace
