// The notice's own texts: its dates and year, the authority and its placeholder, the counts in words, the
// description counter, and the legal-remedy record with its code page (Windows-1252, UTF-8).

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "Behoerde.h"
#include "Behoerdenplatzhalter.h"
#include "Belehrungssatz.h"
#include "Bescheiddaten.h"
#include "Beschreibung.h"
#include "Mengenangabe.h"
#include "Windows1252.h"
#include "Zeichen.h"

namespace bda {

namespace {

using namespace std::string_literals;

std::string mal(const std::string& text, std::size_t n) { return n ? text + mal(text, n - 1) : ""; }

// Record 1 as the editor shows it: UTF-8 or Windows-1252, without the padding, line ends as "$", control
// bytes as blanks (counted as foreign), at most 1000 characters; a partial read is always too long.
TEST(Belehrungssatz, BytesAlsUtf8OderWindows1252OhneFüllungMitDollarAlsZeilenende) {
    const std::string x1000(1000, 'x'), zehnÄ = mal("ä", 10);
    // clang-format off
    const struct {
        std::string bytes;
        bool ganz;
        std::string text;
        char kodierung;  // 'u' UTF-8, 'w' Windows-1252
        std::size_t zeichen, fremd;
        bool zuLang;
    } fälle[] = {
        {std::string(1000, ' '), true, "", 'w', 0, 0, false},
        {"Gegen f\xFCr" + std::string(991, ' '), true, "Gegen für", 'w', 9, 0, false},
        {"   Gegen", true, "   Gegen", 'w', 8, 0, false},                         // leading blanks are text
        {"\xEF\xBB\xBFGegen \xE2\x80\x9E" "a", true, "Gegen „a", 'u', 8, 0, false},  // byte-order mark
        {"A\r\nB\rC\n\nD", true, "A$B$C$$D", 'w', 8, 0, false},  // CR LF is one line end
        {"A \r\n\t \n", true, "A", 'w', 1, 0, false},                         // line ends and tabs as padding
        {"Gegen\x00\x01\x02 B\x7F" "C"s, true, "Gegen    B C", 'w', 12, 4, false},
        {"A\x81" "B", true, "A B", 'w', 3, 1, false},                          // an unassigned byte
        {"\xC3\xA4\xC2\x85" "x", true, "Ã¤Â…x", 'w', 5, 0, false},           // a C1 control is no UTF-8 text
        {"\xC3\xA4\xE2\x80\xA8" "x", true, "ä$x", 'u', 3, 0, false},          // U+2028 ends a line
        {x1000, true, x1000, 'w', 1000, 0, false},
        {x1000 + "x", true, x1000 + "x", 'w', 1001, 0, true},
        {x1000 + std::string(500, ' '), true, x1000, 'w', 1000, 0, false},
        {mal("\xC3\xA4", 1000), true, mal("ä", 1000), 'u', 1000, 0, false},
        {zehnÄ.substr(0, 19), false, mal("ä", 9), 'u', 9, 0, true},             // a partial read ends in ä
        {zehnÄ.substr(0, 19), true, mal("Ã¤", 9) + "Ã", 'w', 19, 0, false},
        {"\xC3\xA4\xC3" "A", false, "Ã¤ÃA", 'w', 4, 0, true},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.text.substr(0, 20));
        const Satztext satz = satzLesen(f.bytes, f.ganz);
        EXPECT_EQ(satz.text, f.text);
        EXPECT_EQ(satz.kodierung, f.kodierung == 'u' ? Satzkodierung::utf8 : Satzkodierung::windows1252);
        EXPECT_EQ(satz.zeichen, f.zeichen);
        EXPECT_EQ(satz.fremdzeichen, f.fremd);
        EXPECT_EQ(satz.zuLang, f.zuLang);
        EXPECT_EQ(istUtf8Satz(f.bytes, f.ganz), f.kodierung == 'u');
    }
}

// Written: exactly 1000 bytes of Windows-1252, padded with blanks, and read back as the same text.
TEST(Belehrungssatz, TextWirdAlsGenauTausendBytesWindows1252Geschrieben) {
    // The text and its bytes before the padding.
    const std::string x1000(1000, 'x');
    for (const auto& [text, bytes] : {std::pair<std::string, std::string>{"A\nB\r\nC\u2029D", "A$B$C$D"},
                                      {"A\tB\x01Z", "A B Z"},
                                      {x1000, x1000},
                                      {mal("ä", 1200), std::string(1000, '\xE4')}}) {
        EXPECT_EQ(satzSchreiben(text), bytes + std::string(1000 - bytes.size(), ' ')) << text;
    }
    for (const auto& [text, passt] : {std::pair{std::string(999, 'x') + "\r\n", true},
                                      {std::string(1000, 'x'), true},
                                      {std::string(1001, 'x'), false},
                                      {mal("ä", 1000), true},
                                      {std::string(1000, 'x') + "$", false}}) {
        EXPECT_EQ(passtInSatz(text), passt) << text.size();
    }
}

TEST(Windows1252, ZeichenUndIhreBytes) {
    // clang-format off
    const struct {
        std::string utf8, bytes;
    } fälle[] = {
        {"Gegen $ § äöüÄÖÜß", "Gegen $ \xA7 \xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
        {"€ „a“ ‚b‘ – — Ÿ", "\x80 \x84" "a\x93 \x82" "b\x91 \x96 \x97 \x9F"},  // from 0x80 to 0x9F
        {"\u00A0ÿ", "\xA0\xFF"}, {"ł", "?"}, {"\u0085", "?"}, {"\U0001F600", "?"},
    };
    // clang-format on
    for (const auto& f : fälle) {
        EXPECT_EQ(nachWindows1252(f.utf8), f.bytes) << f.utf8;
        EXPECT_EQ(f.bytes == "?" ? f.utf8 : ausWindows1252(f.bytes), f.utf8);
    }
}

// Each limit of a UTF-8 sequence, both sides (that a well-formed one encodes to its own bytes again is the
// code-page fuzzer's rule).
TEST(Utf8, GültigeFolgenUndIhreGrenzen) {
    // clang-format off
    const struct {
        std::string bytes;
        char32_t codepunkt;  // 0: malformed
    } fälle[] = {
        {"\x7F", 0x7F}, {"\xC2\x80", 0x80}, {"\xC1\xBF", 0}, {"\xDF\xBF", 0x7FF}, {"\xE0\x9F\xBF", 0},
        {"\xE0\xA0\x80", 0x800}, {"\xED\x9F\xBF", 0xD7FF}, {"\xED\xA0\x80", 0}, {"\xED\xBF\xBF", 0},
        {"\xEE\x80\x80", 0xE000}, {"\xF0\x8F\xBF\xBF", 0}, {"\xF0\x90\x80\x80", 0x10000},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF}, {"\xF4\x90\x80\x80", 0}, {"\x80", 0}, {"\xE2\x80", 0},
        {"\xC3" "A", 0}, {"\xF8\x88\x80\x80\x80", 0},
    };
    // clang-format on
    for (const auto& f : fälle) {
        const auto zeichen = utf8Zeichen(f.bytes, 0);
        EXPECT_EQ(zeichen ? zeichen->codepunkt : 0, f.codepunkt) << static_cast<unsigned>(f.codepunkt);
        EXPECT_EQ(zeichen ? zeichen->länge : f.bytes.size(), f.bytes.size());
        EXPECT_EQ(istUtf8(f.bytes), zeichen.has_value());
    }
    // A sequence cut off by the end of the text is read no further, even where the bytes behind it fit.
    EXPECT_FALSE(utf8Zeichen(std::string_view("\xE2\x82\xAC", 2), 0));
}

// A JSON string: quotes and backslashes escaped, control characters up to 0x1F as \u00XX, the rest as is.
TEST(Zeichen, JsonText) {
    EXPECT_EQ(alsJsonText("a\"\\\x01\x1F ä\x7F"), "\"a\\\"\\\\\\u0001\\u001f ä\x7F\"");
}

// The notice date and reference year as printed ("" for none, nullptr when refused with a message naming
// the input), and a stored notice date back in the dialog's date field.
TEST(Bescheiddaten, DatumUndBezugsjahr) {
    const auto jahr = [](const char* text, std::string& fehler) -> std::optional<std::string> {
        const auto wert = bezugsjahrAusText(text, fehler);
        return wert ? std::optional(*wert ? std::to_string(*wert) : "") : std::nullopt;
    };
    // clang-format off
    const struct {
        bool datum;  // else the year
        const char *eingabe, *gedruckt;
    } zeilen[] = {
        {true, "__/__/____", ""}, {true, "", ""}, {true, "31/12/1929", nullptr},
        {true, "01/01/1930", "01.01.1930"},
        {true, "31/12/2040", "31.12.2040"}, {true, "01/01/2041", nullptr}, {true, "29/02/2024", "29.02.2024"},
        {true, "29/02/2023", nullptr}, {true, "12/0_/____", nullptr},
        {false, "   ", ""}, {false, "1929", nullptr}, {false, "1930", "1930"}, {false, "2040", "2040"},
        {false, "2041", nullptr}, {false, "203", nullptr}, {false, "20x4", nullptr},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        std::string fehler;
        const auto text = z.datum ? briefdatumAusText(z.eingabe, fehler) : jahr(z.eingabe, fehler);
        EXPECT_EQ(text.value_or("abgewiesen"), z.gedruckt ? z.gedruckt : "abgewiesen") << z.eingabe;
        EXPECT_EQ(fehler.find(std::string("„") + z.eingabe + "“") != std::string::npos, !z.gedruckt)
            << fehler;
    }
    for (const auto& [gespeichert, feld] : {std::pair{"15.06.2024", "15/06/2024"},
                                            {"  01.01.1930       ", "01/01/1930"},
                                            {"31.02.2024", "__/__/____"},
                                            {"Bonn, den 15.06.", "__/__/____"}}) {
        EXPECT_EQ(datumstextAusBriefdatum(gespeichert), feld) << gespeichert;
    }
}

// The authority in the legal-remedy instruction, in the sender line (with and without the second
// letterhead line), and what a notice misses of it.
TEST(Behörde, TextDerBelehrungRücksendeangabeUndLücken) {
    const auto amt = [](std::string_view k1, std::string_view k2, std::string_view straße,
                        std::string_view ort) {
        return Behörde{k1, k2, straße, ort};
    };
    // clang-format off
    const struct {
        Behörde behörde;
        const char *belehrung, *rücksendung, *fehlt, *ohneKopfzeile2 = nullptr;  // nullptr: the same
    } zeilen[] = {
        {amt("Landesamt für Besoldung", "Referat 21", "Musterstraße 12", "80333 München"),
            "Landesamt für Besoldung$Referat 21$Musterstraße 12$80333 München",
            "Landesamt für Besoldung, Referat 21, Musterstraße 12, 80333 München", "",
            "Landesamt für Besoldung, Musterstraße 12, 80333 München"},
        {amt("Landesamt für Besoldung", "und Versorgung", "Musterstraße 12", "80333 München"),
            "Landesamt für Besoldung$und Versorgung$Musterstraße 12$80333 München",
            "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München", ""},
        {amt("", "Bundesamt", "Postfach 1", "50728 Köln"), "Bundesamt$Postfach 1$50728 Köln",
            "Bundesamt, Postfach 1, 50728 Köln", ""},
        {amt("  Bundesamt ", "", "", " 50728 Köln"), "Bundesamt$50728 Köln", "Bundesamt, 50728 Köln",
            "Straße und Hausnummer"},
        {amt("", "  ", "Postfach 1", "50728 Köln"), "Postfach 1$50728 Köln", "Postfach 1, 50728 Köln",
            "Briefkopf"},
        {amt("", "", "", ""), "", "", "Briefkopf, Straße und Hausnummer, Postleitzahl und Ort"},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.belehrung);
        EXPECT_EQ(behördentext(z.behörde), z.belehrung);
        EXPECT_EQ(rücksendeangabe(z.behörde), z.rücksendung);
        EXPECT_EQ(rücksendeangabe(z.behörde, false), z.ohneKopfzeile2 ? z.ohneKopfzeile2 : z.rücksendung);
        EXPECT_EQ(fehlendeBehördenangaben(z.behörde), z.fehlt);
    }
}

