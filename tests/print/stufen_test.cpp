// The experience step's papers and both notices' address fields: the list of steps, the notice's
// salutation and explanation, the sheet's table over further pages inside the printable area, the notice
// on one page, and the sender line and address inside the envelope's window.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <numeric>
#include <tuple>

#include "Belehrungsdatei.h"
#include "Bescheid.h"
#include "Datumstext.h"
#include "Druckhilfe.h"
#include "Stufenbescheid.h"
#include "Stufenliste.h"
#include "Stufenmappe.h"
#include "Stufentexte.h"

namespace bda::druck {

namespace {

using namespace std::chrono;
constexpr year_month_day heute{year{2015}, September, day{3}};

Stufenzeitraum zeitraum(const char* beginn, const char* ende, Zeitart art) {
    Stufenzeitraum z;
    z.beginn = beginn;
    z.ende = ende;
    z.art = art;
    z.person = "Lena";
    return z;
}

// Worked example 2: A 10, appointed 01/09/2015; 9 months Zivildienst, 14 months Kinderbetreuung, 27 months
// 10 days full-time work.
Stufenfall beispiel2() {
    Stufenfall f;
    f.amt = 10;
    f.ernennung = "01/09/2015";
    f.zeiträume = {zeitraum("01/09/2004", "31/05/2005", Zeitart::wehrdienst),
                   zeitraum("01/06/2007", "31/07/2008", Zeitart::kinderbetreuung),
                   zeitraum("01/03/2012", "10/06/2014", Zeitart::hauptberuflich)};
    return f;
}

// The printed lines from page `abSeite` on, from the top, each its texts from left to right joined by " | ".
std::vector<std::string> zeilentexte(const std::vector<Druckposten>& protokoll, int abSeite = 1) {
    std::vector<Druckposten> p;
    std::ranges::copy_if(protokoll, std::back_inserter(p),
                         [&](const Druckposten& d) { return d.seite >= abSeite; });
    std::ranges::stable_sort(p, {}, [](const Druckposten& d) { return std::tuple(d.seite, d.y, d.x); });
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const bool neu = i == 0 || p[i].seite != p[i - 1].seite || p[i].y != p[i - 1].y;
        if (neu) zeilen.emplace_back();
        zeilen.back() += (neu ? "" : " | ") + p[i].text;
    }
    return zeilen;
}

bool enthält(const std::vector<std::string>& zeilen, const std::string& zeile) {
    return std::ranges::find(zeilen, zeile) != zeilen.end();
}

std::vector<Druckposten> drucken(const Stufenfall& fall, Seitenwahl wahl,
                                 std::string_view name = "Erika Mustermann",
                                 const Bescheiddaten& bescheid = beispielfall().bescheid) {
    Aufzeichnung a(Druckauftrag::Umfang::mehrereDokumente);
    EXPECT_TRUE(stufenmappeDrucken(fall, bescheid, name, "Gegen diesen Bescheid …", heute, wahl, a.auftrag))
        << a.auftrag.fehler().toStdString();
    return a.auftrag.protokoll();
}

TEST(Stufenliste, HochformatMitDerErreichtenStufeFett) {
    const double h10 = arialZeilenhöhe(10);
    Fall fall = beispielfall();
    fall.datum[Feld::ernennung] = "01/01/2001";
    fall.datum[Feld::bda] = "01/01/1990";
    fall.amtswahl = Eingangsamt::a13oderA14;
    fall.bescheid.behörde.kopfzeile2 = "  Referat 21";
    Aufzeichnung a;
    ASSERT_TRUE(stufenlisteDrucken(fall, stufenplan(*datumAusText("01/01/1990")), 6, a.auftrag));
    EXPECT_EQ(a.pdf.pageLayout().orientation(), QPageLayout::Portrait);
    const auto z = zeilen(a.auftrag.protokoll());
    // The letterhead, two heading lines, five of the case, the column heads, 12 steps, two of the note.
    ASSERT_EQ(z.size(), 24u);
    vergleiche(z, 0,
               {{arialZeilenhöhe(12), "12B 1500 Landesamt für Besoldung"},
                {arialZeilenhöhe(12), "12B 1500 Referat 21"},
                {arialZeilenhöhe(12) + arialZeilenhöhe(14), "14B 1500 Stufen des Grundgehalts"},
                {arialZeilenhöhe(14), "10 1500 nach § 27 Abs. 2 BBesG a.F., Besoldungsordnung A"},
                {2 * h10, "10 1500 Name: | 10 3000 Erika Mustermann"},
                {h10, "10 1500 Eingangsamt: | 10 3000 A 13 oder A 14"}});
    vergleiche(z, 9,
               {{2 * h10, "10B 1500 Stufe | 10B 3000 ab | 10B 4800 Abstand"},
                {h10, "10 1500 1 | 10 3000 01/01/1990 | 10 4800 ab dem BDA"}});
    vergleiche(z, 15,
               {{h10,
                 "10B 1500 6 | 10B 3000 01/01/2001 | 10B 4800 nach 11 Jahren | 10B 7200 erreicht am Tag der "
                 "Ernennung"},
                {h10, "10 1500 7 | 10 3000 01/01/2004 | 10 4800 nach 14 Jahren"}});
    vergleiche(z, 22,
               {{2 * h10,
                 "10 1500 Die Liste gilt nur für die Besoldungsordnung A. Die Beträge richten "
                 "sich nach der jeweils"}});
}

// The salutation by the address's code and the explanation of the credited and the delaying time.
TEST(Stufenbescheid, AnredeUndBegründung) {
    Stufenfall beispiel1;
    beispiel1.ernennung = "15/03/2012";
    Stufenfall beispiel3 = beispiel1;
    beispiel3.zeiträume = {zeitraum("10/04/2018", "24/09/2018", Zeitart::ohneBezüge)};
    Stufenfall zwanzigTage = beispiel1;
    zwanzigTage.zeiträume = {zeitraum("01/04/2018", "20/04/2018", Zeitart::ohneBezüge)};
    const struct {
        Stufenfall fall;
        const char *anrede, *beamter;
        std::vector<std::string> zeilen;
        std::string satz;
    } fälle[] = {
        {beispiel1,
         "b",
         "Max Mustermann",
         {"Sehr geehrter Herr Mustermann,", "Stufe am Tag der Ernennung | Stufe 1"},
         "also mit Wirkung vom 01.03.2012; Erfahrungszeiten nach § 28 BBesG sind nicht anzuerkennen."},
        {beispiel2(),
         "c",
         "Erika Mustermann",
         {"Sehr geehrte Frau Mustermann,", "Stufe am Tag der Ernennung | Stufe 2",
          "Stufe 1 mit Wirkung vom | 01.06.2011",
          "Aufstieg in die Stufe | 3 am 01.06.2016 | 4 am 01.06.2019 | 5 am 01.06.2022",
          "6 am 01.06.2026 | 7 am 01.06.2030 | 8 am 01.06.2034"},
         "Diese betragen insgesamt 4 Jahre, 2 Monate und 10 Tage, auf volle Monate aufgerundet (§ 28 Abs. 4 "
         "Satz 2 "
         "BBesG) 4 Jahre und 3 Monate. Die Stufe 1 beginnt daher mit Wirkung vom 01.06.2011."},
        {beispiel3,
         "c",
         "Dr. Erika von Mustermann",
         {"Sehr geehrte Frau Dr. von Mustermann,"},
         "betragen 5 Monate und 15 Tage, auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) 5 Monate; um "
         "sie "
         "verzögert sich der Aufstieg"},
        {zwanzigTage,
         "",
         "Erika Mustermann",
         {"Guten Tag Erika Mustermann,"},
         "betragen 20 Tage; auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) bleibt kein Monat, der "
         "Aufstieg "
         "verzögert sich daher nicht."},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.beamter);
        Bescheiddaten bescheid = beispielfall().bescheid;
        bescheid.anrede = f.anrede;
        const auto protokoll = drucken(f.fall, Seitenwahl::bescheid, f.beamter, bescheid);
        const auto zeilen = zeilentexte(protokoll);
        for (const std::string& zeile : f.zeilen) EXPECT_TRUE(enthält(zeilen, zeile)) << zeile;
        std::string fließtext;  // the paragraphs as written, whatever their bold pieces and line breaks
        for (std::string zeile : zeilen) {
            for (std::size_t s; (s = zeile.find(" | ")) != std::string::npos;) zeile.erase(s, 3);
            fließtext += zeile + " ";
        }
        EXPECT_NE(fließtext.find(f.satz), std::string::npos) << fließtext;
        EXPECT_EQ(protokoll.back().seite, 1);
    }
}

