#include "Mengenangabe.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

// Every pairing of 0, 1 and more for the months and the years of point 5.
TEST(Mengenangabe, MonateUndJahre) {
    const struct {
        const char* name;
        int monate, jahre;
        const char* text;
    } zeilen[] = {
        {"nichts", 0, 0, ""},
        {"ein Jahr", 0, 1, "1 Jahr"},
        {"zwei Jahre", 0, 2, "2 Jahre"},
        {"ein Monat", 1, 0, "1 Monat"},
        {"ein Monat, ein Jahr", 1, 1, "1 Monat und 1 Jahr"},
        {"ein Monat, elf Jahre", 1, 11, "1 Monat und 11 Jahre"},
        {"drei Monate", 3, 0, "3 Monate"},
        {"drei Monate, ein Jahr", 3, 1, "3 Monate und 1 Jahr"},
        {"elf Monate, zwei Jahre", 11, 2, "11 Monate und 2 Jahre"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        EXPECT_EQ(monateUndJahre(z.monate, z.jahre), z.text);
    }
}

}  // namespace

}  // namespace bda
