#include "Bescheid.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Druckhilfe.h"

namespace {

using namespace std::chrono;

constexpr year_month_day heute{year{2004}, February, day{3}};
const std::string belehrung =
    "Gegen diesen Bescheid ist der Widerspruch zulässig.$Er ist binnen eines Monats einzulegen.";

// The text padded with blanks to `länge` characters, as a fixed-length field prints it.
std::string bis(const std::string& text, std::size_t länge) {
    const auto zeichen = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    return text + std::string(länge - zeichen, ' ');
}

std::vector<Zeile> bescheid(const Fall& fall, std::string_view text = belehrung) {
    Aufzeichnung a;
    EXPECT_TRUE(bescheidDrucken(fall, text, heute, a.auftrag)) << a.auftrag.fehler().toStdString();
    return zeilen(a.auftrag.protokoll());
}

std::size_t zeileMit(const std::vector<Zeile>& z, std::string_view anfang) {
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i].text().starts_with(anfang)) return i;
    }
    ADD_FAILURE() << "no line begins with " << anfang;
    return 0;
}

Fall anschriftfall() {
    Fall fall = beispielfall();
    fall.name = "Erika Mustermann";
    fall.bescheid.kopfzeile1 = "Landesamt für Besoldung";
    fall.bescheid.kopfzeile2 = "und Versorgung";
    fall.bescheid.anrede = "c";
    fall.bescheid.anschrift1 = "Lindenstraße 5";
    fall.bescheid.anschrift2 = "12345 Musterstadt";
    fall.bescheid.dienstanschrift = "  Finanzamt Musterstadt";
    fall.bescheid.bezugsjahr = 2004;
    return fall;
}

TEST(Bescheid, PrintsEveryLineOfATypicalNotice) {
    // clang-format off
    const double h12 = arialZeilenhöhe(12), h8 = arialZeilenhöhe(8);
    const std::vector<Sollzeile> soll = {
        {2 * h12, {spalte(8, "12B", bis("Landesamt für Besoldung", 39)), bei(7000, "12B", "03.02.2004")}},
        {h12, {spalte(8, "12B", bis("und Versorgung", 40))}},
        {5 * h12, {spalte(12, "12", "Frau")}},
        {h12, {spalte(12, "12", "Erika Mustermann"), bei(7000, "12", "Dienstanschrift:")}},
        {h12, {spalte(12, "12", bis("Lindenstraße 5", 30)), bei(7000, "12", bis("Finanzamt Musterstadt", 40))}},
        {2 * h12, {spalte(12, "12", bis("12345 Musterstadt", 30))}},
        {3 * h12, {spalte(8, "12B", "Festsetzung Ihres Besoldungsdienstalters")}},
        {2 * h12, {spalte(12, "12", "Ihr Besoldungsdienstalter (BDA) wird mit Wirkung ab "), bei(7000, "12", "15/06/2008")}},
        {h12, {spalte(12, "12", "festgesetzt auf"), bei(7000, "12B", "01/09/1993"), dahinter("12", ".")}},
        {3 * h12, {spalte(8, "12B", "Begründung")}},
        {2 * h12, {spalte(12, "12", "Das BDA wurde gemäß "), dahinter("12", "§ 28 BBesG "), dahinter("12", "wie folgt berechnet:")}},
        {2 * h12, {spalte(12, "12", "1. Geburtstag"), bei(7000, "12", "15/06/1970")}},
        {2 * h12, {spalte(12, "12", "2. Vollendung des 21. Lebensjahres"), bei(7000, "12", "14/06/1991")}},
        {2 * h12, {spalte(12, "12", "3. Regel-Besoldungsdienstalter"), bei(7000, "12", "01/06/1991")}},
        {2 * h12, {spalte(12, "12", "4. Tag der Ernennung bzw. Dienstaufnahme"), bei(7000, "12", "15/06/2008")}},
        {2 * h12, {spalte(12, "12", "5. Das Regel-BDA ist lt. Berechnung auf Seite 2 um"), bei(7000, "12", "3"), dahinter("12", " Monate und "), dahinter("12", "2"), dahinter("12", " Jahre")}},
        {h12, {bei(1420, "12", "hinauszuschieben und beginnt somit am "), bei(7000, "12B", "01/09/1993")}},
        {2 * h12, {spalte(12, "12", "Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe")}},
        {h12, {spalte(12, "12", "für die Dauer von 2 Jahren ist hier nicht berücksichtigt.")}},
        {3 * h12, {spalte(8, "12B", "Rechtsbehelfsbelehrung")}},
        {h12 + h8, {spalte(17, "8", "Gegen diesen Bescheid ist der Widerspruch zulässig.")}},
        {h8, {spalte(17, "8", bis("Er ist binnen eines Monats einzulegen.", 1000))}},
        {h8 + 2 * h12, {spalte(9, "12", "Sachlich und rechnerisch richtig: "), dahinter("12", std::string(23, ' ')), dahinter("12", "Festgestellt:")}},
        {3 * h12, {spalte(9, "12", std::string(25, '_')), dahinter("12", std::string(26, ' ')), dahinter("12", std::string(25, '_'))}},
    };
    // clang-format on
    vergleiche(bescheid(anschriftfall()), soll);
}

