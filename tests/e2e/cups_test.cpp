// Both documents printed from the real window on the default printer. The test command makes a cups-pdf
// queue the default printer (scripts/cups-pdf-drucker.sh); cups-pdf writes every job as a PDF file into
// ~/PDF, whose pages are counted with pdfinfo and looked at with pdftoppm.

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

#include "Bescheiddaten.h"
#include "Briefkopf.h"
#include "Druckziel.h"
#include "Fenstertest.h"

namespace bda::fenster {

namespace {

int pdfseiten(const QString& datei) {
    QProcess prozess;
    prozess.start(QStringLiteral("pdfinfo"), {datei});
    prozess.waitForFinished();
    const QString ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(ausgabe).captured(1).toInt();
}

// Bands of rows (or columns) with ink in them: the lines of text when they run across that direction.
int tintenbänder(const QImage& bild, bool zeilen) {
    int bänder = 0;
    bool vorher = false;
    for (int i = 0; i < (zeilen ? bild.height() : bild.width()); ++i) {
        bool tinte = false;
        for (int j = 0; j < (zeilen ? bild.width() : bild.height()) && !tinte; ++j) {
            tinte = qGray(zeilen ? bild.pixel(j, i) : bild.pixel(i, j)) < 128;
        }
        if (tinte && !vorher) ++bänder;
        vorher = tinte;
    }
    return bänder;
}

// Whether page 1 reads as a landscape page: its lines run along the longer side of the sheet. cups-pdf,
// like a real printer, puts a landscape page turned onto portrait paper.
bool querformat(const QString& datei) {
    QProcess prozess;
    prozess.start(QStringLiteral("pdftoppm"), {"-r", "30", "-gray", "-f", "1", "-l", "1", datei});
    prozess.waitForFinished();
    const QImage bild = QImage::fromData(prozess.readAllStandardOutput(), "PGM");
    const bool zeilenWaagerecht = tintenbänder(bild, true) > tintenbänder(bild, false);
    return (bild.width() > bild.height()) == zeilenWaagerecht;
}

// The PDF file of the job named `name` once cups-pdf has written it completely, or an empty text.
QString warteAufPdf(const QDir& ordner, const QString& name) {
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 60000) {
        const QStringList dateien = ordner.entryList({name + QStringLiteral("*.pdf")}, QDir::Files);
        if (!dateien.isEmpty() && pdfseiten(ordner.filePath(dateien.first())) > 0) {
            return ordner.filePath(dateien.first());
        }
        QTest::qWait(200);
    }
    return {};
}

// The window with the authority set up, so no question comes before the notice.
class CupsTest : public Fenstertest {
   public:
    CupsTest() {
        Bescheiddaten briefkopf;
        briefkopf.behörde.kopfzeile1 = "Landesamt für Besoldung";
        briefkopf.behörde.straße = "Musterstraße 12";
        briefkopf.behörde.ort = "80333 München";
        Briefkopf::sichern(briefkopf);
        fenster = std::make_unique<Hauptform>();
        fenster->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }
};

// A cups-pdf queue of the test's own, made the default printer for this process and removed afterwards.
class Testwarteschlange {
   public:
    static constexpr const char* name = "BDA-Test-Halt";
    Testwarteschlange() {
        angelegt =
            QProcess::execute(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", "cups-pdf:/", "-P",
                                                          "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) == 0;
        alterStandard = qgetenv("PRINTER");
        qputenv("PRINTER", name);
    }
    ~Testwarteschlange() {
        if (alterStandard.isEmpty()) {
            qunsetenv("PRINTER");
        } else {
            qputenv("PRINTER", alterStandard);
        }
        if (angelegt) QProcess::execute(QStringLiteral("lpadmin"), {"-x", name});
    }
    static bool ausführen(const char* befehl, const char* grund) {
        return QProcess::execute(QString::fromUtf8(befehl), {"-r", grund, name}) == 0;
    }
    bool angelegt = false;
    QByteArray alterStandard;
};

TEST_F(CupsTest, BescheidUndBerechnungKommenAlsPdfAn) {
    ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull())
        << "no default printer: run scripts/cups-pdf-drucker.sh";
    // cups-pdf writes into the home folder of the user's account, whatever HOME says.
    QDir ordner(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
    for (const QString& alt : ordner.entryList({QStringLiteral("BDA-*.pdf")}, QDir::Files))
        ordner.remove(alt);

    beispielfallTippen();

    klicken(QStringLiteral("Bescheid"));
    klicken(QStringLiteral("Berechnung"));
    EXPECT_TRUE(meldungen.texte.isEmpty()) << meldungen.texte.join(QStringLiteral(" | ")).toStdString();

    const QString bescheid = warteAufPdf(ordner, QStringLiteral("BDA-Bescheid"));
    const QString berechnung = warteAufPdf(ordner, QStringLiteral("BDA-Berechnung"));
    ASSERT_FALSE(bescheid.isEmpty()) << "page 1 did not arrive in " << ordner.path().toStdString();
    ASSERT_FALSE(berechnung.isEmpty()) << "page 2 did not arrive in " << ordner.path().toStdString();

    EXPECT_EQ(pdfseiten(bescheid), 1);
    EXPECT_FALSE(querformat(bescheid));
    EXPECT_GE(pdfseiten(berechnung), 1);
    EXPECT_LE(pdfseiten(berechnung), 2);
    EXPECT_TRUE(querformat(berechnung));
    ordner.remove(bescheid);
    ordner.remove(berechnung);
}

// A stopped queue and one that refuses jobs: the message says so on its second line, with the reason
// the administrator gave; nothing is printed.
TEST_F(CupsTest, AngehalteneWarteschlangeNenntDenGrund) {
    Testwarteschlange warteschlange;
    if (!warteschlange.angelegt) GTEST_SKIP() << "adding a CUPS queue needs the rights of lpadmin";
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), Testwarteschlange::name);
    EXPECT_EQ(Druckziel::druckerhindernis(Testwarteschlange::name), "") << "a fresh queue takes jobs";
    EXPECT_EQ(Druckziel::druckerhindernis("BDA-Gibt-Es-Nicht"),
              "Den Drucker „BDA-Gibt-Es-Nicht“ gibt es nicht (mehr). Bitte einen anderen Drucker wählen.");

