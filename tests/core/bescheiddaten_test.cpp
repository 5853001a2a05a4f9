#include "Bescheiddaten.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

// "dd/mm/yyyy" as the dialog or a script gives it; the printed form, or none for a refusal.
const struct {
    const char* name;
    const char* eingabe;
    const char* gedruckt;  // nullptr: refused
} bescheiddaten[] = {
    {"leeres Feld: heute", "__/__/____", ""},
    {"gar nichts: heute", "", ""},
    {"gewöhnliches Datum", "15/06/2024", "15.06.2024"},
    {"Tag vor dem ersten Datum", "31/12/1929", nullptr},
    {"erstes Datum", "01/01/1930", "01.01.1930"},
    {"letztes Datum", "31/12/2040", "31.12.2040"},
    {"Tag nach dem letzten Datum", "01/01/2041", nullptr},
    {"29. Februar eines Schaltjahrs", "29/02/2024", "29.02.2024"},
    {"29. Februar eines Gemeinjahrs", "29/02/2023", nullptr},
    {"31. April", "31/04/2024", nullptr},
    {"halb getippt", "12/0_/____", nullptr},
};

TEST(Bescheiddaten, Bescheiddatum) {
    for (const auto& z : bescheiddaten) {
        SCOPED_TRACE(z.name);
        std::string fehler;
        const auto datum = briefdatumAusText(z.eingabe, fehler);
        if (z.gedruckt) {
            ASSERT_TRUE(datum.has_value()) << fehler;
            EXPECT_EQ(*datum, z.gedruckt);
            EXPECT_EQ(fehler, "");
        } else {
            EXPECT_FALSE(datum.has_value());
            EXPECT_EQ(fehler,
                      std::string("Das Bescheiddatum „") + z.eingabe +
                          "“ ist kein gültiges Datum vom 01/01/1930 bis 31/12/2040. Bitte ein solches "
                          "Datum eingeben oder das Feld leeren (dann gilt das heutige Datum).");
        }
    }
}

// The dialog shows a stored notice date in its date field again.
TEST(Bescheiddaten, BriefdatumZurückInDasDatumsfeld) {
    const struct {
        const char* name;
        const char* gespeichert;
        const char* feld;
    } fälle[] = {
        {"ein Datum", "15.06.2024", "15/06/2024"},
        {"mit Blanks aufgefüllt", "  01.01.1930       ", "01/01/1930"},
        {"leer", "                    ", "__/__/____"},
        {"kein echtes Datum", "31.02.2024", "__/__/____"},
        {"andere Trennzeichen", "15-06-2024", "__/__/____"},
        {"freier Text", "Bonn, den 15.06.", "__/__/____"},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(datumstextAusBriefdatum(f.gespeichert), f.feld);
    }
}

TEST(Bescheiddaten, Bezugsjahr) {
    const struct {
        const char* name;
        const char* text;
        int jahr;  // -1: refused
    } fälle[] = {
        {"leer: keins", "", 0},
        {"nur Blanks: keins", "   ", 0},
        {"Jahr vor dem ersten", "1929", -1},
        {"erstes Jahr", "1930", 1930},
        {"Tarifrunde", "2003", 2003},
        {"letztes Jahr", "2040", 2040},
        {"Jahr nach dem letzten", "2041", -1},
        {"drei Ziffern", "203", -1},
        {"ein Buchstabe", "20x4", -1},
        {"null", "0000", -1},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        std::string fehler;
        const auto jahr = bezugsjahrAusText(f.text, fehler);
        if (f.jahr >= 0) {
            ASSERT_TRUE(jahr.has_value()) << fehler;
            EXPECT_EQ(*jahr, f.jahr);
        } else {
            EXPECT_FALSE(jahr.has_value());
            EXPECT_EQ(fehler,
                      std::string("Das Bezugsjahr „") + f.text +
                          "“ ist kein Jahr von 1930 bis 2040. Bitte ein solches Jahr eingeben oder das "
                          "Feld leeren.");
        }
    }
}

TEST(Bescheiddaten, Anredecodes) {
    for (const char* code : {"", "b", "c", "d"}) EXPECT_TRUE(istAnredecode(code)) << code;
    for (const char* code : {"a", "B", "e", "-", "bc", " "}) EXPECT_FALSE(istAnredecode(code)) << code;
}

}  // namespace

}  // namespace bda
