#include <QMenuBar>

#include "Fenstertest.h"

namespace {

using AnordnungTest = Fenstertest;

// The tab order of the input controls as the window's description lists it.
const char* const tabfolge[] = {
    "Datum_0",       "Datum_2",       "Eingangsamt_0", "Eingangsamt_1", "Eingangsamt_2", "Eingangsamt_3",
    "Eingangsamt_4", "Datum_3",       "Datum_4",       "Eingabe_0",     "Datum_5",       "Datum_6",
    "Eingabe_1",     "Datum_7",       "Datum_8",       "Eingabe_2",     "Datum_9",       "Datum_10",
    "Eingabe_3",     "Datum_11",      "Datum_12",      "Datum_13",      "Datum_14",      "Datum_15",
    "Datum_16",      "Datum_17",      "Datum_18",      "Datum_1",       "Datum_24",      "Bescheid",
    "Berechnung",    "Grundgehälter", "Übertrag",      "Hilfe",         "Schließen",     "RB_Text",
    "Eingabe_7",     "Eingabe_6",     "Eingabe_5",     "Eingabe_4",
};

TEST_F(AnordnungTest, TabGehtDurchAlleEingabenInDerListe) {
    for (const char* name : tabfolge) {
        ASSERT_EQ(fokus(), QString::fromUtf8(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

struct Lagezeile {
    const char* name;
    int links, oben, breite, höhe;  // twips, relative to the container
    int schriftpixel;               // at design size; 0 for controls without text
};

// Rectangles in twips (multiples of 15, so every pixel is whole) from the window's layout.
const Lagezeile lagen[] = {
    {"Datum_0", 3210, 660, 1560, 360, 11},   {"Eingangsamt_3", 5310, 1410, 3105, 300, 11},
    {"Schließen", 9195, 0, 1830, 555, 11},   {"SSFrame2", 45, 5130, 10965, 2835, 0},
    {"Tag1_1", 8610, 825, 525, 255, 13},     {"Label17", 4905, 2505, 1200, 285, 16},
    {"BDADatum", 3150, 8265, 1950, 390, 15},
};

// Design size 11040 x 8700 twips = 736 x 580 pixels below the menu bar; at twice the size places and
// fonts double, and the menu bar keeps its height.
TEST_F(AnordnungTest, LageUndSchriftFolgenDerFenstergroesse) {
    const int menühöhe = fenster->menüleiste()->height();
    ASSERT_GT(menühöhe, 10);
    for (int faktor : {1, 2, 1}) {
        SCOPED_TRACE(faktor);
        fenster->resize(736 * faktor, 580 * faktor + menühöhe);
        QCoreApplication::processEvents();
        ASSERT_EQ(fenster->entwurf()->size(), QSize(736, 580) * faktor);
        EXPECT_EQ(fenster->entwurf()->y(), menühöhe);
        EXPECT_EQ(fenster->menüleiste()->height(), menühöhe);
        const auto px = [faktor](int twips) { return twips * faktor / 15; };
        for (const auto& z : lagen) {
            SCOPED_TRACE(z.name);
            const QWidget* teil = bauteil(QString::fromUtf8(z.name));
            ASSERT_NE(teil, nullptr);
            EXPECT_EQ(teil->geometry(), QRect(px(z.links), px(z.oben), px(z.breite), px(z.höhe)));
            if (z.schriftpixel) {
                EXPECT_EQ(teil->font().pixelSize(), z.schriftpixel * faktor);
            }
        }
    }
}

}  // namespace
