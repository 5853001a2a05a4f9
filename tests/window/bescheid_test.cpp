// The menu bar, the dialog "Bescheiddaten", the print preview and the PDF for the e-file, driven by keys
// in the real window. The settings live in a folder of the test's own, so a restart can be tried.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

#include "Belehrungsdatei.h"
#include "Bescheiddialog.h"
#include "Fenstertest.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"

namespace bda::fenster {

using druck::Belehrungsdatei;

namespace {

// A settings folder of its own, set before the window reads anything and given back afterwards.
class Einstellungsordner {
   public:
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
    BescheidTest() { QFile::remove(Belehrungsdatei::benutzerdateiname()); }

    // Presses the shortcut in the main window and runs `schritte` in the modal window it opens. A question
    // that comes first is left to the message catcher: the window is looked for again once it is gone.
    void imDialog(QKeyCombination taste, const std::function<void(QWidget*)>& schritte) {
        zurückImFenster();
        bool gesehen = false;
        std::function<void()> suchen = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (qobject_cast<QMessageBox*>(dialog)) {
                QTimer::singleShot(10, suchen);
                return;
            }
            gesehen = dialog != nullptr;
            if (!dialog) return;
            // The modal window counts as active at once; keys reach it once it really is.
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            schritte(dialog);
            if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
        };
        QTimer::singleShot(0, suchen);
        QTest::keyClick(QApplication::focusWidget(), taste.key(), taste.keyboardModifiers());
        EXPECT_TRUE(gesehen) << "no dialog opened";
    }
    static void taste(QKeyCombination k) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
    }
    // After a message box the dialog is active again before keys go to it.
    static void wiederAktiv(QWidget* dialog) {
        EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
    }
    // After a message box the window is active again before keys go to it.
    void zurückImFenster() {
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
    static QString dialogfeld(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromUtf8(name))->text();
    }

    // The whole dialog filled by keys, Tab after Tab from the first letterhead line, and accepted with
    // Enter.
    void bescheiddatenTippen() {
        imDialog(Qt::CTRL | Qt::Key_D, [=](QWidget*) {
            EXPECT_EQ(fokus(), "Kopfzeile1");
            for (const char* text :
                 {"Landesamt für Besoldung", "Referat 12", "Musterstraße 12", "80333 München", "",
                  "Anna Schmidt", "Bernd Meier", "Erika Mustermann", "Frau", "Lindenstraße 5",
                  "12345 Musterstadt", "Finanzamt Musterstadt", "15062024", "2004", "P 12 - 345/2024"}) {
                zeichenTippen(QString::fromUtf8(text));
                taste(Qt::Key_Tab);
            }
            enter();
        });
    }

    static QString pdftext(const QString& datei) {
        QProcess prozess;
        prozess.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
        prozess.waitForFinished();
        return QString::fromUtf8(prozess.readAllStandardOutput());
    }

    // "Als PDF speichern …" into `datei`; the name the file dialog proposed is returned.
    QString alsPdf(const QString& datei) {
        QString vorschlag;
        imDialog(Qt::CTRL | Qt::SHIFT | Qt::Key_E, [&](QWidget* dialog) {
            auto* dateiwahl = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(dateiwahl, nullptr);
            vorschlag = dateiwahl->selectedFiles().value(0);
            // The name is typed over the proposed one, as the clerk would.
            auto* name = dateiwahl->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(datei);
            static_cast<QDialog*>(dateiwahl)->accept();
        });
        QCoreApplication::processEvents();
        return vorschlag;
    }

    QTemporaryDir ablage;
};

TEST_F(BescheidTest, MenüsMitTastenkürzeln) {
    // Über, F1 for the help and Ctrl+Q to quit.
    fenster->menüleiste()->actions().last()->menu()->actions().last()->trigger();
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].startsWith("BDA-Rechner 1.0\n")) << meldungen.texte[0].toStdString();
    EXPECT_EQ(meldungen.titel, QStringList{"Über BDA-Rechner"});

    zurückImFenster();
    taste(Qt::Key_F1);
    ASSERT_NE(fenster->hilfefenster(), nullptr);
    EXPECT_TRUE(fenster->hilfefenster()->isVisible());
    fenster->hilfefenster()->close();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    taste(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(fenster->isVisible());
}

