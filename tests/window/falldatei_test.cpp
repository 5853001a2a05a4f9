// The case-file commands in the real window: damaged files refused with the case untouched, a failed
// save on each of its paths leaving the case unsaved, the question before unsaved changes are lost on
// each of its four paths with each answer, the title, the recent files, the shortcuts and Übertrag.

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Datentraeger.h"
#include "Fallablage.h"
#include "Fallbefehle.h"
#include "Fallformat.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace Fallablage = datei::Fallablage;
using datei::Falldatei;
using datei::falldateiVon;
using datei::falltext;

namespace {

std::string inhalt(const QString& pfad) {
    std::ifstream datei(pfad.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

void schreiben(const QString& pfad, const std::string& text) {
    std::ofstream(pfad.toStdString(), std::ios::binary) << text;
}

std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    const auto stelle = text.find(alt);
    EXPECT_NE(stelle, std::string::npos) << alt;
    if (stelle != std::string::npos) text.replace(stelle, alt.size(), neu);
    return text;
}

class FalldateiTest : public Fenstertest {
   public:
    FalldateiTest() { EXPECT_TRUE(ordner.isValid()); }

    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
    Fallbefehle& befehle() const { return fenster->befehle(); }
    std::string zustand() const { return falltext(falldateiVon(fenster->fall())); }

    // The worked case with "Wehrdienst" described.
    void fallTippen() {
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));  // after a message box
        datum(0)->setFocus();
        beispielfallTippen();
        tippen("Wehrdienst");
    }

    // A window like the one the clerk starts, replacing the fixture's.
    void neuesFenster() {
        fenster = std::make_unique<Hauptform>();
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    QTemporaryDir ordner;
};

// A file that cannot be opened is refused with a message naming the file and the fault (the faults
// themselves: datei_tests); the case typed before stays as it was, and so does its title.
TEST_F(FalldateiTest, BeschaedigteDateienWerdenAbgewiesen) {
    fallTippen();
    const std::string vorher = zustand();
    befehle().speichernUnter(pfad("gut.bda"));
    const QString titelVorher = fenster->windowTitle();
    const struct {
        const char* name;
        std::function<void(const QString&)> anlegen;
        const char* meldung;
    } zeilen[] = {
        {"kein JSON", [](const QString& p) { schreiben(p, "Fallakte Müller\n"); },
         "Sie ist kein gültiger JSON-Text: Hier beginnt kein Wert (Byte 1)."},
        {"Ordner", [](const QString& p) { QDir().mkpath(p); }, "ist ein Ordner, keine Falldatei."},
        {"fehlt", [](const QString&) {}, "Es gibt keine Datei und keinen Ordner dieses Namens."},
    };
    int nummer = 0;
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        const QString datei = pfad("kaputt") + QString::number(++nummer) + QStringLiteral(".bda");
        zeile.anlegen(datei);
        meldungen.texte.clear();
        EXPECT_FALSE(befehle().öffnen(datei));
        ASSERT_EQ(meldungen.texte.size(), 1);
        EXPECT_TRUE(meldungen.texte[0].contains("„" + datei + "“")) << meldungen.texte[0].toStdString();
        EXPECT_TRUE(meldungen.texte[0].contains(QString::fromUtf8(zeile.meldung)))
            << meldungen.texte[0].toStdString();
        EXPECT_EQ(zustand(), vorher);
        EXPECT_EQ(befehle().datei(), pfad("gut.bda"));
        EXPECT_EQ(fenster->windowTitle(), titelVorher);
        EXPECT_FALSE(fenster->isWindowModified());
    }
    EXPECT_TRUE(meldungen.nurOk);
}

