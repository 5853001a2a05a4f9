// The notice's own texts: its dates and year, the authority and its placeholder, the counts in words and
// the description counter.

#include <gtest/gtest.h>

#include "Behoerde.h"
#include "Behoerdenplatzhalter.h"
#include "Bescheiddaten.h"
#include "Beschreibung.h"
#include "Mengenangabe.h"

namespace bda {

namespace {

TEST(Bescheiddaten, Bescheiddatum) {
    // clang-format off
    const struct {
        const char *eingabe, *gedruckt;  // nullptr: refused
    } zeilen[] = {
        {"__/__/____", ""}, {"", ""}, {"15/06/2024", "15.06.2024"}, {"31/12/1929", nullptr},
        {"01/01/1930", "01.01.1930"}, {"31/12/2040", "31.12.2040"}, {"01/01/2041", nullptr},
        {"29/02/2024", "29.02.2024"}, {"29/02/2023", nullptr}, {"31/04/2024", nullptr},
        {"12/0_/____", nullptr},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.eingabe);
        std::string fehler;
        const auto datum = briefdatumAusText(z.eingabe, fehler);
        EXPECT_EQ(datum.value_or("abgewiesen"), z.gedruckt ? z.gedruckt : "abgewiesen");
        EXPECT_EQ(fehler.find(std::string("„") + z.eingabe + "“") != std::string::npos, !z.gedruckt)
            << fehler;
    }
    // A stored notice date back in the dialog's date field.
    for (const auto& [gespeichert, feld] : {std::pair{"15.06.2024", "15/06/2024"},
                                            {"  01.01.1930       ", "01/01/1930"},
                                            {"                    ", "__/__/____"},
                                            {"31.02.2024", "__/__/____"},
                                            {"Bonn, den 15.06.", "__/__/____"}}) {
        EXPECT_EQ(datumstextAusBriefdatum(gespeichert), feld) << gespeichert;
    }
}

TEST(Bescheiddaten, BezugsjahrUndAnrede) {
    // clang-format off
    const struct {
        const char* text;
        int jahr;  // -1: refused, 0: none
    } zeilen[] = {
        {"", 0}, {"   ", 0}, {"1929", -1}, {"1930", 1930}, {"2040", 2040}, {"2041", -1}, {"203", -1},
        {"20x4", -1}, {"0000", -1},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.text);
        std::string fehler;
        EXPECT_EQ(bezugsjahrAusText(z.text, fehler).value_or(-1), z.jahr);
        EXPECT_EQ(fehler.find(std::string("„") + z.text + "“") != std::string::npos, z.jahr < 0) << fehler;
    }
    for (const char* code : {"", "b", "c", "d"}) EXPECT_TRUE(istAnredecode(code)) << code;
    for (const char* code : {"a", "B", "e", "-", "bc", " "}) EXPECT_FALSE(istAnredecode(code)) << code;
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
        const char *belehrung, *rücksendung, *ohneKopfzeile2, *fehlt;
    } zeilen[] = {
        {amt("Landesamt für Besoldung", "Referat 21", "Musterstraße 12", "80333 München"),
            "Landesamt für Besoldung$Referat 21$Musterstraße 12$80333 München",
            "Landesamt für Besoldung, Referat 21, Musterstraße 12, 80333 München",
            "Landesamt für Besoldung, Musterstraße 12, 80333 München", ""},
        {amt("Landesamt für Besoldung", "und Versorgung", "Musterstraße 12", "80333 München"),
            "Landesamt für Besoldung$und Versorgung$Musterstraße 12$80333 München",
            "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München",
            "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München", ""},
        {amt("", "Bundesamt", "Postfach 1", "50728 Köln"), "Bundesamt$Postfach 1$50728 Köln",
            "Bundesamt, Postfach 1, 50728 Köln", "Bundesamt, Postfach 1, 50728 Köln", ""},
        {amt("  Bundesamt ", "", "", " 50728 Köln"), "Bundesamt$50728 Köln", "Bundesamt, 50728 Köln",
            "Bundesamt, 50728 Köln", "Straße und Hausnummer"},
        {amt("", "  ", "Postfach 1", "50728 Köln"), "Postfach 1$50728 Köln", "Postfach 1, 50728 Köln",
            "Postfach 1, 50728 Köln", "Briefkopf"},
        {amt("", "", "", ""), "", "", "", "Briefkopf, Straße und Hausnummer, Postleitzahl und Ort"},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.belehrung);
        EXPECT_EQ(behördentext(z.behörde), z.belehrung);
        EXPECT_EQ(rücksendeangabe(z.behörde), z.rücksendung);
        EXPECT_EQ(rücksendeangabe(z.behörde, false), z.ohneKopfzeile2);
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
        {vor + "Landesamt für Besoldung$Referat 12" + nach, {"Landesamt für Besoldung", "Referat 12"},
            vor + p + nach},
        {vor + "A$B$C" + nach, {"A", "B"}, vor + p + "$C" + nach},
        {vor + k40 + nach, {k40}, vor + p + nach},
        {vor + k41 + nach, {}},
        {vor + umlaute + nach, {umlaute}, vor + p + nach},
        {vor + "Bundesamt", {"Bundesamt"}, vor + p},
        {vor + nach, {}},
        {"… erlassen hat.$Bundesamt" + nach, {}},
        {vor + p + "$Bundesamt" + nach, {}},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.text);
        const auto alt = alteBriefkopfzeilen(z.text);
        ASSERT_EQ(alt.has_value(), !z.zeilen.empty());
        if (!alt) continue;
        EXPECT_EQ(alt->zeilen, z.zeilen);
        EXPECT_EQ(mitPlatzhalter(z.text, *alt), z.ersetzt);
    }
}

TEST(Mengenangabe, MonateUndJahre) {
    // clang-format off
    const struct {
        int monate, jahre;
        const char* text;
    } zeilen[] = {
        {0, 0, ""}, {0, 1, "1 Jahr"}, {0, 2, "2 Jahre"}, {1, 0, "1 Monat"}, {1, 11, "1 Monat und 11 Jahre"},
        {3, 1, "3 Monate und 1 Jahr"},
    };
    // clang-format on
    for (const auto& z : zeilen) EXPECT_EQ(monateUndJahre(z.monate, z.jahre), z.text) << z.text;
    EXPECT_EQ(anzahl(0, "Jahr", "Jahren"), "0 Jahren");
}

// The counter shows what is left of 60 characters (code points, blanks at either end not counted); the
// limit cuts whole characters off the end.
TEST(Beschreibung, ZählerUndGrenze) {
    const std::string x59(59, 'x'), x60(60, 'x');
    // clang-format off
    const struct {
        std::string text;
        int frei;
        std::string begrenzt;
    } zeilen[] = {
        {"", 60, ""}, {x59, 1, x59}, {x60, 0, x60}, {x60 + "y", -1, x60}, {"  abc  ", 57, "  abc  "},
        {"   " + x60 + "yz", -2, "   " + x60}, {"Überprüfung", 49, "Überprüfung"},
        {x59 + "äö", -1, x59 + "ä"}, {"     ", 60, "     "},
    };
    // clang-format on
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.text);
        EXPECT_EQ(freieZeichen(z.text), z.frei);
        EXPECT_EQ(begrenzteBeschreibung(z.text), z.begrenzt);
    }
}

}  // namespace

}  // namespace bda