// Number and dates first, then kind and provision; length, credited and delaying length last.
TEST(Stufenblatt, ListetJedeZeitDieSummenUndDieStufen) {
    const auto zeilen = zeilentexte(drucken(beispiel2(), Seitenwahl::beide), 2);
    const std::pair<std::string, std::string> zeiten[] = {
        {"1 | 01.09.2004 – 31.05.2005 | ", " | 0 | 9 | 0 | 0 | 9 | 0 | 0 | 0 | 0"},
        {"3 | 01.03.2012 – 10.06.2014 | ", " | 2 | 3 | 10 | 2 | 3 | 10 | 0 | 0 | 0"},
    };
    for (const auto& [anfang, ende] : zeiten) {
        EXPECT_TRUE(std::ranges::any_of(zeilen, [&](const std::string& z) {
            return z.starts_with(anfang) && z.ends_with(ende);
        })) << anfang;
    }
    EXPECT_TRUE(enthält(zeilen, "Summe | 4 | 2 | 10 | 0 | 0 | 0"));
    EXPECT_TRUE(std::ranges::any_of(zeilen, [](const std::string& z) {
        return z.find(" | 4 | 3 | 0 | 0 | 0 | 0 | 51 Monate anerkannt,") != std::string::npos;
    }));
    EXPECT_TRUE(enthält(zeilen,
                        "ab | 01.06.2011 | 01.06.2013 | 01.06.2016 | 01.06.2019 | 01.06.2022 | 01.06.2026 | "
                        "01.06.2030 | 01.06.2034"));
}

