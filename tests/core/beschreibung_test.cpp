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
    {"empty box", "", 60, ""},
    {"59 characters", std::string(59, 'x'), 1, std::string(59, 'x')},
    {"60 characters", sechzig, 0, sechzig},
    {"61 characters lose the last", sechzig + "y", -1, sechzig},
    {"blanks at either end do not count", "  abc  ", 57, "  abc  "},
    {"leading blanks stay when cutting", "   " + sechzig + "yz", -2, "   " + sechzig},
    {"umlauts count as one character each", "Überprüfung", 49, "Überprüfung"},
    {"umlauts are cut as whole characters", std::string(59, 'x') + "äö", -1, std::string(59, 'x') + "ä"},
    {"blanks only", "     ", 60, "     "},
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
