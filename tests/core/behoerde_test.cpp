#include "Behoerde.h"

#include <gtest/gtest.h>

namespace bda {

namespace {

Behörde amt(std::string_view kopfzeile1, std::string_view kopfzeile2, std::string_view straße,
            std::string_view ort) {
    return {kopfzeile1, kopfzeile2, straße, ort};
}

// The authority in the legal-remedy instruction, in the sender line, and what a notice misses of it.
TEST(Behörde, TextDerBelehrungRücksendeangabeUndLücken) {
    const struct {
        const char* name;
        Behörde behörde;
        const char* belehrung;
        const char* rücksendung;
        const char* ohneKopfzeile2;
        const char* fehlt;
    } zeilen[] = {
        {"vollständig", amt("Landesamt für Besoldung", "Referat 21", "Musterstraße 12", "80333 München"),
         "Landesamt für Besoldung$Referat 21$Musterstraße 12$80333 München",
         "Landesamt für Besoldung, Referat 21, Musterstraße 12, 80333 München",
         "Landesamt für Besoldung, Musterstraße 12, 80333 München", ""},
        {"zweite Kopfzeile setzt den Namen fort",
         amt("Landesamt für Besoldung", "und Versorgung", "Musterstraße 12", "80333 München"),
         "Landesamt für Besoldung$und Versorgung$Musterstraße 12$80333 München",
         "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München",
         "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München", ""},
        {"nur die zweite Kopfzeile", amt("", "Bundesamt", "Postfach 1", "50728 Köln"),
         "Bundesamt$Postfach 1$50728 Köln", "Bundesamt, Postfach 1, 50728 Köln",
         "Bundesamt, Postfach 1, 50728 Köln", ""},
        {"ohne Straße", amt("  Bundesamt ", "", "", " 50728 Köln"), "Bundesamt$50728 Köln",
         "Bundesamt, 50728 Köln", "Bundesamt, 50728 Köln", "Straße und Hausnummer"},
        {"nur die Anschrift", amt("", "  ", "Postfach 1", "50728 Köln"), "Postfach 1$50728 Köln",
         "Postfach 1, 50728 Köln", "Postfach 1, 50728 Köln", "Briefkopf"},
        {"leer", amt("", "", "", ""), "", "", "", "Briefkopf, Straße und Hausnummer, Postleitzahl und Ort"},
    };
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.name);
        EXPECT_EQ(behördentext(z.behörde), z.belehrung);
        EXPECT_EQ(rücksendeangabe(z.behörde), z.rücksendung);
        EXPECT_EQ(rücksendeangabe(z.behörde, false), z.ohneKopfzeile2);
        EXPECT_EQ(fehlendeBehördenangaben(z.behörde), z.fehlt);
    }
}

}  // namespace

}  // namespace bda