const std::string vor = "Gegen … bei der Behörde zu erheben, die diesen Bescheid erlassen hat:$";
const std::string nach = "$Die Frist gilt auch dann als gewahrt, wenn der Widerspruch fristgemäß eingeht.";
const std::string p(behördenplatzhalter);

TEST(Behördenplatzhalter, JederPlatzhalterWirdZurBehörde) {
    const std::string b = "Landesamt$Musterstraße 12, 80333 München";
    EXPECT_EQ(behördeEingesetzt(vor + p + nach, b), vor + b + nach);
    EXPECT_EQ(behördeEingesetzt(vor + p + nach, ""), vor + nach) << "empty authority: an empty line";
    EXPECT_EQ(behördeEingesetzt(p + "$und$" + p, b), b + "$und$" + b);
    EXPECT_EQ(behördeEingesetzt("[behörde mit anschrift]", b), "[behörde mit anschrift]");
}

// What earlier versions saved: one or two letterhead lines of at most 40 characters behind
// "erlassen hat:".
TEST(Behördenplatzhalter, AlteBriefkopfzeilenWerdenErkannt) {
    const std::string k40(40, 'K'), k41(41, 'K');
    const std::string umlaute = std::string(20, 'a') + "ääääääääääääääääääää";  // 40 characters, 60 bytes
    // clang-format off
    const struct {
        std::string text;
        std::vector<std::string> zeilen;  // empty: not recognised
        std::string ersetzt{};
    } zeilen[] = {
        {vor + "A$B$C" + nach, {"A", "B"}, vor + p + "$C" + nach},
        {vor + k40 + nach, {k40}, vor + p + nach},
        {vor + k41 + nach, {}},
        {vor + umlaute + nach, {umlaute}, vor + p + nach},
        {"… erlassen hat.$Bundesamt" + nach, {}},
        {vor + p + "$Bundesamt" + nach, {}},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        const auto alt = alteBriefkopfzeilen(z.text);
        EXPECT_EQ(alt ? alt->zeilen : std::vector<std::string>{}, z.zeilen) << z.text;
        EXPECT_EQ(alt ? mitPlatzhalter(z.text, *alt) : "", z.ersetzt) << z.text;
    }
}

