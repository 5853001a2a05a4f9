// Case files: generated cases survive saving and opening, the documented examples are read and written
// again as they stand, stored results the rules do not give are named, every value a file may not hold is
// refused, and the JSON reader follows the standard. On disk, each fault of opening and saving is refused
// with a German message that names the file and says what to do, and a failed save leaves the old file
// byte for byte as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Datentraeger.h"
#include "Fallablage.h"
#include "Fallformat.h"
#include "Fallgenerator.h"
#include "Fallregeln.h"
#include "Fallwiedergabe.h"
#include "Jsonleser.h"
#include "core/Falltest.h"

namespace bda::datei {

namespace {

// A file's bytes as they lie on disk.
std::string dateiinhalt(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

// The experience step's section as docs/fallformat.md shows it (A 9, appointed 15/03/2012, unpaid leave
// 10/04/2018 to 24/09/2018: Stufen 4 to 8 each 5 months later), its period given `zeiträume` times.
std::string abschnitt(int zeiträume = 1) {
    const std::string beschreibung = dateiinhalt(FORMATBESCHREIBUNG);
    const auto anfang = beschreibung.find("```json\n  \"erfahrungsstufe\"") + 8;
    std::string text = beschreibung.substr(anfang, beschreibung.find("```", anfang) - anfang);
    const auto von = text.find("      {"), bis = text.find("      }", von) + 7;
    const std::string zeitraum = text.substr(von, bis - von);
    for (int i = 1; i < zeiträume; ++i) text.insert(bis, ",\n" + zeitraum);
    return text;
}

// The documented example with the section behind its results.
std::string mitAbschnitt(int zeiträume = 1) {
    std::string text = dateiinhalt(BEISPIELDATEI);
    return text.replace(text.rfind("  }\n}"), 5, "  },\n" + abschnitt(zeiträume) + "}");
}

// The example with each `alt` replaced by its `neu`.
std::string geändert(std::initializer_list<std::pair<const char*, std::string>> ersetzungen) {
    std::string text = mitAbschnitt();
    for (const auto& [alt, neu] : ersetzungen) {
        const auto stelle = text.find(alt);
        EXPECT_NE(stelle, std::string::npos) << alt;
        if (stelle != std::string::npos) text.replace(stelle, std::strlen(alt), neu);
    }
    return text;
}

std::string mit(const char* alt, const std::string& neu) { return geändert({{alt, neu}}); }

// Each generated case is saved and opened again: it is the case that was saved, everything the window
// shows included, and saved again it is the same text.
TEST(Falldatei, GenerierteFaelleUeberstehenSpeichernUndOeffnen) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fall.bda"));
    Fallgenerator generator(4711);
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE("Fall " + std::to_string(i));
        const Fall fall = generator.nächster();
        Fallablage::speichern(pfad, falldateiVon(fall));
        const Wiedergabe wiedergabe = wiedergeben(Fallablage::öffnen(pfad));
        EXPECT_EQ(fallregeln::unterschied(fall, wiedergabe.fall), "");
        EXPECT_TRUE(wiedergabe.abweichungen.empty()) << wiedergabe.abweichungen.front().was;
        ASSERT_EQ(falltext(falldateiVon(wiedergabe.fall)), dateiinhalt(pfad.toStdString()));
    }
}

// A step case saved and opened comes back as it was: every kind, a person, a granted period, texts with
// escapes, a date typed halfway; a case without one writes no section.
TEST(Falldatei, StufenfallUebersteht) {
    QTemporaryDir ordner;
    const std::string pfad = ordner.filePath(QStringLiteral("fall.bda")).toStdString();
    Stufenfall voll{16, true, "01/01/2030", {}};
    for (const Zeitartangabe& art : zeitarten) {
        voll.zeiträume.push_back(
            {"01/01/2001", "31/12/2001", art.art, "Jürgen \"Jo\"", true, "Zeile 1\nZ\t2"});
    }
    voll.zeiträume.back().ende = "15/0_/____";
    Fallgenerator generator(22);
    for (const auto& stufenfall :
         {std::optional<Stufenfall>{}, std::optional{Stufenfall{}}, std::optional{voll}}) {
        Falldatei datei = falldateiVon(generator.nächster());
        datei.erfahrungsstufe = stufenfall;
        Fallablage::speichern(pfad, datei);
        const Wiedergabe w = wiedergeben(Fallablage::öffnen(pfad));
        EXPECT_EQ(w.erfahrungsstufe, stufenfall);
        EXPECT_TRUE(w.abweichungen.empty()) << w.abweichungen.front().was;
        EXPECT_EQ(falltext(falldateiVon(w)), dateiinhalt(pfad));
        EXPECT_EQ(dateiinhalt(pfad).find("erfahrungsstufe") != std::string::npos, stufenfall.has_value());
    }
}

// The documented examples. The case: born 15/06/1970, appointed 15/06/2008 as A 1 to A 12, 7 years past
// the 31st birthday, 4 of them in the quarter frame; one year of military service in it, half a year of
// parental leave in the half frame: quarter of 3 years = 9 months, half of 2 years 6 months = 1 year 3
// months, 2 years in all, so 01/06/1991 becomes 01/06/1993. The step's section holds what the rules give.
// Both are written again byte for byte: docs/fallformat.md shows them as the program writes them.
TEST(Falldatei, BeispieleDerBeschreibung) {
    const Wiedergabe w = wiedergeben(Fallablage::öffnen(QStringLiteral(BEISPIELDATEI)));
    EXPECT_TRUE(w.abweichungen.empty());
    EXPECT_FALSE(w.erfahrungsstufe);
    EXPECT_EQ(w.fall.datum[Feld::regelBDA], "01/06/1991");
    EXPECT_EQ(w.fall.rahmen1[7], (Zeitspanne{0, 9, 0}));
    EXPECT_EQ(w.fall.rahmen2[1], (Zeitspanne{0, 6, 0}));
    EXPECT_EQ(w.fall.rahmen2[7], (Zeitspanne{0, 3, 1}));
    EXPECT_EQ(w.fall.gesamt, (Zeitspanne{0, 0, 2}));
    EXPECT_EQ(w.fall.bdaDatum, "01/06/1993.");
    EXPECT_EQ(falltext(falldateiVon(w.fall)), dateiinhalt(BEISPIELDATEI));
    const Wiedergabe stufe = wiedergeben(falldateiAusText(mitAbschnitt()));
    ASSERT_TRUE(stufe.erfahrungsstufe);
    EXPECT_TRUE(stufe.abweichungen.empty()) << stufe.abweichungen.front().was;
    EXPECT_EQ(falltext(falldateiVon(stufe)), mitAbschnitt());
    EXPECT_NE(dateiinhalt(FORMATBESCHREIBUNG).find("```json\n" + dateiinhalt(BEISPIELDATEI) + "```"),
              std::string::npos);
}

// A file written by hand: keys in another order, unknown keys, escapes, fields left out, and results
// that are not what the case gives. The recomputed case is shown, each differing result named with both
// values; for the step too, without the BDA's results among them.
TEST(Falldatei, HandgeschriebeneDateiMitFalschenErgebnissen) {
    const std::string text = R"({
      "ergebnis": {"bda": "01/01/2000", "gesamt": [0, 3, 2], "ueberschritten": [0, 0, 7],
                   "rahmen2": {"zeilen": [[0,0,3],[0,0,0],[0,0,0],[0,0,0],[0,0,0],[0,0,0],[0,0,3],[0,6,1]],
                               "sichtbar": true},
                   "rahmen1": {"sichtbar": true,
                               "zeilen": [[0,0,4],[0,0,2],[0,0,0],[0,0,0],[0,0,0],[0,0,1],[0,0,3],[0,9,0]]}},
      "kommentar": ["von Hand", {"a": null}, 1.5e3, false],
      "bescheid": {"bezugsjahr": 0, "name": "J\u00fcrgen \"Jo\" Gro\u00df \ud83d\ude00", "anrede": "b",
                   "anschrift1": "", "anschrift2": "", "dienstanschrift": "", "bescheiddatum": "",
                   "geschaeftszeichen": "Az. 12/3"},
      "version": 1,
      "eingaben": {"beschreibung": ["Wehr\tdienst", "", "", "", "", "", "", ""], "eingangsamt": 0,
                   "datum": {"4": "31/12/2002", "0": "15/06/1970", "3": "01/01/2002", "2": "15/06/2008"}},
      "format": "bda-fall"
    })";
    const Falldatei datei = falldateiAusText(text);
    EXPECT_EQ(datei.name, "Jürgen \"Jo\" Groß 😀");
    EXPECT_EQ(datei.eingabe[0], "Wehr\tdienst");
    EXPECT_FALSE(datei.datum[5]);
    const Wiedergabe w = wiedergeben(datei);
    EXPECT_EQ(w.fall.datum[Feld::vollendung21], "14/06/1991");
    EXPECT_EQ(w.fall.bdaDatum, "01/09/1993.");
    EXPECT_EQ(w.fall.bescheid.geschäftszeichen.text(), "Az. 12/3" + std::string(32, ' '));
    EXPECT_EQ(w.abweichungen,
              (std::vector<Abweichung>{{"BDA", "01/01/2000", "01/09/1993"},
                                       {"Viertel, Zeitraum 1", "0 T, 0 M, 2 J", "0 T, 0 M, 1 J"}}));

    const std::vector<Abweichung> stufe = {
        {"Erfahrungsstufe, Stufe bei der Ernennung", "Stufe 2", "Stufe 1"},
        {"Erfahrungsstufe, Stufe 4 ab", "01/07/2020", "01/08/2020"},
        {"Erfahrungsstufe, Verzögerung", "4 Monate", "5 Monate"},
    };
    EXPECT_EQ(
        wiedergeben(falldateiAusText(geändert({{"\"01/08/2020\"", "\"01/07/2020\""},
                                               {"\"verzoegerung_monate\": 5", "\"verzoegerung_monate\": 4"},
                                               {"\"bei_ernennung\": 1", "\"bei_ernennung\": 2"}})))
            .abweichungen,
        stufe);
}

