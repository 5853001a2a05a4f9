#include <array>

#include "Bauplan.h"
#include "Beschriftungen.h"

namespace {

const char* const anrechenbar =
    "Anrechenbar sind: 1. Zeiten mit Besoldungsanspruch und gleichgestellte Zeiten,   2. "
    "Kindererziehungszeiten und Pflegezeiten von nahen Angehörigen (je Person  bis zu 3 Jahren)   3. "
    "Beurlaubungen im öff. Interesse.";
const char* const datumsformat = "Datumsformat: TT/MM/JJJJ";
const char* const eingabehinweis = "Alle Datumseingaben erfordern";
const char* const entertaste = "Abschluß mit der Enter-Taste";

// Tops of the period rows 1 to 4 inside a frame.
constexpr std::array<int, 4> zeilenoben = {795, 1095, 1395, 1695};

// What the two frames differ in; everything else of a frame is built alike.
struct Rahmenmaß {
    std::string rahmen;
    int nummer;         // 1: Tag1, Monat1, Jahr1; 2: Tag2, Monat2, Jahr2
    int ersterBeginn;   // "from" field of the first period row
    int ersteEingabe;   // description box of the first period row
    int spanne;         // "from" field of the frame's span
    int kopfwertLinks;  // row 0 values at the heading
    int kopfwertOben;
    int summenwertOben;    // row 5
    int verschiebungOben;  // row 7
};

// The three value labels (days, months, years) of one of the frame's rows 0 to 7: centred, single
// border, "0".
void werte(std::vector<Bauteil>& plan, const Rahmenmaß& r, int zeile, int links, int oben, int höhe,
           Farbe farbe, Schrift schrift) {
    const std::string nummer = std::to_string(r.nummer) + "_" + std::to_string(zeile);
    int spalte = 0;
    for (const char* art : {"Tag", "Monat", "Jahr"}) {
        plan.push_back({art + nummer, Art::Beschriftung, r.rahmen, links + 840 * spalte++, oben, 525, höhe,
                        "0", schrift, farbe, true, Ausrichtung::mitte});
    }
}

// The span fields, the four period rows (from, to, description, counter, length) and the value labels.
void zeilen(std::vector<Bauteil>& plan, const Rahmenmaß& r) {
    plan.push_back({"Datum_" + std::to_string(r.spanne), Art::Datumsfeld, r.rahmen, 60, 480, 1305, 315});
    plan.push_back(
        {"Datum_" + std::to_string(r.spanne + 1), Art::Datumsfeld, r.rahmen, 1650, 480, 1305, 315});
    werte(plan, r, 0, r.kopfwertLinks, r.kopfwertOben, 255, Farbe::hellgelb, Schrift::arial975fett);
    for (int zeile = 1; zeile <= 4; ++zeile) {
        const int oben = zeilenoben[zeile - 1];
        const std::string beginn = std::to_string(r.ersterBeginn + 2 * (zeile - 1));
        const std::string ende = std::to_string(r.ersterBeginn + 2 * (zeile - 1) + 1);
        const std::string eingabe = std::to_string(r.ersteEingabe + zeile - 1);
        plan.push_back({"Datum_" + beginn, Art::Datumsfeld, r.rahmen, 60, oben, 1305, 300});
        plan.push_back({"Datum_" + ende, Art::Datumsfeld, r.rahmen, 1650, oben, 1305, 300});
        plan.push_back({"Eingabe_" + eingabe, Art::Textfeld, r.rahmen, 3030, oben, 5200, 300});
        // 255 wide rather than 195: "60" in this font needs 14 pixels.
        plan.push_back({"Zähler_" + eingabe, Art::Beschriftung, r.rahmen, 8330, oben + 45, 255, 225, "60",
                        Schrift::msSansSerif825});
        werte(plan, r, zeile, 8610, oben + 30, 255, Farbe::fenster, Schrift::arial975);
    }
    // Rows 5 to 7 stand 225 to 270 twips apart: 225 high, so that neighbours do not overlap.
    werte(plan, r, 5, 8610, r.summenwertOben, 225, Farbe::weiß, Schrift::arial975fett);
    werte(plan, r, 6, 8610, 2280, 225, Farbe::weiß, Schrift::arial975fett);
    werte(plan, r, 7, 8610, r.verschiebungOben, 225, Farbe::hellgrün, Schrift::arial975fett);
}

void rahmen(std::vector<Bauteil>& plan, const std::string& name, int oben, int höhe) {
    plan.push_back(
        {name, Art::Bildfeld, "", 45, oben, 10965, höhe, "", Schrift::arial825, Farbe::fenster, true});
}

void beschriftung(std::vector<Bauteil>& plan, const std::string& name, const std::string& rahmen, int links,
                  int oben, int breite, int höhe, std::string_view text,
                  Schrift schrift = Schrift::arial825) {
    plan.push_back({name, Art::Beschriftung, rahmen, links, oben, breite, höhe, std::string(text), schrift});
}

void linie(std::vector<Bauteil>& plan, const std::string& name, const std::string& rahmen, int links,
           int oben, int breite, int höhe) {
    plan.push_back({name, Art::Linie, rahmen, links, oben, breite, höhe});
}

}  // namespace

