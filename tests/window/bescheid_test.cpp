// The dialog "Bescheiddaten" and the PDF for the e-file, driven by keys in the real window.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "Behoerdenplatzhalter.h"
#include "Belehrungsdatei.h"
#include "Fenstertest.h"
#include "Rechtsmitteleditor.h"

namespace bda::fenster {

namespace {

class BescheidTest : public Fenstertest {
   public:
    // The user has no legal-remedy text of his own: the notice prints the shipped one.
    BescheidTest() { QFile::remove(druck::Belehrungsdatei::benutzerdateiname()); }

    static QString feld(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromUtf8(name))->text();
    }
    // The dialog filled by keys, Tab after Tab from the first letterhead line, each field reached in its
    // turn; `vorEnter` runs before Enter accepts it. The first letterhead line and the addressee are typed
    // too long, the year with a digit too many, the envelope form chosen with the arrow keys.
    void bescheiddatenTippen(const std::function<void(QWidget*)>& vorEnter = [](QWidget*) {}) {
        imDialog(Qt::CTRL | Qt::Key_D, [&](QWidget* dialog) {
            const QStringList felder = {
                "Kopfzeile1",    "Kopfzeile2",      "Behördenstraße", "Behördenort", "Anschriftfeld",
                "Unterschrift1", "Unterschrift2",   "Name",           "Anrede",      "Anschrift1",
                "Anschrift2",    "Dienstanschrift", "Bescheiddatum",  "Bezugsjahr",  "Geschäftszeichen"};
            const QStringList texte = {"Landesamt für Besoldung und Versorgung NRW",
                                       "Düsseldorf",
                                       "Jürgensplatz 1",
                                       "40219 Düsseldorf",
                                       "",
                                       "Anna Schmidt",
                                       "Bernd Meier",
                                       "Erika Mustermann",
                                       "Frau",
                                       "Lindenstraße 5 und noch viel mehr Text",
                                       "12345 Musterstadt",
                                       "",
                                       "15062024",
                                       "20045",
                                       "P 12 - 345/2024"};
            for (qsizetype i = 0; i < felder.size(); ++i) {
                EXPECT_EQ(fokus(), felder[i]);
                zeichenTippen(texte[i]);
                if (felder[i] == "Anschriftfeld") taste(Qt::Key_Down);
                taste(Qt::Key_Tab);
            }
            vorEnter(dialog);
            enter();
        });
    }
    // "Als PDF speichern …" into `datei`, the name typed over the proposed one, which is returned.
    QString alsPdf(const QString& datei) {
        QString vorschlag;
        imDialog(Qt::CTRL | Qt::SHIFT | Qt::Key_E, [&](QWidget* dialog) {
            auto* dateiwahl = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(dateiwahl, nullptr);
            vorschlag = dateiwahl->selectedFiles().value(0);
            dateiwahl->findChild<QLineEdit*>("fileNameEdit")->setText(datei);
            static_cast<QDialog*>(dateiwahl)->accept();
        });
        QCoreApplication::processEvents();
        return vorschlag;
    }
    QTemporaryDir ablage;
};

// Each field cut at its length with the rest counted. The case and the title take the values at once;
// opened again the dialog starts on the official's name; the letterhead and the signers survive a restart,
// the addressee does not.
TEST_F(BescheidTest, DialogPerTastaturUndNeustart) {
    bescheiddatenTippen([](QWidget* dialog) {
        // 42 characters typed, 39 fit.
        EXPECT_EQ(feld(dialog, "Kopfzeile1"), "Landesamt für Besoldung und Versorgung ");
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile1_Rest")->text(), "noch 0 Zeichen");
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile2_Rest")->text(), "noch 30 Zeichen");
        EXPECT_EQ(feld(dialog, "Anschrift1"), "Lindenstraße 5 und noch viel m");
        EXPECT_EQ(feld(dialog, "Bezugsjahr"), "2004");
    });
    const Bescheiddaten& d = fenster->fall().bescheid;
    EXPECT_EQ(d.anschriftfeld, Anschriftform::b);
    EXPECT_EQ(d.anrede.text(), "c");
    EXPECT_EQ(d.bescheiddatum.text(), "15.06.2024" + std::string(10, ' '));
    EXPECT_EQ(d.bezugsjahr, 2004);
    EXPECT_EQ(fenster->windowTitle(),
              "Unbenannt[*] – Berechnung des Besoldungsdienstalters nach § 28 BBesG für Erika Mustermann");
    EXPECT_TRUE(meldungen.texte.isEmpty());
    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        EXPECT_EQ(fokus(), "Name");
        EXPECT_EQ(feld(dialog, "Bescheiddatum"), "15/06/2024");
    });

    fenster = std::make_unique<Hauptform>();
    const Bescheiddaten& neu = fenster->fall().bescheid;
    EXPECT_EQ(neu.behörde.kopfzeile1.text(), "Landesamt für Besoldung und Versorgung ");
    EXPECT_EQ(neu.anschriftfeld, Anschriftform::b);
    EXPECT_TRUE(neu.anschrift1.istLeer()) << "the addressee belongs to the case";
    EXPECT_EQ(fenster->fall().name, "");
}

