#include "Druckfreigabe.h"

#include <gtest/gtest.h>

namespace bda::druck {

namespace {

// Both documents print the birth date, the appointment and the BDA; the clerk is sent to the first
// of them that is missing.
TEST(Druckfreigabe, FehlendesFeldZuerst) {
    const struct {
        const char* name;
        const char* geburtstag;
        const char* ernennung;
        const char* bda;
        std::optional<int> fehlt;
    } fälle[] = {
        {"nichts eingegeben", "__/__/____", "__/__/____", "__/__/____", 0},
        {"nur der Geburtstag", "15/06/1970", "__/__/____", "01/06/1991", 2},
        {"Geburtstag unvollständig", "15/06/19__", "15/06/2008", "__/__/____", 0},
        {"Ernennung unvollständig", "15/06/1970", "15/06/20__", "01/06/1991", 2},
        {"kein BDA", "15/06/1970", "15/06/2008", "__/__/____", 0},
        {"alle drei", "15/06/1970", "15/06/2008", "01/12/1993", std::nullopt},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Fall fall;
        fall.datum[Feld::geburtstag] = f.geburtstag;
        fall.datum[Feld::ernennung] = f.ernennung;
        fall.datum[Feld::bda] = f.bda;
        EXPECT_EQ(fehlendesDruckfeld(fall), f.fehlt);
    }
}

}  // namespace

}  // namespace bda::druck