void rahmenteile(std::vector<Bauteil>& plan) {
    const Schrift fett = Schrift::arial975fett;

    // SSFrame1: the quarter rule, from the 31st birthday to the completed 35th year.
    // Row 5 at 2055 rather than 2070, so that it ends where row 6 begins.
    const Rahmenmaß viertel{"SSFrame1", 1, 3, 0, 20, 8625, 90, 2055, 2550};
    rahmen(plan, viertel.rahmen, 2250, 2865);
    plan.push_back({"Label6", Art::Beschriftung, "SSFrame1", -15, 15, 10905, 465, "", Schrift::arial825,
                    Farbe::hellgelb});
    beschriftung(plan, "Label9", "SSFrame1", 105, 60, 8505, 255, Beschriftung::label9, fett);
    plan.push_back({"Label11", Art::Beschriftung, "SSFrame1", 2970, 375, 7920, 405, anrechenbar,
                    Schrift::arial825, Farbe::weiß, false, Ausrichtung::links, true});
    zeilen(plan, viertel);
    beschriftung(plan, "Label15", "SSFrame1", 90, 2070, 2880, 225, datumsformat);
    beschriftung(plan, "Label18", "SSFrame1", 90, 2265, 2880, 225, eingabehinweis);
    beschriftung(plan, "Label19", "SSFrame1", 90, 2490, 2880, 225, entertaste);
    beschriftung(plan, "Label5", "SSFrame1", 3060, 2040, 5520, 255, Beschriftung::label5, fett);
    beschriftung(plan, "Label2_0", "SSFrame1", 3060, 2280, 5520, 255, Beschriftung::label2_0, fett);
    beschriftung(plan, "Label3_0", "SSFrame1", 3060, 2520, 5520, 255, Beschriftung::label3_0, fett);
    // Placed in the gap of Label3(0) by the window; as high as that row, so it stays clear of the row above.
    beschriftung(plan, "Label16", "SSFrame1", 4845, 2520, 1200, 270, "ein Viertel", Schrift::arial12fett);
    linie(plan, "Line1_0", "SSFrame1", 8610, 2040, 525, 15);
    linie(plan, "Line1_1", "SSFrame1", 9450, 2040, 525, 15);
    linie(plan, "Line1_2", "SSFrame1", 10290, 2040, 525, 15);
    linie(plan, "Line1_6", "SSFrame1", 60, 2010, 8465, 15);
    linie(plan, "Line1_8", "SSFrame1", 3000, 2040, 15, 750);
    linie(plan, "Line2", "SSFrame1", 60, 780, 2895, 15);

    // SSFrame2: the half rule, from the 35th (professors: 40th) birthday to the day before the appointment.
    const Rahmenmaß hälfte{"SSFrame2", 2, 11, 4, 22, 8610, 60, 2040, 2520};
    rahmen(plan, hälfte.rahmen, 5130, 2835);
    plan.push_back({"Label1", Art::Beschriftung, "SSFrame2", 15, 15, 10875, 465, "", Schrift::arial825,
                    Farbe::hellgelb});
    beschriftung(plan, "Label10", "SSFrame2", 120, 60, 8445, 255, "", fett);
    plan.push_back({"Label25", Art::Beschriftung, "SSFrame2", 2970, 375, 7920, 405, anrechenbar,
                    Schrift::arial825, Farbe::weiß, false, Ausrichtung::links, true});
    zeilen(plan, hälfte);
    beschriftung(plan, "Label20", "SSFrame2", 60, 2070, 2880, 225, datumsformat);
    beschriftung(plan, "Label21", "SSFrame2", 60, 2280, 2880, 225, eingabehinweis);
    beschriftung(plan, "Label22", "SSFrame2", 60, 2490, 2880, 225, entertaste);
    beschriftung(plan, "Label4", "SSFrame2", 3120, 2040, 5460, 255, Beschriftung::label4, fett);
    beschriftung(plan, "Label2_1", "SSFrame2", 3120, 2280, 5460, 255, Beschriftung::label2_1, fett);
    beschriftung(plan, "Label3_1", "SSFrame2", 3120, 2520, 5460, 255, Beschriftung::label3_1, fett);
    beschriftung(plan, "Label17", "SSFrame2", 4905, 2520, 1200, 270, "die Hälfte", Schrift::arial12fett);
    linie(plan, "Line1_3", "SSFrame2", 8610, 2010, 525, 15);
    linie(plan, "Line1_4", "SSFrame2", 9450, 2010, 525, 15);
    linie(plan, "Line1_5", "SSFrame2", 10290, 2010, 525, 15);
    linie(plan, "Line1_7", "SSFrame2", 60, 2010, 8465, 15);
    linie(plan, "Line1_9", "SSFrame2", 3000, 2040, 15, 750);
    linie(plan, "Line3", "SSFrame2", 60, 780, 2895, 15);
}
