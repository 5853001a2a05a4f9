// The experience step's papers: the notice names the step and dates of the worked examples
// by hand, the sheet lists each period and continues a long table on further pages inside the printable
// area, the notice fits one page, and the address lies in the envelope's window.

#include "Stufenmappe.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <numeric>
#include <tuple>

#include "Belehrungsdatei.h"
#include "Druckhilfe.h"
#include "Pdfdatei.h"
#include "Pdfwoerter.h"
#include "Stufenbescheid.h"
#include "Stufentexte.h"

namespace bda::druck {

namespace {

using namespace std::chrono;
constexpr year_month_day heute{year{2015}, September, day{3}};

Stufenzeitraum zeitraum(const char* beginn, const char* ende, Zeitart art, const char* person = "") {
    Stufenzeitraum z;
    z.beginn = beginn;
    z.ende = ende;
    z.art = art;
    z.person = person;
    return z;
}

// Worked example 2: A 10, appointed 01/09/2015; Zivildienst 9 months, Kinderbetreuung 14 months,
// full-time work 27 months 10 days: 50 months 10 days, 51 months, Stufe 1 from 01/06/2011.
Stufenfall beispiel2() {
    Stufenfall f;
    f.amt = 10;
    f.ernennung = "01/09/2015";
    f.zeiträume = {zeitraum("01/09/2004", "31/05/2005", Zeitart::wehrdienst),
                   zeitraum("01/06/2007", "31/07/2008", Zeitart::kinderbetreuung, "Lena"),
                   zeitraum("01/03/2012", "10/06/2014", Zeitart::hauptberuflich)};
    return f;
}

// The printed lines of a job, page by page from the top, each its texts from left to right joined by " | ".
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

// The running text of the lines: a paragraph as written, whatever its bold pieces and line breaks.
std::string fließtext(const std::vector<std::string>& zeilen) {
    std::string text;
    for (std::string zeile : zeilen) {
        for (std::size_t s; (s = zeile.find(" | ")) != std::string::npos;) zeile.erase(s, 3);
        text += zeile + " ";
    }
    return text;
}

bool enthält(const std::vector<std::string>& zeilen, const std::string& zeile) {
    return std::ranges::find(zeilen, zeile) != zeilen.end();
}

struct Gedruckt {
    bool ok;
    std::vector<Druckposten> protokoll;
    QString fehler;
};

Gedruckt drucken(const Stufenfall& fall, Seitenwahl wahl, std::string_view name = "Erika Mustermann",
                 const Bescheiddaten& bescheid = beispielfall().bescheid) {
    Aufzeichnung a(Druckauftrag::Umfang::mehrereDokumente);
    const bool ok =
        stufenmappeDrucken(fall, bescheid, name, "Gegen diesen Bescheid …", heute, wahl, a.auftrag);
    return {ok, a.auftrag.protokoll(), a.auftrag.fehler()};
}

TEST(Stufenbescheid, NenntStufeUndTageDerBeispiele) {
    Stufenfall beispiel1;
    beispiel1.ernennung = "15/03/2012";
    Stufenfall beispiel3 = beispiel1;
    beispiel3.zeiträume = {zeitraum("10/04/2018", "24/09/2018", Zeitart::ohneBezüge)};
    Stufenfall zwanzigTage = beispiel1;
    zwanzigTage.zeiträume = {zeitraum("01/04/2018", "20/04/2018", Zeitart::ohneBezüge)};
    const struct {
        const char* name;
        Stufenfall fall;
        const char* anrede;
        const char* beamter;
        std::vector<std::string> zeilen;
        std::string satz;
    } fälle[] = {
        {"Beispiel 1: keine Zeiten",
         beispiel1,
         "b",
         "Max Mustermann",
         {"Sehr geehrter Herr Mustermann,", "Stufe am Tag der Ernennung | Stufe 1",
          "Stufe 1 mit Wirkung vom | 01.03.2012",
          "Aufstieg in die Stufe | 2 am 01.03.2014 | 3 am 01.03.2017 | 4 am 01.03.2020",
          "5 am 01.03.2023 | 6 am 01.03.2027 | 7 am 01.03.2031", "8 am 01.03.2035"},
         "also mit Wirkung vom 01.03.2012; Erfahrungszeiten nach § 28 BBesG sind nicht anzuerkennen."},
        {"Beispiel 2: 50 Monate 10 Tage, aufgerundet 51",
         beispiel2(),
         "c",
         "Erika Mustermann",
         {"Sehr geehrte Frau Mustermann,", "Stufe am Tag der Ernennung | Stufe 2",
          "Stufe 1 mit Wirkung vom | 01.06.2011",
          "Aufstieg in die Stufe | 3 am 01.06.2016 | 4 am 01.06.2019 | 5 am 01.06.2022",
          "6 am 01.06.2026 | 7 am 01.06.2030 | 8 am 01.06.2034"},
         "Diese betragen insgesamt 4 Jahre, 2 Monate und 10 Tage, auf volle Monate aufgerundet (§ 28 Abs. 4 "
         "Satz "
         "2 BBesG) 4 Jahre und 3 Monate. Die Stufe 1 beginnt daher mit Wirkung vom 01.06.2011."},
        {"Beispiel 3: 5 Monate 15 Tage ohne Bezüge, abgerundet 5",
         beispiel3,
         "c",
         "Dr. Erika von Mustermann",
         {"Sehr geehrte Frau Dr. von Mustermann,", "Stufe am Tag der Ernennung | Stufe 1",
          "Aufstieg in die Stufe | 2 am 01.03.2014 | 3 am 01.03.2017 | 4 am 01.08.2020",
          "5 am 01.08.2023 | 6 am 01.08.2027 | 7 am 01.08.2031", "8 am 01.08.2035"},
         "betragen 5 Monate und 15 Tage, auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) 5 Monate; um "
         "sie "
         "verzögert sich der Aufstieg"},
        {"20 Tage ohne Bezüge, abgerundet 0",
         zwanzigTage,
         "",
         "Erika Mustermann",
         {"Guten Tag Erika Mustermann,",
          "Aufstieg in die Stufe | 2 am 01.03.2014 | 3 am 01.03.2017 | 4 am 01.03.2020"},
         "betragen 20 Tage; auf volle Monate abgerundet (§ 27 Abs. 3 Satz 4 BBesG) bleibt kein Monat, der "
         "Aufstieg "
         "verzögert sich daher nicht."},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Bescheiddaten bescheid = beispielfall().bescheid;
        bescheid.anrede = f.anrede;
        const Gedruckt g = drucken(f.fall, Seitenwahl::bescheid, f.beamter, bescheid);
        ASSERT_TRUE(g.ok) << g.fehler.toStdString();
        const auto zeilen = zeilentexte(g.protokoll);
        for (const std::string& zeile : f.zeilen) EXPECT_TRUE(enthält(zeilen, zeile)) << zeile;
        EXPECT_NE(fließtext(zeilen).find(f.satz), std::string::npos) << fließtext(zeilen);
        EXPECT_EQ(g.protokoll.back().seite, 1);
    }
}

TEST(Stufenblatt, ListetJedeZeitDieSummenUndDieStufen) {
    const Gedruckt g = drucken(beispiel2(), Seitenwahl::beide);
    ASSERT_TRUE(g.ok) << g.fehler.toStdString();
    const auto zeilen = zeilentexte(g.protokoll, 2);
    // Number and dates first, then kind and provision; length, credited and delaying length last.
    const std::pair<std::string, std::string> zeiten[] = {
        {"1 | 01.09.2004 – 31.05.2005 | ", " | 0 | 9 | 0 | 0 | 9 | 0 | 0 | 0 | 0"},
        {"2 | 01.06.2007 – 31.07.2008 | ", " | 1 | 2 | 0 | 1 | 2 | 0 | 0 | 0 | 0"},
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
            zeitraum(("01/02/" + jahr).c_str(), ("30/11/" + jahr).c_str(), zeitarten[i % 9].art, "Lena");
        z.anerkannt = true;
        z.beschreibung = "Sachbearbeitung in der Stadtverwaltung Musterstadt, Amt für Ordnung und Verkehr";
        fall.zeiträume.push_back(z);
    }
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("stufe.pdf"));
    QString fehler;
    std::vector<Druckposten> protokoll;
    ASSERT_TRUE(pdfSchreiben(
        datei, QStringLiteral("Stufe"),
        [&](Druckauftrag& a) {
            const bool ok = stufenmappeDrucken(fall, beispielfall().bescheid, "Erika Mustermann", "", heute,
                                               Seitenwahl::berechnung, a);
            protokoll = a.protokoll();
            return ok;
        },
        fehler))
        << fehler.toStdString();
    const int seiten = protokoll.back().seite;
    EXPECT_GE(seiten, 3);