// A period the corrected appointment leaves outside its span is refused when typed again after the
// appointment; it comes back as the window held it: its dates shown, nothing counted. A period typed
// without Enter that Enter would refuse (it overlaps the first) counts as the window counts it.
class Wiedergabetest : public Falltest {};

TEST_F(Wiedergabetest, NichtAngerechneterZeitraumBleibtStehen) {
    grunddaten("15/06/1970", "15/06/2008");
    datum(3, "01/01/2002");
    datum(4, "31/12/2002");
    datum(2, "15/06/2002");  // the quarter span is now 15/06/2001 to 14/06/2002
    ASSERT_EQ(fall.rahmen1[1], Zeitspanne{});
    const Wiedergabe w = wiedergeben(falldateiAusText(falltext(falldateiVon(fall))));
    EXPECT_EQ(w.fall.datum[3], "01/01/2002");
    EXPECT_EQ(w.fall.datum[4], "31/12/2002");
    EXPECT_EQ(w.fall.rahmen1[1], Zeitspanne{});
    EXPECT_TRUE(w.abweichungen.empty());

    datum(2, "15/06/2008");
    fall.datum[5] = "01/06/2002";
    fall.datum[6] = "30/06/2003";
    steuerung.abgleichen();
    ASSERT_EQ(fall.rahmen1[2], (Zeitspanne{0, 1, 1}));
    const Wiedergabe überlappend = wiedergeben(falldateiAusText(falltext(falldateiVon(fall))));
    EXPECT_EQ(überlappend.fall.rahmen1[2], (Zeitspanne{0, 1, 1}));
    EXPECT_TRUE(überlappend.abweichungen.empty());
}