TEST(Bescheid, SalutationServiceAddressAndDate) {
    const std::string straße = bis("Lindenstraße 5", 30);
    const std::string dienst = straße + "|" + bis("Finanzamt", 40);
    // The date of the first line, then the lines from the salutation to Anschrift1, their texts joined by
    // "|".
    // clang-format off
    const struct {
        const char* name;
        const char* anrede;
        const char* dienstanschrift;
        const char* bescheiddatum;
        std::vector<std::string> kopf;
    } fälle[] = {
        {"b",            "b", "",              "",              {"03.02.2004", "Herrn", "Erika Mustermann", straße}},
        {"c",            "c", "",              "",              {"03.02.2004", "Frau", "Erika Mustermann", straße}},
        {"d, trimmed",   "d", "  Finanzamt  ", "  01.02.2004 ", {"01.02.2004", "Fräulein", "Erika Mustermann|Dienstanschrift:", dienst}},
        {"upper-case B", "B", "Finanzamt",     "",              {"03.02.2004", "Erika Mustermann|Dienstanschrift:", dienst}},
        {"other code",   "x", "",              "1. Februar",    {"1. Februar", "Erika Mustermann", straße}},
        {"blank",        " ", "",              "",              {"03.02.2004", "Erika Mustermann", straße}},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Fall fall = anschriftfall();
        fall.bescheid.anrede = f.anrede;
        fall.bescheid.dienstanschrift = f.dienstanschrift;
        fall.bescheid.bescheiddatum = f.bescheiddatum;
        const auto z = bescheid(fall);
        std::vector<std::string> ist = {z[0].posten.back().text};
        for (std::size_t i = 2; i <= zeileMit(z, "Erika") + 1; ++i) {
            std::string teile;
            for (const auto& p : z[i].posten) teile += (teile.empty() ? "" : "|") + p.text;
            ist.push_back(teile);
        }
        EXPECT_EQ(ist, f.kopf);
        EXPECT_TRUE(nahe(z[2].y - z[1].y, 5 * arialZeilenhöhe(12)));
    }
    EXPECT_EQ(kurzdatum(year_month_day{year{1999}, December, day{31}}), "31.12.1999");
}

