#pragma once
// The controls of the main window as tables, one row a control: name, kind, container, rectangle in
// twips relative to the container, caption, font, colour, border and alignment. Hauptform builds its
// widgets from the rows in their order (containers before their contents, what lies below first).

#include <string>
#include <vector>

namespace bda::fenster {

enum class Art {
    Beschriftung,  // label
    Datumsfeld,    // masked date field
    Textfeld,      // one-line text box
    Option,        // option button
    Befehlsknopf,  // command button with picture and tooltip
    Tafel,         // sunken panel showing a caption
    Bildfeld,      // coloured container
    Linie,         // separator line
    Bild,          // icon image
};

enum class Schrift { arial825, arial975, arial975fett, arial1125fett, arial12fett, msSansSerif825 };

enum class Farbe {
    keine,     // the container shows through
    fenster,   // the system's window background colour
    weiß,      // (255, 255, 255)
    hellgelb,  // (255, 255, 192)
    gelb,      // (255, 255, 0)
    hellgrün,  // (192, 255, 192)
};

enum class Textausrichtung { links, mitte };

// A control's place in twips, relative to its container.
struct Rechteck {
    int links, oben, breite, höhe;
};

// The rows are written with designated initializers, so that each value names what it is.
struct Bauteil {
    std::string name;  // Qt object name: "Datum_3" for Datum(3)
    Art art;
    std::string behälter = {};  // empty for the window itself
    Rechteck lage;
    std::string text = {};
    Schrift schrift = Schrift::arial825;
    Farbe farbe = Farbe::keine;
    bool rand = false;  // single-line border
    Textausrichtung ausrichtung = Textausrichtung::links;
    bool umbrechen = false;    // the caption wraps at word boundaries
    std::string hinweis = {};  // tooltip
    std::string bild = {};     // resource path of the picture
};

// The window's client area at design size, in twips.
inline constexpr int fensterbreite = 11040;
inline constexpr int fensterhöhe = 8700;

// Every control of the window, in the order of building.
std::vector<Bauteil> bauplan();

// The controls of the two period frames SSFrame1 and SSFrame2 (Rahmenplan.cpp); Bauplan.cpp holds the
// rest of the window.
void rahmenteile(std::vector<Bauteil>& plan);

// The input controls in the order in which Tab moves the focus.
const std::vector<std::string>& tabfolge();

// Design size in points of a font of the tables.
double punkte(Schrift schrift);

}  // namespace bda::fenster
