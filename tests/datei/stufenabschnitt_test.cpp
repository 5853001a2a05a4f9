// The experience step's section of a case file: the documented example opens and is written again as it
// stands, stored results that the rules do not give are named, a case with or without the section
// survives saving and opening, and each value the section may not hold is refused.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "Dateiinhalt.h"
#include "Fallablage.h"
#include "Fallformat.h"
#include "Fallgenerator.h"
#include "Fallwiedergabe.h"

namespace bda::datei {

#if !defined(BEISPIELDATEI) || !defined(FORMATBESCHREIBUNG)
#error "BEISPIELDATEI and FORMATBESCHREIBUNG must name tests/datei/beispiel.bda and docs/fallformat.md"
#endif

namespace {

// The third worked example of the step: A 9, appointed 15/03/2012, unpaid leave 10/04/2018 to 24/09/2018
// (5 months 15 days, rounded down to 5): Stufen 4 to 8 each 5 months later.
const std::string zeitraum = R"(      {
        "beginn": "10/04/2018",
        "ende": "24/09/2018",
        "art": "ohne_bezuege",
        "person": "",
        "anerkannt": false,
        "beschreibung": "Sonderurlaub ohne Bezüge"
      })";

std::string abschnitt(int zeiträume = 1) {
    std::string liste;
    for (int i = 0; i < zeiträume; ++i) liste += (i ? ",\n" : "") + zeitraum;
    return R"(  "erfahrungsstufe": {
    "amt": 9,
    "einfacher_dienst": false,
    "ernennung": "15/03/2012",
    "zeitraeume": [
)" + liste +
           R"(
    ],
    "ergebnis": {
      "stufe1": "01/03/2012",
      "bei_ernennung": 1,
      "stufen": ["01/03/2012", "01/03/2014", "01/03/2017", "01/08/2020", "01/08/2023", "01/08/2027", "01/08/2031", "01/08/2035"],
      "anerkannt_monate": 0,
      "verzoegerung_monate": 5
    }
  }
)";
}

// The documented example with the section behind its results.
std::string mitAbschnitt(int zeiträume = 1) {
    std::string text = dateiinhalt(BEISPIELDATEI);
    return text.replace(text.rfind("  }\n}"), 5, "  },\n" + abschnitt(zeiträume) + "}");
}

TEST(Stufenabschnitt, BeispielDerBeschreibung) {
    const std::string text = mitAbschnitt();
    const Falldatei datei = falldateiAusText(text);
    ASSERT_TRUE(datei.erfahrungsstufe);
    const Stufenfall& fall = *datei.erfahrungsstufe;
    EXPECT_EQ(fall.ernennung, "15/03/2012");
    ASSERT_EQ(fall.zeiträume.size(), 1u);
    EXPECT_EQ(fall.zeiträume[0].art, Zeitart::ohneBezüge);
    EXPECT_EQ(fall.zeiträume[0].beschreibung, "Sonderurlaub ohne Bezüge");
    const Wiedergabe w = wiedergeben(datei);
    EXPECT_TRUE(w.abweichungen.empty()) << w.abweichungen.front().was;
    EXPECT_EQ(falltext(falldateiVon(w)), text);
    EXPECT_NE(dateiinhalt(FORMATBESCHREIBUNG).find("```json\n" + abschnitt() + "```"), std::string::npos)
        << "docs/fallformat.md shows the section as the program writes it";
}

// Stored results that the rules do not give (a file saved before a rule change): each is named with both
// values, and the BDA's results are not among them.
TEST(Stufenabschnitt, AbweichendeErgebnisse) {
    std::string text = mitAbschnitt();
    for (const auto& [alt, neu] : {std::pair{"\"01/08/2020\"", "\"01/07/2020\""},
                                   {"\"verzoegerung_monate\": 5", "\"verzoegerung_monate\": 4"},
                                   {"\"bei_ernennung\": 1", "\"bei_ernennung\": 2"}}) {
        text.replace(text.find(alt), std::string_view(alt).size(), neu);
    }
    const std::vector<Abweichung> erwartet = {
        {"Erfahrungsstufe, Stufe bei der Ernennung", "Stufe 2", "Stufe 1"},
        {"Erfahrungsstufe, Stufe 4 ab", "01/07/2020", "01/08/2020"},
        {"Erfahrungsstufe, Verzögerung", "4 Monate", "5 Monate"},
    };
    EXPECT_EQ(wiedergeben(falldateiAusText(text)).abweichungen, erwartet);
}