    // The table's head once on every page that holds rows, the rows in their order.
    std::vector<int> köpfe(static_cast<std::size_t>(seiten) + 1, 0), zeilenseiten;
    for (const Druckposten& p : protokoll)
        köpfe[static_cast<std::size_t>(p.seite)] += p.text == "Nr." ? 1 : 0;
    std::vector<int> nummern;
    for (const Druckposten& p : protokoll) {
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
        EXPECT_GE(w.links, rand);
        EXPECT_LE(w.rechts, w.seitenbreite - rand);
        EXPECT_GE(w.oben, rand);
        EXPECT_LE(w.unten, w.seitenhöhe - rand);
    }
}

// Everything filled in and the delay explained: one page with either address field and the shipped
// legal-remedy text, the address inside the window; a text three times as long no longer fits.
TEST(Stufenbescheid, EineSeiteMitAnschriftImFenster) {
    Stufenfall fall = beispiel2();
    fall.zeiträume.push_back(zeitraum("10/04/2018", "24/09/2018", Zeitart::ohneBezüge));
    const Stufenergebnis ergebnis = stufenberechnen(fall);
    Bescheiddaten bescheid = beispielfall().bescheid;
    bescheid.geschäftszeichen = "P 12 - 345/2024";
    bescheid.unterschrift1 = "Anna Schmidt";
    bescheid.unterschrift2 = "Bernd Meier";
    const std::string belehrung = mitgelieferteBelehrung();
    ASSERT_FALSE(belehrung.empty());
    for (const Anschriftform form : {Anschriftform::a, Anschriftform::b}) {
        SCOPED_TRACE(std::string(anschriftformText(form)));
        bescheid.anschriftfeld = form;
        EXPECT_TRUE(stufenbescheidPasstAufEineSeite(fall, ergebnis, bescheid, "Erika Mustermann", belehrung));
        EXPECT_FALSE(stufenbescheidPasstAufEineSeite(fall, ergebnis, bescheid, "Erika Mustermann",
                                                     belehrung + "$" + belehrung + "$" + belehrung));
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("stufe.pdf"));
        QString fehler;
        ASSERT_TRUE(pdfSchreiben(
            datei, QStringLiteral("Stufe"),
            [&](Druckauftrag& a) {
                return stufenmappeDrucken(fall, bescheid, "Erika Mustermann", belehrung, heute,
                                          Seitenwahl::bescheid, a);
            },
            fehler))
            << fehler.toStdString();
        anschriftImFenster(datei, form,
                           "Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München",
                           "Frau Erika Mustermann Lindenstraße 5 12345 Musterstadt");
    }
}

