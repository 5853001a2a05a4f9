#include "Druckauftrag.h"

#include <gtest/gtest.h>

#include "Druckhilfe.h"

namespace bda::druck {

namespace {

TEST(Druckauftrag, DruckstelleFolgtSpaltenZeilenendenVersätzenUndSeiten) {
    Aufzeichnung a;
    Druckauftrag& d = a.auftrag;
    d.zuSpalte(40);
    d.drucke("Seite 2");
    d.zeilenende();
    d.zeilenende();
    d.drucke("zwei Zeilen tiefer");
    d.zeilenende();
    d.yVerschieben(-200);
    d.xSetzen(12800);
    d.drucke("Monate");
    // Arial's advance widths: M 1706, o n a e 1139 each, t 569 units of 2048 to the em.
    EXPECT_NEAR(d.x(), 12800 + 240 * (1706 + 4 * 1139 + 569) / 2048.0, 5);
    d.xSetzen(12800);
    d.drucke("XXXXXX");
    d.zeilenende();
    d.größeSetzen(8);
    d.fettSetzen(true);
    d.xSetzen(100);
    d.zuSpalte(17);
    d.drucke("left of the column: same line");
    d.zuSpalte(17);
    d.drucke("beyond it: next line");
    d.zeilenende();
    d.zuSpalte(17);
    d.zuSpalte(17);
    d.drucke("at the column: same line");
    vergleiche(zeilen(d.protokoll()), 0,
               {{0, "12 c40 Seite 2"},
                {2 * arialZeilenhöhe(12), "12 0 zwei Zeilen tiefer"},
                {arialZeilenhöhe(12) - 200, "12 12800 Monate | 12 12800 XXXXXX"},
                {arialZeilenhöhe(12), "8B c17 left of the column: same line"},
                {arialZeilenhöhe(8), "8B c17 beyond it: next line"},
                {arialZeilenhöhe(8), "8B c17 at the column: same line"}});

    // A line that would reach below the printable area (A4 less 5 mm margins) starts a new page at the top.
    for (int i = 0; i < 200 && d.seite() == 1; ++i) {
        d.zeilenende();
        d.drucke("Zeile");
    }
    const auto& p = d.protokoll();
    EXPECT_EQ(p[p.size() - 2].seite, 1);
    EXPECT_LT(p[p.size() - 2].y + arialZeilenhöhe(8), 287 / 25.4 * 1440 + 5);
    EXPECT_GT(p[p.size() - 2].y + 2 * arialZeilenhöhe(8), 287 / 25.4 * 1440 - 5);
    EXPECT_EQ(darstellung({p.back()}), "8B 0 Zeile");
    EXPECT_EQ(p.back().y, 0);
}

TEST(Druckauftrag, UnbeschreibbaresGerätWirdGemeldet) {
    QPdfWriter pdf(QStringLiteral("/nonexistent-folder/bescheid.pdf"));
    Druckauftrag auftrag(pdf);
    auftrag.drucke("Gegen");
    EXPECT_FALSE(auftrag.dokumentBeenden());
    EXPECT_FALSE(auftrag.fehler().isEmpty());
}

}  // namespace

}  // namespace bda::druck
