#include "Berechnung.h"

#include <gtest/gtest.h>

#include "Druckfreigabe.h"
#include "Druckhilfe.h"

namespace {

// Captions of the window and texts of the sheet, as the document gives them.
const std::string label9 =
    "Davon entfallen auf die Zeit bis zur Vollendung des     35.      Lebensjahres . . . . . . . . . . . . . "
    ". . . . .";
const std::string label5 =
    "Summe der anrechenbaren Zeiten . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
    ". . . .";
const std::string label4 =
    "Summe der anrechenbaren Zeiten  . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
    ". . . . .";
const std::string label2_0 =
    "Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . . . . . . . . . . . . . . .";
const std::string label2_1 =
    "Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . . . . . . . . . . . . . .";
const std::string text4 = "Insgesamt ist  das";
const std::string text6 = "hinauszuschieben um (auf volle Monate abgerundet)  . . . . . . . . .";
const std::string b1 =
    "Berechnung des Hinausschiebens, wenn das maßgebende Lebensjahr bei der Ernennung überschritten war:";
const std::string zeile4 =
    "(1. Zeiten mit Dienstbezügen, 2. Kinderbetreuung, 3. Beurlaubung, die öffentl. Interessen dient)";

const std::string linie99 = std::string(99, '_');
const std::string linie73 = std::string(73, '_');
const std::string doppel20 = std::string(20, '=');

std::vector<Zeile> blatt(const Fall& fall) {
    Aufzeichnung a;
    EXPECT_TRUE(berechnungDrucken(fall, a.auftrag)) << a.auftrag.fehler().toStdString();
    return zeilen(a.auftrag.protokoll());
}

std::vector<Soll> zahlen(const std::string& schrift, int tage, int monate, int jahre,
                         std::vector<Soll> davor) {
    davor.push_back(bei(12100, schrift, std::to_string(tage)));
    davor.push_back(bei(13100, schrift, std::to_string(monate)));
    davor.push_back(bei(14100, schrift, std::to_string(jahre)));
    return davor;
}

TEST(Berechnung, PrintsEveryLineOfATypicalCase) {
    Fall fall = beispielfall();
    fall.name = "Erika Mustermann";
    // clang-format off
    const double h10 = arialZeilenhöhe(10), h8 = arialZeilenhöhe(8), h12 = arialZeilenhöhe(12);
    const std::vector<Sollzeile> soll = {
        {2 * h10, {spalte(90, "10", "Seite 2")}},
        {h10, {spalte(40, "10", "zur Festsetzung des BDA für Erika Mustermann (Geb.tag = 15/06/1970, Ernennungstag 15/06/2008)")}},
        {2 * h10, {bei(1500, "12BU", b1)}},
        {2 * h12, {bei(12000, "12B", "Tage"), bei(12800, "12B", "Monate"), bei(14000, "12B", "Jahre")}},
        {2 * h12, zahlen("12B", 0, 0, 7, {bei(1500, "12B", ersteN(fall.text3, 94))})},
        {2 * h12, {bei(1500, "12B", linie99)}},
        {2 * h12, zahlen("12B", 0, 0, 4, {bei(1500, "12B", ersteN(label9, 104))})},
        {2 * h12 - 200, {bei(1500, "12B", "15/06/2001  bis  14/06/2005"), bei(5000, "12B", "Anrechenbare Zeiten")}},
        {h12, {bei(5000, "8", zeile4)}},
        {h8 - 50, {bei(1500, "12", linie99)}},
        {2 * h12 - 200, zahlen("12", 0, 0, 1, {bei(1500, "12", "01/01/2002   bis   31/12/2002"), bei(5000, "12", "Grundwehrdienst")})},
        {2 * h12 - 200, {bei(5000, "12B", linie73)}},
        {h12 + 100, zahlen("12", 0, 0, 1, {bei(5000, "12", ersteN(label5, 76))})},
        {h12, zahlen("12", 0, 0, 3, {bei(5000, "12", ersteN(label2_0, 72))})},
        {h12, zahlen("12B", 0, 9, 0, {bei(5000, "12", "Das BDA wird um     "), dahinter("12B", "ein Viertel"), dahinter("12", "     davon hinausgeschoben . . .")})},
        {h12, {bei(12100, "12B", doppel20)}},
        {2 * h12, {bei(1500, "12B", linie99)}},
        {2 * h12, zahlen("12B", 0, 0, 3, {bei(1500, "12B", ersteN(fall.label10, 106))})},
        {2 * h12 - 200, {bei(1500, "12B", "15/06/2005  bis  14/06/2008"), bei(5000, "12B", "Anrechenbare Zeiten")}},
        {h12, {bei(5000, "8", zeile4)}},
        {h8 - 50, {bei(1500, "12", linie99)}},
        {3 * h12 - 400, {bei(5000, "12B", linie73)}},
        {h12 + 100, zahlen("12", 0, 0, 0, {bei(5000, "12", ersteN(label4, 76))})},
        {h12, zahlen("12", 0, 0, 3, {bei(5000, "12", ersteN(label2_1, 72))})},
        {h12, zahlen("12B", 0, 6, 1, {bei(5000, "12", "Das BDA wird um     "), dahinter("12B", "die Hälfte "), dahinter("12", "     davon hinausgeschoben . . .")})},
        {h12, {bei(12100, "12B", doppel20)}},
        {h12, {bei(1500, "12B", linie99)}},
        {2 * h12, {bei(1500, "12B", text4 + "  B D A  " + ersteN(text6, 66)), bei(12100, "12B", "("), dahinter("12BS", "0"), dahinter("12B", ")"), bei(13100, "12B", "3"), bei(14100, "12B", "2")}},
        {h12, {bei(1500, "12B", "Das Regel-BDA  01/06/1991  wird somit auf  01/09/1993  hinausgeschoben."), bei(12100, "12B", doppel20)}},
        {h12, {bei(6450, "12B", std::string(9, '='))}},
    };
    // clang-format on
    vergleiche(blatt(fall), soll);
}

TEST(Berechnung, PrintsTheBlocksOfTheVisibleFrames) {
    const Fall muster = beispielfall();
    const std::string anteil1 = ersteN(label9, 104), anteil2 = ersteN(muster.label10, 106);
    // clang-format off
    const struct {
        const char* name;
        bool rahmen1, rahmen2;
        std::vector<std::string> anteile;  // share rows, in order
        std::size_t zeilen;
        int leerzeilen;  // line heights from the rule line of block B to the next printed line
    } fälle[] = {
        {"both frames",                 true,  true,  {anteil1, anteil2}, 30, 2},
        {"only the quarter-rule frame", true,  false, {anteil1},          20, 2},
        {"only the half-rule frame",    false, true,  {anteil2},          20, 3},
        {"no frame",                    false, false, {},                 10, 3},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Fall fall = muster;
        fall.rahmen1Sichtbar = f.rahmen1;
        fall.rahmen2Sichtbar = f.rahmen2;
        const auto z = blatt(fall);
        ASSERT_EQ(z.size(), f.zeilen);
        std::vector<std::string> anteile;
        for (const auto& zeile : z) {
            if (zeile.posten[0].text.starts_with("Davon")) anteile.push_back(zeile.posten[0].text);
        }
        EXPECT_EQ(anteile, f.anteile);
        EXPECT_TRUE(nahe(z[6].y - z[5].y, f.leerzeilen * arialZeilenhöhe(12)));
        EXPECT_EQ(z[6].text(), f.rahmen1 ? anteil1 + "004" : linie99);
        EXPECT_EQ(z[z.size() - 3].text().substr(0, 13), "Insgesamt ist");
        for (std::size_t i = z.size() - 4; i < z.size(); ++i) {
            for (const auto& p : z[i].posten) EXPECT_TRUE(p.fett) << p.text;
        }
    }
}

TEST(Berechnung, LeavesOutPeriodRowsWhoseDaysMonthsAndYearsAreAllZero) {
    Fall fall = beispielfall();
    const struct {
        int zeile;
        Zeitspanne länge;
    } quartal[] = {{1, {0, 0, 0}}, {2, {0, 3, 0}}, {3, {0, 0, 0}}, {4, {5, 0, 0}}};
    for (const auto& q : quartal) {
        fall.rahmen1[q.zeile] = q.länge;
        fall.rahmen2[q.zeile] = {};
        fall.datum[2 * q.zeile + 1] = "01/0" + std::to_string(q.zeile) + "/2002";
        fall.datum[2 * q.zeile + 2] = "02/0" + std::to_string(q.zeile) + "/2002";
        fall.eingabe[q.zeile - 1] = "Zeitraum " + std::to_string(q.zeile);
    }
    fall.rahmen2[3] = {0, 0, 1};
    fall.eingabe[6] = std::string(70, 'x');

    std::vector<std::string> perioden;
    for (const auto& z : blatt(fall)) {
        if (z.posten.size() == 5 && z.posten[1].x == 5000) perioden.push_back(z.text());
    }
    const std::vector<std::string> soll = {
        "01/02/2002   bis   02/02/2002Zeitraum 2030",
        "01/04/2002   bis   02/04/2002Zeitraum 4500",
        "__/__/____   bis   __/__/____" + std::string(70, 'x') + "001",
    };
    EXPECT_EQ(perioden, soll);
}

TEST(Berechnung, CutsCaptionsAtTheirNumberOfCharactersNotBytes) {
    // clang-format off
    const struct {
        const char* name;
        int text3, label10, gedruckt3, gedruckt10;
    } fälle[] = {
        {"one below the cut", 93, 105, 93, 105}, {"at the cut", 94, 106, 94, 106},
        {"one above the cut", 95, 107, 94, 106}, {"far above", 200, 200, 94, 106},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Fall fall = beispielfall();
        fall.text3 = mal(f.text3, "ä");
        fall.label10 = mal(f.label10, "ß");
        const auto z = blatt(fall);
        EXPECT_EQ(z[4].posten[0].text, mal(f.gedruckt3, "ä"));
        EXPECT_EQ(z[17].posten[0].text, mal(f.gedruckt10, "ß"));
    }
}

TEST(Berechnung, APrintIsRefusedOnlyWhileTheResultFieldIsExactlyEmpty) {
    const struct {
        const char* feld19;
        bool bereit;
    } fälle[] = {{"__/__/____", false}, {"01/09/1993", true}, {"01/__/____", true}, {"", true}};
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.feld19);
        Fall fall;
        fall.datum[19] = f.feld19;
        EXPECT_EQ(druckbereit(fall), f.bereit);
    }
}

}  // namespace
