// The code page of the legal-remedy files and the UTF-8 rules it is converted by.

#include "Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace bda {

namespace {

TEST(Windows1252, JedesBelegteByteKommtZurückDieFünfUnbelegtenSindKeine) {
    const std::string unbelegt = "\x81\x8D\x8F\x90\x9D";
    for (int wert = 0; wert < 256; ++wert) {
        SCOPED_TRACE(wert);
        const std::string byte(1, static_cast<char>(wert));
        const bool belegt = unbelegt.find(byte) == std::string::npos;
        EXPECT_EQ(windows1252Zeichen(static_cast<unsigned char>(wert)).has_value(), belegt);
        const std::string utf8 = ausWindows1252(byte);
        EXPECT_TRUE(istUtf8(utf8));
        EXPECT_EQ(nachWindows1252(utf8), belegt ? byte : "?");
    }
}

TEST(Windows1252, ZeichenUndIhreBytes) {
    // clang-format off
    const struct {
        const char* name;
        std::string utf8;
        std::string bytes;
    } fälle[] = {
        {"ASCII",                 "Gegen $",        "Gegen $"},
        {"umlauts and sharp s",   "äöüÄÖÜß",        "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
        {"section sign",          "§ 3a",           "\xA7 3a"},
        {"euro, first of 0x80",   "€",              "\x80"},
        {"low quote and quotes",  "„a“ ‚b‘",        "\x84" "a\x93 \x82" "b\x91"},
        {"dashes",                "– —",            "\x96 \x97"},
        {"Y diaeresis, last",     "Ÿ",              "\x9F"},
        {"no-break space to y",   "\u00A0ÿ",        "\xA0\xFF"},
        {"lacking: l with stroke","ł",              "?"},
        {"lacking: C1 control",   "\u0085",         "?"},
        {"lacking: beyond BMP",   "\U0001F600",     "?"},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(nachWindows1252(f.utf8), f.bytes);
        if (f.bytes != "?") {
            EXPECT_EQ(ausWindows1252(f.bytes), f.utf8);
        }
    }
}

TEST(Utf8, GültigeFolgenUndIhreGrenzen) {
    // clang-format off
    const struct {
        const char* name;
        std::string bytes;
        char32_t codepunkt;  // 0: malformed
        std::size_t länge;
    } fälle[] = {
        {"last ASCII",               "\x7F",             0x7F,     1},
        {"first of two bytes",       "\xC2\x80",         0x80,     2},
        {"overlong two bytes",       "\xC1\xBF",         0,        0},
        {"last of two bytes",        "\xDF\xBF",         0x7FF,    2},
        {"overlong three bytes",     "\xE0\x9F\xBF",     0,        0},
        {"first of three bytes",     "\xE0\xA0\x80",     0x800,    3},
        {"last before surrogates",   "\xED\x9F\xBF",     0xD7FF,   3},
        {"first surrogate",          "\xED\xA0\x80",     0,        0},
        {"last surrogate",           "\xED\xBF\xBF",     0,        0},
        {"first after surrogates",   "\xEE\x80\x80",     0xE000,   3},
        {"overlong four bytes",      "\xF0\x8F\xBF\xBF", 0,        0},
        {"first of four bytes",      "\xF0\x90\x80\x80", 0x10000,  4},
        {"last code point",          "\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"beyond the last",          "\xF4\x90\x80\x80", 0,        0},
        {"stray continuation",       "\x80",             0,        0},
        {"cut short",                "\xE2\x80",         0,        0},
        {"continuation missing",     "\xC3" "A",         0,        0},
        {"five-byte lead",           "\xF8\x88\x80\x80\x80", 0,    0},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        const auto zeichen = utf8Zeichen(f.bytes, 0);
        EXPECT_EQ(zeichen.has_value(), f.codepunkt != 0);
        EXPECT_EQ(istUtf8(f.bytes), zeichen.has_value());
        if (!zeichen) continue;
        EXPECT_EQ(zeichen->codepunkt, f.codepunkt);
        EXPECT_EQ(zeichen->länge, f.länge);
        std::string wieder;
        utf8Anhängen(wieder, f.codepunkt);
        EXPECT_EQ(wieder, f.bytes);
    }
}

TEST(Utf8, ErsatzzeichenFürSurrogatUndWerteJenseitsDesLetzten) {
    for (const char32_t wert : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}}) {
        SCOPED_TRACE(static_cast<unsigned>(wert));
        std::string text;
        utf8Anhängen(text, wert);
        EXPECT_EQ(text, "\xEF\xBF\xBD");
    }
}

TEST(Windows1252, FehlendeZeichenEinmalInIhrerReihenfolge) {
    // clang-format off
    const struct {
        const char* name;
        std::string utf8;
        std::vector<std::string> fehlend;
    } fälle[] = {
        {"all present",         "Gegen „für“ – 5 € §", {}},
        {"two, one twice",      "ł und ✓ und ł",       {"ł", "✓"}},
        {"beyond the BMP",      "a\U0001F600",         {"\U0001F600"}},
        {"a malformed byte",    "a\xFF" "b",           {"\uFFFD"}},
        {"the empty text",      "",                    {}},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(fehlendeZeichen(f.utf8), f.fehlend);
        EXPECT_EQ(ausWindows1252(nachWindows1252(f.utf8)) == f.utf8, f.fehlend.empty());
    }
}

}  // namespace

}  // namespace bda