// A save that fails on a full disk, by each command that saves: the message says why, the old file keeps
// every byte, and the case stays marked unsaved. Übertrag still fills the clipboard.
TEST_F(FalldateiTest, VollerDatentraegerLaesstDenFallUngespeichert) {
    const struct {
        const char* name;
        std::function<void(FalldateiTest&, const QString& ordner)> speichern;
        const char* meldung;
    } wege[] = {
        {"Speichern",
         [](FalldateiTest&, const QString&) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
         },
         "/fall.bda“ ließ sich nicht speichern."},
        {"Speichern unter",
         [](FalldateiTest& t, const QString& ordner) {
             EXPECT_FALSE(t.befehle().speichernUnter(ordner + QStringLiteral("/neu.bda")));
         },
         "/neu.bda“ ließ sich nicht speichern."},
        {"Übertrag",
         [](FalldateiTest& t, const QString& ordner) {
             QSettings(QSettings::UserScope, QCoreApplication::applicationName())
                 .setValue(QStringLiteral("Uebertrag/Ordner"), ordner);
             QApplication::clipboard()->clear();
             t.klicken(QStringLiteral("Übertrag"));
             EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("BDA: 01/09/1993\n")));
         },
         "nur in die Zwischenablage."},
    };
    for (const auto& weg : wege) {
        SCOPED_TRACE(weg.name);
        neuesFenster();
        QTemporaryDir tmp;
        Datentraeger platte(tmp.path());
        const QString datei = tmp.filePath(QStringLiteral("fall.bda"));
        fallTippen();
        ASSERT_TRUE(befehle().speichernUnter(datei));
        const std::string gespeichert = inhalt(datei);
        platte.füllen();
        bauteil<QLineEdit>(QStringLiteral("Eingabe_0"))->setFocus();
        tippen(" W15");
        meldungen.texte.clear();
        weg.speichern(*this, tmp.path());
        ASSERT_EQ(meldungen.texte.size(), 1);
        EXPECT_TRUE(meldungen.texte[0].contains(QString::fromUtf8(weg.meldung)))
            << meldungen.texte[0].toStdString();
        EXPECT_TRUE(meldungen.texte[0].contains(QStringLiteral("nicht genug Platz")));
        EXPECT_EQ(inhalt(datei), gespeichert);
        EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral("*.bda")}, QDir::Files),
                  QStringList{"fall.bda"});
        EXPECT_EQ(befehle().datei(), datei);
        EXPECT_TRUE(fenster->isWindowModified());
    }
}

// A date typed without Enter is saved as typed, but not one that names no day: the save is refused with
// the field and the date before the old file is touched, and the case stays unsaved.
TEST_F(FalldateiTest, UnbestaetigtesUnmoeglichesDatumWirdNichtGespeichert) {
    fallTippen();
    const QString datei = pfad("fall.bda");
    ASSERT_TRUE(befehle().speichernUnter(datei));
    const std::string gespeichert = inhalt(datei);
    datum(2)->setFocus();
    QTest::keyClick(datum(2), Qt::Key_F3);
    tippen("31022008");
    meldungen.texte.clear();
    QTest::keyClick(datum(2), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].startsWith("Der Fall wurde nicht in „" + datei +
                                              "“ gespeichert, denn im Feld "
                                              "„Ernennung“ steht „31/02/2008“."))
        << meldungen.texte[0].toStdString();
    EXPECT_EQ(inhalt(datei), gespeichert);
    EXPECT_TRUE(fenster->isWindowModified());
}