// Typed with keys, Tab after Tab: the case and the title take the values at once, the letterhead and the
// signers survive a restart, the addressee does not.
TEST_F(BescheidTest, DialogPerTastaturUndNeustart) {
    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Bescheiddaten");
        EXPECT_EQ(fokus(), "Kopfzeile1");
        zeichenTippen("Landesamt für Besoldung und Versorgung NRW");  // 42 characters, 39 fit
        EXPECT_EQ(dialogfeld(dialog, "Kopfzeile1"), "Landesamt für Besoldung und Versorgung ");
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile1_Rest")->text(), "noch 0 Zeichen");
        taste(Qt::Key_Backspace);
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile1_Rest")->text(), "noch 1 Zeichen");
        taste(Qt::Key_Tab);
        EXPECT_EQ(dialog->findChild<QLabel*>("Kopfzeile2_Rest")->text(), "noch 40 Zeichen");
        const char* felder[] = {
            "Kopfzeile2",      "Behördenstraße", "Behördenort", "Anschriftfeld",   "Unterschrift1",
            "Unterschrift2",   "Name",           "Anrede",      "Anschrift1",      "Anschrift2",
            "Dienstanschrift", "Bescheiddatum",  "Bezugsjahr",  "Geschäftszeichen"};
        const char* texte[] = {"Düsseldorf",
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
        for (std::size_t i = 0; i < std::size(felder); ++i) {
            EXPECT_EQ(fokus(), QString::fromUtf8(felder[i]));
            zeichenTippen(QString::fromUtf8(texte[i]));
            // The envelope form is chosen with the arrow keys.
            if (fokus() == "Anschriftfeld") taste(Qt::Key_Down);
            taste(Qt::Key_Tab);
        }
        EXPECT_EQ(dialogfeld(dialog, "Anschrift1"), "Lindenstraße 5 und noch viel m");
        EXPECT_EQ(dialogfeld(dialog, "Bezugsjahr"), "2004");
        QTest::keyClick(dialog->findChild<QWidget*>("Name"), Qt::Key_Return);
    });
    const Bescheiddaten& d = fenster->fall().bescheid;
    EXPECT_EQ(d.behörde.kopfzeile1.text(), "Landesamt für Besoldung und Versorgung ");
    EXPECT_EQ(d.behörde.kopfzeile2.text(), "Düsseldorf" + std::string(30, ' '));
    EXPECT_EQ(d.behörde.straße.text(), "Jürgensplatz 1" + std::string(26, ' '));
    EXPECT_EQ(d.anschriftfeld, Anschriftform::b);
    EXPECT_EQ(d.anrede.text(), "c");
    EXPECT_EQ(d.anschrift1.text(), "Lindenstraße 5 und noch viel m");
    EXPECT_TRUE(d.dienstanschrift.istLeer());
    EXPECT_EQ(d.bescheiddatum.text(), "15.06.2024" + std::string(10, ' '));
    EXPECT_EQ(d.bezugsjahr, 2004);
    EXPECT_EQ(d.geschäftszeichen.text(), "P 12 - 345/2024" + std::string(25, ' '));
    EXPECT_EQ(d.unterschrift2.text(), "Bernd Meier" + std::string(19, ' '));
    EXPECT_EQ(fenster->fall().name, "Erika Mustermann");
    EXPECT_EQ(fenster->windowTitle(),
              "Unbenannt[*] – Berechnung des Besoldungsdienstalters nach § 28 BBesG für Erika Mustermann");
    EXPECT_TRUE(meldungen.texte.isEmpty());

    // Opened again, the dialog shows what the case holds, on the official's name: the letterhead is set.
    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        EXPECT_EQ(fokus(), "Name");
        EXPECT_EQ(dialog->findChild<QComboBox*>("Anschriftfeld")->currentText(), "Form B");
        EXPECT_EQ(dialogfeld(dialog, "Bescheiddatum"), "15/06/2024");
        EXPECT_EQ(dialog->findChild<QComboBox*>("Anrede")->currentText(), "Frau");
        EXPECT_EQ(dialogfeld(dialog, "Geschäftszeichen"), "P 12 - 345/2024");
    });

    fenster.reset();
    fenster = std::make_unique<Hauptform>();
    const Bescheiddaten& neu = fenster->fall().bescheid;
    EXPECT_EQ(neu.behörde.kopfzeile1.text(), "Landesamt für Besoldung und Versorgung ");
    EXPECT_EQ(neu.behörde.kopfzeile2.text(), "Düsseldorf" + std::string(30, ' '));
    EXPECT_EQ(neu.behörde.ort.text(), "40219 Düsseldorf" + std::string(24, ' '));
    EXPECT_EQ(neu.anschriftfeld, Anschriftform::b);
    EXPECT_EQ(neu.unterschrift1.text(), "Anna Schmidt" + std::string(18, ' '));
    EXPECT_EQ(neu.unterschrift2.text(), "Bernd Meier" + std::string(19, ' '));
    EXPECT_TRUE(neu.anschrift1.istLeer()) << "the addressee belongs to the case";
    EXPECT_TRUE(neu.geschäftszeichen.istLeer());
    EXPECT_EQ(fenster->fall().name, "");
}

