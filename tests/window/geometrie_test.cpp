#include "Fenstertest.h"

namespace {

struct Lagezeile {
    const char* name;
    int links, oben, breite, höhe;  // twips, relative to the container
    int schriftpixel;               // at design size; 0 for controls without text
};

// Rectangles from the window's layout tables (multiples of 15 twips, so every pixel is whole).
const Lagezeile lagen[] = {
    {"Datum_0", 3210, 660, 1560, 360, 11},
    {"Text_0", 90, 690, 3015, 285, 13},
    {"Eingangsamt_3", 5310, 1410, 3105, 300, 11},
    {"Schließen", 9195, 0, 1830, 555, 11},
    {"Tag0", 150, 330, 525, 255, 13},
    {"SSFrame2", 45, 5130, 10965, 2835, 0},
    {"Datum_11", 60, 795, 1305, 300, 11},
    {"Label9", 105, 60, 8505, 255, 13},
    {"Tag1_1", 8610, 825, 525, 255, 13},
    {"Label17", 4905, 2505, 1200, 285, 16},
    {"Text_4", 105, 7995, 1995, 300, 15},
    {"BDADatum", 3150, 8265, 1950, 390, 15},
};

QRect pixel(const Lagezeile& zeile, int faktor) {
    return {zeile.links * faktor / 15, zeile.oben * faktor / 15, zeile.breite * faktor / 15,
            zeile.höhe * faktor / 15};
}

class GeometrieTest : public Fenstertest {
   protected:
    void prüfen(int faktor) const {
        for (const auto& zeile : lagen) {
            SCOPED_TRACE(zeile.name);
            const QWidget* teil = bauteil(QString::fromUtf8(zeile.name));
            ASSERT_NE(teil, nullptr);
            EXPECT_EQ(teil->geometry(), pixel(zeile, faktor));
            if (zeile.schriftpixel) {
                EXPECT_EQ(teil->font().pixelSize(), zeile.schriftpixel * faktor);
            }
        }
    }
};

TEST_F(GeometrieTest, EntwurfsgroesseInPixeln) {
    ASSERT_EQ(fenster->size(), QSize(736, 580));
    prüfen(1);
}

TEST_F(GeometrieTest, DoppelteFenstergroesseVerdoppeltLageUndSchrift) {
    fenster->resize(2 * 736, 2 * 580);
    QCoreApplication::processEvents();
    ASSERT_EQ(fenster->size(), QSize(1472, 1160));
    prüfen(2);
}

TEST_F(GeometrieTest, ZurueckAufEntwurfsgroesse) {
    fenster->resize(1000, 900);
    QCoreApplication::processEvents();
    fenster->resize(736, 580);
    QCoreApplication::processEvents();
    prüfen(1);
}

}  // namespace