// The four ways a case is replaced, each answered with each button. The case was saved, then changed
// (a description typed): "Speichern" writes the change and goes on, "Verwerfen" goes on and leaves the
// file, "Abbrechen" keeps the changed case on screen.
TEST_F(FalldateiTest, AenderungenSpeichernAufAllenWegenMitAllenAntworten) {
    const QString anderer = pfad("anderer.bda");
    {
        Falldatei datei;
        datei.datum[0] = "01/03/1980";
        datei.ergebnis.bda = "01/02/2001";
        Fallablage::speichern(anderer, datei);
    }
    const struct {
        const char* name;
        std::function<void(FalldateiTest&)> auslösen;
        std::function<void(FalldateiTest&)> ersetzt;  // checks that the case was replaced
    } wege[] = {
        {"Neuer Fall", [](FalldateiTest& t) { t.befehle().neuAktion()->trigger(); },
         [](FalldateiTest& t) {
             EXPECT_EQ(t.fenster->fall().datum[0], "__/__/____");
             EXPECT_EQ(t.befehle().datei(), "");
         }},
        {"Öffnen",
         [&](FalldateiTest& t) {
             // The file dialog that follows the question is answered with the other file.
             QTimer dialoguhr;
             dialoguhr.setInterval(5);
             QObject::connect(&dialoguhr, &QTimer::timeout, [&] {
                 if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                     dialog->selectFile(anderer);
                     static_cast<QDialog*>(dialog)->accept();
                 }
             });
             dialoguhr.start();
             t.befehle().öffnenAktion()->trigger();
         },
         [&](FalldateiTest& t) {
             EXPECT_EQ(t.fenster->fall().datum[0], "01/03/1980");
             EXPECT_EQ(t.befehle().datei(), anderer);
         }},
        {"Fenster schließen", [](FalldateiTest& t) { t.fenster->close(); },
         [](FalldateiTest& t) { EXPECT_FALSE(t.fenster->isVisible()); }},
        {"neuer Geburtstag",
         [](FalldateiTest& t) {
             t.datum(0)->setFocus();
             QTest::keyClick(t.datum(0), Qt::Key_F3);
             tippen("01011975");
             enter();
         },
         [](FalldateiTest& t) {
             EXPECT_EQ(t.fenster->fall().datum[0], "01/01/1975");
             EXPECT_EQ(t.fenster->fall().datum[2], "__/__/____");
         }},
    };
    // Every way with "Abbrechen", and with "Speichern" or "Verwerfen" in turn.
    int nummer = 0;
    for (const auto& weg : wege) {
        for (const auto knopf :
             {nummer++ % 2 ? QMessageBox::Discard : QMessageBox::Save, QMessageBox::Cancel}) {
            SCOPED_TRACE(std::string(weg.name) + ", Antwort " + std::to_string(knopf));
            const struct { QMessageBox::StandardButton knopf; } antwort{knopf};
            neuesFenster();
            const QString datei = pfad("fall.bda");
            fallTippen();
            ASSERT_TRUE(befehle().speichernUnter(datei));
            const std::string gespeichert = inhalt(datei);
            bauteil<QLineEdit>(QStringLiteral("Eingabe_0"))->setFocus();
            tippen(" W15");
            const std::string geändert = zustand();
            ASSERT_NE(geändert, gespeichert);
            ASSERT_TRUE(fenster->isWindowModified());

            meldungen.fragen.clear();
            meldungen.antwort = antwort.knopf;
            weg.auslösen(*this);
            EXPECT_EQ(meldungen.fragen, QStringList{"Änderungen speichern?"});
            EXPECT_EQ(inhalt(datei), antwort.knopf == QMessageBox::Save ? geändert : gespeichert);
            if (antwort.knopf == QMessageBox::Cancel) {
                EXPECT_TRUE(fenster->isVisible());
                EXPECT_EQ(zustand(), geändert);
                EXPECT_EQ(datum(0)->displayText(), "15/06/1970");
                EXPECT_EQ(datum(2)->displayText(), "15/06/2008");
                EXPECT_TRUE(fenster->isWindowModified());
            } else {
                weg.ersetzt(*this);
            }
        }
    }
}

// A period end typed without Enter counts at once, and a new birth date taken back with "Abbrechen"
// leaves the case counting what it shows.
TEST_F(FalldateiTest, AbgebrochenerGeburtstagZaehltWasDasteht) {
    fallTippen();
    befehle().speichernUnter(pfad("fall.bda"));
    datum(4)->setFocus();
    QTest::keyClick(datum(4), Qt::Key_F3);
    tippen("31122003");
    ASSERT_EQ(fenster->fall().rahmen1[1], (Zeitspanne{0, 0, 2}));
    datum(0)->setFocus();
    QTest::keyClick(datum(0), Qt::Key_F3);
    tippen("16061970");
    meldungen.antwort = QMessageBox::Cancel;
    enter();
    EXPECT_EQ(meldungen.fragen, QStringList{"Änderungen speichern?"});
    EXPECT_EQ(datum(0)->displayText(), "15/06/1970");
    EXPECT_EQ(fenster->fall().rahmen1[1], (Zeitspanne{0, 0, 2}));
    EXPECT_EQ(beschriftung("Jahr1_1"), "2");
}

