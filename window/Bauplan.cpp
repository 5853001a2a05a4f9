#include "Bauplan.h"

#include "Beschriftungen.h"
#include "Zeitraum.h"

namespace bda::fenster {

namespace {

// Command-button bar, all at top 0 and 555 high; the leading blanks of a caption make room for its picture,
// the "&" marks the letter that Alt presses it with (no letter twice in the window).
struct Knopfzeile {
    const char* name;
    int links, breite;
    const char* text;
    const char* hinweis;
    const char* bild;
};
const Knopfzeile knopfleiste[] = {
    {"Bescheid", 0, 1545, "       &Bescheid", "Druckt Seite 1 des Bescheids. ", ":/bilder/bescheid.svg"},
    {"Berechnung", 1560, 1845, "       Be&rechnung", "Druckt Seite 2 des Bescheids.",
     ":/bilder/berechnung.svg"},
    {"Grundgehälter", 3420, 1275, "      S&tufen",
     "Druckt für das berechnete BDA eine Liste der Grundgehaltsbeträge der Stufen 1 bis 12.",
     ":/bilder/stufen.svg"},
    {"Übertrag", 4695, 1695, "         &Übertrag",
     "Übeträgt das BDA, den Geburtstag und den Ernennungstag in das Gehaltsberechnungsprogramm.",
     ":/bilder/uebertrag.svg"},
    {"RB_Text", 6405, 1575, "        RB-T&ext",
     "Öffnet und schließt das Textfenster zum Editieren der Rechtsbehelfsbelehrung. Ein $-Zeichen bewirkt "
     "eine Zeilenschaltung.",
     ":/bilder/rbtext.svg"},
    {"Hilfe", 7995, 1185, "        Hi&lfe", "Zeigt den maßgeblichen Text des BBesG an.",
     ":/bilder/hilfe.svg"},
    {"Schließen", 9195, 1830, "         &Schließen",
     "Speichert alle Daten, schließt das Fenster und bringt das Gehaltsberechnungsprogramm in den "
     "Vordergrund.",
     ":/bilder/schliessen.svg"},
};

// Case header: a label in Arial 9.75 bold and the date field beside it (1560 wide at left 3210). The
// fields stand 300 to 330 twips apart, so they are 300 high rather than 360 and do not overlap.
struct Kopfzeile {
    const char* name;
    int links, oben, breite, höhe;
    const char* text;
    const char* datumsfeld;
    int datumOben;
};
const Kopfzeile fallkopf[] = {
    {"Text_0", 90, 690, 3015, 285, "Geburtstag am . . . . . . . . . . . . . . . . . . . . .", "Datum_0", 660},
    {"Text_8", 90, 1020, 3060, 285, "Vollendung des 21. Lebensj. am", "Datum_24", 960},
    {"Text_2", 90, 1350, 3015, 285, "Regel-Besoldungsdienstalter . . . . . . . . . . . .", "Datum_1", 1290},
    {"Text_1", 90, 1650, 3045, 285, "Ernennung am . . . . . . . . . . . . . . . . . . . .", "Datum_2", 1620},
    {"Text_3", 75, 1965, 8325, 285, "", "", 0},
};

// Entry-grade options Eingangsamt(0..4) at left 5310, 270 apart and so 270 high rather than 300.
struct Optionszeile {
    int oben, breite;
    const char* text;
};
const Optionszeile eingangsämter[] = {
    {600, 3270, "Eingangsamt  A  1    bis    A 12"}, {870, 3165, "Eingangsamt  A 13  oder  A 14"},
    {1140, 3195, "Eingangsamt  C 1    oder  C 2  "}, {1410, 3105, "Professor        C 3    und   C 4"},
    {1680, 3165, "Richter oder Staatsanwalt"},
};

// A small light-yellow box of three values (days, months, years) with their headings.
struct Wertkasten {
    const char* bild;
    int links;
    const char* kopfname;
    const char* kopf;
    const char* wert;
};

// Overshoot display: 825 x 660 at top 1590 (rather than 840 x 685, which would overlap each other and
// SSFrame1); heading at top 60, value label (525 x 255) at top 330.
const Wertkasten überschreitung[] = {
    {"Picture1", 8520, "Kopf_Tag0", "Tage", "Tag0"},
    {"Picture2", 9345, "Kopf_Monat0", "Monate", "Monat0"},
    {"Picture3", 10170, "Kopf_Jahr0", "Jahre", "Jahr0"},
};

// Total postponement: 840 x 675 at top 7965 (rather than 7940, inside SSFrame2); value label at top 60
// above its heading.
const Wertkasten gesamtverschiebung[] = {
    {"Picture6", 8490, "Label23", "Tage", "Tag3"},
    {"Picture5", 9330, "Label8", "Monate", "Monat3"},
    {"Picture7", 10170, "Label7", "Jahre", "Jahr3"},
};

void kopfteile(std::vector<Bauteil>& plan) {
    for (const Knopfzeile& k : knopfleiste) {
        plan.push_back({.name = k.name,
                        .art = Art::Befehlsknopf,
                        .lage = {k.links, 0, k.breite, 555},
                        .text = k.text,
                        .hinweis = k.hinweis,
                        .bild = k.bild});
    }
    for (const Kopfzeile& k : fallkopf) {
        plan.push_back({.name = k.name,
                        .art = Art::Beschriftung,
                        .lage = {k.links, k.oben, k.breite, k.höhe},
                        .text = k.text,
                        .schrift = Schrift::arial975fett});
        if (*k.datumsfeld) {
            plan.push_back(
                {.name = k.datumsfeld, .art = Art::Datumsfeld, .lage = {3210, k.datumOben, 1560, 300}});
        }
    }
    int index = 0;
    for (const Optionszeile& o : eingangsämter) {
        plan.push_back({.name = "Eingangsamt_" + std::to_string(index++),
                        .art = Art::Option,
                        .lage = {5310, o.oben, o.breite, 270},
                        .text = o.text});
    }
    for (const Wertkasten& w : überschreitung) {
        plan.push_back({.name = w.bild,
                        .art = Art::Bildfeld,
                        .lage = {w.links, 1590, 825, 660},
                        .farbe = Farbe::hellgelb,
                        .rand = true});
        plan.push_back({.name = w.kopfname,
                        .art = Art::Beschriftung,
                        .behälter = w.bild,
                        .lage = {0, 60, 840, 255},
                        .text = w.kopf,
                        .schrift = Schrift::arial975fett,
                        .ausrichtung = Textausrichtung::mitte});
        plan.push_back({.name = w.wert,
                        .art = Art::Beschriftung,
                        .behälter = w.bild,
                        .lage = {150, 330, 525, 255},
                        .text = "0",
                        .schrift = Schrift::arial975fett,
                        .farbe = Farbe::gelb,
                        .rand = true,
                        .ausrichtung = Textausrichtung::mitte});
    }
    plan.push_back(
        {.name = "Image1", .art = Art::Bild, .lage = {9570, 1020, 480, 480}, .bild = ":/bilder/bda.svg"});
    // Seen only while SSFrame2 is hidden, so it is built before the frame.
    plan.push_back(
        {.name = "Label24",
         .art = Art::Beschriftung,
         .lage = {1875, 5625, 7440, 870},
         .text = "Ziff. 28.2.2 BBesG-VwV:  \"Der Zeitraum, um dessen Hälfte bzw. Viertel der Beginn des "
                 "BDA hinauszuschieben ist, wird nach Jahren, Monaten und Tagen berechnet.  Jeder Monat "
                 "ist mit 30 Tagen anzusetzen.  ... \"",
         .schrift = Schrift::arial975,
         .farbe = Farbe::fenster,
         .umbrechen = true});
}

// A caption of the result line in Arial 11.25 bold.
void ergebnistext(std::vector<Bauteil>& plan, const char* name, Rechteck lage, std::string_view text) {
    plan.push_back({.name = name,
                    .art = Art::Beschriftung,
                    .lage = lage,
                    .text = std::string(text),
                    .schrift = Schrift::arial1125fett});
}

void ergebnisteile(std::vector<Bauteil>& plan) {
    ergebnistext(plan, "Text_4", {105, 7995, 1995, 300}, Beschriftung::text4);
    ergebnistext(plan, "Text_6", {2730, 8010, 5715, 285}, Beschriftung::text6);
    // Wide enough for the whole caption, which already ends in "am"; Text(7) would repeat it.
    ergebnistext(plan, "Text_5", {120, 8280, 2910, 255}, "Somit beginnt das BDA am");
    ergebnistext(plan, "Text_7", {2745, 8295, 405, 285}, "am");
    for (const Wertkasten& w : gesamtverschiebung) {
        plan.push_back({.name = w.bild,
                        .art = Art::Bildfeld,
                        .lage = {w.links, 7965, 840, 675},
                        .farbe = Farbe::hellgelb,
                        .rand = true});
        plan.push_back({.name = w.wert,
                        .art = Art::Beschriftung,
                        .behälter = w.bild,
                        .lage = {150, 60, 525, 255},
                        .text = "0",
                        .schrift = Schrift::arial975fett,
                        .farbe = Farbe::hellgrün,
                        .rand = true,
                        .ausrichtung = Textausrichtung::mitte});
        plan.push_back({.name = w.kopfname,
                        .art = Art::Beschriftung,
                        .behälter = w.bild,
                        .lage = {0, 360, 840, 255},
                        .text = w.kopf,
                        .schrift = Schrift::arial975fett,
                        .ausrichtung = Textausrichtung::mitte});
    }
    plan.push_back({.name = "Line4", .art = Art::Linie, .behälter = "Picture6", .lage = {30, 45, 15, 585}});
    plan.push_back({.name = "Line5", .art = Art::Linie, .behälter = "Picture6", .lage = {75, 45, 15, 585}});
    // Below the line of Text(6) rather than at 8265 and 390 high, where it would cover its words.
    plan.push_back({.name = "BDADatum",
                    .art = Art::Tafel,
                    .lage = {3150, 8310, 1950, 375},
                    .schrift = Schrift::arial1125fett,
                    .rand = true,
                    .ausrichtung = Textausrichtung::mitte});
    plan.push_back({.name = "Datum_19", .art = Art::Datumsfeld, .lage = {5415, 8265, 1560, 360}});
}

}  // namespace

std::vector<Bauteil> bauplan() {
    std::vector<Bauteil> plan;
    kopfteile(plan);
    rahmenteile(plan);
    ergebnisteile(plan);
    return plan;
}

const std::vector<std::string>& tabfolge() {
    static const std::vector<std::string> folge = [] {
        std::vector<std::string> namen{"Datum_0", "Datum_2"};
        for (int i = 0; i < 5; ++i) namen.push_back("Eingangsamt_" + std::to_string(i));
        // The quarter-rule rows: from, to and the description of each period; then the half-rule dates.
        for (int zeile = 1; zeile <= 4; ++zeile) {
            const Zeitraum z = zeitraum(zeile);
            namen.push_back("Datum_" + std::to_string(z.beginn));
            namen.push_back("Datum_" + std::to_string(z.ende));
            namen.push_back("Eingabe_" + std::to_string(z.eingabe));
        }
        for (int zeile = 5; zeile <= 8; ++zeile) {
            namen.push_back("Datum_" + std::to_string(zeitraum(zeile).beginn));
            namen.push_back("Datum_" + std::to_string(zeitraum(zeile).ende));
        }
        for (const char* name :
             {"Datum_1", "Datum_24", "Bescheid", "Berechnung", "Grundgehälter", "Übertrag", "Hilfe",
              "Schließen", "RB_Text", "Eingabe_7", "Eingabe_6", "Eingabe_5", "Eingabe_4"}) {
            namen.push_back(name);
        }
        return namen;
    }();
    return folge;
}

double punkte(Schrift schrift) {
    switch (schrift) {
        case Schrift::arial975:
        case Schrift::arial975fett:
            return 9.75;
        case Schrift::arial1125fett:
            return 11.25;
        case Schrift::arial12fett:
            return 12.0;
        case Schrift::arial825:
        case Schrift::msSansSerif825:
            break;
    }
    return 8.25;
}

}  // namespace bda::fenster
