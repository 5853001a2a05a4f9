#include "Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, ConvertsGermanTextAndReplacesWhatTheCodePageLacks) {
    const struct {
        const char* name;
        std::string utf8;
        std::string bytes;
    } fälle[] = {
        {"ASCII and $", "Gegen$A", "Gegen$A"},
        {"umlauts and sharp s", "äöüÄÖÜß", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
        {"German quotes and dashes", "„a“ – b — c",
         "\x84"
         "a\x93 \x96 b \x97 c"},
        {"euro sign and section sign", "€ §", "\x80 \xA7"},
        {"a Polish letter", "ł", "?"},
        {"a character outside the basic plane", "\xF0\x9F\x98\x80", "?"},
        {"a lone lead byte",
         "a\xC3"
         "b",
         "a?b"},
        {"an overlong encoding", "\xC0\xAF", "??"},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(nachWindows1252(f.utf8), f.bytes);
    }
}

TEST(Windows1252, EveryAssignedByteSurvivesTheRoundTrip) {
    for (int wert = 0; wert < 256; ++wert) {
        SCOPED_TRACE(wert);
        const std::string byte(1, static_cast<char>(wert));
        const bool unbelegt = wert == 0x81 || wert == 0x8D || wert == 0x8F || wert == 0x90 || wert == 0x9D;
        EXPECT_EQ(nachWindows1252(ausWindows1252(byte)), unbelegt ? "?" : byte);
    }
    EXPECT_EQ(ausWindows1252("\xE4\x84\x93\x80"), "ä„“€");
}

}  // namespace
