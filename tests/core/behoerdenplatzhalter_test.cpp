#include "Behoerdenplatzhalter.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

const std::string vor = "Gegen … bei der Behörde zu erheben, die diesen Bescheid erlassen hat:$";
const std::string nach = "$Die Frist gilt auch dann als gewahrt, wenn der Widerspruch fristgemäß eingeht.";
const std::string p = std::string(behördenplatzhalter);

TEST(Behördenplatzhalter, JederPlatzhalterWirdZurBehörde) {
    const std::string behörde = "Landesamt$Musterstraße 12, 80333 München";
    const struct {
        const char* name;
        std::string text, behörde, gedruckt;
    } zeilen[] = {
        {"als eigene Zeile", vor + p + nach, behörde, vor + behörde + nach},
        {"leere Behörde: eine leere Zeile", vor + p + nach, "", vor + nach},
        {"kein Platzhalter", "Gegen diesen Bescheid", behörde, "Gegen diesen Bescheid"},
        {"anders geschrieben", "[behörde mit anschrift]", behörde, "[behörde mit anschrift]"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        EXPECT_EQ(behördeEingesetzt(z.text, z.behörde), z.gedruckt);
    }
}

// What earlier versions saved: one or two letterhead lines behind "erlassen hat:", each no longer than a
// letterhead line may be.
TEST(Behördenplatzhalter, AlteBriefkopfzeilenWerdenErkannt) {
    const std::string k40(40, 'K'), k41(41, 'K');
    const std::string umlaute = std::string(20, 'a') + "ääääääääääääääääääää";  // 40 characters, 60 bytes
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> zeilen;  // empty: not recognised
        std::string ersetzt{};
    } zeilen[] = {
        {"zwei Zeilen",
         vor + "Landesamt für Besoldung$Referat 12" + nach,
         {"Landesamt für Besoldung", "Referat 12"},
         vor + p + nach},
        {"eine Zeile", vor + "Bundesamt" + nach, {"Bundesamt"}, vor + p + nach},
        {"höchstens zwei Zeilen", vor + "A$B$C" + nach, {"A", "B"}, vor + p + "$C" + nach},
        {"Zeile von 40 Zeichen", vor + k40 + nach, {k40}, vor + p + nach},
        {"Zeile von 41 Zeichen", vor + k41 + nach, {}},
        {"Umlaute zählen als ein Zeichen", vor + umlaute + nach, {umlaute}, vor + p + nach},
        {"am Ende des Texts", vor + "Bundesamt", {"Bundesamt"}, vor + p},
        {"leere Zeile dahinter", vor + nach, {}},
        {"Punkt statt Doppelpunkt", "… erlassen hat.$Bundesamt" + nach, {}},
        {"schon mit Platzhalter", vor + p + "$Bundesamt" + nach, {}},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        const auto alt = alteBriefkopfzeilen(z.text);
        ASSERT_EQ(alt.has_value(), !z.zeilen.empty());
        if (!alt) continue;
        EXPECT_EQ(alt->zeilen, z.zeilen);
        EXPECT_EQ(mitPlatzhalter(z.text, *alt), z.ersetzt);
    }
}

}  // namespace

}  // namespace bda
