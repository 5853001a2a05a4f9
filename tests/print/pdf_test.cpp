#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "Berechnung.h"
#include "Bescheid.h"
#include "Druckhilfe.h"

namespace {

struct Seiten {
    int anzahl = 0;
    double breite = 0, höhe = 0;  // of the first page, in points
};

// Page count and size as poppler's pdfinfo reads them from the file.
Seiten pdfinfo(const QString& pfad) {
    QProcess prozess;
    prozess.start(QStringLiteral("pdfinfo"), {pfad});
    prozess.waitForFinished();
    const QString ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
    Seiten seiten;
    const auto anzahl = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(ausgabe);
    const auto größe =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(ausgabe);
    if (anzahl.hasMatch()) seiten.anzahl = anzahl.captured(1).toInt();
    if (größe.hasMatch())
        seiten = {seiten.anzahl, größe.captured(1).toDouble(), größe.captured(2).toDouble()};
    return seiten;
}

TEST(Pdf, TheNoticeIsOnePortraitPageAndTheSheetIsLandscape) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is missing";
    QTemporaryDir ordner;
    Fall voll = beispielfall();
    for (int i = 1; i <= 4; ++i) {
        voll.rahmen1[i] = {0, 1, 0};
        voll.rahmen2[i] = {0, 2, 0};
    }
    const struct {
        const char* name;
        bool bescheid;
        Fall fall;
        int seiten;
        bool quer;
    } fälle[] = {
        {"notice", true, beispielfall(), 1, false},
        {"sheet", false, beispielfall(), 1, true},
        {"sheet with eight periods", false, voll, 2, true},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        const QString pfad = ordner.filePath(QString::fromUtf8(f.name) + ".pdf");
        {
            QPdfWriter pdf(pfad);
            pdfEinrichten(pdf);
            Druckauftrag auftrag(pdf);
            const bool gedruckt = f.bescheid ? bescheidDrucken(f.fall, std::string(1000, ' '),
                                                               std::chrono::year_month_day{}, auftrag)
                                             : berechnungDrucken(f.fall, auftrag);
            ASSERT_TRUE(gedruckt) << auftrag.fehler().toStdString();
            EXPECT_EQ(auftrag.seite(), f.seiten);
        }
        const Seiten seiten = pdfinfo(pfad);
        EXPECT_EQ(seiten.anzahl, f.seiten);
        EXPECT_NEAR(std::max(seiten.breite, seiten.höhe), 842, 1);
        EXPECT_EQ(seiten.breite > seiten.höhe, f.quer);
    }
}

TEST(Pdf, ADocumentThatCannotBeWrittenReportsTheFailure) {
    Fall fall = beispielfall();
    QPdfWriter pdf(QStringLiteral("/nonexistent-folder/bescheid.pdf"));
    Druckauftrag auftrag(pdf);
    EXPECT_FALSE(bescheidDrucken(fall, "Gegen", std::chrono::year_month_day{}, auftrag));
    EXPECT_FALSE(auftrag.fehler().isEmpty());
}

}  // namespace
