// The case-file commands in the real window: damaged files refused with the case untouched, a failed save
// on each of its paths leaving the case unsaved, the question before unsaved changes are lost on each of
// its four paths with each answer, the title, the recent files and Übertrag.

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <fstream>
#include <functional>

#include "Datentraeger.h"
#include "Fallablage.h"
#include "Fallbefehle.h"
#include "Fallformat.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace {

std::string inhalt(const QString& pfad) {
    std::ifstream datei(pfad.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

void schreiben(const QString& pfad, const std::string& text) {
    std::ofstream(pfad.toStdString(), std::ios::binary) << text;
}

class FalldateiTest : public Fenstertest {
   public:
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    Fallbefehle& befehle() const { return fenster->befehle(); }
    std::string zustand() const { return datei::falltext(datei::falldateiVon(fenster->fall())); }

    // The worked case with "Wehrdienst" described, saved as `datei` when one is given.
    void fallTippen(const QString& datei = {}) {
        zurück();
        datum(0)->setFocus();
        beispielfallTippen();
        tippen("Wehrdienst");
        EXPECT_TRUE(datei.isEmpty() || befehle().speichernUnter(datei));
    }
    // A change typed into the described case.
    void ändern() {
        eingabe(0)->setFocus();
        tippen(" W15");
    }

    QTemporaryDir ordner;
};

// A file that cannot be opened is refused with a message naming the file (the faults themselves: the file
// tests); the case typed before stays as it was, and so does its title.
TEST_F(FalldateiTest, BeschaedigteDateiWirdAbgewiesen) {
    fallTippen(pfad("gut.bda"));
    const std::string vorher = zustand();
    const QString titelVorher = fenster->windowTitle();
    schreiben(pfad("kaputt.bda"), "Fallakte Müller\n");
    EXPECT_FALSE(befehle().öffnen(pfad("kaputt.bda")));
    EXPECT_TRUE(meldungen.einzig("„" + pfad("kaputt.bda") + "“"));
    EXPECT_EQ(zustand(), vorher);
    EXPECT_EQ(befehle().datei(), pfad("gut.bda"));
    EXPECT_EQ(fenster->windowTitle(), titelVorher);
    EXPECT_FALSE(fenster->isWindowModified());
}

// A file whose stored results differ from the recomputation, in the BDA or in the experience step: the
// recomputed case is shown, the message names the difference, and the case counts as changed.
TEST_F(FalldateiTest, AbweichendeErgebnisseWerdenGemeldet) {
    fallTippen(pfad("fall.bda"));
    // Grade A 9 appointed 15/03/2012 without credited times: the steps every 2, 3, 3, 3, 4, 4, 4 years.
    const std::string stufe = R"(,"erfahrungsstufe": {"amt": 9, "einfacher_dienst": false,
      "ernennung": "15/03/2012", "zeitraeume": [], "ergebnis": {"stufe1": "01/03/2012", "bei_ernennung": 1,
      "stufen": ["01/03/2012", "01/03/2014", "01/03/2017", "01/03/2020", "01/03/2023", "01/03/2027",
      "01/03/2031", "01/03/2035"], "anerkannt_monate": 0, "verzoegerung_monate": 1}}})";
    // The stored text replaced (its last occurrence), what replaces it, and the line the message holds.
    const std::tuple<std::string, std::string, QString> fälle[] = {
        {"\"bda\": \"01/09/1993\"", "\"bda\": \"01/03/1993\"",
         "\nBDA: gespeichert 01/03/1993, neu 01/09/1993\n"},
        {"\n}", stufe, "\nErfahrungsstufe, Verzögerung: gespeichert 1 Monat, neu 0 Monate\n"},
    };
    for (const auto& [alt, neu, zeile] : fälle) {
        SCOPED_TRACE(zeile.toStdString());
        std::string text = inhalt(pfad("fall.bda"));
        ASSERT_NE(text.rfind(alt), std::string::npos);
        schreiben(pfad("alt.bda"), text.replace(text.rfind(alt), alt.size(), neu));
        meldungen.leeren();
        ASSERT_TRUE(befehle().öffnen(pfad("alt.bda")));
        EXPECT_TRUE(meldungen.einzig(zeile));
        EXPECT_EQ(beschriftung("BDADatum"), "01/09/1993.");
        EXPECT_TRUE(fenster->isWindowModified());
    }
}

