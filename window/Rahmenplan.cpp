#include <array>
#include <string_view>

#include "Bauplan.h"
#include "Beschriftungen.h"
#include "Zeitraum.h"

namespace bda::fenster {

namespace {

const char* const anrechenbar =
    "Anrechenbar sind: 1. Zeiten mit Besoldungsanspruch und gleichgestellte Zeiten,   2. "
    "Kindererziehungszeiten und Pflegezeiten von nahen Angehörigen (je Person  bis zu 3 Jahren)   3. "
    "Beurlaubungen im öff. Interesse.";
const std::array<const char*, 3> eingabehinweise = {
    "Datumsformat: TT/MM/JJJJ", "Alle Datumseingaben erfordern", "Abschluß mit der Enter-Taste"};

// Tops of the period rows 1 to 4 inside a frame.
constexpr std::array<int, 4> zeilenoben = {795, 1095, 1395, 1695};

// A labelled control of a frame whose place differs between the two frames.
struct Beschriftet {
    const char* name;
    Rechteck lage;
};

// What the two frames differ in; everything else of a frame is built alike.
struct Rahmenmaß {
    const char* rahmen;
    int nummer;              // 1: Tag1, Monat1, Jahr1; 2: Tag2, Monat2, Jahr2
    int ersteZeile;          // period row of the frame's first row: 1 or 5
    Rechteck lage;           // of the frame in the window
    Beschriftet kopffläche;  // the light-yellow heading panel
    Beschriftet kopf;        // the share's caption on it
    std::string_view kopftext;
    const char* anrechenbar;              // the box naming what is creditable
    int kopfwertLinks, kopfwertOben;      // row 0 values at the heading
    int summenwertOben;                   // row 5
    int verschiebungOben;                 // row 7
    std::array<Beschriftet, 3> hinweise;  // the three lines on typing dates
    std::array<Beschriftet, 3> summen;    // captions of rows 5, 6 and 7
    std::array<std::string_view, 3> summentexte;
    Beschriftet anteil;  // "ein Viertel" or "die Hälfte" in the gap of row 7's caption
    std::string_view anteiltext;
    // The lines over the three sum values, under the rows, beside the captions and under the span.
    std::array<const char*, 6> linien;
    int summenlinienOben;
};

// SSFrame1: the quarter rule, from the 31st birthday to the completed 35th year. Row 5 at 2055 rather
// than 2070, so that it ends where row 6 begins.
const Rahmenmaß viertel{
    .rahmen = "SSFrame1",
    .nummer = 1,
    .ersteZeile = 1,
    .lage = {45, 2250, 10965, 2865},
    .kopffläche = {"Label6", {-15, 15, 10905, 465}},
    .kopf = {"Label9", {105, 60, 8505, 255}},
    .kopftext = Beschriftung::label9,
    .anrechenbar = "Label11",
    .kopfwertLinks = 8625,
    .kopfwertOben = 90,
    .summenwertOben = 2055,
    .verschiebungOben = 2550,
    .hinweise = {{{"Label15", {90, 2070, 2880, 225}},
                  {"Label18", {90, 2265, 2880, 225}},
                  {"Label19", {90, 2490, 2880, 225}}}},
    .summen = {{{"Label5", {3060, 2040, 5520, 255}},
                {"Label2_0", {3060, 2280, 5520, 255}},
                {"Label3_0", {3060, 2520, 5520, 255}}}},
    .summentexte = {Beschriftung::label5, Beschriftung::label2_0, Beschriftung::label3_0},
    // Placed in the gap of Label3(0) by the window; as high as that row, so it stays clear of the row above.
    .anteil = {"Label16", {4845, 2520, 1200, 270}},
    .anteiltext = "ein Viertel",
    .linien = {"Line1_0", "Line1_1", "Line1_2", "Line1_6", "Line1_8", "Line2"},
    .summenlinienOben = 2040,
};

// SSFrame2: the half rule, from the 35th (professors: 40th) birthday to the day before the appointment.
const Rahmenmaß hälfte{
    .rahmen = "SSFrame2",
    .nummer = 2,
    .ersteZeile = 5,
    .lage = {45, 5130, 10965, 2835},
    .kopffläche = {"Label1", {15, 15, 10875, 465}},
    .kopf = {"Label10", {120, 60, 8445, 255}},
    .kopftext = "",
    .anrechenbar = "Label25",
    .kopfwertLinks = 8610,
    .kopfwertOben = 60,
    .summenwertOben = 2040,
    .verschiebungOben = 2520,
    .hinweise = {{{"Label20", {60, 2070, 2880, 225}},
                  {"Label21", {60, 2280, 2880, 225}},
                  {"Label22", {60, 2490, 2880, 225}}}},
    .summen = {{{"Label4", {3120, 2040, 5460, 255}},
                {"Label2_1", {3120, 2280, 5460, 255}},
                {"Label3_1", {3120, 2520, 5460, 255}}}},
    .summentexte = {Beschriftung::label4, Beschriftung::label2_1, Beschriftung::label3_1},
    .anteil = {"Label17", {4905, 2520, 1200, 270}},
    .anteiltext = "die Hälfte",
    .linien = {"Line1_3", "Line1_4", "Line1_5", "Line1_7", "Line1_9", "Line3"},
    .summenlinienOben = 2010,
};

// The three value labels (days, months, years) of one of the frame's rows 0 to 7: centred, single
// border, "0".
void werte(std::vector<Bauteil>& plan, const Rahmenmaß& r, int zeile, Rechteck lage, Farbe farbe,
           Schrift schrift) {
    const std::string nummer = std::to_string(r.nummer) + "_" + std::to_string(zeile);
    for (const char* art : {"Tag", "Monat", "Jahr"}) {
        plan.push_back({.name = art + nummer,
                        .art = Art::Beschriftung,
                        .behälter = r.rahmen,
                        .lage = lage,
                        .text = "0",
                        .schrift = schrift,
                        .farbe = farbe,
                        .rand = true,
                        .ausrichtung = Textausrichtung::mitte});
        lage.links += 840;
    }
}

void beschriftung(std::vector<Bauteil>& plan, const Rahmenmaß& r, const Beschriftet& b, std::string_view text,
                  Schrift schrift = Schrift::arial825) {
    plan.push_back({.name = b.name,
                    .art = Art::Beschriftung,
                    .behälter = r.rahmen,
                    .lage = b.lage,
                    .text = std::string(text),
                    .schrift = schrift});
}

void feld(std::vector<Bauteil>& plan, const Rahmenmaß& r, Art art, const std::string& name, Rechteck lage) {
    plan.push_back({.name = name, .art = art, .behälter = r.rahmen, .lage = lage});
}

// The span fields, the four period rows (from, to, description, counter, length) and the value labels.
void zeilen(std::vector<Bauteil>& plan, const Rahmenmaß& r) {
    const Zeitraum erster = zeitraum(r.ersteZeile);
    feld(plan, r, Art::Datumsfeld, "Datum_" + std::to_string(erster.spanBeginn), {60, 480, 1305, 315});
    feld(plan, r, Art::Datumsfeld, "Datum_" + std::to_string(erster.spanEnde), {1650, 480, 1305, 315});
    werte(plan, r, 0, {r.kopfwertLinks, r.kopfwertOben, 525, 255}, Farbe::hellgelb, Schrift::arial975fett);
    for (int zeile = 1; zeile <= 4; ++zeile) {
        const Zeitraum z = zeitraum(r.ersteZeile + zeile - 1);
        const int oben = zeilenoben[zeile - 1];
        const std::string eingabe = std::to_string(z.eingabe);
        feld(plan, r, Art::Datumsfeld, "Datum_" + std::to_string(z.beginn), {60, oben, 1305, 300});
        feld(plan, r, Art::Datumsfeld, "Datum_" + std::to_string(z.ende), {1650, oben, 1305, 300});
        feld(plan, r, Art::Textfeld, "Eingabe_" + eingabe, {3030, oben, 5200, 300});
        // 255 wide rather than 195: "60" in this font needs 14 pixels.
        plan.push_back({.name = "Zähler_" + eingabe,
                        .art = Art::Beschriftung,
                        .behälter = r.rahmen,
                        .lage = {8330, oben + 45, 255, 225},
                        .text = "60",
                        .schrift = Schrift::msSansSerif825});
        werte(plan, r, zeile, {8610, oben + 30, 525, 255}, Farbe::fenster, Schrift::arial975);
    }
    // Rows 5 to 7 stand 225 to 270 twips apart: 225 high, so that neighbours do not overlap.
    werte(plan, r, 5, {8610, r.summenwertOben, 525, 225}, Farbe::weiß, Schrift::arial975fett);
    werte(plan, r, 6, {8610, 2280, 525, 225}, Farbe::weiß, Schrift::arial975fett);
    werte(plan, r, 7, {8610, r.verschiebungOben, 525, 225}, Farbe::hellgrün, Schrift::arial975fett);
}

void rahmenteil(std::vector<Bauteil>& plan, const Rahmenmaß& r) {
    const Schrift fett = Schrift::arial975fett;
    plan.push_back(
        {.name = r.rahmen, .art = Art::Bildfeld, .lage = r.lage, .farbe = Farbe::fenster, .rand = true});
    plan.push_back({.name = r.kopffläche.name,
                    .art = Art::Beschriftung,
                    .behälter = r.rahmen,
                    .lage = r.kopffläche.lage,
                    .farbe = Farbe::hellgelb});
    beschriftung(plan, r, r.kopf, r.kopftext, fett);
    plan.push_back({.name = r.anrechenbar,
                    .art = Art::Beschriftung,
                    .behälter = r.rahmen,
                    .lage = {2970, 375, 7920, 405},
                    .text = anrechenbar,
                    .farbe = Farbe::weiß,
                    .umbrechen = true});
    zeilen(plan, r);
    for (std::size_t i = 0; i < 3; ++i) beschriftung(plan, r, r.hinweise[i], eingabehinweise[i]);
    for (std::size_t i = 0; i < 3; ++i) beschriftung(plan, r, r.summen[i], r.summentexte[i], fett);
    beschriftung(plan, r, r.anteil, r.anteiltext, Schrift::arial12fett);
    const std::array<Rechteck, 6> linien = {{{8610, r.summenlinienOben, 525, 15},
                                             {9450, r.summenlinienOben, 525, 15},
                                             {10290, r.summenlinienOben, 525, 15},
                                             {60, 2010, 8465, 15},
                                             {3000, 2040, 15, 750},
                                             {60, 780, 2895, 15}}};
    for (std::size_t i = 0; i < linien.size(); ++i) feld(plan, r, Art::Linie, r.linien[i], linien[i]);
}

}  // namespace

void rahmenteile(std::vector<Bauteil>& plan) {
    rahmenteil(plan, viertel);
    rahmenteil(plan, hälfte);
}

}  // namespace bda::fenster
