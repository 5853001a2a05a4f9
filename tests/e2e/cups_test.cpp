// Both documents printed from the real window on the default printer, a cups-pdf queue
// (scripts/cups-pdf-drucker.sh) that writes every job as a PDF file into ~/PDF; and the printer's
// refusals, each with its reason.

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QScopeGuard>

#include "Fenstertest.h"
#include "print/Druckhilfe.h"

namespace bda::fenster {

namespace {

using druck::ausgabe;

// Whether page 1 reads as a landscape page: its words run along the sheet's longer side. cups-pdf, like a
// real printer, puts a landscape page turned onto portrait paper.
bool querformat(const QString& datei) {
    double waagerecht = 0, senkrecht = 0;
    bool hochkant = false;
    for (const druck::Wort& w : druck::wörter(datei)) {
        waagerecht += w.rechts - w.links;
        senkrecht += w.unten - w.oben;
        hochkant = w.seitenhöhe > w.seitenbreite;
    }
    return (waagerecht > senkrecht) != hochkant;
}

// The notice's question about its incomplete authority is answered "Ja", so that it goes to the printer.
class CupsTest : public Fenstertest {
   public:
    CupsTest() { meldungen.antwort = QMessageBox::Yes; }
};

TEST_F(CupsTest, BescheidUndBerechnungKommenAlsPdfAn) {
    ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull())
        << "no default printer: run scripts/cups-pdf-drucker.sh";
    // cups-pdf writes into the home folder of the user's account, whatever HOME says.
    QDir ordner(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
    for (const QString& alt : ordner.entryList({QStringLiteral("BDA-*.pdf")}, QDir::Files))
        ordner.remove(alt);
    eingeben({"15061970", "15062008", "01012002", "31122002"});
    klicken(QStringLiteral("Bescheid"));
    klicken(QStringLiteral("Berechnung"));
    EXPECT_TRUE(meldungen.texte.isEmpty()) << meldungen.texte.join(QStringLiteral(" | ")).toStdString();
    for (const auto& [name, quer] : {std::pair{"BDA-Bescheid", false}, std::pair{"BDA-Berechnung", true}}) {
        QString datei;  // once cups-pdf has written it completely
        QElapsedTimer uhr;
        for (uhr.start(); datei.isEmpty() && uhr.elapsed() < 60000; QTest::qWait(200)) {
            const QStringList d = ordner.entryList({QString::fromUtf8(name) + "*.pdf"}, QDir::Files);
            if (!d.isEmpty() && !druck::seitengrößen(ordner.filePath(d.first())).isEmpty())
                datei = ordner.filePath(d.first());
        }
        ASSERT_FALSE(datei.isEmpty()) << name << " did not arrive in " << ordner.path().toStdString();
        EXPECT_EQ(druck::seitengrößen(datei).count('x'), 1);
        EXPECT_EQ(querformat(datei), quer);
        ordner.remove(datei);
    }
}

// A stopped queue and one that refuses jobs: the message says so, with the reason the administrator gave;
// nothing is printed. A queue of the test's own, made the default printer for this
// process and removed afterwards.
TEST_F(CupsTest, AngehalteneWarteschlangeNenntDenGrund) {
    const QString name = QStringLiteral("BDA-Test-Halt");
    const auto ausführen = [&](const char* befehl, const char* grund) {
        return QProcess::execute(QString::fromUtf8(befehl), {"-r", grund, name}) == 0;
    };
    if (QProcess::execute("lpadmin", {"-p", name, "-E", "-v", "cups-pdf:/", "-P",
                                      "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) != 0)
        GTEST_SKIP() << "adding a CUPS queue needs the rights of lpadmin";
    const auto entfernen = qScopeGuard([&] { QProcess::execute("lpadmin", {"-x", name}); });
    qputenv("PRINTER", name.toUtf8());
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), name);
    eingeben({"15061970", "15062008"});
    ASSERT_TRUE(ausführen("cupsdisable", "Papierstau im Fach 2"));
    klicken(QStringLiteral("Bescheid"));
    ASSERT_TRUE(ausführen("cupsenable", "") && ausführen("cupsreject", "Wartung"));
    klicken(QStringLiteral("Berechnung"));
    ASSERT_EQ(meldungen.texte.size(), 2);
    EXPECT_TRUE(meldungen.texte[0].contains("„BDA-Test-Halt“ ist angehalten (Papierstau im Fach 2)."));
    EXPECT_TRUE(meldungen.texte[1].contains("„BDA-Test-Halt“ nimmt keine Aufträge an (Wartung)."));
    EXPECT_EQ(ausgabe(QStringLiteral("lpstat"), {"-o", name}), "") << "no job was queued";
}

// Run with CUPS_SERVER pointing nowhere: there is no printer at all.
TEST_F(CupsTest, OhneDruckerEineMeldung) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull()) << "this test needs a machine without a printer";
    eingeben({"15061970", "15062008"});
    klicken(QStringLiteral("Bescheid"));
    klicken(QStringLiteral("Berechnung"));
    EXPECT_EQ(meldungen.texte, QStringList(2, QStringLiteral("Es ist kein Drucker eingerichtet.")));
}

}  // namespace

}  // namespace bda::fenster
