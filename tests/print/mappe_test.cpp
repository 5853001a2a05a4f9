// What is refused before printing, notice and sheet in one job, and that job as a PDF/A file on disk with
// the failures that must leave nothing behind.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Druckfreigabe.h"
#include "Druckhilfe.h"
#include "Druckmappe.h"

namespace bda::druck {

namespace {

using namespace std::chrono;

constexpr year_month_day heute{year{2024}, June, day{3}};
const std::string belehrung = "Gegen diesen Bescheid ist der Widerspruch zulässig.";

// Both documents print the birth date, the appointment and the BDA; the clerk is sent to the first
// of them that is missing.
TEST(Druckfreigabe, FehlendesFeldZuerst) {
    const struct {
        const char *geburtstag, *ernennung, *bda;
        std::optional<int> fehlt;
    } fälle[] = {
        {"15/06/19__", "15/06/2008", "__/__/____", 0},
        {"15/06/1970", "15/06/20__", "01/06/1991", 2},
        {"15/06/1970", "15/06/2008", "__/__/____", 0},
        {"15/06/1970", "15/06/2008", "01/12/1993", std::nullopt},
    };
    for (const auto& f : fälle) {
        Fall fall;
        fall.datum[Feld::geburtstag] = f.geburtstag;
        fall.datum[Feld::ernennung] = f.ernennung;
        fall.datum[Feld::bda] = f.bda;
        EXPECT_EQ(fehlendesDruckfeld(fall), f.fehlt) << f.geburtstag << f.ernennung << f.bda;
    }
}

// Each document from a page of its own in its orientation; the file is PDF/A-1b with its fonts embedded
// and replaces an older file of its name.
TEST(Druckmappe, JedesDokumentAufEigenerSeiteAlsPdfA) {
    for (const auto& [wahl, seiten] :
         {std::pair{Seitenwahl::beide, "595x842 842x595"}, std::pair{Seitenwahl::bescheid, "595x842"},
          std::pair{Seitenwahl::berechnung, "842x595"}}) {
        SCOPED_TRACE(seiten);
        QTemporaryDir ordner;
        schreibe(ordner.filePath(QStringLiteral("t.pdf")), "alt");
        const QString datei = pdfDatei(
            ordner, [&](Druckauftrag& a) { return mappeDrucken(beispielfall(), belehrung, heute, wahl, a); });
        EXPECT_EQ(seitengrößen(datei), seiten);
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.pdf"});
        const QString metadaten = ausgabe(QStringLiteral("pdfinfo"), {"-meta", datei});
        EXPECT_TRUE(metadaten.contains(QStringLiteral("pdfaid:part=\"1\""))) << metadaten.toStdString();
        EXPECT_TRUE(metadaten.contains(QStringLiteral("pdfaid:conformance=\"B\"")));
        const QStringList schriften =
            ausgabe(QStringLiteral("pdffonts"), {datei}).split('\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(schriften.isEmpty());
        for (const QString& schrift : schriften) {
            EXPECT_TRUE(schrift.contains(QRegularExpression(R"(\s+yes\s+\S+\s+\S+\s+\d+\s+\d+$)")))
                << "embedded";
        }
    }
}

// A file that cannot be written names itself and the reason and leaves everything as it was; so do pages
// that fail half written, over an older file of the name.
TEST(Pdfdatei, FehlschlagNenntDateiUndGrundUndHinterlässtNichts) {
    QTemporaryDir ordner;
    schreibe(ordner.filePath(QStringLiteral("Akte.txt")), "eine Datei");
    schreibe(ordner.filePath(QStringLiteral("alt.pdf")), "alt");
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Bescheid.pdf")));
    const struct {
        const char *datei, *grund;  // "": the pages fail
    } fälle[] = {
        {"Akte.txt/2024/Bescheid.pdf", "Akte.txt“ ist eine Datei, kein Ordner."},
        {"fehlt/Bescheid.pdf", "fehlt“ gibt es nicht."},
        {"Bescheid.pdf", "Unter diesem Namen steht schon ein Ordner."},
        {"alt.pdf", ""},
    };
    const auto inhalt = [&] {
        return ausgabe(QStringLiteral("find"), {ordner.path(), "-printf", "%p %s\\n"});
    };
    const QString vorher = inhalt();
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.datei);
        const QString datei = ordner.filePath(QString::fromUtf8(f.datei));
        QString fehler;
        EXPECT_FALSE(pdfSchreiben(
            datei, QStringLiteral("BDA-Bescheid"),
            [&](Druckauftrag& a) {
                if (!*f.grund) {
                    a.drucke("halb geschrieben");
                    return false;
                }
                return mappeDrucken(beispielfall(), belehrung, heute, Seitenwahl::beide, a);
            },
            fehler));
        const QString anfang = QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n").arg(datei);
        EXPECT_TRUE(fehler.startsWith(anfang) && fehler.contains(QString::fromUtf8(f.grund)))
            << fehler.toStdString();
        EXPECT_EQ(inhalt(), vorher);
    }
}

}  // namespace

}  // namespace bda::druck