// A save that fails on a full disk, by each command that saves, or for a date typed without Enter that
// names no day: the message names the file and why, the old file keeps every byte, no other file is left,
// and the case stays marked unsaved. Übertrag still fills the clipboard.
TEST_F(FalldateiTest, GescheitertesSpeichernLaesstDenFallUngespeichert) {
    const std::pair<std::function<void(const QString&)>, const char*> wege[] = {
        {[](const QString&) { taste(Qt::CTRL | Qt::Key_S); }, "/fall.bda“ ließ sich nicht speichern."},
        {[this](const QString& ordner) { EXPECT_FALSE(befehle().speichernUnter(ordner + "/neu.bda")); },
         "/neu.bda“ ließ sich nicht speichern."},
        {[this](const QString& ordner) {
             QSettings(QSettings::UserScope, QCoreApplication::applicationName())
                 .setValue("Uebertrag/Ordner", ordner);
             QApplication::clipboard()->clear();
             klicken("Übertrag");
             EXPECT_TRUE(QApplication::clipboard()->text().startsWith("BDA: 01/09/1993\n"));
         },
         "nur in die Zwischenablage."},
        {[this](const QString&) {
             feldTippen(2, "31022008", false);
             taste(Qt::CTRL | Qt::Key_S);
         },
         "/fall.bda“ gespeichert, denn im Feld „Ernennung“ steht „31/02/2008“."},
    };
    for (const auto& [speichern, meldung] : wege) {
        SCOPED_TRACE(meldung);
        neuesFenster();
        QTemporaryDir tmp;
        Datentraeger platte(tmp.path());
        const QString datei = tmp.filePath("fall.bda");
        fallTippen(datei);
        const std::string gespeichert = inhalt(datei);
        const bool voll = !QString::fromUtf8(meldung).contains("Ernennung");
        if (voll) platte.füllen();
        ändern();
        meldungen.leeren();
        speichern(tmp.path());
        EXPECT_TRUE(meldungen.einzig(QString::fromUtf8(meldung)));
        EXPECT_EQ(meldungen.texte.value(0).contains("nicht genug Platz"), voll);
        EXPECT_EQ(inhalt(datei), gespeichert);
        EXPECT_EQ(QDir(tmp.path()).entryList({"*.bda"}, QDir::Files), QStringList{"fall.bda"});
        EXPECT_EQ(befehle().datei(), datei);
        EXPECT_TRUE(fenster->isWindowModified());
    }
}