// Values a file may not hold are refused with the entry, the value and what to do, and those next to
// them are read: the documented example with its step section, one text changed each.
TEST(Falldatei, UnzulaessigeWerteMitIhrenNachbarn) {
    const std::string beispiel = mitAbschnitt();
    const std::string doppelt = mit("\"name\": \"Erika", "\"name\": \"Max\", \"\\u006eame\": \"Erika");
    const struct {
        std::string text;
        std::string meldung;  // a part of the refusal; empty when the file is read
    } zeilen[] = {
        {mit("15/06/2008", "01/01/2041"),
         "Datum(2), Ernennung: Das Datum 01/01/2041 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis "
         "31/12/2040."},
        {mit("15/06/2008", "31/12/2040"), ""},
        {mit("01/01/2002", "31/12/1929"),
         "Datum(3), Beginn Zeitraum 1 (Viertel): Das Datum 31/12/1929 ist ungültig."},
        {mit("01/01/2002", "01/01/1930"), ""},
        // Born 15/06/2035: the 21st birthday is 15/06/2056, the year completed on 14/06/2056, the
        // regular BDA the first of that month.
        {geändert({{"15/06/1970", "15/06/2035"}, {"01/06/1991", "01/06/2056"}, {"14/06/1991", "14/06/2056"}}),
         ""},
        {geändert({{"15/06/1970", "15/06/2035"}, {"01/06/1991", "01/07/2056"}, {"14/06/1991", "14/06/2056"}}),
         "Datum(1), Regel-Besoldungsdienstalter: Das Datum 01/07/2056 ist ungültig."},
        {doppelt, "Der Eintrag „name“ steht zweimal im selben Objekt (Byte " +
                      std::to_string(doppelt.find("\"\\u006e") + 1) +
                      "), und es ist unklar, welcher gilt. Bitte einen der beiden in der Datei löschen"},
        {mit("\"version\": 1,", "\"version\": 1, \"notiz\": {\"name\": 1},"), ""},
        {"\xEF\xBB\xBF" + beispiel, ""},
        {"\xEF\xBB\xBF{\"format\" 1}", "Sie ist kein gültiger JSON-Text: Hier fehlt „:“ (Byte 14)."},
        {beispiel + "\xC3", "Sie bricht mitten im Inhalt ab"},
        {"", "Sie ist leer."},
        {mit("\"bda-fall\"", "\"bda-akte\""),
         "Sie ist keine Falldatei des BDA-Rechners (ihr Eintrag „format“ ist nicht „bda-fall“)."},
        {mit("\"version\": 1", "\"version\": 2"), "Sie hat die Formatversion 2;"},
        {mit("01/01/2002", "1.1.2002"), "Datum(3) „1.1.2002“ hat nicht die Form"},
        {mit("\"eingangsamt\": 0", "\"eingangsamt\": 4"), "Eingangsamt 4 gibt es nicht (0 bis 3)."},
        {mit("\"eingangsamt\": 0", "\"eingangsamt\": 3"), ""},
        {mit("\"24\":", "\"25\": \"__/__/____\", \"24\":"),
         "Datum(25) gibt es in einer Falldatei nicht (erlaubt sind 0 bis 18 und 24)."},
        {mit("\"24\":", "\"19\": \"01/01/2000\", \"24\":"), "Datum(19) gibt es in einer Falldatei nicht"},
        {geändert({{"\"Grundwehrdienst\"", "\"" + std::string(61, 'x') + "\""}}),
         "Beschreibung 1 ist mit 61 Zeichen länger als 60 Zeichen."},
        {geändert({{"\"Grundwehrdienst\"", "\"" + std::string(60, 'x') + "\""}}), ""},
        {mit("\"anrede\": \"c\"", "\"anrede\": \"x\""), "Die Anrede „x“ gibt es nicht"},
        {mit("[[0, 0, 4], [0, 0, 1], ", "[[0, 0, 4], "),
         "„ergebnis.rahmen1.zeilen“ muss genau 8 Zeilen haben."},
        {mit("\"amt\": 9", "\"amt\": 1"),
         "Erfahrungsstufe, Amt: Das Amt A 1 gibt es nicht (A 2 bis A 16). Bitte den Wert in der Datei"},
        {mit("\"amt\": 9", "\"amt\": 2"), ""},
        {mit("\"amt\": 9", "\"amt\": 16"), ""},
        {mit("\"amt\": 9", "\"amt\": 17"), "Erfahrungsstufe, Amt: Das Amt A 17 gibt es nicht"},
        {mit("\"amt\": 9", "\"amt\": \"A 9\""), "Erfahrungsstufe, Amt muss eine ganze Zahl sein."},
        {mit("ohne_bezuege", "urlaub"),
         "Erfahrungsstufe, Zeitraum 1: Die Art „urlaub“ gibt es nicht (hauptberuflich,"},
        {mit("10/04/2018", "31/04/2018"),
         "Erfahrungsstufe, Zeitraum 1, Beginn: Den 31/04/2018 gibt es nicht."},
        {mit("24/09/2018", "24.09.2018"),
         "Erfahrungsstufe, Zeitraum 1, Ende „24.09.2018“ hat nicht die Form TT/MM/JJJJ"},
        {mit("15/03/2012", "01/01/2041"), "Erfahrungsstufe, Ernennung: Das Datum 01/01/2041 ist ungültig."},
        {mit("15/03/2012", "15/03/____"), ""},
        {mit("\"anerkannt\": false", "\"anerkannt\": \"nein\""),
         "Erfahrungsstufe, Zeitraum 1, anerkannt muss true oder false sein."},
        {mit("\"ergebnis\": {\n      \"stufe1", "\"notiz\": {\n      \"stufe1"),
         "Der Eintrag „erfahrungsstufe.ergebnis“ fehlt."},
        {mitAbschnitt(40), ""},
        {mitAbschnitt(41), "Erfahrungsstufe: Es sind mehr als 40 Zeiträume; ein Fall hat höchstens 40."},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE("Zeile " + std::to_string(&zeile - zeilen + 1));
        try {
            falldateiAusText(zeile.text);
            EXPECT_EQ(zeile.meldung, "") << "gelesen";
        } catch (const Formatfehler& fehler) {
            EXPECT_NE(std::string(fehler.what()).find(zeile.meldung), std::string::npos) << fehler.what();
            EXPECT_NE(zeile.meldung, "") << fehler.what();
        }
    }
}