// An invalid date or year keeps the dialog open with a message naming the field and the focus on it;
// Esc leaves the case as it was.
TEST_F(BescheidTest, DialogWeistFalscheWerteAb) {
    imDialog(Qt::CTRL | Qt::Key_D, [this](QWidget* dialog) {
        taste(Qt::ALT | Qt::Key_B);
        EXPECT_EQ(fokus(), "Bescheiddatum");
        tippen("31022024");
        enter();
        wiederAktiv(dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(meldungen.texte.value(0).left(35), "Das Bescheiddatum „31/02/2024“ ist ");
        EXPECT_EQ(fokus(), "Bescheiddatum");
        taste(Qt::Key_F3);
        taste(Qt::ALT | Qt::Key_J);
        tippen("1929");
        enter();
        wiederAktiv(dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(meldungen.texte.value(1).left(28), "Das Bezugsjahr „1929“ ist ke");
        EXPECT_EQ(fokus(), "Bezugsjahr");
        tippen("2040");  // the refused year is selected and typed over
        taste(Qt::ALT | Qt::Key_N);
        tippen("Max Muster");
        enter();
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(meldungen.texte.size(), 2);
    EXPECT_EQ(fenster->fall().bescheid.bezugsjahr, 2040);
    EXPECT_TRUE(fenster->fall().bescheid.bescheiddatum.istLeer()) << "an emptied date means today";
    EXPECT_EQ(fenster->fall().name, "Max Muster");

    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget* dialog) {
        taste(Qt::ALT | Qt::Key_N);
        tippen("Anders");
        taste(Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(fenster->fall().name, "Max Muster");
    EXPECT_TRUE(fenster->windowTitle().endsWith("für Max Muster"));
}

// The preview shows the chosen pages, each in its orientation when alone.
TEST_F(BescheidTest, VorschauMitSeitenwahl) {
    beispielfallTippen();
    bescheiddatenTippen();
    imDialog(Qt::CTRL | Qt::SHIFT | Qt::Key_P, [](QWidget* dialog) {
        ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(dialog), nullptr);
        auto* vorschau = dialog->findChild<QPrintPreviewWidget*>();
        auto* seiten = dialog->findChild<QComboBox*>("Seitenwahl");
        ASSERT_NE(vorschau, nullptr);
        ASSERT_NE(seiten, nullptr);
        const struct {
            int wahl;
            int seitenzahl;
            QPageLayout::Orientation lage;
        } fälle[] = {
            {1, 1, QPageLayout::Portrait}, {2, 1, QPageLayout::Landscape}, {0, 2, QPageLayout::Portrait}};
        EXPECT_EQ(vorschau->pageCount(), 2);
        for (const auto& f : fälle) {
            SCOPED_TRACE(f.wahl);
            seiten->setCurrentIndex(f.wahl);
            QCoreApplication::processEvents();
            EXPECT_EQ(vorschau->pageCount(), f.seitenzahl);
            EXPECT_EQ(vorschau->orientation(), f.lage);
        }
    });
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

// The PDF of a typed case reads right; its default name carries the name and the notice's date.
TEST_F(BescheidTest, AlsPdfSpeichern) {
    beispielfallTippen();
    bescheiddatenTippen();
    const QString datei = ablage.filePath("bescheid.pdf");
    const QString vorschlag = alsPdf(datei);
    // In the documents folder, or the home folder where there is none.
    EXPECT_EQ(QFileInfo(vorschlag).fileName(), "BDA-Bescheid Erika Mustermann 2024-06-15.pdf");
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QFileInfo(vorschlag).path(), QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath());
    EXPECT_TRUE(meldungen.texte.isEmpty()) << meldungen.texte.join(" | ").toStdString();
    const QString text = pdftext(datei);
    // What was typed reaches the file (the documents themselves: druck_tests).
    for (const char* gesucht :
         {"15.06.2024", "Geschäftszeichen: P 12 - 345/2024", "Erika Mustermann", "01/09/1993"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(gesucht))) << gesucht;
    }

    // A folder that is a file: the message names the file and the reason, nothing is left behind.
    QFile akte(ablage.filePath("Akte"));
    ASSERT_TRUE(akte.open(QIODevice::WriteOnly));
    akte.close();
    alsPdf(ablage.filePath("Akte/bescheid.pdf"));
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_TRUE(meldungen.texte[0].startsWith(
        QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n„%2“ ist eine Datei, kein Ordner.")
            .arg(ablage.filePath("Akte/bescheid.pdf"), ablage.filePath("Akte"))))
        << meldungen.texte[0].toStdString();
    EXPECT_EQ(QDir(ablage.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Akte", "bescheid.pdf"}));
}

// Without the letterhead or the address of the authority the notice would name it incompletely: the clerk
// is asked first, told what is missing.
TEST_F(BescheidTest, UnvollständigeBehördeWirdErfragt) {
    beispielfallTippen();
    const auto frage = [](const char* fehlt) {
        return QStringLiteral(
                   "Der Bescheid nennt die Behörde nicht vollständig. In den Bescheiddaten fehlt: %1.")
            .arg(QString::fromUtf8(fehlt));
    };
    const QString nichts = frage("Briefkopf, Straße und Hausnummer, Postleitzahl und Ort");
    meldungen.antwort = QMessageBox::No;
    alsPdf(ablage.filePath("nein.pdf"));
    ASSERT_EQ(meldungen.fragen.size(), 1);
    EXPECT_TRUE(meldungen.fragen[0].startsWith(nichts)) << meldungen.fragen[0].toStdString();
    EXPECT_FALSE(QFile::exists(ablage.filePath("nein.pdf")));

    meldungen.antwort = QMessageBox::Yes;
    alsPdf(ablage.filePath("ja.pdf"));
    EXPECT_TRUE(QFile::exists(ablage.filePath("ja.pdf")));

    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget*) {
        zeichenTippen("Bundesamt");
        enter();
    });
    alsPdf(ablage.filePath("ohne-anschrift.pdf"));
    ASSERT_EQ(meldungen.fragen.size(), 3);
    EXPECT_TRUE(meldungen.fragen[2].startsWith(frage("Straße und Hausnummer, Postleitzahl und Ort")));

    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget*) {
        taste(Qt::ALT | Qt::Key_S);
        zeichenTippen("Postfach 1");
        taste(Qt::ALT | Qt::Key_P);
        zeichenTippen("50728 Köln");
        enter();
    });
    alsPdf(ablage.filePath("vollständig.pdf"));
    EXPECT_EQ(meldungen.fragen.size(), 3) << "nothing more is asked";
    EXPECT_TRUE(QFile::exists(ablage.filePath("vollständig.pdf")));
}

// The lines of the notice's legal-remedy instruction from "erlassen hat:" on, as pdftotext lays them out.
QStringList behördenzeilen(const QString& pdf) {
    QStringList zeilen = BescheidTest::pdftext(pdf).split(QLatin1Char('\n'));
    for (QString& zeile : zeilen) zeile = zeile.trimmed();
    const auto stelle = std::find_if(zeilen.begin(), zeilen.end(),
                                     [](const QString& z) { return z.endsWith("erlassen hat:"); });
    return stelle == zeilen.end() ? QStringList() : zeilen.mid(stelle - zeilen.begin() + 1, 4);
}

// The clerk's text saved by an earlier version with the letterhead lines of its day is offered the
// placeholder before the next notice; after "Ja" every notice names the letterhead as it then reads.
TEST_F(BescheidTest, DieBelehrungNenntDenBriefkopfDesDrucks) {
    beispielfallTippen();
    bescheiddatenTippen();
    QString fehler;
    ASSERT_TRUE(fenster->rechtsmittel()->datei().schreiben(
        "Gegen diesen Bescheid ist der Widerspruch bei der Behörde zu erheben, die diesen Bescheid erlassen "
        "hat:$Landesamt für Besoldung$Referat 9$Die Frist gilt auch dann als gewahrt.",
        fehler));
    meldungen.antwort = QMessageBox::Yes;
    alsPdf(ablage.filePath("vorher.pdf"));
    ASSERT_EQ(meldungen.fragen.size(), 1);
    EXPECT_TRUE(meldungen.fragen[0].contains("„Landesamt für Besoldung“\n„Referat 9“"));
    EXPECT_EQ(behördenzeilen(ablage.filePath("vorher.pdf")),
              (QStringList{"Landesamt für Besoldung", "Referat 12", "Musterstraße 12", "80333 München"}));

    imDialog(Qt::CTRL | Qt::Key_D, [](QWidget*) {
        taste(Qt::ALT | Qt::Key_2);
        taste(Qt::CTRL | Qt::Key_A);
        zeichenTippen("Referat 21");
        enter();
    });
    alsPdf(ablage.filePath("nachher.pdf"));
    EXPECT_EQ(behördenzeilen(ablage.filePath("nachher.pdf")),
              (QStringList{"Landesamt für Besoldung", "Referat 21", "Musterstraße 12", "80333 München"}));
    EXPECT_EQ(meldungen.fragen.size(), 1) << "the text is offered once";
}

}  // namespace

}  // namespace bda::fenster
