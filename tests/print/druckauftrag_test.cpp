#include "Druckauftrag.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "Druckhilfe.h"

namespace {

TEST(Druckauftrag, ArialIsDrawnWithAMetricCompatibleFace) {
    const QString familie = QFontInfo(QFont(QStringLiteral("arial"))).family();
    EXPECT_TRUE(familie == "Liberation Sans" || familie == "Arial") << familie.toStdString();
}

TEST(Druckauftrag, LineEndsAndColumnsFollowTheFont) {
    const struct {
        const char* name;
        double größe;
        bool fett;
    } schriften[] = {
        {"8 regular", 8, false}, {"10 regular", 10, false}, {"12 regular", 12, false}, {"12 bold", 12, true}};
    for (const auto& s : schriften) {
        SCOPED_TRACE(s.name);
        Aufzeichnung a;
        a.auftrag.größeSetzen(s.größe);
        a.auftrag.fettSetzen(s.fett);
        a.auftrag.zuSpalte(40);
        a.auftrag.drucke("Seite 2");
        EXPECT_TRUE(nahe(a.auftrag.protokoll().at(0).x, 39 * arialZeichenbreite(s.größe, s.fett)));
        a.auftrag.zeilenende();
        a.auftrag.zeilenende();
        EXPECT_TRUE(nahe(a.auftrag.y(), 2 * arialZeilenhöhe(s.größe)));
        EXPECT_EQ(a.auftrag.x(), 0);
    }
}

TEST(Druckauftrag, ShiftsMoveTheNextTextAndAccumulateWithLineEnds) {
    Aufzeichnung a;
    a.auftrag.zeilenende();
    const double ohne = a.auftrag.y();
    a.auftrag.yVerschieben(-200);
    a.auftrag.drucke("Anrechenbare Zeiten");
    a.auftrag.zeilenende();
    a.auftrag.yVerschieben(100);
    a.auftrag.drucke("Summe");
    EXPECT_DOUBLE_EQ(a.auftrag.protokoll()[0].y, ohne - 200);
    EXPECT_TRUE(nahe(a.auftrag.protokoll()[1].y, ohne - 100 + arialZeilenhöhe(12)));
}

TEST(Druckauftrag, TextMovesXByItsWidthAndSettingXLeftOverprints) {
    Aufzeichnung a;
    QFont arial(QStringLiteral("arial"));
    arial.setPointSizeF(12);
    const double breite =
        QFontMetricsF(arial, &a.pdf).horizontalAdvance("Monate") * 1440 / a.pdf.logicalDpiX();
    a.auftrag.xSetzen(12800);
    a.auftrag.drucke("Monate");
    EXPECT_NEAR(a.auftrag.x(), 12800 + breite, 1);
    a.auftrag.xSetzen(12800);
    a.auftrag.drucke("XXXXXX");
    const auto& p = a.auftrag.protokoll();
    EXPECT_EQ(p.at(1).x, p[0].x);
    EXPECT_EQ(p[1].y, p[0].y);
}

TEST(Druckauftrag, MoveToColumnEndsTheLineOnlyWhenXIsBeyondTheColumn) {
    const double spalte17 = arialSpalte(17, 8, false);
    const struct {
        const char* name;
        double xVorher;
        bool neueZeile;
    } fälle[] = {{"left of the column", 100, false}, {"at the column", -1, false}, {"beyond it", 4000, true}};
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Aufzeichnung a;
        a.auftrag.größeSetzen(8);
        a.auftrag.zuSpalte(17);
        if (f.xVorher >= 0) a.auftrag.xSetzen(f.xVorher);
        a.auftrag.zuSpalte(17);
        EXPECT_TRUE(nahe(a.auftrag.x(), spalte17));
        EXPECT_TRUE(nahe(a.auftrag.y(), f.neueZeile ? arialZeilenhöhe(8) : 0));
    }
}

TEST(Druckauftrag, ALineBelowThePrintableAreaContinuesAtTheTopOfANewPage) {
    Aufzeichnung a;
    a.auftrag.ausrichtungSetzen(Ausrichtung::querformat);
    a.auftrag.fettSetzen(true);
    a.auftrag.unterstrichenSetzen(true);
    const double höhe = 200 / 25.4 * 1440;  // A4 landscape less 5 mm at top and bottom
    const int proSeite = static_cast<int>(höhe / arialZeilenhöhe(12));
    for (int i = 0; i <= proSeite; ++i) {
        a.auftrag.drucke("Zeile");
        a.auftrag.zeilenende();
    }
    const auto& p = a.auftrag.protokoll();
    ASSERT_EQ(p.size(), static_cast<std::size_t>(proSeite + 1));
    EXPECT_EQ(p[proSeite - 1].seite, 1);
    EXPECT_EQ(p[proSeite].seite, 2);
    EXPECT_EQ(p[proSeite].y, 0);
    EXPECT_EQ(schrift(p[proSeite]), "12BU");
    EXPECT_EQ(p[proSeite].schriftart, "arial");
    EXPECT_TRUE(a.auftrag.dokumentBeenden()) << a.auftrag.fehler().toStdString();
}

}  // namespace