// The four ways a saved and then changed case is replaced, each with "Abbrechen" and with "Speichern" or
// "Verwerfen" in turn: "Speichern" writes the change and goes on, "Verwerfen" goes on and leaves the
// file, "Abbrechen" keeps the changed case on screen.
TEST_F(FalldateiTest, AenderungenSpeichernAufAllenWegenMitAllenAntworten) {
    const QString anderer = pfad("anderer.bda");
    datei::Falldatei andererFall;
    andererFall.datum[0] = "01/03/1980";
    datei::Fallablage::speichern(anderer, andererFall);
    QTimer dialoguhr;  // answers the file dialog that follows the question with the other file
    QObject::connect(&dialoguhr, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(anderer);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    dialoguhr.start(5);
    // How the case is replaced, and the birth date and the file then.
    const struct {
        std::function<void()> auslösen;
        const char *geburt, *datei;
    } wege[] = {
        {[this] { befehle().neuAktion()->trigger(); }, "__/__/____", ""},
        {[this] { befehle().öffnenAktion()->trigger(); }, "01/03/1980", "anderer.bda"},
        {[this] { fenster->close(); }, nullptr, "fall.bda"},
        {[this] { feldTippen(0, "01011975"); }, "01/01/1975", "fall.bda"},
    };
    int nummer = 0;
    for (const auto& weg : wege) {
        for (const auto antwort :
             {nummer++ % 2 ? QMessageBox::Discard : QMessageBox::Save, QMessageBox::Cancel}) {
            SCOPED_TRACE(std::to_string(nummer) + ", Antwort " + std::to_string(antwort));
            neuesFenster();
            const QString datei = pfad("fall.bda");
            fallTippen(datei);
            const std::string gespeichert = inhalt(datei);
            ändern();
            const std::string geändert = zustand();
            meldungen.leeren();
            meldungen.antwort = antwort;
            weg.auslösen();
            EXPECT_EQ(meldungen.fragen, QStringList{"Änderungen speichern?"});
            EXPECT_EQ(inhalt(datei), antwort == QMessageBox::Save ? geändert : gespeichert);
            if (antwort == QMessageBox::Cancel) {
                EXPECT_TRUE(fenster->isVisible());
                EXPECT_EQ(zustand(), geändert);
                EXPECT_TRUE(fenster->isWindowModified());
            } else {
                EXPECT_EQ(fenster->isVisible(), weg.geburt != nullptr);
                EXPECT_EQ(fenster->fall().datum[0], weg.geburt ? weg.geburt : "15/06/1970");
                EXPECT_EQ(QFileInfo(befehle().datei()).fileName(), weg.datei);
            }
        }
    }
}

// Nothing is asked while the case is as saved, opened or started, nor for a case of a birth date alone.
// The title names the file and shows "*" while the case differs from it; typing the change back removes
// the "*" again.
TEST_F(FalldateiTest, TitelMitSternUndOhneAenderungenKeineFrage) {
    feldTippen(0, "15061970");
    feldTippen(0, "16061970");
    fallTippen();
    EXPECT_TRUE(fenster->isWindowModified());
    befehle().speichernUnter(pfad("Müller [*].bda"));
    EXPECT_EQ(fenster->windowTitle(),
              "Müller [*][*].bda[*] – Berechnung des Besoldungsdienstalters nach § 28 BBesG für ");
    EXPECT_FALSE(fenster->isWindowModified());
    ändern();
    EXPECT_TRUE(fenster->isWindowModified());
    for (int i = 0; i < 4; ++i) taste(Qt::Key_Backspace);
    EXPECT_FALSE(fenster->isWindowModified());
    befehle().neuAktion()->trigger();
    EXPECT_TRUE(befehle().öffnen(pfad("Müller [*].bda")));
    fenster->close();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_TRUE(meldungen.fragen.isEmpty());
}

// Übertrag: BDA, birth date and appointment on the clipboard and as a case file in the hand-over folder; a
// message says what went where. Without a result nothing; with no folder set, the clipboard alone.
TEST_F(FalldateiTest, Uebertrag) {
    QSettings einstellungen(QSettings::UserScope, QCoreApplication::applicationName());
    const QString übergabe = pfad("Übergabe");
    einstellungen.setValue("Uebertrag/Ordner", übergabe);
    klicken("Übertrag");
    EXPECT_TRUE(meldungen.einzig("Zum Übertragen fehlen noch Daten"));
    EXPECT_FALSE(QDir(übergabe).exists());

    fallTippen();
    QApplication::clipboard()->clear();
    meldungen.leeren();
    klicken("Übertrag");
    const QString daten = "BDA: 01/09/1993\nGeburtstag: 15/06/1970\nErnennungstag: 15/06/2008\n";
    EXPECT_EQ(QApplication::clipboard()->text(), daten);
    const QStringList dateien = QDir(übergabe).entryList({"Übertrag *.bda"}, QDir::Files);
    ASSERT_EQ(dateien.size(), 1);
    const QString datei = QDir(übergabe).filePath(dateien[0]);
    EXPECT_EQ(datei::Fallablage::öffnen(datei).ergebnis.bda, "01/09/1993");
    EXPECT_TRUE(meldungen.einzig(daten + "\nin die Zwischenablage und in die Datei „" + datei + "“."));

    einstellungen.setValue("Uebertrag/Ordner", QString());
    meldungen.leeren();
    klicken("Übertrag");
    EXPECT_TRUE(meldungen.einzig("\nin die Zwischenablage. Bitte"));
    EXPECT_EQ(QDir(übergabe).entryList({"*.bda"}, QDir::Files).size(), 1);
}

}  // namespace

}  // namespace bda::fenster
