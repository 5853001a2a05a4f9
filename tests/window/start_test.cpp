#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Fenstertest.h"

namespace {

using StartTest = Fenstertest;

TEST_F(StartTest, TitelOptionUndBeschriftungenNachDemStart) {
    EXPECT_EQ(fenster->windowTitle(), titel("28"));
    EXPECT_TRUE(bauteil<QRadioButton>("Eingangsamt_0")->isChecked());
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(bauteil<QRadioButton>(QStringLiteral("Eingangsamt_%1").arg(i))->isChecked());
    EXPECT_EQ(beschriftung("Text_3"), text3("31"));
    EXPECT_EQ(beschriftung("Label10"), label10("35"));
    EXPECT_TRUE(meldungen.texte.isEmpty());
    EXPECT_EQ(fokus(), "Datum_0");
}

TEST_F(StartTest, AlleFelderLeerUndAlleWerteNull) {
    for (int i = 0; i <= 24; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(datum(i)->displayText(), "__/__/____");
    }
    EXPECT_TRUE(datum(19)->isHidden());
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(bauteil<QLineEdit>(QStringLiteral("Eingabe_%1").arg(i))->text(), "");
        EXPECT_EQ(beschriftung(QStringLiteral("Zähler_%1").arg(i)), "60");
        for (const char* art : {"Tag", "Monat", "Jahr"}) {
            EXPECT_EQ(beschriftung(QStringLiteral("%1%2_%3").arg(art).arg(1).arg(i)), "0");
            EXPECT_EQ(beschriftung(QStringLiteral("%1%2_%3").arg(art).arg(2).arg(i)), "0");
        }
    }
    for (const char* name : {"Tag0", "Monat0", "Jahr0", "Tag3", "Monat3", "Jahr3"})
        EXPECT_EQ(beschriftung(name), "0");
    EXPECT_EQ(beschriftung("BDADatum"), "");
    EXPECT_TRUE(bauteil("SSFrame1")->isVisible());
    EXPECT_TRUE(bauteil("SSFrame2")->isVisible());
}

struct Beschriftungszeile {
    const char* name;
    const char* text;
};

// Captions as the window's layout tables quote them, blanks included.
const Beschriftungszeile beschriftungen[] = {
    {"Text_0", "Geburtstag am . . . . . . . . . . . . . . . . . . . . ."},
    {"Text_8", "Vollendung des 21. Lebensj. am"},
    {"Text_2", "Regel-Besoldungsdienstalter . . . . . . . . . . . ."},
    {"Text_1", "Ernennung am . . . . . . . . . . . . . . . . . . . ."},
    {"Text_4", "Insgesamt ist  das"},
    {"Text_6", "hinauszuschieben um (auf volle Monate abgerundet)  . . . . . . . . ."},
    {"Text_5", "Somit beginnt das BDA am"},
    {"Kopf_Tag0", "Tage"},
    {"Label23", "Tage"},
    {"Label8", "Monate"},
    {"Label7", "Jahre"},
    {"Label9",
     "Davon entfallen auf die Zeit bis zur Vollendung des     35.      Lebensjahres . . . . . . . . . . . . "
     ". . . . . ."},
    {"Label5",
     "Summe der anrechenbaren Zeiten . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
     ". . . ."},
    {"Label4",
     "Summe der anrechenbaren Zeiten  . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
     ". . . . . ."},
    {"Label2_0",
     "Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . . . . . . . . . . . . . . ."},
    {"Label2_1",
     "Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . . . . . . . . . . . . . ."},
    {"Label3_0", "Das BDA wird um                          davon hinausgeschoben . . . . . . . . . . . ."},
    {"Label3_1", "Das BDA wird um                          davon hinausgeschoben . . . . . . . . ."},
    {"Label16", "ein Viertel"},
    {"Label17", "die Hälfte"},
    {"Label15", "Datumsformat: TT/MM/JJJJ"},
    {"Label21", "Alle Datumseingaben erfordern"},
    {"Label22", "Abschluß mit der Enter-Taste"},
    {"Label25",
     "Anrechenbar sind: 1. Zeiten mit Besoldungsanspruch und gleichgestellte Zeiten,   2. "
     "Kindererziehungszeiten und Pflegezeiten von nahen Angehörigen (je Person  bis zu 3 Jahren)   3. "
     "Beurlaubungen im öff. Interesse."},
    {"Label24",
     "Ziff. 28.2.2 BBesG-VwV:  \"Der Zeitraum, um dessen Hälfte bzw. Viertel der Beginn des BDA "
     "hinauszuschieben ist, wird nach Jahren, Monaten und Tagen berechnet.  Jeder Monat ist mit 30 Tagen "
     "anzusetzen.  ... \""},
};

