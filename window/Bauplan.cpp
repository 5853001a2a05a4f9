#include "Bauplan.h"

#include "Beschriftungen.h"

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
        Bauteil knopf{k.name, Art::Befehlsknopf, "", k.links, 0, k.breite, 555, k.text};
        knopf.hinweis = k.hinweis;
        knopf.bild = k.bild;
        plan.push_back(knopf);
    }
    for (const Kopfzeile& k : fallkopf) {
        plan.push_back({k.name, Art::Beschriftung, "", k.links, k.oben, k.breite, k.höhe, k.text,
                        Schrift::arial975fett});
        if (*k.datumsfeld) plan.push_back({k.datumsfeld, Art::Datumsfeld, "", 3210, k.datumOben, 1560, 300});
    }
    int index = 0;
    for (const Optionszeile& o : eingangsämter) {
        plan.push_back(
            {"Eingangsamt_" + std::to_string(index++), Art::Option, "", 5310, o.oben, o.breite, 270, o.text});
    }
    for (const Wertkasten& w : überschreitung) {
        plan.push_back({w.bild, Art::Bildfeld, "", w.links, 1590, 825, 660, "", Schrift::arial825,
                        Farbe::hellgelb, true});
        plan.push_back({w.kopfname, Art::Beschriftung, w.bild, 0, 60, 840, 255, w.kopf, Schrift::arial975fett,
                        Farbe::keine, false, Ausrichtung::mitte});
        plan.push_back({w.wert, Art::Beschriftung, w.bild, 150, 330, 525, 255, "0", Schrift::arial975fett,
                        Farbe::gelb, true, Ausrichtung::mitte});
    }
    Bauteil bild{"Image1", Art::Bild, "", 9570, 1020, 480, 480};
    bild.bild = ":/bilder/bda.svg";
    plan.push_back(bild);
    // Seen only while SSFrame2 is hidden, so it is built before the frame.
    plan.push_back(
        {"Label24", Art::Beschriftung, "", 1875, 5625, 7440, 870,
         "Ziff. 28.2.2 BBesG-VwV:  \"Der Zeitraum, um dessen Hälfte bzw. Viertel der Beginn des BDA "
         "hinauszuschieben ist, wird nach Jahren, Monaten und Tagen berechnet.  Jeder Monat ist mit 30 "
         "Tagen anzusetzen.  ... \"",
         Schrift::arial975, Farbe::fenster, false, Ausrichtung::links, true});
}

void ergebnisteile(std::vector<Bauteil>& plan) {
    const Schrift groß = Schrift::arial1125fett;
    plan.push_back(
        {"Text_4", Art::Beschriftung, "", 105, 7995, 1995, 300, std::string(Beschriftung::text4), groß});
    plan.push_back(
        {"Text_6", Art::Beschriftung, "", 2730, 8010, 5715, 285, std::string(Beschriftung::text6), groß});
    // Wide enough for the whole caption, which already ends in "am"; Text(7) would repeat it.
    plan.push_back({"Text_5", Art::Beschriftung, "", 120, 8280, 2910, 255, "Somit beginnt das BDA am", groß});
    plan.push_back({"Text_7", Art::Beschriftung, "", 2745, 8295, 405, 285, "am", groß});
    for (const Wertkasten& w : gesamtverschiebung) {
        plan.push_back({w.bild, Art::Bildfeld, "", w.links, 7965, 840, 675, "", Schrift::arial825,
                        Farbe::hellgelb, true});
        plan.push_back({w.wert, Art::Beschriftung, w.bild, 150, 60, 525, 255, "0", Schrift::arial975fett,
                        Farbe::hellgrün, true, Ausrichtung::mitte});
        plan.push_back({w.kopfname, Art::Beschriftung, w.bild, 0, 360, 840, 255, w.kopf,
                        Schrift::arial975fett, Farbe::keine, false, Ausrichtung::mitte});
    }
    plan.push_back({"Line4", Art::Linie, "Picture6", 30, 45, 15, 585});
    plan.push_back({"Line5", Art::Linie, "Picture6", 75, 45, 15, 585});
    // Below the line of Text(6) rather than at 8265 and 390 high, where it would cover its words.
    plan.push_back({"BDADatum", Art::Tafel, "", 3150, 8310, 1950, 375, "", groß, Farbe::keine, true,
                    Ausrichtung::mitte});
    plan.push_back({"Datum_19", Art::Datumsfeld, "", 5415, 8265, 1560, 360});
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
        // The quarter-rule rows: from, to and the description of each period.
        for (int zeile = 0; zeile < 4; ++zeile) {
            namen.push_back("Datum_" + std::to_string(2 * zeile + 3));
            namen.push_back("Datum_" + std::to_string(2 * zeile + 4));
            namen.push_back("Eingabe_" + std::to_string(zeile));
        }
        for (int i = 11; i <= 18; ++i) namen.push_back("Datum_" + std::to_string(i));
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