// The JSON reader: what RFC 8259 allows is read, what it does not is refused with the place.
TEST(Jsonleser, Texte) {
    const std::pair<const char*, const char*> texte[] = {{R"("")", ""},
                                                         {R"("a\"b\\c\/d")", "a\"b\\c/d"},
                                                         {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
                                                         {R"("\u00e4\u20AC")", "ä€"},
                                                         {R"("\ud834\udd1e")", "𝄞"},
                                                         {"\"Grüße\"", "Grüße"}};
    for (const auto& [json, text] : texte) EXPECT_EQ(Jsonleser(json).text(), text) << json;
}

TEST(Jsonleser, FehlerMitStelle) {
    using enum Jsonfehler::Art;
    const struct {
        const char* name;
        std::string json;
        std::size_t stelle;
        Jsonfehler::Art art;
        const char* grund;  // a part of the message; for a name given twice, the name
    } zeilen[] = {
        {"Komma am Ende", R"({"a": 1,})", 8, ungültig, "Hier fehlt ein Name in Anführungszeichen"},
        {"führende Null", "[01]", 2, ungültig, "Hier fehlt „,“ oder „]“"},
        {"Text endet nicht", R"(["ab)", 4, abgebrochen, "Ein Text endet nicht"},
        {"Objekt endet nicht", R"({"a": [1, 2)", 11, abgebrochen, "Hier fehlt „,“ oder „]“"},
        {"halbes Wort", "[tr", 3, abgebrochen, "Hier beginnt kein Wert"},
        {"Steuerzeichen 0x1F im Text", "[\"a\x1F\"]", 3, ungültig, "Ein Steuerzeichen steht ohne Maskierung"},
        {"unbekannte Maskierung", R"(["\x"])", 3, ungültig, R"(Eine Maskierung mit „\“ ist unbekannt)"},
        {"einzelnes Surrogat", R"(["\udc00"])", 8, ungültig, R"(Eine Maskierung „\u“ nennt kein Zeichen)"},
        {"kein UTF-8", "[\"\xC3\x28\"]", 2, ungültig, "Sie ist kein UTF-8-Text"},
        {"überlanges UTF-8", "[\"\xC0\xAF\"]", 2, ungültig, "Sie ist kein UTF-8-Text"},
        {"abgeschnittenes UTF-8", "[\"\xE2\x82", 2, abgebrochen, "Sie ist kein UTF-8-Text"},
        {"Byte 0x80 am Ende", "[\"a\"]\x80", 5, ungültig, "Sie ist kein UTF-8-Text"},
        {"Name zweimal", R"({"a": 1, "a": 2})", 9, doppelterName, "a"},
        {"Name zweimal in einem inneren Objekt", R"([{"a": {"b": 1, "c": 2, "b": 3}}])", 24, doppelterName,
         "b"},
        {"ein Zeichen nach dem Ende", "{}}", 2, ungültig, "Nach dem Ende des Objekts steht noch etwas"},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        try {
            Jsonleser leser(zeile.json);
            leser.überspringen();
            leser.ende();
            ADD_FAILURE() << "gelesen";
        } catch (const Jsonfehler& fehler) {
            EXPECT_EQ(fehler.stelle, zeile.stelle);
            EXPECT_EQ(fehler.art, zeile.art);
            EXPECT_NE(std::string(fehler.what()).find(zeile.grund), std::string::npos) << fehler.what();
        }
    }
    // The check ends with the text it is given, whatever follows it in memory: "€" cut after two bytes.
    const std::string puffer = "[\"\xE2\x82\xAC\"]";
    EXPECT_THROW(Jsonleser(std::string_view(puffer).substr(0, 4)), Jsonfehler);
}

