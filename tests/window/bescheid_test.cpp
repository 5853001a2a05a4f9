// The dialog "Bescheiddaten" and the PDF for the e-file, driven by keys in the real
// window. The settings live in a folder of the test's own, so a restart can be tried.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "Belehrungsdatei.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace {

// A settings folder of its own, set before the window reads anything and given back afterwards.
struct Einstellungsordner {
    Einstellungsordner() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path()); }
    ~Einstellungsordner() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    QTemporaryDir ordner;
};

class BescheidTest : public Einstellungsordner, public Fenstertest {
   public:
    // The user has no legal-remedy text of his own: the notice prints the shipped one.
    BescheidTest() { QFile::remove(druck::Belehrungsdatei::benutzerdateiname()); }

    static QString feld(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromUtf8(name))->text();
    }
    // Each text typed into the field with the focus, Tab behind each.
    static void reihum(std::initializer_list<const char*> texte) {
        for (const char* text : texte) {
            zeichenTippen(QString::fromUtf8(text));
            taste(Qt::Key_Tab);
        }
    }
    // The whole dialog filled by keys from the first letterhead line, and accepted with Enter.
    void bescheiddatenTippen() {
        imDialog(Qt::CTRL | Qt::Key_D, [](QWidget*) {
            reihum({"Landesamt für Besoldung", "Referat 12", "Musterstraße 12", "80333 München", "",
                    "Anna Schmidt", "Bernd Meier", "Erika Mustermann", "Frau", "Lindenstraße 5",
                    "12345 Musterstadt", "Finanzamt Musterstadt", "15062024", "2004", "P 12 - 345/2024"});
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

// Tab after Tab through the fields, each cut at its length with the rest counted; the envelope form by the
// arrow keys. The case and the title take the values at once; opened again the dialog starts on the
// official's name; the letterhead and the signers survive a restart, the addressee does not.
TEST_F(BescheidTest, DialogPerTastaturUndNeustart) {
    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Bescheiddaten");
        EXPECT_EQ(fokus(), "Kopfzeile1");
        zeichenTippen("Landesamt für Besoldung und Versorgung NRW");  // 42 characters, 39 fit
        EXPECT_EQ(feld(dialog, "Kopfzeile1"), "Landesamt für Besoldung und Versorgung ");
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile1_Rest")->text(), "noch 0 Zeichen");
        taste(Qt::Key_Backspace);
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile1_Rest")->text(), "noch 1 Zeichen");
        taste(Qt::Key_Tab);
        const char* felder[][2] = {{"Kopfzeile2", "Düsseldorf"},
                                   {"Behördenstraße", "Jürgensplatz 1"},
                                   {"Behördenort", "40219 Düsseldorf"},
                                   {"Anschriftfeld", ""},
                                   {"Unterschrift1", "Anna Schmidt"},
                                   {"Unterschrift2", "Bernd Meier"},
                                   {"Name", "Erika Mustermann"},
                                   {"Anrede", "Frau"},
                                   {"Anschrift1", "Lindenstraße 5 und noch viel mehr Text"},
                                   {"Anschrift2", "12345 Musterstadt"},
                                   {"Dienstanschrift", ""},
                                   {"Bescheiddatum", "15062024"},
                                   {"Bezugsjahr", "20045"},
                                   {"Geschäftszeichen", "P 12 - 345/2024"}};
        for (const auto& [name, text] : felder) {
            EXPECT_EQ(fokus(), QString::fromUtf8(name));
            zeichenTippen(QString::fromUtf8(text));
            if (fokus() == "Anschriftfeld") taste(Qt::Key_Down);
            taste(Qt::Key_Tab);
        }
        EXPECT_EQ(feld(dialog, "Anschrift1"), "Lindenstraße 5 und noch viel m");
        EXPECT_EQ(feld(dialog, "Bezugsjahr"), "2004");
        QTest::keyClick(dialog->findChild<QWidget*>("Name"), Qt::Key_Return);
    });
    const Bescheiddaten& d = fenster->fall().bescheid;
    EXPECT_EQ(d.anschriftfeld, Anschriftform::b);
    EXPECT_EQ(d.anrede.text(), "c");
    EXPECT_EQ(d.bescheiddatum.text(), "15.06.2024" + std::string(10, ' '));
    EXPECT_EQ(d.bezugsjahr, 2004);
    EXPECT_TRUE(d.dienstanschrift.istLeer());
    EXPECT_EQ(fenster->windowTitle(),
              "Unbenannt[*] – Berechnung des Besoldungsdienstalters nach § 28 BBesG für Erika Mustermann");
    EXPECT_TRUE(meldungen.texte.isEmpty());

    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        EXPECT_EQ(fokus(), "Name");
        EXPECT_EQ(dialog->findChild<QComboBox*>("Anschriftfeld")->currentText(), "Form B");
        EXPECT_EQ(dialog->findChild<QComboBox*>("Anrede")->currentText(), "Frau");
        EXPECT_EQ(feld(dialog, "Bescheiddatum"), "15/06/2024");
    });

    fenster = std::make_unique<Hauptform>();
    const Bescheiddaten& neu = fenster->fall().bescheid;
    EXPECT_EQ(neu.behörde.kopfzeile1.text(), "Landesamt für Besoldung und Versorgung ");
    EXPECT_EQ(neu.behörde.ort.text(), "40219 Düsseldorf" + std::string(24, ' '));
    EXPECT_EQ(neu.anschriftfeld, Anschriftform::b);
    EXPECT_EQ(neu.unterschrift1.text(), "Anna Schmidt" + std::string(18, ' '));
    EXPECT_EQ(neu.unterschrift2.text(), "Bernd Meier" + std::string(19, ' '));
    EXPECT_TRUE(neu.anschrift1.istLeer()) << "the addressee belongs to the case";
    EXPECT_TRUE(neu.geschäftszeichen.istLeer());
    EXPECT_EQ(fenster->fall().name, "");
}

