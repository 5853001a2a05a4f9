// Case files: generated cases survive saving and opening, a hand-written file is read and recomputed,
// the writer keeps its documented form, values out of range are refused, and the JSON reader follows
// the standard.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <fstream>

#include "Dateiinhalt.h"
#include "Fallablage.h"
#include "Fallformat.h"
#include "Fallgenerator.h"
#include "Fallsteuerung.h"
#include "Fallwiedergabe.h"
#include "Jsonleser.h"
#include "Protokoll.h"
#include "Zeitraum.h"

namespace bda::datei {

#if !defined(BEISPIELDATEI) || !defined(FORMATBESCHREIBUNG)
#error "BEISPIELDATEI and FORMATBESCHREIBUNG must name tests/datei/beispiel.bda and docs/fallformat.md"
#endif

namespace {

// What the window shows of a case beyond what its file holds: the captions the entry grade and the name
// give, the BDA field and the span fields of the frames shown.
std::string beschriftungen(const Fall& fall) {
    std::string s = std::to_string(fall.amtswahl) + "|" + fall.titel + "|" + fall.text3 + "|" + fall.label10;
    for (int feld = Feld::bda; feld <= Feld::hälfteEnde; ++feld) {
        const bool verborgen =
            (!fall.rahmen1Sichtbar && (feld == Feld::viertelBeginn || feld == Feld::viertelEnde)) ||
            (!fall.rahmen2Sichtbar && (feld == Feld::hälfteBeginn || feld == Feld::hälfteEnde));
        if (!verborgen) s += "|" + fall.datum[feld];
    }
    return s;
}

// Each generated case is saved and opened again; the opened case shows exactly what the saved one
// showed, and saving it again gives the same text. The cases cover what the generator promises.
TEST(Falldatei, GenerierteFaelleUeberstehenSpeichernUndOeffnen) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("fall.bda"));
    Fallgenerator generator(4711);
    int verborgeneRahmen = 0, nichtAngerechnet = 0, professoren = 0, mitZeitraum = 0;
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE("Fall " + std::to_string(i));
        const Fall fall = generator.nächster();
        Fallablage::speichern(pfad, falldateiVon(fall));
        const Wiedergabe wiedergabe = wiedergeben(Fallablage::öffnen(pfad));
        ASSERT_EQ(falltext(falldateiVon(wiedergabe.fall)), falltext(falldateiVon(fall)));
        EXPECT_EQ(beschriftungen(wiedergabe.fall), beschriftungen(fall));
        EXPECT_TRUE(wiedergabe.abweichungen.empty()) << wiedergabe.abweichungen.front().was;
        EXPECT_EQ(falltext(falldateiVon(wiedergabe.fall)), dateiinhalt(pfad.toStdString()));

        verborgeneRahmen += !fall.rahmen1Sichtbar || !fall.rahmen2Sichtbar;
        professoren += fall.amtswahl == 3;
        for (int zeile = 1; zeile <= anzahlZeiträume; ++zeile) {
            const Zeitraum z = zeitraum(zeile);
            mitZeitraum += zeitraumZählt(fall, z);
            nichtAngerechnet += zeitraumErfasst(fall, z) && !zeitraumZählt(fall, z);
        }
    }
    EXPECT_GT(verborgeneRahmen, 50);
    EXPECT_GT(professoren, 30);
    EXPECT_GT(mitZeitraum, 300);
    EXPECT_GT(nichtAngerechnet, 5);
}

