// Record 1 of a legal-remedy file: bytes to text and text to bytes.

#include "Belehrungssatz.h"

#include <gtest/gtest.h>

#include <string>

namespace bda {

namespace {

using K = Satzkodierung;
using namespace std::string_literals;

std::string blanks(std::size_t n) { return std::string(n, ' '); }

std::string mal(const std::string& text, std::size_t n) {
    std::string ergebnis;
    for (std::size_t i = 0; i < n; ++i) ergebnis += text;
    return ergebnis;
}

TEST(Belehrungssatz, BytesAlsUtf8OderWindows1252OhneFüllungMitDollarAlsZeilenende) {
    const std::string zehnÄ = mal("\xC3\xA4", 10);  // 20 bytes of UTF-8
    const struct {
        const char* name;
        std::string bytes;
        bool ganz = true;
        std::string text;
        K kodierung;
        std::size_t zeichen, fremd = 0;
        bool zuLang = false;
    } fälle[] = {
        {.name = "leerer Satz aus Blanks",
         .bytes = blanks(1000),
         .text = "",
         .kodierung = K::windows1252,
         .zeichen = 0},
        {.name = "leere Datei", .bytes = "", .text = "", .kodierung = K::windows1252, .zeichen = 0},
        {.name = "Windows-1252, aufgefüllt",
         .bytes = "Gegen f\xFCr" + blanks(991),
         .text = "Gegen für",
         .kodierung = K::windows1252,
         .zeichen = 9},
        {.name = "führende Blanks gehören zum Text",
         .bytes = "   Gegen",
         .text = "   Gegen",
         .kodierung = K::windows1252,
         .zeichen = 8},
        {.name = "UTF-8 aus einem anderen Editor",
         .bytes = "Gegen f\xC3\xBCr",
         .text = "Gegen für",
         .kodierung = K::utf8,
         .zeichen = 9},
        {.name = "UTF-8 mit Byte-Order-Mark",
         .bytes = "\xEF\xBB\xBFGegen \xE2\x80\x9E"
                  "a",
         .text = "Gegen „a",
         .kodierung = K::utf8,
         .zeichen = 8},
        {.name = "reines ASCII ist Windows-1252",
         .bytes = "Gegen",
         .text = "Gegen",
         .kodierung = K::windows1252,
         .zeichen = 5},
        {.name = "Umlaute, die kein UTF-8 sind",
         .bytes = "Gr\xFC\xDF",
         .text = "Grüß",
         .kodierung = K::windows1252,
         .zeichen = 4},
        {.name = "Zeilenenden CR LF",
         .bytes = "Gegen A\r\nB\r\n",
         .text = "Gegen A$B",
         .kodierung = K::windows1252,
         .zeichen = 9},
        {.name = "LF, CR und Leerzeilen",
         .bytes = "A\nB\rC\n\nD",
         .text = "A$B$C$$D",
         .kodierung = K::windows1252,
         .zeichen = 8},
        {.name = "getipptes $ am Ende bleibt",
         .bytes = "A$  ",
         .text = "A$",
         .kodierung = K::windows1252,
         .zeichen = 2},
        {.name = "Zeilenenden und Tabs als Füllung",
         .bytes = "A \r\n\t \n",
         .text = "A",
         .kodierung = K::windows1252,
         .zeichen = 1},
        {.name = "Tab ist ein Blank",
         .bytes = "A\tB",
         .text = "A B",
         .kodierung = K::windows1252,
         .zeichen = 3},
        {.name = "NUL und andere Steuerbytes",
         .bytes = "Gegen\x00\x01\x02 B\x7F"
                  "C"s,
         .text = "Gegen    B C",
         .kodierung = K::windows1252,
         .zeichen = 12,
         .fremd = 4},
        {.name = "unbelegtes Byte",
         .bytes = "A\x81"
                  "B",
         .text = "A B",
         .kodierung = K::windows1252,
         .zeichen = 3,
         .fremd = 1},
        {.name = "C1-Steuerzeichen ist kein UTF-8-Text",
         .bytes = "\xC3\xA4\xC2\x85"
                  "x",
         .text = "Ã¤Â…x",
         .kodierung = K::windows1252,
         .zeichen = 5},
        {.name = "U+2028 in UTF-8 ist ein Zeilenende",
         .bytes = "\xC3\xA4\xE2\x80\xA8"
                  "x",
         .text = "ä$x",
         .kodierung = K::utf8,
         .zeichen = 3},
        {.name = "nur NUL-Bytes",
         .bytes = std::string(3, '\0'),
         .text = "",
         .kodierung = K::windows1252,
         .zeichen = 0,
         .fremd = 3},
        {.name = "1000 Zeichen passen",
         .bytes = std::string(1000, 'x'),
         .text = std::string(1000, 'x'),
         .kodierung = K::windows1252,
         .zeichen = 1000},
        {.name = "1001 Zeichen passen nicht",
         .bytes = std::string(1001, 'x'),
         .text = std::string(1001, 'x'),
         .kodierung = K::windows1252,
         .zeichen = 1001,
         .zuLang = true},
        {.name = "1000 Zeichen und Blanks dahinter passen",
         .bytes = std::string(1000, 'x') + blanks(500),
         .text = std::string(1000, 'x'),
         .kodierung = K::windows1252,
         .zeichen = 1000},
        {.name = "1000 Umlaute in UTF-8 passen",
         .bytes = mal("\xC3\xA4", 1000),
         .text = mal("ä", 1000),
         .kodierung = K::utf8,
         .zeichen = 1000},
        {.name = "Teillesung endet mitten im ä",
         .bytes = zehnÄ.substr(0, 19),
         .ganz = false,
         .text = mal("ä", 9),
         .kodierung = K::utf8,
         .zeichen = 9,
         .zuLang = true},
        {.name = "dieselben Bytes als ganze Datei",
         .bytes = zehnÄ.substr(0, 19),
         .text = mal("Ã¤", 9) + "Ã",
         .kodierung = K::windows1252,
         .zeichen = 19},
        {.name = "Teillesung in Windows-1252",
         .bytes = "f\xFC"
                  "r",
         .ganz = false,
         .text = "für",
         .kodierung = K::windows1252,
         .zeichen = 3,
         .zuLang = true},
        {.name = "fehlerhaftes Ende einer Teillesung",
         .bytes = "\xC3\xA4\xC3"
                  "A",
         .ganz = false,
         .text = "Ã¤ÃA",
         .kodierung = K::windows1252,
         .zeichen = 4,
         .zuLang = true},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        const Satztext satz = satzLesen(f.bytes, f.ganz);
        EXPECT_EQ(satz.text, f.text);
        EXPECT_EQ(satz.kodierung, f.kodierung);
        EXPECT_EQ(satz.zeichen, f.zeichen);
        EXPECT_EQ(satz.fremdzeichen, f.fremd);
        EXPECT_EQ(satz.zuLang, f.zuLang);
        EXPECT_EQ(istUtf8Satz(f.bytes, f.ganz), f.kodierung == K::utf8);
    }
}

TEST(Belehrungssatz, TextWirdAlsGenauTausendBytesWindows1252Geschrieben) {
    // clang-format off
    const struct {
        const char* name;
        std::string text;
        std::string bytes;  // before the padding
    } fälle[] = {
        {"leerer Text",                   "",                                     ""},
        {"Umlaute und Anführungszeichen", "Gegen „für“ – ß",                      "Gegen \x84" "f\xFCr\x93 \x96 \xDF"},
        {"Zeilenenden werden $",          "A\nB\r\nC\u2029D",                     "A$B$C$D"},
        {"Tabs, Steuerzeichen: Blanks",   "A\tB\x01" "C",                         "A B C"},
        {"1000 Zeichen ungekürzt",        std::string(1000, 'x'),                 std::string(1000, 'x')},
        {"1200 Umlaute auf 1000 gekürzt", mal("ä", 1200),                         std::string(1000, '\xE4')},
        {"fehlendes Zeichen wird ?",      "Gegen ł",                              "Gegen ?"},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(satzSchreiben(f.text), f.bytes + blanks(1000 - f.bytes.size()));
    }
}

TEST(Belehrungssatz, WasInDenSatzPasstZähltWieDerSatz) {
    // clang-format off
    const struct {
        const char* name;
        std::string text;
        bool passt;
    } fälle[] = {
        {"999 und CR LF",  std::string(999, 'x') + "\r\n", true},
        {"1000",           std::string(1000, 'x'),         true},
        {"1001",           std::string(1001, 'x'),         false},
        {"1000 Umlaute",   mal("ä", 1000),                 true},
        {"1000 und ein $", std::string(1000, 'x') + "$",   false},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(passtInSatz(f.text), f.passt);
    }
}

TEST(Belehrungssatz, GeschriebenerSatzLiestSichAlsSeinText) {
    for (const std::string text :
         {"Gegen diesen Bescheid$können Sie „Widerspruch“ – binnen 1 Monat – einlegen.", "   Gegen$$",
          "§ 3a Abs. 2 VwVfG €"}) {
        SCOPED_TRACE(text);
        const Satztext satz = satzLesen(satzSchreiben(text));
        EXPECT_EQ(satz.text, text);
        EXPECT_EQ(satz.kodierung, K::windows1252);
    }
}

}  // namespace

}  // namespace bda