// The message of the refusal, empty when the call went through.
template <class Aufruf>
std::string meldung(Aufruf&& aufruf) {
    try {
        aufruf();
    } catch (const Falldateifehler& fehler) {
        return fehler.what();
    }
    return "";
}

class Ablagetest : public ::testing::Test {
   public:
    // A file of `text` with `rechte`.
    static std::string datei(const std::string& pfad, const std::string& text, mode_t rechte = 0644) {
        std::ofstream(pfad, std::ios::binary) << text;
        ::chmod(pfad.c_str(), rechte);
        return pfad;
    }

    // How many entries the folder holds: a failed save leaves no file of its own behind.
    std::ptrdiff_t einträge() const { return std::distance(std::filesystem::directory_iterator(ordner), {}); }

    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    const std::string pfad = ordner + "/fall.bda";
    const std::string beispiel = dateiinhalt(BEISPIELDATEI);
    const Falldatei fall = falldateiAusText(beispiel);
};

// Each row makes one fault under the name it returns and opens or saves there (the example, changed by
// the row). A refusal names the file, the fault and what to do and leaves an old file as it was; what
// goes through saves exactly the case's text, with the rights the row expects.
TEST_F(Ablagetest, StoerungenBeimOeffnenUndSpeichern) {
    std::vector<int> offen;  // FIFOs held open for writing, closed at the end
    const auto fifo = [&](const std::string& pfad) {
        ::mkfifo(pfad.c_str(), 0644);
        // A writer keeps a reader that waits for one from hanging the test: it would read nothing.
        offen.push_back(::open(pfad.c_str(), O_RDWR | O_CLOEXEC));
        return pfad;
    };
    const auto link = [](const std::string& ziel, const std::string& pfad) {
        ::symlink(ziel.c_str(), pfad.c_str());
        return pfad;
    };
    // The example filled up with blanks, which JSON passes over.
    const std::string megabyte = beispiel + std::string(1024 * 1024 - beispiel.size(), ' ');
    std::string unmöglich = beispiel;
    unmöglich.replace(unmöglich.find("15/06/1970"), 10, "31/02/1944");
    enum Tat { öffnen, speichern };
    const struct {
        const char* name;
        std::function<std::string()> anlegen;
        Tat tat;
        const char* meldung;  // a part of the refusal; nullptr when it goes through
        mode_t rechte = 0;    // the file's rights after a save that went through; 0: not checked
        std::function<void(Falldatei&)> ändern = [](Falldatei&) {};
    } zeilen[] = {
        {"FIFO öffnen", [&] { return fifo(ordner + "/rohr.bda"); }, öffnen,
         "ist eine benannte Pipe (FIFO), keine Falldatei. Bitte eine Datei mit der Endung .bda wählen."},
        {"über eine FIFO speichern", [&] { return fifo(ordner + "/rohr2.bda"); }, speichern,
         "Unter diesem Namen steht eine benannte Pipe (FIFO), keine Falldatei. Bitte einen anderen Namen "
         "wählen."},
        {"Schleife von Verknüpfungen öffnen", [&] { return link("kreis.bda", ordner + "/kreis.bda"); },
         öffnen, "Der Name ist eine Verknüpfung, die im Kreis führt. Bitte die Verknüpfung löschen"},
        {"über eine Verknüpfung auf eine Falldatei speichern",
         [&] { return link(datei(ordner + "/ziel.bda", "alt"), ordner + "/verweis.bda"); }, speichern,
         nullptr},
        {"1 MB und ein Byte", [&] { return datei(ordner + "/gross.bda", megabyte + " "); }, öffnen,
         "Sie ist mit 1.048.577 Bytes zu groß für eine Falldatei (höchstens 1.048.576 Bytes, 1 MB)."},
        {"genau 1 MB", [&] { return datei(ordner + "/mb.bda", megabyte); }, öffnen, nullptr},
        {"Name von 256 Bytes", [&] { return ordner + "/" + std::string(252, 'x') + ".bda"; }, speichern,
         "Der Name ist für das Dateisystem zu lang. Bitte einen kürzeren Namen wählen."},
        {"Name von 255 Bytes", [&] { return ordner + "/" + std::string(251, 'x') + ".bda"; }, speichern,
         nullptr},
        {"Ordner fehlt", [&] { return ordner + "/fehlt/fall.bda"; }, speichern,
         "/fehlt“ gibt es nicht. Bitte einen vorhandenen Ordner wählen."},
        {"Datei statt Ordner", [&] { return datei(ordner + "/notiz", "x") + "/fall.bda"; }, speichern,
         "Ein Teil des Pfads ist kein Ordner, sondern eine Datei."},
        {"Ordner statt Datei", [&] { return ordner; }, speichern,
         "Unter diesem Namen steht ein Ordner, keine Falldatei."},
        {"unmögliches Datum öffnen", [&] { return datei(ordner + "/datum.bda", unmöglich); }, öffnen,
         "Datum(0), Geburtstag: Den 31/02/1944 gibt es nicht. Bitte den Wert in der Datei berichtigen"},
        {"Name nicht UTF-8", [&] { return ordner + "/M\xFCller.bda"; }, speichern, nullptr},
        // Root may write the file; the save keeps its rights.
        {"schreibgeschützte Datei (Rechte 0444)",
         [&] { return datei(ordner + "/geschuetzt.bda", "alt", 0444); }, speichern,
         ::geteuid() == 0 ? nullptr : "Sie ist schreibgeschützt.", 0444},
        // Saving writes only what opens again: a date typed without Enter while it can still become one.
        {"unmögliches Datum speichern", [&] { return datei(ordner + "/a.bda", "alt"); }, speichern,
         "“ gespeichert, denn im Feld „Geburtstag“ steht „31/02/1944“. Den 31/02/1944 gibt es nicht. Bitte "
         "das Datum berichtigen, mit der Enter-Taste bestätigen und dann erneut speichern.",
         0, [](Falldatei& f) { f.datum[0] = "31/02/1944"; }},
        {"halb getippten Geburtstag speichern", [&] { return datei(ordner + "/b.bda", "alt"); }, speichern,
         nullptr, 0, [](Falldatei& f) { f.datum[0] = "12/0_/____"; }},
        {"unmögliche Ernennung der Erfahrungsstufe speichern",
         [&] { return datei(ordner + "/c.bda", "alt"); }, speichern,
         "in „Erfahrungsstufe, Ernennung“ steht eine unzulässige Angabe. Den 31/02/2012 gibt es nicht.", 0,
         [](Falldatei& f) {
             f.erfahrungsstufe = Stufenfall{9, false, "31/02/2012", {}};
         }},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        const std::string pfad = zeile.anlegen();
        Falldatei geändert = fall;
        zeile.ändern(geändert);
        struct stat status {};
        const bool hatteDatei = ::stat(pfad.c_str(), &status) == 0 && S_ISREG(status.st_mode);
        const std::string vorher = hatteDatei ? dateiinhalt(pfad) : "";
        const std::string text = zeile.tat == öffnen
                                     ? meldung([&] { Fallablage::öffnen(pfad); })
                                     : meldung([&] { Fallablage::speichern(pfad, geändert); });
        if (!zeile.meldung) {
            EXPECT_EQ(text, "");
            if (zeile.tat == speichern) {
                EXPECT_EQ(dateiinhalt(pfad), falltext(geändert));
                EXPECT_EQ(Fallablage::öffnen(pfad).datum, geändert.datum);
            }
            ::stat(pfad.c_str(), &status);
            EXPECT_EQ(zeile.rechte ? status.st_mode & 07777 : 0, zeile.rechte);
            continue;
        }
        EXPECT_NE(text.find("„" + pfad + "“"), std::string::npos) << text;
        EXPECT_NE(text.find(zeile.meldung), std::string::npos) << text;
        EXPECT_EQ(hatteDatei ? dateiinhalt(pfad) : "", vorher);
    }
    for (int datei : offen) ::close(datei);
    // The link still leads to its file; the name that is no UTF-8 is the name on disk, which Qt cannot
    // name to remove it.
    EXPECT_TRUE(std::filesystem::is_symlink(ordner + "/verweis.bda"));
    EXPECT_EQ(dateiinhalt(ordner + "/ziel.bda"), falltext(fall));
    EXPECT_EQ(::unlink((ordner + "/M\xFCller.bda").c_str()), 0);
}