TEST_F(StartTest, BeschriftungenWieEntworfen) {
    for (const auto& zeile : beschriftungen) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(beschriftung(zeile.name), QString::fromUtf8(zeile.text));
    }
}

struct Knopfzeile {
    const char* name;
    const char* text;
    const char* hinweis;
};

const Knopfzeile knöpfe[] = {
    {"Bescheid", "       Bescheid", "Druckt Seite 1 des Bescheids. "},
    {"Berechnung", "       Berechnung", "Druckt Seite 2 des Bescheids."},
    {"Grundgehälter", "      Stufen",
     "Druckt für das berechnete BDA eine Liste der Grundgehaltsbeträge der Stufen 1 bis 12."},
    {"Übertrag", "         Übertrag",
     "Übeträgt das BDA, den Geburtstag und den Ernennungstag in das Gehaltsberechnungsprogramm."},
    {"RB_Text", "        RB-Text",
     "Öffnet und schließt das Textfenster zum Editieren der Rechtsbehelfsbelehrung. Ein $-Zeichen bewirkt "
     "eine Zeilenschaltung."},
    {"Hilfe", "        Hilfe", "Zeigt den maßgeblichen Text des BBesG an."},
    {"Schließen", "         Schließen",
     "Speichert alle Daten, schließt das Fenster und bringt das Gehaltsberechnungsprogramm in den "
     "Vordergrund."},
};

TEST_F(StartTest, BefehlsknoepfeMitBildUndHinweis) {
    for (const auto& zeile : knöpfe) {
        SCOPED_TRACE(zeile.name);
        auto* knopf = bauteil<QPushButton>(QString::fromUtf8(zeile.name));
        EXPECT_EQ(knopf->text(), QString::fromUtf8(zeile.text));
        EXPECT_EQ(knopf->toolTip(), QString::fromUtf8(zeile.hinweis));
        EXPECT_FALSE(knopf->icon().isNull());
    }
}

struct Optionszeile {
    const char* name;
    const char* text;
};

const Optionszeile optionen[] = {
    {"Eingangsamt_0", "Eingangsamt  A  1    bis    A 12"},
    {"Eingangsamt_1", "Eingangsamt  A 13  oder  A 14"},
    {"Eingangsamt_2", "Eingangsamt  C 1    oder  C 2  "},
    {"Eingangsamt_3", "Professor        C 3    und   C 4"},
    {"Eingangsamt_4", "Richter oder Staatsanwalt"},
};

TEST_F(StartTest, OptionenMitIhrenBeschriftungen) {
    for (const auto& zeile : optionen) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(bauteil<QRadioButton>(zeile.name)->text(), QString::fromUtf8(zeile.text));
    }
}

TEST_F(StartTest, StufenUndUebertragTunNichts) {
    eingeben("Datum_0", "15061970");
    const Fall vorher = fenster->fall();
    for (const char* name : {"Grundgehälter", "Übertrag"}) {
        SCOPED_TRACE(name);
        QTest::mouseClick(bauteil<QPushButton>(QString::fromUtf8(name)), Qt::LeftButton);
        EXPECT_EQ(fenster->fall().datum, vorher.datum);
        EXPECT_EQ(fenster->fall().bdaDatum, vorher.bdaDatum);
        EXPECT_TRUE(fenster->isVisible());
    }
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

TEST_F(StartTest, SchliessenSpeichertDenFensterplatz) {
    fenster->resize(900, 700);
    QTest::mouseClick(bauteil<QPushButton>("Schließen"), Qt::LeftButton);
    EXPECT_FALSE(fenster->isVisible());

    Hauptform wieder;
    EXPECT_EQ(wieder.size(), QSize(900, 700));
}

TEST_F(StartTest, ErsterStartInEntwurfsgroesse) {
    // 11040 x 8700 twips at 15 twips a pixel.
    EXPECT_EQ(fenster->size(), QSize(736, 580));
}

TEST_F(StartTest, FokuswaechterSchicktDieSpanneZurErnennung) {
    for (int i : {20, 21, 22, 23}) {
        SCOPED_TRACE(i);
        QTest::mouseClick(datum(i), Qt::LeftButton);
        EXPECT_EQ(fokus(), "Datum_2");
    }
}

}  // namespace