// Nothing is asked while the case is as saved, opened or started; a case of a birth date alone is
// typed over without a question.
TEST_F(FalldateiTest, OhneAenderungenKeineFrage) {
    befehle().neuAktion()->trigger();
    datum(0)->setFocus();
    tippen("15061970");
    enter();
    QTest::keyClick(datum(0), Qt::Key_F3);
    datum(0)->setFocus();
    tippen("16061970");
    enter();
    fallTippen();
    befehle().speichernUnter(pfad("fall.bda"));
    befehle().neuAktion()->trigger();
    EXPECT_TRUE(befehle().öffnen(pfad("fall.bda")));
    fenster->close();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_TRUE(meldungen.fragen.isEmpty());
}

// The title names the file and shows "*" while the case differs from it; typing the change back
// removes the "*" again.
TEST_F(FalldateiTest, TitelMitDateinameUndStern) {
    fallTippen();
    EXPECT_TRUE(fenster->isWindowModified());
    EXPECT_TRUE(fenster->windowTitle().startsWith(QStringLiteral("Unbenannt[*] – Berechnung")));
    befehle().speichernUnter(pfad("Müller [*].bda"));
    EXPECT_EQ(
        fenster->windowTitle(),
        QStringLiteral("Müller [*][*].bda[*] – Berechnung des Besoldungsdienstalters nach § 28 BBesG für "));
    EXPECT_FALSE(fenster->isWindowModified());
    auto* beschreibung = bauteil<QLineEdit>(QStringLiteral("Eingabe_0"));
    beschreibung->setFocus();
    tippen("x");
    EXPECT_TRUE(fenster->isWindowModified());
    QTest::keyClick(beschreibung, Qt::Key_Backspace);
    EXPECT_FALSE(fenster->isWindowModified());
}

// A file whose stored results the recomputation changes: the recomputed case is shown, the message
// names each difference, and the case counts as changed.
TEST_F(FalldateiTest, AbweichendeErgebnisseWerdenGemeldet) {
    fallTippen();
    befehle().speichernUnter(pfad("fall.bda"));
    schreiben(pfad("alt.bda"),
              ersetzt(inhalt(pfad("fall.bda")), "\"bda\": \"01/09/1993\"", "\"bda\": \"01/03/1993\""));
    meldungen.texte.clear();
    ASSERT_TRUE(befehle().öffnen(pfad("alt.bda")));
    EXPECT_EQ(beschriftung("BDADatum"), "01/09/1993.");
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(
        meldungen.texte[0].contains(QStringLiteral("\n\nBDA: gespeichert 01/03/1993, neu 01/09/1993\n\n")))
        << meldungen.texte[0].toStdString();
    EXPECT_TRUE(fenster->isWindowModified());

    // The same for a stored result of the experience step alone.
    const std::string stufe = R"(,
  "erfahrungsstufe": {"amt": 9, "einfacher_dienst": false, "ernennung": "15/03/2012", "zeitraeume": [],
    "ergebnis": {"stufe1": "01/03/2012", "bei_ernennung": 1, "stufen": ["01/03/2012", "01/03/2014",
      "01/03/2017", "01/03/2020", "01/03/2023", "01/03/2027", "01/03/2031", "01/03/2035"],
      "anerkannt_monate": 0, "verzoegerung_monate": 1}}
})";
    std::string text = inhalt(pfad("fall.bda"));
    text.replace(text.rfind("\n}"), 2, stufe);
    schreiben(pfad("stufe.bda"), text);
    meldungen.texte.clear();
    ASSERT_TRUE(befehle().öffnen(pfad("stufe.bda")));
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].contains(QStringLiteral("Verzögerung")))
        << meldungen.texte[0].toStdString();
    EXPECT_TRUE(fenster->isWindowModified());
}

// The last eight files, newest first; an entry opens its file, one that is gone is taken off.
TEST_F(FalldateiTest, ZuletztGeoeffnet) {
    fallTippen();
    for (int i = 1; i <= 9; ++i)
        befehle().speichernUnter(pfad("f") + QString::number(i) + QStringLiteral(".bda"));
    QMenu* menü = befehle().zuletztMenü();
    Q_EMIT menü->aboutToShow();
    QStringList einträge;
    for (QAction* aktion : menü->actions()) einträge << aktion->text();
    EXPECT_EQ(einträge, (QStringList{"&1 f9.bda", "&2 f8.bda", "&3 f7.bda", "&4 f6.bda", "&5 f5.bda",
                                     "&6 f4.bda", "&7 f3.bda", "&8 f2.bda"}));

    befehle().neuAktion()->trigger();
    menü->actions().at(3)->trigger();
    EXPECT_EQ(befehle().datei(), pfad("f6.bda"));
    EXPECT_EQ(beschriftung("BDADatum"), "01/09/1993.");

    QFile::remove(pfad("f9.bda"));
    Q_EMIT menü->aboutToShow();
    meldungen.texte.clear();
    menü->actions().at(1)->trigger();
    EXPECT_EQ(meldungen.texte.size(), 1);
    Q_EMIT menü->aboutToShow();
    EXPECT_EQ(menü->actions().size(), 7);
    EXPECT_EQ(menü->actions().at(0)->text(), "&1 f6.bda");
}