// Cases saved and opened again: the step case comes back as it was, with every kind, a person, a
// granted period, texts with escapes and a date typed halfway; a case without it writes no section.
TEST(Stufenabschnitt, SpeichernUndOeffnen) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const std::string pfad = ordner.filePath(QStringLiteral("fall.bda")).toStdString();
    Stufenfall voll;
    voll.amt = 16;
    voll.einfacherDienst = true;
    voll.ernennung = "01/01/2030";
    for (const Zeitartangabe& art : zeitarten) {
        voll.zeiträume.push_back({.beginn = "01/01/2001",
                                  .ende = "31/12/2001",
                                  .art = art.art,
                                  .person = "Jürgen \"Jo\"",
                                  .anerkannt = true,
                                  .beschreibung = "Zeile 1\nZeile\t2"});
    }
    voll.zeiträume.back().ende = "15/0_/____";
    const struct {
        const char* name;
        std::optional<Stufenfall> fall;
    } zeilen[] = {
        {"ohne Abschnitt", std::nullopt},
        {"leerer Stufenfall", Stufenfall{}},
        {"jede Art", voll},
    };
    Fallgenerator generator(22);
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        Falldatei datei = falldateiVon(generator.nächster());
        datei.erfahrungsstufe = zeile.fall;
        Fallablage::speichern(pfad, datei);
        const Wiedergabe w = wiedergeben(Fallablage::öffnen(pfad));
        EXPECT_EQ(w.erfahrungsstufe, zeile.fall);
        EXPECT_TRUE(w.abweichungen.empty()) << w.abweichungen.front().was;
        EXPECT_EQ(falltext(falldateiVon(w)), dateiinhalt(pfad));
        EXPECT_EQ(dateiinhalt(pfad).find("erfahrungsstufe") != std::string::npos, zeile.fall.has_value());
    }
    // What the reader refuses is not saved, and the old file stays as it was.
    const std::string vorher = dateiinhalt(pfad);
    Falldatei falsch = falldateiVon(generator.nächster());
    falsch.erfahrungsstufe = Stufenfall{};
    falsch.erfahrungsstufe->ernennung = "31/02/2012";
    try {
        Fallablage::speichern(pfad, falsch);
        ADD_FAILURE() << "gespeichert";
    } catch (const Falldateifehler& fehler) {
        EXPECT_NE(std::string(fehler.what())
                      .find("in „Erfahrungsstufe, Ernennung“ steht eine unzulässige "
                            "Angabe. Den 31/02/2012 gibt es nicht."),
                  std::string::npos)
            << fehler.what();
    }
    EXPECT_EQ(dateiinhalt(pfad), vorher);
}

// Each value the section may not hold is refused with the field and the value; the value next to it
// is read.
TEST(Stufenabschnitt, UnzulaessigeWerte) {
    const std::string beispiel = mitAbschnitt();
    const auto geändert = [&](const std::string& alt, const std::string& neu) {
        std::string text = beispiel;
        const auto stelle = text.find(alt);
        EXPECT_NE(stelle, std::string::npos) << alt;
        return stelle == std::string::npos ? text : text.replace(stelle, alt.size(), neu);
    };
    const struct {
        const char* name;
        std::string text;
        std::string meldung;  // the start of the refusal; empty when the file is read
    } zeilen[] = {
        {"Amt A 1", geändert("\"amt\": 9", "\"amt\": 1"),
         "Erfahrungsstufe, Amt: Das Amt A 1 gibt es nicht (A 2 bis A 16). Bitte den Wert in der Datei"},
        {"Amt A 2", geändert("\"amt\": 9", "\"amt\": 2"), ""},
        {"Amt A 16", geändert("\"amt\": 9", "\"amt\": 16"), ""},
        {"Amt A 17", geändert("\"amt\": 9", "\"amt\": 17"),
         "Erfahrungsstufe, Amt: Das Amt A 17 gibt es nicht"},
        {"Amt als Text", geändert("\"amt\": 9", "\"amt\": \"A 9\""),
         "Erfahrungsstufe, Amt muss eine ganze Zahl sein."},
        {"unbekannte Art", geändert("ohne_bezuege", "urlaub"),
         "Erfahrungsstufe, Zeitraum 1: Die Art „urlaub“ gibt es nicht (hauptberuflich, soldat, wehrdienst, "
         "verfolgung, kinderbetreuung, pflege, foerderlich, ohne_bezuege, beurlaubung_dienstlich)."},
        {"31. April", geändert("10/04/2018", "31/04/2018"),
         "Erfahrungsstufe, Zeitraum 1, Beginn: Den 31/04/2018 gibt es nicht."},
        {"Datum ohne Maske", geändert("24/09/2018", "24.09.2018"),
         "Erfahrungsstufe, Zeitraum 1, Ende „24.09.2018“ hat nicht die Form TT/MM/JJJJ"},
        {"Ernennung 01/01/2041", geändert("15/03/2012", "01/01/2041"),
         "Erfahrungsstufe, Ernennung: Das Datum 01/01/2041 ist ungültig."},
        {"Ernennung 31/12/2040", geändert("15/03/2012", "31/12/2040"), ""},
        {"halb getippte Ernennung", geändert("15/03/2012", "15/03/____"), ""},
        {"anerkannt als Text", geändert("\"anerkannt\": false", "\"anerkannt\": \"nein\""),
         "Erfahrungsstufe, Zeitraum 1, anerkannt muss true oder false sein."},
        {"Person zweimal", geändert("\"person\": \"\",", "\"person\": \"\", \"person\": \"Anna\","),
         "Der Eintrag „person“ steht zweimal im selben Objekt"},
        {"Ergebnis fehlt", geändert("\"ergebnis\": {\n      \"stufe1", "\"notiz\": {\n      \"stufe1"),
         "Der Eintrag „erfahrungsstufe.ergebnis“ fehlt."},
        {"40 Zeiträume", mitAbschnitt(40), ""},
        {"41 Zeiträume", mitAbschnitt(41),
         "Erfahrungsstufe: Es sind mehr als 40 Zeiträume; ein Fall hat höchstens 40."},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        try {
            falldateiAusText(zeile.text);
            EXPECT_EQ(zeile.meldung, "") << "gelesen";
        } catch (const Formatfehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()).substr(0, zeile.meldung.size()), zeile.meldung);
            EXPECT_NE(zeile.meldung, "") << fehler.what();
        }
    }
}

}  // namespace

}  // namespace bda::datei
