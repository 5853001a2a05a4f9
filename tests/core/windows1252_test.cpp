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
        {"ASCII",                            "Gegen $",        "Gegen $"},
        {"Umlaute und ß",                    "äöüÄÖÜß",        "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
        {"Paragraphzeichen",                 "§ 3a",           "\xA7 3a"},
        {"Euro, erstes ab 0x80",             "€",              "\x80"},
        {"tiefe und hohe Anführungszeichen", "„a“ ‚b‘",        "\x84" "a\x93 \x82" "b\x91"},
        {"Gedankenstriche",                  "– —",            "\x96 \x97"},
        {"Y mit Trema, letztes",             "Ÿ",              "\x9F"},
        {"geschütztes Leerzeichen bis ÿ",    "\u00A0ÿ",        "\xA0\xFF"},
        {"fehlt: l mit Strich",              "ł",              "?"},
        {"fehlt: C1-Steuerzeichen",          "\u0085",         "?"},
        {"fehlt: jenseits der BMP",          "\U0001F600",     "?"},
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
        {"letztes ASCII",              "\x7F",             0x7F,     1},
        {"erstes aus zwei Bytes",      "\xC2\x80",         0x80,     2},
        {"überlang, zwei Bytes",       "\xC1\xBF",         0,        0},
        {"letztes aus zwei Bytes",     "\xDF\xBF",         0x7FF,    2},
        {"überlang, drei Bytes",       "\xE0\x9F\xBF",     0,        0},
        {"erstes aus drei Bytes",      "\xE0\xA0\x80",     0x800,    3},
        {"letztes vor den Surrogaten", "\xED\x9F\xBF",     0xD7FF,   3},
        {"erstes Surrogat",            "\xED\xA0\x80",     0,        0},
        {"letztes Surrogat",           "\xED\xBF\xBF",     0,        0},
        {"erstes nach den Surrogaten", "\xEE\x80\x80",     0xE000,   3},
        {"überlang, vier Bytes",       "\xF0\x8F\xBF\xBF", 0,        0},
        {"erstes aus vier Bytes",      "\xF0\x90\x80\x80", 0x10000,  4},
        {"letzter Codepunkt",          "\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"jenseits des letzten",       "\xF4\x90\x80\x80", 0,        0},
        {"verirrtes Folgebyte",        "\x80",             0,        0},
        {"abgeschnitten",              "\xE2\x80",         0,        0},
        {"Folgebyte fehlt",            "\xC3" "A",         0,        0},
        {"Startbyte für fünf Bytes",   "\xF8\x88\x80\x80\x80", 0,    0},
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
        {"alle vorhanden",      "Gegen „für“ – 5 € §", {}},
        {"zwei, eines doppelt", "ł und ✓ und ł",       {"ł", "✓"}},
        {"jenseits der BMP",    "a\U0001F600",         {"\U0001F600"}},
        {"fehlerhaftes Byte",   "a\xFF" "b",           {"\uFFFD"}},
        {"leerer Text",         "",                    {}},
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