// An invalid date or year keeps the dialog open with a message naming the value and the focus on its
// field, the value selected to be typed over; an emptied date means today.
TEST_F(BescheidTest, DialogWeistFalscheWerteAb) {
    imDialog(Qt::CTRL | Qt::Key_D, [this](QWidget* dialog) {
        const auto abgewiesen = [&](QKeyCombination k, const char* name, const char* falsch,
                                    const char* meldung) {
            taste(k);
            tippen(falsch);
            enter();
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_TRUE(meldungen.texte.last().startsWith(QString::fromUtf8(meldung))) << meldung;
            EXPECT_EQ(fokus(), name);
        };
        abgewiesen(Qt::ALT | Qt::Key_B, "Bescheiddatum", "31022024", "Das Bescheiddatum „31/02/2024“ ist ");
        taste(Qt::Key_F3);
        abgewiesen(Qt::ALT | Qt::Key_J, "Bezugsjahr", "1929", "Das Bezugsjahr „1929“ ist ke");
        tippen("2040");
        taste(Qt::ALT | Qt::Key_N);
        tippen("Max Muster");
        enter();
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(meldungen.texte.size(), 2);
    EXPECT_EQ(fenster->fall().bescheid.bezugsjahr, 2040);
    EXPECT_TRUE(fenster->fall().bescheid.bescheiddatum.istLeer());
    EXPECT_EQ(fenster->fall().name, "Max Muster");
}

// The PDF of a typed case is written; its proposed name carries the name and the notice's date,
// in the documents folder or the home folder where there is none. A folder that is a file: the message
// names the file and the reason, nothing is left behind.
TEST_F(BescheidTest, AlsPdfSpeichern) {
    beispielfallTippen();
    bescheiddatenTippen();
    // The clerk's text with an earlier letterhead: printing offers the placeholder once, "Ja" writes it.
    const druck::Belehrungsdatei& belehrung = fenster->rechtsmittel()->datei();
    QString fehler;
    ASSERT_TRUE(belehrung.schreiben("Gegen … erlassen hat:$Landesamt$Referat 9$Frist", fehler));
    meldungen.antwort = QMessageBox::Yes;
    const QString vorschlag = alsPdf(ablage.filePath("bescheid.pdf"));
    EXPECT_EQ(meldungen.fragen.size(), 1);
    EXPECT_EQ(belehrung.lesen().satz.text,
              "Gegen … erlassen hat:$" + std::string(behördenplatzhalter) + "$Frist");
    EXPECT_EQ(QFileInfo(vorschlag).fileName(), "BDA-Bescheid Erika Mustermann 2024-06-15.pdf");
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QFileInfo(vorschlag).path(), QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath());
    EXPECT_TRUE(meldungen.texte.isEmpty()) << meldungen.texte.join(" | ").toStdString();
    QFile(ablage.filePath("Akte")).open(QIODevice::WriteOnly);
    alsPdf(ablage.filePath("Akte/bescheid.pdf"));
    EXPECT_TRUE(meldungen.einzig(
        QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n„%2“ ist eine Datei, kein Ordner.")
            .arg(ablage.filePath("Akte/bescheid.pdf"), ablage.filePath("Akte"))));
    EXPECT_EQ(QDir(ablage.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Akte", "bescheid.pdf"}));
}

// The preview shows the pages chosen: both, the notice alone upright, the sheet alone across.
TEST_F(BescheidTest, VorschauMitSeitenwahl) {
    beispielfallTippen();
    bescheiddatenTippen();
    imDialog(Qt::CTRL | Qt::SHIFT | Qt::Key_P, [](QWidget* dialog) {
        auto* vorschau = dialog->findChild<QPrintPreviewWidget*>();
        auto* seiten = dialog->findChild<QComboBox*>("Seitenwahl");
        ASSERT_TRUE(vorschau && seiten);
        EXPECT_EQ(vorschau->pageCount(), 2);
        const std::tuple<int, int, QPageLayout::Orientation> wahlen[] = {
            {1, 1, QPageLayout::Portrait}, {2, 1, QPageLayout::Landscape}, {0, 2, QPageLayout::Portrait}};
        for (const auto& [wahl, seitenzahl, lage] : wahlen) {
            seiten->setCurrentIndex(wahl);
            QCoreApplication::processEvents();
            EXPECT_EQ(vorschau->pageCount(), seitenzahl) << wahl;
            EXPECT_EQ(vorschau->orientation(), lage) << wahl;
        }
    });
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

// Without the letterhead or the address of the authority the clerk is asked first, told what is missing;
// "Nein" writes nothing. The fields filled before each PDF: each the Alt letter of its field and its text.
TEST_F(BescheidTest, UnvollstaendigeBehoerdeWirdErfragt) {
    beispielfallTippen();
    const std::tuple<QStringList, QString, QMessageBox::StandardButton> fälle[] = {
        {{}, "Briefkopf, Straße und Hausnummer, Postleitzahl und Ort", QMessageBox::No},
        {{"1Bundesamt"}, "Straße und Hausnummer, Postleitzahl und Ort", QMessageBox::Yes},
        {{"SPostfach 1", "P50728 Köln"}, "", QMessageBox::Yes},
    };
    for (const auto& [felder, fehlt, antwort] : fälle) {
        SCOPED_TRACE(felder.size());
        imDialog(Qt::CTRL | Qt::Key_D, [&](QWidget*) {
            for (const QString& feld : felder) {
                taste(Qt::ALT | Qt::Key(feld[0].unicode()));
                zeichenTippen(feld.mid(1));
            }
            enter();
        });
        meldungen.leeren();
        meldungen.antwort = antwort;
        const QString datei = ablage.filePath(QString::number(felder.size()) + ".pdf");
        alsPdf(datei);
        ASSERT_EQ(meldungen.fragen.size(), fehlt.isEmpty() ? 0 : 1);
        EXPECT_TRUE(fehlt.isEmpty() ||
                    meldungen.fragen[0].startsWith(
                        "Der Bescheid nennt die Behörde nicht vollständig. In den Bescheiddaten fehlt: " +
                        fehlt + "."))
            << meldungen.fragen.value(0).toStdString();
        EXPECT_EQ(QFile::exists(datei), antwort == QMessageBox::Yes);
    }
}

}  // namespace

}  // namespace bda::fenster
