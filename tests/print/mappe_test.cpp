// Notice and sheet in one print job, and that job as a PDF/A file on disk: pages, orientation, text
// layer, metadata, and the failures that must leave nothing behind.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "Berechnung.h"
#include "Druckhilfe.h"
#include "Druckmappe.h"
#include "Pdfdatei.h"

namespace bda::druck {

namespace {

using namespace std::chrono;
using namespace std::literals;

constexpr year_month_day heute{year{2024}, June, day{3}};
const std::string belehrung = "Gegen diesen Bescheid ist der Widerspruch zulässig.";

// The shared example with a reference.
Fall fall() {
    Fall f = beispielfall();
    f.bescheid.geschäftszeichen = "P 12 - 345/2024"sv;
    return f;
}

// Every file and folder below `ordner`, with the size of each file.
QStringList inhalt(const QString& ordner) {
    QStringList liste;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        liste << it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size());
    }
    liste.sort();
    return liste;
}

TEST(Druckmappe, JedesDokumentAufEigenerSeiteInEigenerAusrichtung) {
    Aufzeichnung allein;
    ASSERT_TRUE(berechnungDrucken(fall(), allein.auftrag));
    const Druckposten blattanfang = allein.auftrag.protokoll().front();

    const struct {
        const char* name;
        Seitenwahl wahl;
        const char* seiten;
    } fälle[] = {
        {"beide", Seitenwahl::beide, "595x842 842x595"},
        {"Bescheid", Seitenwahl::bescheid, "595x842"},
        {"Berechnungsbogen", Seitenwahl::berechnung, "842x595"},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Aufzeichnung a(Druckauftrag::Umfang::mehrereDokumente);
        Druckauftrag& auftrag = a.auftrag;
        ASSERT_TRUE(mappeDrucken(fall(), belehrung, heute, f.wahl, auftrag))
            << auftrag.fehler().toStdString();
        EXPECT_EQ(seitengrößen(a.puffer.data()), f.seiten);
        const auto& p = auftrag.protokoll();
        const bool mitBescheid = f.wahl != Seitenwahl::berechnung;
        EXPECT_EQ(p.front().text.starts_with("Landesamt"), mitBescheid);
        if (f.wahl == Seitenwahl::bescheid) continue;
        // The sheet begins as it does alone: its empty lines at the top, the initial font.
        const auto blatt =
            std::find_if(p.begin(), p.end(), [](const Druckposten& d) { return d.text == "Seite 2"; });
        ASSERT_NE(blatt, p.end());
        EXPECT_EQ(blatt->seite, mitBescheid ? 2 : 1);
        EXPECT_EQ(blatt->y, blattanfang.y);
        EXPECT_EQ(blatt->x, blattanfang.x);
        EXPECT_EQ(blatt->größe, blattanfang.größe);
        EXPECT_EQ(blatt->fett, blattanfang.fett);
        if (mitBescheid) {
            EXPECT_EQ((blatt - 1)->seite, 1);
        }
    }
}

TEST(Pdfdatei, BeideSeitenAlsPdfA) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("BDA-Bescheid Erika Mustermann 2024-06-03.pdf"));
    {
        QFile alt(datei);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    QString fehler;
    ASSERT_TRUE(pdfSchreiben(
        datei, QStringLiteral("BDA-Bescheid"),
        [](Druckauftrag& a) { return mappeDrucken(fall(), belehrung, heute, Seitenwahl::beide, a); }, fehler))
        << fehler.toStdString();
    EXPECT_EQ(seitengrößen(datei), "595x842 842x595");
    const QString text = ausgabe(QStringLiteral("pdftotext"), {"-layout", datei, "-"});
    for (const char* gesucht :
         {"01/09/1993", "Erika Mustermann", "Lindenstraße 5", "Frau", "Landesamt für Besoldung",
          "Geschäftszeichen: P 12 - 345/2024", "Seite 2", "zur Festsetzung des BDA für Erika Mustermann"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(gesucht))) << gesucht;
    }
    const QString metadaten = ausgabe(QStringLiteral("pdfinfo"), {"-meta", datei});
    EXPECT_TRUE(metadaten.contains(QStringLiteral("pdfaid:part=\"1\""))) << metadaten.toStdString();
    EXPECT_TRUE(metadaten.contains(QStringLiteral("pdfaid:conformance=\"B\"")));
    const QStringList schriften =
        ausgabe(QStringLiteral("pdffonts"), {datei}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(schriften.isEmpty());
    for (const QString& schrift : schriften) {
        EXPECT_TRUE(
            schrift.contains(QRegularExpression(QStringLiteral(R"(\s+yes\s+\S+\s+\S+\s+\d+\s+\d+$)"))))
            << "embedded: " << schrift.toStdString();
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(datei).fileName()})
        << "the old file replaced, no temporary file left";
}

TEST(Pdfdatei, FehlschlagNenntDateiUndGrundUndHinterlässtNichts) {
    QTemporaryDir ordner;
    {
        QFile keinOrdner(ordner.filePath(QStringLiteral("Akte.txt")));
        ASSERT_TRUE(keinOrdner.open(QIODevice::WriteOnly));
        keinOrdner.write("eine Datei");
    }
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Bescheid.pdf")));
    const struct {
        const char* name;
        const char* datei;
        QString grund;
    } fälle[] = {
        {"der Ordner ist eine Datei", "Akte.txt/Bescheid.pdf",
         QStringLiteral("„%1“ ist eine Datei, kein Ordner.")
             .arg(ordner.filePath(QStringLiteral("Akte.txt")))},
        {"unterhalb einer Datei", "Akte.txt/2024/Bescheid.pdf",
         QStringLiteral("„%1“ ist eine Datei, kein Ordner.")
             .arg(ordner.filePath(QStringLiteral("Akte.txt")))},
        {"Ordner fehlt", "fehlt/Bescheid.pdf",
         QStringLiteral("Den Ordner „%1“ gibt es nicht.").arg(ordner.filePath(QStringLiteral("fehlt")))},
        {"Ordner dieses Namens", "Bescheid.pdf",
         QStringLiteral("Unter diesem Namen steht schon ein Ordner.")},
    };
    const QStringList vorher = inhalt(ordner.path());
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        const QString datei = ordner.filePath(QString::fromUtf8(f.datei));
        QString fehler;
        EXPECT_FALSE(pdfSchreiben(
            datei, QStringLiteral("BDA-Bescheid"),
            [](Druckauftrag& a) { return mappeDrucken(fall(), belehrung, heute, Seitenwahl::beide, a); },
            fehler));
        EXPECT_EQ(fehler,
                  QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n%2\nBitte einen anderen "
                                 "Ort oder Namen wählen.")
                      .arg(datei, f.grund));
        EXPECT_EQ(inhalt(ordner.path()), vorher);
    }
}

TEST(Pdfdatei, MisslungeneSeitenLassenDieAlteDateiStehen) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("Bescheid.pdf"));
    {
        QFile alt(datei);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    QString fehler;
    EXPECT_FALSE(pdfSchreiben(
        datei, QStringLiteral("BDA-Bescheid"),
        [](Druckauftrag& a) {
            a.drucke("halb geschrieben");
            return false;
        },
        fehler));
    EXPECT_TRUE(
        fehler.startsWith(QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n").arg(datei)));
    QFile alt(datei);
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), "alt");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Bescheid.pdf"});
}

}  // namespace

}  // namespace bda::druck