// A full disk, as a small tmpfs or, where mounting is not allowed, an injected write error: the save is
// refused with the reason, the old file keeps every byte and nothing of the save is left behind.
TEST_F(Ablagetest, VollerDatentraeger) {
    Datentraeger platte(tmp.path());
    Fallablage::speichern(pfad, fall);
    platte.füllen();
    const auto vorher = einträge();
    Falldatei geändert = fall;
    geändert.name = "Erika Musterfrau";
    EXPECT_EQ(
        meldung([&] { Fallablage::speichern(pfad, geändert); }),
        "Die Datei „" + pfad +
            "“ ließ sich nicht speichern. Auf dem Datenträger ist nicht genug Platz. Bitte Platz schaffen "
            "oder einen anderen Ordner wählen und erneut speichern. Die bisherige Datei ist unverändert.");
    EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
    EXPECT_EQ(einträge(), vorher);
}

// Every system error is named in German with what to do, never in the system's English text; the old
// file stays and nothing of the save is left behind.
TEST_F(Ablagetest, SystemfehlerAufDeutsch) {
    const std::pair<int, std::string> schreibfehler[] = {
        {0, "nicht genug Platz"},  // a write that takes nothing and gives no reason
        {EIO, "Der Datenträger meldet einen Schreibfehler."},
        {EROFS, "Der Datenträger ist schreibgeschützt."},
        {EACCES, "Es fehlt die Berechtigung, in den Ordner „" + ordner + "“ zu schreiben."},
        {EXDEV, "Das Betriebssystem meldet den Fehler Nr. 18."},
    };
    Fallablage::speichern(pfad, fall);
    for (const auto& [fehler, grund] : schreibfehler) {
        SCOPED_TRACE(grund);
        const Schreibfehler eingespeist(fehler);
        const std::string text = meldung([&] { Fallablage::speichern(pfad, Falldatei{}); });
        EXPECT_NE(text.find(grund), std::string::npos) << text;
        EXPECT_NE(text.find(" Bitte "), std::string::npos) << text;
        EXPECT_EQ(text.find(std::strerror(fehler)), std::string::npos) << text;
        EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
        EXPECT_EQ(einträge(), 1);
    }
}

}  // namespace

}  // namespace bda::datei
