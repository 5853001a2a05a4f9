#include "Beschreibung.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

struct Zeile {
    const char* name;
    std::string text;
    int frei;              // what the counter shows
    std::string begrenzt;  // the box's text after the limit
};

const std::string sechzig(60, 'x');

const Zeile zeilen[] = {
    {"leeres Feld", "", 60, ""},
    {"59 Zeichen", std::string(59, 'x'), 1, std::string(59, 'x')},
    {"60 Zeichen", sechzig, 0, sechzig},
    {"61 Zeichen verlieren das letzte", sechzig + "y", -1, sechzig},
    {"Blanks an den Enden zählen nicht", "  abc  ", 57, "  abc  "},
    {"führende Blanks bleiben beim Kürzen", "   " + sechzig + "yz", -2, "   " + sechzig},
    {"Umlaute zählen je ein Zeichen", "Überprüfung", 49, "Überprüfung"},
    {"Umlaute werden als ganze Zeichen gekürzt", std::string(59, 'x') + "äö", -1, std::string(59, 'x') + "ä"},
    {"nur Blanks", "     ", 60, "     "},
};

TEST(Beschreibung, ZählerUndGrenze) {
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        EXPECT_EQ(freieZeichen(zeile.text), zeile.frei);
        EXPECT_EQ(begrenzteBeschreibung(zeile.text), zeile.begrenzt);
    }
}

}  // namespace

}  // namespace bda
