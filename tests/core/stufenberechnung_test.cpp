// The experience step (§§ 27, 28 BBesG) and the old step schedule: worked examples and each limit on both
// sides, hand-computed.

#include "Stufenberechnung.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Datumsdifferenz.h"
#include "Stufenplan.h"

namespace bda {
namespace {

// A case of grade `amt` from lines "art beginn ende [person] [anerkannt]", art as scripts write it.
Stufenfall fall(const char* ernennung, const std::vector<std::string>& zeilen, int amt = 9) {
    Stufenfall f{amt, amt == 5, ernennung, {}};
    for (const auto& zeile : zeilen) {
        std::istringstream wörter(zeile);
        std::string art, wort;
        Stufenzeitraum z;
        wörter >> art >> z.beginn >> z.ende;
        z.art = zeitartAusSchlüssel(art).value();
        while (wörter >> wort) (wort == "anerkannt" ? z.anerkannt = true : (z.person = wort, false));
        f.zeiträume.push_back(z);
    }
    return f;
}

using K = Kürzung;

// clang-format off
const struct Beispiel {
    const char* name;
    Stufenfall fall;
    int anerkanntMonate, verzögerungMonate, beiErnennung;
    const char* stufen;  // the months from which Stufe 1 to 8 apply, each from the 1st; nullptr: not checked
    std::vector<std::vector<Kürzung>> gründe;  // per period; empty: not checked
} beispiele[] = {
    {"Beispiel1", fall("15/03/2012", {}), 0, 0, 1,
     "03/2012 03/2014 03/2017 03/2020 03/2023 03/2027 03/2031 03/2035", {}},
    {"Beispiel2", fall("01/09/2015", {"wehrdienst 01/10/1998 30/06/1999",
        "kinderbetreuung 01/01/2005 28/02/2006 Anna", "hauptberuflich 01/01/2010 10/04/2012"}, 10), 51, 0, 2,
     "06/2011 06/2013 06/2016 06/2019 06/2022 06/2026 06/2030 06/2034", {{}, {}, {}}},
    {"Beispiel3Urlaub", fall("15/03/2012", {"ohne_bezuege 10/04/2018 24/09/2018"}), 0, 5, 1,
     "03/2012 03/2014 03/2017 08/2020 08/2023 08/2027 08/2031 08/2035", {{}}},
    {"Beispiel3Elternzeit", fall("15/03/2012", {"kinderbetreuung 10/04/2018 24/09/2018 Anna"}), 0, 0, 1,
     nullptr, {{K::keineVerzögerung}}},
    {"UrlaubGenau5Monate", fall("15/03/2012", {"ohne_bezuege 01/04/2018 31/08/2018"}), 0, 5, 1,
     "03/2012 03/2014 03/2017 08/2020 08/2023 08/2027 08/2031 08/2035", {}},
    {"UrlaubEinTagUnter5Monaten", fall("15/03/2012", {"ohne_bezuege 01/04/2018 29/08/2018"}), 0, 4, 1,
     "03/2012 03/2014 03/2017 07/2020 07/2023 07/2027 07/2031 07/2035", {}},
    // Elternzeit beyond the child's three years is leave without pay, and delays from where the cap ends.
    {"ElternzeitUeber3Jahre", fall("15/03/2012", {"kinderbetreuung 01/01/2015 31/12/2018 Anna"}), 0, 12, 1,
     "03/2012 03/2014 03/2017 03/2021 03/2024 03/2028 03/2032 03/2036",
     {{K::keineVerzögerung, K::höchstdauer}}},
    {"ElternzeitNachAngerechneterBetreuung", fall("15/03/2012", {"kinderbetreuung 01/01/2005 31/12/2006 Anna",
        "kinderbetreuung 01/01/2015 31/12/2016 Anna"}), 24, 0, 2, nullptr, {{}, {K::keineVerzögerung}}},
    {"UrlaubAmTagDerStufe", fall("15/03/2012", {"ohne_bezuege 01/03/2020 31/07/2020"}), 0, 5, 1,
     "03/2012 03/2014 03/2017 03/2020 08/2023 08/2027 08/2031 08/2035", {}},
    {"UrlaubVorDerErnennung", fall("15/03/2012", {"ohne_bezuege 01/01/2011 31/12/2011"}), 0, 0, 1,
     nullptr, {{K::vorErnennung}}},
    {"UrlaubUndElternzeitZugleich", fall("15/03/2012", {"ohne_bezuege 01/04/2018 31/08/2018",
        "kinderbetreuung 01/06/2018 31/08/2018 Anna"}), 0, 2, 1, nullptr,
     {{K::überschneidung}, {K::keineVerzögerung}}},
    {"UrlaubUndDienstlicherUrlaubZugleich", fall("15/03/2012", {"ohne_bezuege 01/04/2018 31/08/2018",
        "beurlaubung_dienstlich 01/06/2018 31/08/2018"}), 0, 2, 1, nullptr,
     {{K::überschneidung}, {K::keineVerzögerung}}},
    {"Genau12Monate", fall("15/03/2012", {"hauptberuflich 01/01/2005 31/12/2005"}), 12, 0, 1, nullptr, {{}}},
    {"Monate12Tag1", fall("15/03/2012", {"hauptberuflich 01/01/2005 01/01/2006"}), 13, 0, 1, nullptr, {{}}},
    {"Wehr24Monate", fall("01/01/2010", {"wehrdienst 01/01/2000 31/12/2001"}), 24, 0, 2, nullptr, {{}}},
    {"Wehr24MonateTag1", fall("01/01/2010", {"wehrdienst 01/01/2000 01/01/2002"}), 24, 0, 2,
     nullptr, {{K::höchstdauer}}},
    {"WehrZweiDienste", fall("01/01/2010", {"wehrdienst 01/01/2000 31/12/2000",
        "wehrdienst 01/01/2003 31/12/2004"}), 24, 0, 2, nullptr, {{}, {K::höchstdauer}}},
    {"Wehr4Monate", fall("01/01/2010", {"wehrdienst 01/01/2000 30/04/2000"}), 4, 0, 1, nullptr, {{}}},
    {"Wehr4MonateOhneTag1", fall("01/01/2010", {"wehrdienst 01/01/2000 29/04/2000"}), 0, 0, 1,
     nullptr, {{K::mindestdauer}}},
    {"KinderbetreuungEinKindUeber3Jahre", fall("01/01/2010", {"kinderbetreuung 01/01/2000 31/12/2001 Max",
        "kinderbetreuung 01/01/2004 31/12/2005 Max"}), 36, 0, 2, nullptr, {{}, {K::höchstdauer}}},
    {"KinderbetreuungZweiKinder", fall("01/01/2010", {"kinderbetreuung 01/01/2000 31/12/2001 Max",
        "kinderbetreuung 01/01/2004 31/12/2005 Lea"}), 48, 0, 2, nullptr, {{}, {}}},
    {"Pflege3Jahre", fall("01/01/2010", {"pflege 01/01/2000 31/12/2002 Vater"}), 36, 0, 2, nullptr, {{}}},
    {"Ueberschneidung", fall("01/01/2010", {"hauptberuflich 01/01/2000 31/12/2001",
        "foerderlich 01/07/2001 30/06/2002 anerkannt"}), 30, 0, 2, nullptr, {{}, {K::überschneidung}}},
    {"FoerderlichNichtAnerkannt", fall("01/01/2010", {"foerderlich 01/01/2000 31/12/2001"}), 0, 0, 1,
     nullptr, {{K::nichtAnerkannt}}},
    // The care overlapping the work counts nowhere else, so the child's cap goes to its later care.
    {"BetreuungNebenArbeit", fall("01/01/2010", {"kinderbetreuung 01/01/2000 31/12/2002 Max",
        "hauptberuflich 01/01/2000 31/12/2002", "kinderbetreuung 01/01/2004 31/12/2006 Max"}), 72, 0, 3,
     nullptr, {{K::überschneidung}, {}, {}}},
    {"EndetNachDerErnennung", fall("01/04/2015", {"hauptberuflich 01/01/2014 30/06/2015"}), 15, 0, 1,
     nullptr, {{K::nachErnennung}}},
    {"EinfacherDienst", fall("15/03/2012", {}, 5), 0, 0, 1,
     "03/2012 03/2014 03/2017 03/2020 03/2023 03/2026 03/2029 03/2032", {}},
};
// clang-format on

TEST(Stufenberechnung, ErgibtDieHandgerechnetenStufen) {
    for (const auto& b : beispiele) {
        SCOPED_TRACE(b.name);
        const auto e = stufenberechnen(b.fall);
        ASSERT_TRUE(e.berechnet);
        EXPECT_EQ(e.anerkanntMonate, b.anerkanntMonate);
        EXPECT_EQ(e.verzögerungMonate, b.verzögerungMonate);
        EXPECT_EQ(e.beiErnennung, b.beiErnennung);
        std::string ist, soll;
        for (const auto tag : e.stufen) ist += textAusDatum(tag) + " ";
        std::istringstream monate(b.stufen ? b.stufen : "");
        for (std::string monat; monate >> monat;) soll += "01/" + monat + " ";
        EXPECT_EQ(ist, b.stufen ? soll : ist);
        // Stufe 1 never lies after the appointment's month, and the steps rise.
        EXPECT_LE(e.stufe1, *datumAusText("01" + b.fall.ernennung.substr(2)));
        for (std::size_t s = 1; s < e.stufen.size(); ++s) EXPECT_LT(e.stufen[s - 1], e.stufen[s]);
        for (std::size_t i = 0; i < b.gründe.size(); ++i)
            EXPECT_EQ(e.zeiträume.at(i).gründe, b.gründe[i]) << i;
    }
}

TEST(Stufenberechnung, Beispiel2ZähltFünfzigMonateUndZehnTage) {
    const auto e = stufenberechnen(beispiele[1].fall);
    EXPECT_EQ(e.anerkannt, (Zeitspanne{10, 2, 4}));
    EXPECT_EQ(e.zeiträume[2].angerechnet, (Zeitspanne{10, 3, 2}));
    EXPECT_EQ(textAusDatum(e.stufe1), "01/06/2011");
}

TEST(Stufenberechnung, UnvollständigeEingaben) {
    EXPECT_FALSE(stufenberechnen(fall("31/02/2012", {})).berechnet);
    const auto e = stufenberechnen(
        fall("15/03/2012", {"hauptberuflich 01/01/2005 __/__/____", "soldat 01/01/2006 31/12/2005"}));
    EXPECT_EQ(e.zeiträume[0].gründe, std::vector{K::unvollständig});
    EXPECT_EQ(e.zeiträume[1].gründe, std::vector{K::endeVorBeginn});
    EXPECT_EQ(e.anerkanntMonate, 0);

    // Blanks around a person's name do not make another person.
    Stufenfall zweimalAnna = fall(
        "01/01/2010", {"kinderbetreuung 01/01/2000 30/06/2002", "kinderbetreuung 01/01/2004 30/06/2006"});
    zweimalAnna.zeiträume[0].person = "Anna";
    zweimalAnna.zeiträume[1].person = " Anna ";
    EXPECT_EQ(stufenberechnen(zweimalAnna).anerkanntMonate, 36);
}

// The caps are shared by a maximal allocation, so that a recognised period added before the appointment
// never moves a step later (a first-come rule would let it push out a later care period).
TEST(Stufenberechnung, WeitereAnerkannteZeitVerschiebtKeineStufeNachHinten) {
    using namespace std::chrono;
    std::mt19937 zufall(2009);
    auto zahl = [&](int von, int bis) { return std::uniform_int_distribution(von, bis)(zufall); };
    auto tag = [](int n) { return textAusDatum(year_month_day{sys_days{1990y / January / 1} + days{n}}); };
    // A period starting before `spätestens`; a recognised one also ends before it.
    auto zeitraum = [&](int spätestens, bool anerkannt) {
        const int beginn = zahl(0, spätestens - 1);
        const int ende = anerkannt ? zahl(beginn, spätestens - 1) : zahl(beginn, beginn + 2000);
        return Stufenzeitraum{tag(beginn),
                              tag(ende),
                              zeitarten[zahl(0, anerkannt ? 6 : 8)].art,
                              std::string(1, static_cast<char>('A' + zahl(0, 2))),
                              anerkannt || zahl(0, 1) == 1,
                              ""};
    };
    for (int n = 0; n < 5000; ++n) {
        const int ernennung = zahl(6000, 9000);
        Stufenfall f{9, zahl(0, 3) == 0, tag(ernennung), {}};
        for (int i = zahl(0, 7); i > 0; --i) f.zeiträume.push_back(zeitraum(9000, false));
        const auto vorher = stufenberechnen(f);
        f.zeiträume.push_back(zeitraum(ernennung, true));
        const auto nachher = stufenberechnen(f);
        for (std::size_t s = 0; s < vorher.stufen.size(); ++s)
            ASSERT_LE(nachher.stufen[s], vorher.stufen[s]) << "Stufe " << s + 1 << ", Fall " << n;
    }
}

// Two years apart up to step 5, three up to step 9, four beyond; later steps from the first of the month.
TEST(Stufenplan, ZweiDreiUndVierJahreAbstand) {
    const char* const ab[] = {"29/02/1996", "01/02/1998", "01/02/2000", "01/02/2002",
                              "01/02/2004", "01/02/2007", "01/02/2010", "01/02/2013",
                              "01/02/2016", "01/02/2020", "01/02/2024", "01/02/2028"};
    const Stufenfolge plan = stufenplan(*datumAusText("29/02/1996"));
    for (int i = 0; i < anzahlStufen; ++i) EXPECT_EQ(textAusDatum(plan[i].ab), ab[i]) << "step " << i + 1;
}

TEST(Stufenplan, StufeAmTagDerErnennung) {
    const Stufenfolge plan = stufenplan(*datumAusText("01/01/1990"));  // step 6 from 01/01/2001
    const std::pair<const char*, int> tage[] = {
        {"31/12/1989", 0}, {"01/01/1990", 1}, {"31/12/2000", 5}, {"01/01/2001", 6}, {"31/12/2040", 12}};
    for (const auto& [tag, stufe] : tage) EXPECT_EQ(stufeAm(plan, *datumAusText(tag)), stufe) << tag;
}

}  // namespace
}  // namespace bda