// The documented example: opened, it shows the worked case (born 15/06/1970, appointed 15/06/2008 as
// A 1 to A 12: 7 years past the 31st birthday, 4 of them in the quarter frame; one year of military
// service in it, half a year of parental leave in the half frame): quarter of 3 years = 9 months, half of
// 2 years 6 months = 1 year 3 months, 2 years in all, so 01/06/1991 becomes 01/06/1993. Saved again, it
// is the same text byte for byte.
TEST(Falldatei, BeispielDerBeschreibung) {
    const Falldatei datei = Fallablage::öffnen(QStringLiteral(BEISPIELDATEI));
    EXPECT_FALSE(datei.erfahrungsstufe);
    const Wiedergabe w = wiedergeben(datei);
    EXPECT_TRUE(w.abweichungen.empty());
    EXPECT_EQ(w.fall.datum[Feld::regelBDA], "01/06/1991");
    EXPECT_EQ(w.fall.rahmen1[7], (Zeitspanne{0, 9, 0}));
    EXPECT_EQ(w.fall.rahmen2[1], (Zeitspanne{0, 6, 0}));
    EXPECT_EQ(w.fall.rahmen2[7], (Zeitspanne{0, 3, 1}));
    EXPECT_EQ(w.fall.gesamt, (Zeitspanne{0, 0, 2}));
    EXPECT_EQ(w.fall.bdaDatum, "01/06/1993.");
    EXPECT_EQ(w.fall.titel, "Berechnung des Besoldungsdienstalters nach § 28 BBesG für Erika Mustermann");
    EXPECT_EQ(w.fall.eingabe[4], "Elternzeit");
    EXPECT_EQ(w.fall.bescheid.anrede.text(), "c");
    EXPECT_EQ(w.fall.bescheid.anschrift1.text(), "Musterstraße 1                ");
    EXPECT_EQ(w.fall.bescheid.bezugsjahr, 2004);
    EXPECT_EQ(falltext(falldateiVon(w.fall)), dateiinhalt(BEISPIELDATEI));
    EXPECT_NE(dateiinhalt(FORMATBESCHREIBUNG).find("```json\n" + dateiinhalt(BEISPIELDATEI) + "```"),
              std::string::npos)
        << "docs/fallformat.md shows the example as it is";
}

// A file written by hand: keys in another order, unknown keys, escapes, fields left out (empty), and
// results that are not what the case gives. The recomputed case is shown, and each differing result
// is named with both values.
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
    EXPECT_EQ(w.fall.datum[Feld::regelBDA], "01/06/1991");
    EXPECT_EQ(w.fall.datum[Feld::vollendung21], "14/06/1991");
    EXPECT_EQ(w.fall.bdaDatum, "01/09/1993.");
    EXPECT_EQ(w.fall.bescheid.geschäftszeichen.text(), "Az. 12/3" + std::string(32, ' '));
    const std::vector<Abweichung> erwartet = {
        {"BDA", "01/01/2000", "01/09/1993"},
        {"Viertel, Zeitraum 1", "0 T, 0 M, 2 J", "0 T, 0 M, 1 J"},
    };
    EXPECT_EQ(w.abweichungen, erwartet);
    EXPECT_NE(
        abweichungsmeldung("fall.bda", w.abweichungen)
            .find("„fall.bda“ ergibt andere Ergebnisse, als gespeichert sind (etwa nach einer Regeländerung "
                  "oder einer Änderung der Datei von Hand). Angezeigt wird die Neuberechnung:\n\nBDA: "
                  "gespeichert 01/01/2000, neu 01/09/1993\nViertel, Zeitraum 1: gespeichert 0 T, 0 M, 2 J, "
                  "neu 0 T, 0 M, 1 J\n\n"),
        std::string::npos);
}

// A period the corrected appointment leaves outside its span is refused when typed again after the
// appointment; it comes back as the window held it: its dates shown, nothing counted.
TEST(Falldatei, NichtAngerechneterZeitraumBleibtStehen) {
    Fall fall;
    Protokoll protokoll;
    Fallsteuerung steuerung(fall, protokoll);
    steuerung.laden();
    for (const auto& [feld, text] : {std::pair{0, "15/06/1970"},
                                     {2, "15/06/2008"},
                                     {3, "01/01/2002"},
                                     {4, "31/12/2002"},
                                     {2, "15/06/2002"}}) {
        fall.datum[feld] = text;
        steuerung.datumEnter(feld);
    }
    // The quarter span is now 15/06/2001 to 14/06/2002.
    ASSERT_EQ(fall.datum[Feld::viertelEnde], "14/06/2002");
    ASSERT_EQ(fall.rahmen1[1], Zeitspanne{});
    const Wiedergabe w = wiedergeben(falldateiAusText(falltext(falldateiVon(fall))));
    EXPECT_EQ(w.fall.datum[3], "01/01/2002");
    EXPECT_EQ(w.fall.datum[4], "31/12/2002");
    EXPECT_EQ(w.fall.rahmen1[1], Zeitspanne{});
    EXPECT_TRUE(w.abweichungen.empty());

    // A period typed without Enter that Enter would refuse (it overlaps the first) counts as the window
    // counts it, and comes back so.
    fall.datum[2] = "15/06/2008";
    steuerung.datumEnter(2);
    fall.datum[5] = "01/06/2002";
    fall.datum[6] = "30/06/2003";
    steuerung.abgleichen();
    ASSERT_EQ(fall.rahmen1[2], (Zeitspanne{0, 1, 1}));
    const Wiedergabe überlappend = wiedergeben(falldateiAusText(falltext(falldateiVon(fall))));
    EXPECT_EQ(überlappend.fall.rahmen1[2], (Zeitspanne{0, 1, 1}));
    EXPECT_TRUE(überlappend.abweichungen.empty());
}

