// The experience step's papers and both notices' address fields: the notice's salutation and explanation, the
// sheet's table over further pages inside the printable area, the notice on one page, and the sender line and
// address inside the envelope's window.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "Belehrungsdatei.h"
#include "Bescheid.h"
#include "Druckhilfe.h"
#include "Stufenbescheid.h"
#include "Stufenmappe.h"
#include "Stufentexte.h"

namespace bda::druck {

namespace {

using namespace std::chrono;
constexpr year_month_day heute{year{2015}, September, day{3}};

// Worked example 2: A 10, appointed 01/09/2015; 9 months Zivildienst, 14 months Kinderbetreuung, 27 months
// 10 days full-time work.
Stufenfall beispiel2() {
    Stufenfall f;
    f.amt = 10;
    f.ernennung = "01/09/2015";
    f.zeiträume = {{"01/09/2004", "31/05/2005", Zeitart::wehrdienst, "", false, ""},
                   {"01/06/2007", "31/07/2008", Zeitart::kinderbetreuung, "Lena", false, ""},
                   {"01/03/2012", "10/06/2014", Zeitart::hauptberuflich, "", false, ""}};
    return f;
}

// Worked examples 1 to 3 and 20 days without pay: the notice's salutation and its explanation of the
// credited and the delaying time; the sheet's sum of the credited times and its step dates.
TEST(Stufenbescheid, AnredeUndBegründung) {
    Stufenfall beispiel1, beispiel3, zwanzigTage;
    beispiel1.ernennung = beispiel3.ernennung = zwanzigTage.ernennung = "15/03/2012";
    beispiel3.zeiträume = {Stufenzeitraum{"10/04/2018", "24/09/2018", Zeitart::ohneBezüge, "", false, ""}};
    zwanzigTage.zeiträume = {Stufenzeitraum{"01/04/2018", "20/04/2018", Zeitart::ohneBezüge, "", false, ""}};
    const struct {
        Stufenfall fall;
        const char* beamter;
        std::vector<std::string> zeilen;
        const char* satz;
    } fälle[] = {
        // clang-format off
        {beispiel2(), "Erika Mustermann", {"Stufe am Tag der Ernennung | Stufe 2", "Summe | 4 | 2 | 10 | 0 | 0 | 0",
          "ab | 01.06.2011 | 01.06.2013 | 01.06.2016 | 01.06.2019 | 01.06.2022 | 01.06.2026 | 01.06.2030 | 01.06.2034"},
         "aufgerundet (§ 28 Abs. 4 Satz 2 BBesG) 4 Jahre und 3 Monate. Die Stufe 1 beginnt daher"},
        {beispiel3, "Dr. Erika von Mustermann", {"Sehr geehrte Frau Dr. von Mustermann,"},
         "15 Tage, auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) 5 Monate; um sie"},
        {beispiel1, "Max Mustermann", {},
         "mit Wirkung vom 01.03.2012; Erfahrungszeiten nach § 28 BBesG sind nicht anzuerkennen."},
        {zwanzigTage, "Eva Mustermann",
         {"Aufstieg in die Stufe | 2 am 01.03.2014 | 3 am 01.03.2017 | 4 am 01.03.2020"},
         "betragen 20 Tage; auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) bleibt kein Monat"},
        // clang-format on
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.beamter);
        Aufzeichnung a(Druckauftrag::Umfang::mehrereDokumente);
        ASSERT_TRUE(stufenmappeDrucken(f.fall, beispielfall().bescheid, f.beamter, "Gegen …", heute,
                                       Seitenwahl::beide, a.auftrag));
        std::vector<std::string> texte;  // each line's texts joined by " | "
        std::string fließtext;  // the paragraphs as written, whatever their bold pieces and line breaks
        for (const Zeile& z : zeilen(a.auftrag.protokoll())) {
            texte.emplace_back();
            for (const Druckposten& p : z) {
                texte.back() += (&p == &z[0] ? "" : " | ") + p.text;
                fließtext += p.text;
            }
            fließtext += " ";
        }
        for (const std::string& zeile : f.zeilen) EXPECT_EQ(std::ranges::count(texte, zeile), 1) << zeile;
        EXPECT_NE(fließtext.find(f.satz), std::string::npos) << fließtext;
        EXPECT_EQ(a.auftrag.protokoll().back().seite, 2) << "the notice on one page, the sheet on the next";
    }
}

// Lengths in words: the singular for one, "0 Tage" for nothing, 13 months as a year and a month.
TEST(Stufentexte, DauerInWorten) {
    const std::pair<std::string, const char*> fälle[] = {{dauertext({1, 0, 0}), "1 Tag"},
                                                         {dauertext({0, 1, 0}), "1 Monat"},
                                                         {monatstext(12), "1 Jahr"},
                                                         {dauertext({0, 0, 0}), "0 Tage"},
                                                         {monatstext(13), "1 Jahr und 1 Monat"}};
    for (const auto& [ist, soll] : fälle) EXPECT_EQ(ist, soll);
}

// 40 periods of every kind with long descriptions: the rows go on over further pages, each with the
// table's head again, in their order, and no word leaves the printable area (5 mm margins).
TEST(Stufenblatt, LangeTabelleGehtAufWeiterenSeitenWeiter) {
    Stufenfall fall = beispiel2();
    fall.zeiträume.clear();
    for (int i = 0; i < 40; ++i) {
        const std::string jahr = std::to_string(1975 + i);
        fall.zeiträume.push_back(
            {"01/02/" + jahr, "30/11/" + jahr, zeitarten[i % 9].art, "Lena", true,
             "Sachbearbeitung in der Stadtverwaltung Musterstadt, Amt für Ordnung und Verkehr"});
    }
    QTemporaryDir ordner;
    std::vector<Druckposten> protokoll;
    const QString datei = pdfDatei(ordner, [&](Druckauftrag& a) {
        const bool ok = stufenmappeDrucken(fall, beispielfall().bescheid, "Erika Mustermann", "", heute,
                                           Seitenwahl::berechnung, a);
        protokoll = a.protokoll();
        return ok;
    });
    std::vector<int> nummern;
    std::set<int> seitenMitZeilen;
    std::map<int, int> köpfe;  // the table's heads on each page
    for (const Druckposten& p : protokoll) {
        köpfe[p.seite] += p.text == "Nr." ? 1 : 0;
        if (p.x < 900 && !p.text.empty() && p.text.find_first_not_of("0123456789") == std::string::npos) {
            nummern.push_back(std::stoi(p.text));
            seitenMitZeilen.insert(p.seite);
        }
    }
    std::vector<int> erwartet(40);
    std::iota(erwartet.begin(), erwartet.end(), 1);
    EXPECT_EQ(nummern, erwartet);
    EXPECT_GE(seitenMitZeilen.size(), 3u);
    for (const int seite : seitenMitZeilen) EXPECT_EQ(köpfe[seite], 1) << seite;
    const auto alle = wörter(datei);
    EXPECT_GT(alle.size(), 40u * 20);
    constexpr double rand = 5 - 0.2;  // a word's measured box may reach a hair beyond its line
    for (const Wort& w : alle) {
        SCOPED_TRACE(w.text.toStdString() + " auf Seite " + std::to_string(w.seite));
        EXPECT_GE(std::min(w.links, w.oben), rand);
        EXPECT_LE(w.rechts, w.seitenbreite - rand);
        EXPECT_LE(w.unten, w.seitenhöhe - rand);
    }
}

// Both notices with the shipped legal-remedy text, the experience step's filled in and its delay
// explained: the sender line and the address measured on the PDF inside the window of DIN 5008 form A
// (field from 27 mm, address zone from 44.7 mm, to 72 mm) or form B (18 mm lower), 20 to 105 mm from the
// left. The experience step's notice fits one page; with a text three times as long it no longer does.
TEST(Fensteranschrift, AbsenderUndAnschriftImFensterDerForm) {
    Stufenfall fall = beispiel2();
    fall.zeiträume.push_back(Stufenzeitraum{"10/04/2018", "24/09/2018", Zeitart::ohneBezüge, "", false, ""});
    Fall bda = beispielfall();
    bda.bescheid.geschäftszeichen = "P 12 - 345/2024";
    bda.bescheid.unterschrift1 = "Anna Schmidt";
    const std::string belehrung = mitgelieferteBelehrung();
    const QStringList absender =
        QStringLiteral("Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München").split(' ');
    const QStringList anschrift =
        QStringLiteral("Frau Erika Mustermann Lindenstraße 5 12345 Musterstadt").split(' ');
    constexpr double spiel = 0.2;  // a word's measured box may reach a hair beyond its line
    for (const auto& [form, oben] : {std::pair{Anschriftform::a, 27.0}, std::pair{Anschriftform::b, 45.0}}) {
        bda.bescheid.anschriftfeld = form;
        const Bescheiddaten& b = bda.bescheid;
        EXPECT_TRUE(stufenbescheidPasstAufEineSeite(fall, stufenberechnen(fall), b, bda.name, belehrung));
        EXPECT_FALSE(stufenbescheidPasstAufEineSeite(fall, stufenberechnen(fall), b, bda.name,
                                                     belehrung + "$" + belehrung + "$" + belehrung));
        for (const bool stufe : {false, true}) {
            SCOPED_TRACE(std::to_string(oben) + (stufe ? " Erfahrungsstufe" : " BDA"));
            QTemporaryDir ordner;
            const QString datei = pdfDatei(ordner, [&](Druckauftrag& a) {
                return stufe
                           ? stufenmappeDrucken(fall, b, bda.name, belehrung, heute, Seitenwahl::bescheid, a)
                           : bescheidDrucken(bda, belehrung, heute, a);
            });
            QStringList imFenster;
            for (const Wort& w : wörter(datei)) {
                const double mitte = (w.oben + w.unten) / 2;
                if (w.links >= 105 || mitte < oben || mitte > oben + 45) continue;
                imFenster << w.text;
                SCOPED_TRACE(w.text.toStdString());
                EXPECT_GE(w.links, 20);
                EXPECT_LE(w.rechts, 105);
                const bool absenderwort = absender.contains(w.text) && !anschrift.contains(w.text);
                EXPECT_GE(w.oben, absenderwort ? oben : oben + 17.7 - spiel);
                EXPECT_LE(w.unten, absenderwort ? oben + 17.7 + spiel : oben + 45);
            }
            EXPECT_EQ(imFenster, absender + anschrift);
        }
    }
}

}  // namespace

}  // namespace bda::druck