TEST(Mengenangabe, MonateUndJahre) {
    // clang-format off
    const std::tuple<int, int, const char*> zeilen[] = {  // months, years, text
        {0, 0, ""}, {0, 1, "1 Jahr"}, {0, 2, "2 Jahre"}, {1, 0, "1 Monat"}, {1, 11, "1 Monat und 11 Jahre"},
        {3, 1, "3 Monate und 1 Jahr"}};
    // clang-format on
    for (const auto& [monate, jahre, text] : zeilen) EXPECT_EQ(monateUndJahre(monate, jahre), text) << text;
    EXPECT_EQ(anzahl(0, "Jahr", "Jahren"), "0 Jahren");
}

// The counter shows what is left of 60 characters (code points, blanks at either end not counted); the
// limit cuts whole characters off the end.
TEST(Beschreibung, ZählerUndGrenze) {
    const std::string x59(59, 'x'), x60(60, 'x');
    // clang-format off
    const std::tuple<std::string, int, std::string> zeilen[] = {  // text, left, limited text
        {"", 60, ""}, {x59, 1, x59}, {x60, 0, x60}, {x60 + "y", -1, x60}, {"  abc  ", 57, "  abc  "},
        {"   " + x60 + "yz", -2, "   " + x60}, {"Überprüfung", 49, "Überprüfung"},
        {x59 + "äö", -1, x59 + "ä"}, {"     ", 60, "     "}};
    // clang-format on
    for (const auto& [text, frei, begrenzt] : zeilen) {
        EXPECT_EQ(freieZeichen(text), frei) << text;
        EXPECT_EQ(begrenzteBeschreibung(text), begrenzt) << text;
    }
}

}  // namespace

}  // namespace bda