// Ctrl+N and Ctrl+S from wherever the focus is.
TEST_F(FalldateiTest, Tastenkuerzel) {
    fallTippen();
    befehle().speichernUnter(pfad("fall.bda"));
    bauteil<QLineEdit>(QStringLiteral("Eingabe_0"))->setFocus();
    tippen(" lang");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(fenster->isWindowModified());
    EXPECT_NE(inhalt(pfad("fall.bda")).find("Wehrdienst lang"), std::string::npos);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(datum(0)->displayText(), "__/__/____");
    EXPECT_EQ(fokus(), "Datum_0");
}

// Übertrag: BDA, birth date and appointment on the clipboard and as a case file in the hand-over
// folder; a message says what went where.
TEST_F(FalldateiTest, Uebertrag) {
    QSettings einstellungen(QSettings::UserScope, QCoreApplication::applicationName());
    const QString übergabe = pfad("Übergabe");
    einstellungen.setValue(QStringLiteral("Uebertrag/Ordner"), übergabe);
    meldungen.texte.clear();
    klicken(QStringLiteral("Übertrag"));
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].startsWith(QStringLiteral("Zum Übertragen fehlen noch Daten")));
    EXPECT_FALSE(QDir(übergabe).exists());

    fallTippen();
    QApplication::clipboard()->clear();
    meldungen.texte.clear();
    klicken(QStringLiteral("Übertrag"));
    const QString daten =
        QStringLiteral("BDA: 01/09/1993\nGeburtstag: 15/06/1970\nErnennungstag: 15/06/2008\n");
    EXPECT_EQ(QApplication::clipboard()->text(), daten);
    const QStringList dateien = QDir(übergabe).entryList({QStringLiteral("*.bda")}, QDir::Files);
    ASSERT_EQ(dateien.size(), 1);
    const QString datei = QDir(übergabe).filePath(dateien[0]);
    EXPECT_TRUE(dateien[0].startsWith(QStringLiteral("Übertrag "))) << dateien[0].toStdString();
    EXPECT_EQ(Fallablage::öffnen(datei).ergebnis.bda, "01/09/1993");
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_EQ(meldungen.texte[0], "Übertragen wurden\n\n" + daten +
                                      "\nin die Zwischenablage und in die Datei „" + datei +
                                      "“. Bitte im Gehaltsberechnungsprogramm einfügen oder die "
                                      "Datei dort einlesen.");

    // A file where the folder should be: the clipboard still gets the data, the message the reason.
    schreiben(pfad("belegt"), "x");
    einstellungen.setValue(QStringLiteral("Uebertrag/Ordner"), pfad("belegt"));
    meldungen.texte.clear();
    klicken(QStringLiteral("Übertrag"));
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].contains(QStringLiteral("nur in die Zwischenablage")));
    EXPECT_TRUE(meldungen.texte[0].contains("Der Übertragsordner „" + pfad("belegt") + "“"));

    // No folder set: the clipboard alone.
    einstellungen.setValue(QStringLiteral("Uebertrag/Ordner"), QString());
    meldungen.texte.clear();
    klicken(QStringLiteral("Übertrag"));
    EXPECT_TRUE(
        meldungen.texte.value(0).endsWith("\nin die Zwischenablage. Bitte im Gehaltsberechnungsprogramm "
                                          "einfügen."));
    EXPECT_EQ(QDir(übergabe).entryList({QStringLiteral("*.bda")}, QDir::Files).size(), 1);
}

}  // namespace

}  // namespace bda::fenster