    eingeben({"15061970", "15062008"});
    const QString fehlgeschlagen = QStringLiteral("Der Druck ist fehlgeschlagen.\n");
    ASSERT_TRUE(Testwarteschlange::ausführen("cupsdisable", "Papierstau im Fach 2"));
    klicken(QStringLiteral("Bescheid"));
    ASSERT_TRUE(Testwarteschlange::ausführen("cupsenable", "") &&
                Testwarteschlange::ausführen("cupsreject", "Wartung"));
    klicken(QStringLiteral("Berechnung"));
    EXPECT_EQ(
        meldungen.texte,
        (QStringList{fehlgeschlagen +
                         "Die Warteschlange des Druckers „BDA-Test-Halt“ ist angehalten (Papierstau "
                         "im Fach 2). Bitte sie freigeben lassen oder einen anderen Drucker wählen.",
                     fehlgeschlagen + "Der Drucker „BDA-Test-Halt“ nimmt keine Aufträge an (Wartung). Bitte "
                                      "einen anderen Drucker wählen."}));
    EXPECT_TRUE(meldungen.nurOk);
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {"-o", Testwarteschlange::name});
    lpstat.waitForFinished();
    EXPECT_EQ(lpstat.readAllStandardOutput(), "") << "no job was queued";
}

// Run with CUPS_SERVER pointing nowhere: there is no printer at all.
TEST_F(CupsTest, OhneDruckerEineMeldung) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull()) << "this test needs a machine without a printer";
    eingeben({"15061970", "15062008"});
    for (const char* befehl : {"Bescheid", "Berechnung"}) klicken(QString::fromUtf8(befehl));
    EXPECT_EQ(meldungen.texte,
              (QStringList{"Es ist kein Drucker eingerichtet.", "Es ist kein Drucker eingerichtet."}));
    EXPECT_EQ(meldungen.titel, (QStringList{"BDA-Rechner", "BDA-Rechner"}));
}

}  // namespace

}  // namespace bda::fenster
