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
        {.name = "nichts eingegeben",
         .geburtstag = "__/__/____",
         .ernennung = "__/__/____",
         .bda = "__/__/____",
         .fehlt = 0},
        {.name = "nur der Geburtstag",
         .geburtstag = "15/06/1970",
         .ernennung = "__/__/____",
         .bda = "01/06/1991",
         .fehlt = 2},
        {.name = "Geburtstag unvollständig",
         .geburtstag = "15/06/19__",
         .ernennung = "15/06/2008",
         .bda = "__/__/____",
         .fehlt = 0},
        {.name = "Ernennung unvollständig",
         .geburtstag = "15/06/1970",
         .ernennung = "15/06/20__",
         .bda = "01/06/1991",
         .fehlt = 2},
        {.name = "kein BDA",
         .geburtstag = "15/06/1970",
         .ernennung = "15/06/2008",
         .bda = "__/__/____",
         .fehlt = 0},
        {.name = "alle drei",
         .geburtstag = "15/06/1970",
         .ernennung = "15/06/2008",
         .bda = "01/12/1993",
         .fehlt = std::nullopt},
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