// 40 periods of every kind with long descriptions: the rows go on over further pages, each with the
// table's head again, in their order, and no word leaves the printable area (5 mm margins).
TEST(Stufenblatt, LangeTabelleGehtAufWeiterenSeitenWeiter) {
    Stufenfall fall = beispiel2();
    fall.zeiträume.clear();
    for (int i = 0; i < 40; ++i) {
        const std::string jahr = std::to_string(1975 + i);
        Stufenzeitraum z =
            zeitraum(("01/02/" + jahr).c_str(), ("30/11/" + jahr).c_str(), zeitarten[i % 9].art);
        z.anerkannt = true;
        z.beschreibung = "Sachbearbeitung in der Stadtverwaltung Musterstadt, Amt für Ordnung und Verkehr";
        fall.zeiträume.push_back(z);
    }
    QTemporaryDir ordner;
    std::vector<Druckposten> protokoll;
    const QString datei = pdfDatei(ordner, [&](Druckauftrag& a) {
        const bool ok = stufenmappeDrucken(fall, beispielfall().bescheid, "Erika Mustermann", "", heute,
                                           Seitenwahl::berechnung, a);
        protokoll = a.protokoll();
        return ok;
    });
    const int seiten = protokoll.back().seite;
    EXPECT_GE(seiten, 3);
    std::vector<int> köpfe(static_cast<std::size_t>(seiten) + 1, 0), nummern, zeilenseiten;
    for (const Druckposten& p : protokoll) {
        köpfe[static_cast<std::size_t>(p.seite)] += p.text == "Nr." ? 1 : 0;
        if (p.x < 900 && !p.text.empty() && p.text.find_first_not_of("0123456789") == std::string::npos) {
            nummern.push_back(std::stoi(p.text));
            zeilenseiten.push_back(p.seite);
        }
    }
    std::vector<int> erwartet(40);
    std::iota(erwartet.begin(), erwartet.end(), 1);
    EXPECT_EQ(nummern, erwartet);
    EXPECT_GT(zeilenseiten.back(), 1);
    for (const int seite : zeilenseiten) EXPECT_EQ(köpfe[static_cast<std::size_t>(seite)], 1) << seite;
    const auto alle = wörter(datei, 1, seiten);
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
    fall.zeiträume.push_back(zeitraum("10/04/2018", "24/09/2018", Zeitart::ohneBezüge));
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

// Without a valid appointment there is nothing to print: the job fails with a message and draws nothing.
TEST(Stufenmappe, OhneErnennungKeinDruck) {
    Stufenfall fall = beispiel2();
    fall.ernennung = "31/02/2015";
    Aufzeichnung a(Druckauftrag::Umfang::mehrereDokumente);
    EXPECT_FALSE(stufenmappeDrucken(fall, {}, "Erika Mustermann", "", heute, Seitenwahl::beide, a.auftrag));
    EXPECT_TRUE(a.auftrag.fehler().contains(QStringLiteral("Tag der Ernennung")));
    EXPECT_TRUE(a.auftrag.protokoll().empty());
}

// One and more of each unit; the parts joined by commas and "und".
TEST(Stufentexte, DauerInWorten) {
    const std::pair<Zeitspanne, const char*> dauern[] = {
        {{0, 0, 0}, "0 Tage"},
        {{1, 0, 0}, "1 Tag"},
        {{0, 1, 0}, "1 Monat"},
        {{0, 0, 1}, "1 Jahr"},
        {{0, 3, 3}, "3 Jahre und 3 Monate"},
        {{10, 2, 4}, "4 Jahre, 2 Monate und 10 Tage"},
    };
    for (const auto& [spanne, text] : dauern) EXPECT_EQ(dauertext(spanne), text);
    const std::pair<int, const char*> monate[] = {{0, "0 Monate"},
                                                  {11, "11 Monate"},
                                                  {12, "1 Jahr"},
                                                  {13, "1 Jahr und 1 Monat"},
                                                  {51, "4 Jahre und 3 Monate"}};
    for (const auto& [anzahl, text] : monate) EXPECT_EQ(monatstext(anzahl), text);
}

}  // namespace

}  // namespace bda::druck