TEST(Bescheid, ParagraphPointFiveAndPayNote) {
    const std::string nicht = "5. Das Regel-BDA lt. Ziffer 3 ist nicht hinauszuschieben.";
    const std::string um = "5. Das Regel-BDA ist lt. Berechnung auf Seite 2 um";
    const std::string beginnt = "hinauszuschieben und beginnt somit am 01/09/1993";
    const std::string tarif1 = "Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe";
    const std::string tarif2 = "für die Dauer von 2 Jahren ist hier nicht berücksichtigt.";
    const auto gemäß = [](const char* paragraph) {
        return "Das BDA wurde gemäß " + std::string(paragraph) + "wie folgt berechnet:";
    };
    // The reasons without points 1 to 4.
    // clang-format off
    const struct {
        const char* name;
        int amtswahl;
        Zeitspanne gesamt;
        int bezugsjahr;
        std::vector<std::string> begründung;
    } fälle[] = {
        {"A 13, no postponement, 2002",   1, {0, 0, 0},  2002, {gemäß("§ 28 BBesG "), nicht}},
        {"C 1, only days, 2003",          2, {15, 0, 0}, 2003, {gemäß("§ 36 BBesG "), nicht, tarif1, tarif2}},
        {"professor, three months, 2005", 3, {0, 3, 0},  2005, {gemäß("§ 36 BBesG "), um + "3 Monate und 0 Jahre", beginnt, tarif1, tarif2}},
        {"judge, two years, 2006",        4, {0, 0, 2},  2006, {gemäß("§ 38 BBesG "), um + "0 Monate und 2 Jahre", beginnt}},
        {"no option selected",          -1, {0, 0, 0},     0, {gemäß(""), nicht}},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Fall fall = anschriftfall();
        fall.amtswahl = f.amtswahl;
        fall.gesamt = f.gesamt;
        fall.bescheid.bezugsjahr = f.bezugsjahr;
        const auto z = bescheid(fall);
        std::vector<std::string> ist;
        for (std::size_t i = zeileMit(z, "Das BDA wurde"); i < zeileMit(z, "Rechtsbehelfsbelehrung"); ++i) {
            const std::string text = z[i].text();
            if (text[0] < '1' || text[0] > '4') ist.push_back(text);
        }
        EXPECT_EQ(ist, f.begründung);
    }
}

TEST(Bescheid, DollarSignsBreakTheLegalRemedyText) {
    const double h12 = arialZeilenhöhe(12), h8 = arialZeilenhöhe(8);
    // clang-format off
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> zeilen;
        double bisUnterschrift;  // from the last line above the signature block
    } fälle[] = {
        {"one $ in the middle", "Gegen A$Gegen B", {"Gegen A", "Gegen B"}, h8 + 2 * h12},
        {"$$ adds no empty line", "Erste$$Zweite", {"Erste", "Zweite"}, h8 + 2 * h12},
        {"a blank behind the $ stays", "Erste$ Zweite", {"Erste", " Zweite"}, h8 + 2 * h12},
        {"a trailing $ leaves the last line open", "Erste$Zweite$", {"Erste", "Zweite"}, 2 * h12},
        {"a leading $ adds no line", "$Erste", {"Erste"}, h8 + 2 * h12},
        {"blanks around the text are dropped", "   Gegen A   ", {"Gegen A"}, h8 + 2 * h12},
        {"a blank text prints nothing", std::string(1000, ' '), {}, h12 + h8 + 2 * h12},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        const auto z = bescheid(anschriftfall(), f.text);
        const std::size_t überschrift = zeileMit(z, "Rechtsbehelfsbelehrung");
        const std::size_t unterschrift = zeileMit(z, "Sachlich");
        std::vector<std::string> ist;
        for (std::size_t i = überschrift + 1; i < unterschrift; ++i) {
            const std::string text = z[i].text();
            ist.push_back(text.substr(0, text.find_last_not_of(' ') + 1));
            EXPECT_EQ(schrift(z[i].posten[0]), "8");
            EXPECT_TRUE(nahe(z[i].posten[0].x, arialSpalte(17, 8, false)));
            EXPECT_TRUE(nahe(z[i].y - z[i - 1].y, i == überschrift + 1 ? h12 + h8 : h8));
        }
        EXPECT_EQ(ist, f.zeilen);
        EXPECT_TRUE(nahe(z[unterschrift].y - z[unterschrift - 1].y, f.bisUnterschrift));
    }
}

}  // namespace
