// bda-fall's experience step: script lines give the JSON values of the worked examples and of
// rows that show each word of the "stufe" actions at work (the einfacher Dienst, a granted period, the
// cap per person). Expected values are worked by hand from the rules.

#include <gtest/gtest.h>

#include <sstream>

#include "Fallausgabe.h"
#include "Fallskript.h"
#include "Jsonleser.h"

namespace bda::werkzeug {

namespace {

struct Stufenwerte {
    std::string stufe1;
    int beiErnennung = -1;
    std::vector<std::string> stufen;
    int anerkanntMonate = -1;
    int verzögerungMonate = -1;

    bool operator==(const Stufenwerte&) const = default;
};

std::ostream& operator<<(std::ostream& aus, const Stufenwerte& w) {
    aus << w.stufe1 << ", bei Ernennung " << w.beiErnennung << ", anerkannt " << w.anerkanntMonate
        << ", Verzögerung " << w.verzögerungMonate << ", Stufen";
    for (const auto& s : w.stufen) aus << " " << s;
    return aus;
}

// The object "erfahrungsstufe" of the tool's JSON, read as any reader of it would.
Stufenwerte werteAus(const std::string& json) {
    datei::Jsonleser leser(json);
    Stufenwerte w;
    leser.objekt([&](std::string_view schlüssel) {
        if (schlüssel != "erfahrungsstufe") return leser.überspringen();
        leser.objekt([&](std::string_view name) {
            if (name == "stufe1") {
                w.stufe1 = leser.text();
            } else if (name == "bei_ernennung") {
                w.beiErnennung = static_cast<int>(leser.zahl());
            } else if (name == "stufen") {
                leser.liste([&](int) { w.stufen.push_back(leser.text()); });
            } else if (name == "anerkannt_monate") {
                w.anerkanntMonate = static_cast<int>(leser.zahl());
            } else if (name == "verzoegerung_monate") {
                w.verzögerungMonate = static_cast<int>(leser.zahl());
            } else {
                leser.überspringen();
            }
        });
    });
    leser.ende();
    return w;
}

std::vector<std::string> stufenAb(const char* erste, std::initializer_list<const char*> weitere) {
    std::vector<std::string> stufen{erste};
    stufen.insert(stufen.end(), weitere.begin(), weitere.end());
    return stufen;
}

TEST(Stufenskript, BeispieleUndWoerter) {
    // Example 1: A 9, appointed 15/03/2012, no periods. Steps 2, 3, 3, 3, 4, 4, 4 years apart.
    const std::vector<std::string> beispiel1 = stufenAb(
        "01/03/2012",
        {"01/03/2014", "01/03/2017", "01/03/2020", "01/03/2023", "01/03/2027", "01/03/2031", "01/03/2035"});
    const struct {
        const char* name;
        const char* skript;
        Stufenwerte erwartet;
    } zeilen[] = {
        {"Beispiel 1", "stufe amt A 9\nstufe ernennung 15/03/2012\n", {"01/03/2012", 1, beispiel1, 0, 0}},
        // 9 + 14 + 27 months 10 days = 50 months 10 days, rounded up to 51: 01/09/2015 less 51 months.
        {"Beispiel 2",
         "stufe amt A 10\nstufe ernennung 01/09/2015\n"
         "stufe zeitraum 01/07/2003 31/03/2004 wehrdienst\n"
         "stufe zeitraum 01/05/2005 30/06/2006 kinderbetreuung Anna\n"
         "stufe zeitraum 01/01/2008 10/04/2010 hauptberuflich\n",
         {"01/06/2011", 2,
          stufenAb("01/06/2011", {"01/06/2013", "01/06/2016", "01/06/2019", "01/06/2022", "01/06/2026",
                                  "01/06/2030", "01/06/2034"}),
          51, 0}},
        // 5 months 15 days without pay, rounded down to 5: Stufe 4 and later 5 months on.
        {"Beispiel 3",
         "stufe ernennung 15/03/2012\nstufe zeitraum 10/04/2018 24/09/2018 ohne_bezuege\n",
         {"01/03/2012", 1,
          stufenAb("01/03/2012", {"01/03/2014", "01/03/2017", "01/08/2020", "01/08/2023", "01/08/2027",
                                  "01/08/2031", "01/08/2035"}),
          0, 5}},
        {"Beispiel 3 mit Elternzeit",
         "stufe ernennung 15/03/2012\nstufe zeitraum 10/04/2018 24/09/2018 kinderbetreuung\n",
         {"01/03/2012", 1, beispiel1, 0, 0}},
        // Stufen 5 to 7 last 3 years each.
        {"einfacher Dienst",
         "stufe amt A 5\nstufe einfach ja\nstufe ernennung 15/03/2012\n",
         {"01/03/2012", 1,
          stufenAb("01/03/2012", {"01/03/2014", "01/03/2017", "01/03/2020", "01/03/2023", "01/03/2026",
                                  "01/03/2029", "01/03/2032"}),
          0, 0}},
        // 12 months granted: Stufe 1 from 01/03/2011, Stufe 2 from 01/03/2013.
        {"förderlich, anerkannt",
         "stufe ernennung 15/03/2012\nstufe zeitraum 01/01/2010 31/12/2010 foerderlich anerkannt\n",
         {"01/03/2011", 1,
          stufenAb("01/03/2011", {"01/03/2013", "01/03/2016", "01/03/2019", "01/03/2022", "01/03/2026",
                                  "01/03/2030", "01/03/2034"}),
          12, 0}},
        // 2 x 24 months of care: one child's cap is 36 months, two children's 48 months in all.
        {"ein Kind, zwei Zeiträume",
         "stufe ernennung 15/03/2012\nstufe zeitraum 01/01/2000 31/12/2001 kinderbetreuung Anna\n"
         "stufe zeitraum 01/01/2002 31/12/2003 kinderbetreuung Anna\n",
         {"01/03/2009", 2,
          stufenAb("01/03/2009", {"01/03/2011", "01/03/2014", "01/03/2017", "01/03/2020", "01/03/2024",
                                  "01/03/2028", "01/03/2032"}),
          36, 0}},
        {"zwei Kinder",
         "stufe ernennung 15/03/2012\nstufe zeitraum 01/01/2000 31/12/2001 kinderbetreuung Anna\n"
         "stufe zeitraum 01/01/2002 31/12/2003 kinderbetreuung Ben\n",
         {"01/03/2008", 2,
          stufenAb("01/03/2008", {"01/03/2010", "01/03/2013", "01/03/2016", "01/03/2019", "01/03/2023",
                                  "01/03/2027", "01/03/2031"}),
          48, 0}},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        Fallskript skript;
        std::istringstream strom(zeile.skript);
        skript.abspielen(strom);
        EXPECT_EQ(werteAus(alsJson(skript)), zeile.erwartet);
    }
}

}  // namespace

}  // namespace bda::werkzeug
