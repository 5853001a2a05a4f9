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
    // clang-format off
    const struct {
        const char* name;
        std::string bytes;
        bool ganz;
        std::string text;
        K kodierung;
        std::size_t zeichen, fremd;
        bool zuLang;
    } fälle[] = {
        {"a blank record",                 blanks(1000),                     true,  "",                    K::windows1252, 0, 0, false},
        {"an empty file",                  "",                               true,  "",                    K::windows1252, 0, 0, false},
        {"Windows-1252, padded",           "Gegen f\xFCr" + blanks(991),     true,  "Gegen für",           K::windows1252, 9, 0, false},
        {"leading blanks are the text's",  "   Gegen",                       true,  "   Gegen",            K::windows1252, 8, 0, false},
        {"UTF-8 from another editor",      "Gegen f\xC3\xBCr",               true,  "Gegen für",           K::utf8,        9, 0, false},
        {"UTF-8 with a byte-order mark",   "\xEF\xBB\xBFGegen \xE2\x80\x9E" "a",true, "Gegen „a",            K::utf8,        8, 0, false},
        {"ASCII only is Windows-1252",     "Gegen",                          true,  "Gegen",               K::windows1252, 5, 0, false},
        {"umlauts that are no UTF-8",      "Gr\xFC\xDF",                     true,  "Grüß",                K::windows1252, 4, 0, false},
        {"CR LF line ends",                "Gegen A\r\nB\r\n",               true,  "Gegen A$B",           K::windows1252, 9, 0, false},
        {"LF, CR and blank lines",         "A\nB\rC\n\nD",                   true,  "A$B$C$$D",            K::windows1252, 8, 0, false},
        {"a typed $ at the end stays",     "A$  ",                           true,  "A$",                  K::windows1252, 2, 0, false},
        {"line ends and tabs as padding",  "A \r\n\t \n",                    true,  "A",                   K::windows1252, 1, 0, false},
        {"a tab is a blank",               "A\tB",                           true,  "A B",                 K::windows1252, 3, 0, false},
        {"NUL and other control bytes",    "Gegen\x00\x01\x02 B\x7F" "C"s,   true,  "Gegen    B C",        K::windows1252, 12, 4, false},
        {"an unassigned byte",             "A\x81" "B",                      true,  "A B",                 K::windows1252, 3, 1, false},
        {"a C1 control is no UTF-8 text",  "\xC3\xA4\xC2\x85" "x",           true,  "Ã¤Â…x",               K::windows1252, 5, 0, false},
        {"U+2028 in UTF-8 is a line end",  "\xC3\xA4\xE2\x80\xA8" "x",       true,  "ä$x",                 K::utf8,        3, 0, false},
        {"nothing but NUL bytes",          std::string(3, '\0'),             true,  "",                    K::windows1252, 0, 3, false},
        {"1000 characters fit",            std::string(1000, 'x'),           true,  std::string(1000, 'x'), K::windows1252, 1000, 0, false},
        {"1001 characters do not",         std::string(1001, 'x'),           true,  std::string(1001, 'x'), K::windows1252, 1001, 0, true},
        {"1000 and blanks behind fit",     std::string(1000, 'x') + blanks(500), true, std::string(1000, 'x'), K::windows1252, 1000, 0, false},
        {"1000 umlauts of UTF-8 fit",      mal("\xC3\xA4", 1000),            true,  mal("ä", 1000),        K::utf8,        1000, 0, false},
        {"a partial read cut in an ä",     zehnÄ.substr(0, 19),              false, mal("ä", 9),           K::utf8,        9, 0, true},
        {"the same bytes as a whole file", zehnÄ.substr(0, 19),              true,  mal("Ã¤", 9) + "Ã",    K::windows1252, 19, 0, false},
        {"a partial read of Windows-1252", "f\xFC" "r",                      false, "für",                 K::windows1252, 3, 0, true},
        {"a malformed end in a partial",   "\xC3\xA4\xC3" "A",               false, "Ã¤ÃA",                K::windows1252, 4, 0, true},
    };
    // clang-format on
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
        {"the empty text",              "",                                     ""},
        {"umlauts and quotes",          "Gegen „für“ – ß",                      "Gegen \x84" "f\xFCr\x93 \x96 \xDF"},
        {"line ends become $",          "A\nB\r\nC\u2029D",                     "A$B$C$D"},
        {"tabs and controls blanks",    "A\tB\x01" "C",                         "A B C"},
        {"1000 characters uncut",       std::string(1000, 'x'),                 std::string(1000, 'x')},
        {"1200 umlauts cut at 1000",    mal("ä", 1200),                         std::string(1000, '\xE4')},
        {"a lacking character is ?",    "Gegen ł",                              "Gegen ?"},
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
        {"999 and CR LF",    std::string(999, 'x') + "\r\n", true},
        {"1000",             std::string(1000, 'x'),         true},
        {"1001",             std::string(1001, 'x'),         false},
        {"1000 umlauts",     mal("ä", 1000),                 true},
        {"1000 and a $",     std::string(1000, 'x') + "$",   false},
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
