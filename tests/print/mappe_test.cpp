// What is refused before printing, notice and sheet in one job, and that job as a PDF/A file on disk with
// the failures that must leave nothing behind.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "Berechnung.h"
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

// Each document from a page of its own in its orientation, the sheet beginning as it does alone; the
// file is PDF/A-1b with its fonts embedded and a text layer, and replaces an older file of its name.
TEST(Druckmappe, JedesDokumentAufEigenerSeiteAlsPdfA) {
    Aufzeichnung allein;
    ASSERT_TRUE(berechnungDrucken(beispielfall(), allein.auftrag));
    const Druckposten& anfang = allein.auftrag.protokoll().front();
    const struct {
        Seitenwahl wahl;
        const char* seiten;
        int blattseite;  // 0: no sheet
    } fälle[] = {{Seitenwahl::beide, "595x842 842x595", 2},
                 {Seitenwahl::bescheid, "595x842", 0},
                 {Seitenwahl::berechnung, "842x595", 1}};
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.seiten);
        QTemporaryDir ordner;
        schreibe(ordner.filePath(QStringLiteral("t.pdf")), "alt");
        std::vector<Druckposten> p;
        const QString datei = pdfDatei(ordner, [&](Druckauftrag& a) {
            const bool ok = mappeDrucken(beispielfall(), belehrung, heute, f.wahl, a);
            p = a.protokoll();
            return ok;
        });
        EXPECT_EQ(seitengrößen(datei), f.seiten);
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
        const auto blatt = std::ranges::find(p, std::string("Seite 2"), &Druckposten::text);
        EXPECT_EQ(blatt == p.end() ? 0 : blatt->seite, f.blattseite);
        if (blatt == p.end()) continue;
        EXPECT_EQ(std::tuple(blatt->x, blatt->y, blatt->größe, blatt->fett),
                  std::tuple(anfang.x, anfang.y, anfang.größe, anfang.fett));
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