// Without a valid appointment there is nothing to print: the job fails with a message and draws nothing.
TEST(Stufenmappe, OhneErnennungKeinDruck) {
    Stufenfall fall = beispiel2();
    fall.ernennung = "31/02/2015";
    const Gedruckt g = drucken(fall, Seitenwahl::beide);
    EXPECT_FALSE(g.ok);
    EXPECT_TRUE(g.fehler.contains(QStringLiteral("Tag der Ernennung")));
    EXPECT_TRUE(g.protokoll.empty());
}

TEST(Stufentexte, DauerInWorten) {
    const struct {
        Zeitspanne spanne;
        const char* text;
    } dauern[] = {
        {{0, 0, 0}, "0 Tage"},
        {{1, 0, 0}, "1 Tag"},
        {{0, 1, 0}, "1 Monat"},
        {{0, 0, 1}, "1 Jahr"},
        {{0, 3, 3}, "3 Jahre und 3 Monate"},
        {{10, 2, 4}, "4 Jahre, 2 Monate und 10 Tage"},
        {{15, 5, 0}, "5 Monate und 15 Tage"},
    };
    for (const auto& d : dauern) EXPECT_EQ(dauertext(d.spanne), d.text);
    const std::pair<int, const char*> monate[] = {{0, "0 Monate"},
                                                  {11, "11 Monate"},
                                                  {12, "1 Jahr"},
                                                  {13, "1 Jahr und 1 Monat"},
                                                  {51, "4 Jahre und 3 Monate"}};
    for (const auto& [anzahl, text] : monate) EXPECT_EQ(monatstext(anzahl), text);
}

}  // namespace

}  // namespace bda::druck