// An invalid date or year keeps the dialog open with a message naming the value and the focus on its
// field, the value selected to be typed over; an emptied date means today. Esc leaves the case as it was.
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

    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        taste(Qt::ALT | Qt::Key_N);
        tippen("Anders");
        taste(Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(fenster->fall().name, "Max Muster");
}

// The PDF of a typed case holds what was typed; its proposed name carries the name and the notice's date,
// in the documents folder or the home folder where there is none. A folder that is a file: the message
// names the file and the reason, nothing is left behind.
TEST_F(BescheidTest, AlsPdfSpeichern) {
    beispielfallTippen();
    bescheiddatenTippen();
    const QString vorschlag = alsPdf(ablage.filePath("bescheid.pdf"));
    EXPECT_EQ(QFileInfo(vorschlag).fileName(), "BDA-Bescheid Erika Mustermann 2024-06-15.pdf");
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QFileInfo(vorschlag).path(), QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath());
    EXPECT_TRUE(meldungen.texte.isEmpty()) << meldungen.texte.join(" | ").toStdString();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", ablage.filePath("bescheid.pdf"), "-"});
    pdftotext.waitForFinished();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* gesucht :
         {"15.06.2024", "Geschäftszeichen: P 12 - 345/2024", "Erika Mustermann", "01/09/1993"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(gesucht))) << gesucht;
    }

    QFile(ablage.filePath("Akte")).open(QIODevice::WriteOnly);
    alsPdf(ablage.filePath("Akte/bescheid.pdf"));
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].startsWith(
        QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n„%2“ ist eine Datei, kein Ordner.")
            .arg(ablage.filePath("Akte/bescheid.pdf"), ablage.filePath("Akte"))))
        << meldungen.texte[0].toStdString();
    EXPECT_EQ(QDir(ablage.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Akte", "bescheid.pdf"}));
}

// Without the letterhead or the address of the authority the clerk is asked first, told what is missing;
// "Nein" writes nothing.
TEST_F(BescheidTest, UnvollstaendigeBehoerdeWirdErfragt) {
    beispielfallTippen();
    const struct {
        const char* tasten;  // Alt letters of the fields filled before, each with its text
        std::vector<const char*> texte;
        const char* fehlt;  // nullptr: nothing is asked
        QMessageBox::StandardButton antwort;
    } fälle[] = {
        {"", {}, "Briefkopf, Straße und Hausnummer, Postleitzahl und Ort", QMessageBox::No},
        {"1", {"Bundesamt"}, "Straße und Hausnummer, Postleitzahl und Ort", QMessageBox::Yes},
        {"SP", {"Postfach 1", "50728 Köln"}, nullptr, QMessageBox::Yes},
    };
    int nummer = 0;
    for (const auto& f : fälle) {
        SCOPED_TRACE(nummer);
        if (*f.tasten) {
            imDialog(Qt::CTRL | Qt::Key_D, [&](QWidget*) {
                for (std::size_t i = 0; i < f.texte.size(); ++i) {
                    taste(Qt::ALT | Qt::Key(f.tasten[i]));
                    zeichenTippen(QString::fromUtf8(f.texte[i]));
                }
                enter();
            });
        }
        meldungen.leeren();
        meldungen.antwort = f.antwort;
        const QString datei = ablage.filePath(QString::number(++nummer) + ".pdf");
        alsPdf(datei);
        ASSERT_EQ(meldungen.fragen.size(), f.fehlt ? 1 : 0);
        if (f.fehlt) {
            EXPECT_TRUE(meldungen.fragen[0].startsWith(
                "Der Bescheid nennt die Behörde nicht vollständig. In den Bescheiddaten fehlt: " +
                QString::fromUtf8(f.fehlt) + "."))
                << meldungen.fragen[0].toStdString();
        }
        EXPECT_EQ(QFile::exists(datei), f.antwort == QMessageBox::Yes);
    }
}

}  // namespace

}  // namespace bda::fenster