// Values a file may not hold are refused with the entry, the value and what to do, and those next to
// them are read: the documented example with one text changed each.
TEST(Falldatei, UnzulaessigeWerteMitIhrenNachbarn) {
    const std::string beispiel = dateiinhalt(BEISPIELDATEI);
    const auto geändert = [&](std::initializer_list<std::pair<const char*, const char*>> ersetzungen) {
        std::string text = beispiel;
        for (const auto& [alt, neu] : ersetzungen) {
            const auto stelle = text.find(alt);
            EXPECT_NE(stelle, std::string::npos) << alt;
            if (stelle != std::string::npos) text.replace(stelle, std::strlen(alt), neu);
        }
        return text;
    };
    const std::string x60 = "\"" + std::string(60, 'x') + "\"", x61 = "\"" + std::string(61, 'x') + "\"";
    const std::string mitDoppeltemNamen =
        geändert({{"\"name\": \"Erika", "\"name\": \"Max\", \"name\": \"Erika"}});
    const struct {
        const char* name;
        std::string text;
        std::string meldung;  // the start of the refusal; empty when the file is read
    } zeilen[] = {
        {"Geburtstag 31/02/1944", geändert({{"15/06/1970", "31/02/1944"}}),
         "Datum(0), Geburtstag: Den 31/02/1944 gibt es nicht. Bitte den Wert in der Datei berichtigen"},
        {"Ernennung 01/01/2041", geändert({{"15/06/2008", "01/01/2041"}}),
         "Datum(2), Ernennung: Das Datum 01/01/2041 ist ungültig. Zulässig sind Daten vom 01/01/1930 bis "
         "31/12/2040."},
        {"Ernennung 31/12/2040", geändert({{"15/06/2008", "31/12/2040"}}), ""},
        {"Beginn 31/12/1929", geändert({{"01/01/2002", "31/12/1929"}}),
         "Datum(3), Beginn Zeitraum 1 (Viertel): Das Datum 31/12/1929 ist ungültig."},
        {"Beginn 01/01/1930", geändert({{"01/01/2002", "01/01/1930"}}), ""},
        {"Ende 29/02/2003", geändert({{"31/12/2002", "29/02/2003"}}),
         "Datum(4), Ende Zeitraum 1 (Viertel): Den 29/02/2003 gibt es nicht."},
        {"Ende 29/02/2004", geändert({{"31/12/2002", "29/02/2004"}}), ""},
        // Born 15/06/2035: the 21st birthday is 15/06/2056, the year completed on 14/06/2056, the
        // regular BDA the first of that month.
        {"Geburtstag 2035 mit Feldern 1 und 24 aus ihm",
         geändert({{"15/06/1970", "15/06/2035"}, {"01/06/1991", "01/06/2056"}, {"14/06/1991", "14/06/2056"}}),
         ""},
        {"Geburtstag 2035, Regel-BDA einen Monat später",
         geändert({{"15/06/1970", "15/06/2035"}, {"01/06/1991", "01/07/2056"}, {"14/06/1991", "14/06/2056"}}),
         "Datum(1), Regel-Besoldungsdienstalter: Das Datum 01/07/2056 ist ungültig."},
        {"Name zweimal", mitDoppeltemNamen,
         "Der Eintrag „name“ steht zweimal im selben Objekt (Byte " +
             std::to_string(mitDoppeltemNamen.find("\"name\": \"Erika") + 1) +
             "), und es ist unklar, welcher gilt. Bitte einen der beiden in der Datei löschen"},
        {"Name zweimal, einmal mit Maskierung",
         geändert({{"\"name\": \"Erika", "\"name\": \"Max\", \"\\u006eame\": \"Erika"}}),
         "Der Eintrag „name“ steht zweimal im selben Objekt"},
        {"Name zweimal in einem unbekannten Eintrag",
         geändert({{"\"version\": 1,", "\"version\": 1, \"notiz\": {\"a\": 1, \"a\": 2},"}}),
         "Der Eintrag „a“ steht zweimal im selben Objekt"},
        {"gleicher Name in zwei Objekten",
         geändert({{"\"version\": 1,", "\"version\": 1, \"notiz\": {\"name\": 1},"}}), ""},
        {"Byte-Order-Mark", "\xEF\xBB\xBF" + beispiel, ""},
        {"Byte-Order-Mark vor einem Fehler", "\xEF\xBB\xBF{\"format\" 1}",
         "Sie ist kein gültiger JSON-Text: Hier fehlt „:“ (Byte 14)."},
        {"Byte 0x80 am Ende", beispiel + "\x80",
         "Sie ist kein gültiger JSON-Text: Sie ist kein UTF-8-Text (Byte " +
             std::to_string(beispiel.size() + 1) + ")."},
        {"erstes Byte eines ü am Ende", beispiel + "\xC3", "Sie bricht mitten im Inhalt ab"},
        {"leer", "", "Sie ist leer."},
        {"anderes Format", geändert({{"\"bda-fall\"", "\"bda-akte\""}}),
         "Sie ist keine Falldatei des BDA-Rechners (ihr Eintrag „format“ ist nicht „bda-fall“)."},
        {"Version 2", geändert({{"\"version\": 1", "\"version\": 2"}}), "Sie hat die Formatversion 2;"},
        {"Datum ohne Maske", geändert({{"01/01/2002", "1.1.2002"}}),
         "Datum(3) „1.1.2002“ hat nicht die Form"},
        {"Datum zu kurz", geändert({{"15/06/2008", "15/06/208"}}), "Datum(2) „15/06/208“ hat nicht die Form"},
        {"Eingangsamt 4", geändert({{"\"eingangsamt\": 0", "\"eingangsamt\": 4"}}),
         "Eingangsamt 4 gibt es nicht (0 bis 3)."},
        {"Eingangsamt 3", geändert({{"\"eingangsamt\": 0", "\"eingangsamt\": 3"}}), ""},
        {"Feldnummer 25", geändert({{"\"24\":", "\"25\": \"__/__/____\", \"24\":"}}),
         "Datum(25) gibt es in einer Falldatei nicht (erlaubt sind 0 bis 18 und 24)."},
        {"berechnetes Feld 19", geändert({{"\"24\":", "\"19\": \"01/01/2000\", \"24\":"}}),
         "Datum(19) gibt es in einer Falldatei nicht"},
        {"Beschreibung mit 61 Zeichen", geändert({{"\"Grundwehrdienst\"", x61.c_str()}}),
         "Beschreibung 1 ist mit 61 Zeichen länger als 60 Zeichen."},
        {"Beschreibung mit 60 Zeichen", geändert({{"\"Grundwehrdienst\"", x60.c_str()}}), ""},
        {"Anrede x", geändert({{"\"anrede\": \"c\"", "\"anrede\": \"x\""}}), "Die Anrede „x“ gibt es nicht"},
        {"Zeile fehlt", geändert({{"[[0, 0, 4], [0, 0, 1], ", "[[0, 0, 4], "}}),
         "„ergebnis.rahmen1.zeilen“ muss genau 8 Zeilen haben."},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
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
TEST(Jsonleser, TexteUndZahlen) {
    const struct {
        const char* json;
        const char* text;
    } texte[] = {
        {R"("")", ""},
        {R"("a\"b\\c\/d")", "a\"b\\c/d"},
        {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
        {R"("\u00e4\u20AC")", "ä€"},
        {R"("\ud834\udd1e")", "𝄞"},
        {"\"Grüße\"", "Grüße"},
    };
    for (const auto& t : texte) {
        SCOPED_TRACE(t.json);
        Jsonleser leser(t.json);
        EXPECT_EQ(leser.text(), t.text);
    }
    const struct {
        const char* json;
        double wert;
    } zahlen[] = {{"0", 0},
                  {"-7", -7},
                  {"2004", 2004},
                  {"1.5", 1.5},
                  {"-2e3", -2000},
                  {"1E+2", 100},
                  {"1e400", HUGE_VAL},
                  {"-1e400", -HUGE_VAL},
                  {"1e-400", 0},
                  {"12345678901234567890", 12345678901234567890.0}};
    for (const auto& z : zahlen) {
        SCOPED_TRACE(z.json);
        Jsonleser leser(z.json);
        EXPECT_EQ(leser.zahl(), z.wert);
    }
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
        {"Doppelpunkt fehlt", R"({"a" 1})", 5, ungültig, "Hier fehlt „:“"},
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

}  // namespace

}  // namespace bda::datei
