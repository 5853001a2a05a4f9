// The calculation sheet and the notice printed into the recording job, checked line by line; the
// legal-remedy text the notice prints; what is refused before printing; notice and sheet in one job as a
// PDF/A file on disk, and the failures that must leave nothing behind.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "Behoerde.h"
#include "Behoerdenplatzhalter.h"
#include "Belehrungsdatei.h"
#include "Berechnung.h"
#include "Bescheid.h"
#include "Druckfreigabe.h"
#include "Druckhilfe.h"
#include "Druckmappe.h"
#include "Stufenliste.h"

namespace bda::druck {

namespace {

using namespace std::chrono;

const double h6 = arialZeilenhöhe(6), h8 = arialZeilenhöhe(8), h10 = arialZeilenhöhe(10),
             h12 = arialZeilenhöhe(12), h14 = arialZeilenhöhe(14);
const std::string linie = std::string(99, '_');
constexpr year_month_day heute{year{2004}, February, day{3}};

std::string zahlen(const std::string& schrift, int tage, int monate, int jahre) {
    return " | " + schrift + " 12100 " + std::to_string(tage) + " | " + schrift + " 13100 " +
           std::to_string(monate) + " | " + schrift + " 14100 " + std::to_string(jahre);
}

TEST(Berechnung, DrucktDieBlöckeDerSichtbarenRahmen) {
    const std::string doppellinie = "12B 12100 " + std::string(20, '=');
    // clang-format off
    const std::string erläuterung = "8 5000 (1. Zeiten mit Dienstbezügen, 2. Kinderbetreuung, 3. Beurlaubung, die öffentl. Interessen dient)";
    const std::vector<Sollzeile> kopf = {
        {2 * h10, "10 c90 Seite 2"},
        {h10, "10 c40 zur Festsetzung des BDA für Erika Mustermann (Geb.tag = 15/06/1970, Ernennungstag 15/06/2008)"},
        {2 * h10, "12BU 1500 Berechnung des Hinausschiebens, wenn das maßgebende Lebensjahr bei der Ernennung überschritten war:"},
        {2 * h12, "12B 12000 Tage | 12B 12800 Monate | 12B 14000 Jahre"},
        {2 * h12, "12B 1500 Am Tag der Ernennung war die Vollendung des    31.    Lebensj. überschritten um . . . . . . .~1" + zahlen("12B", 0, 0, 7)},
        {2 * h12, "12B 1500 " + linie},
    };
    const std::vector<Sollzeile> viertelblock = {
        {0, "12B 1500 Davon entfallen auf die Zeit bis zur Vollendung des     35.      Lebensjahres . . . . . . . . . . . . .~1" + zahlen("12B", 0, 0, 4)},
        {2 * h12 - 200, "12B 1500 15/06/2001  bis  14/06/2005 | 12B 5000 Anrechenbare Zeiten"},
        {h12, erläuterung},
        {h8 - 50, "12 1500 " + linie},
        {2 * h12 - 200, "12 1500 01/02/2003   bis   30/04/2003 | 12 5000 Beurlaubung" + zahlen("12", 0, 3, 0)},
        {2 * h12 - 200, "12B 5000 " + std::string(73, '_')},
        {h12 + 100, "12 5000 Summe der anrechenbaren Zeiten . . . . . . . . . . . . . . . . . . . . . . ." + zahlen("12", 0, 3, 0)},
        {h12, "12 5000 Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . ." + zahlen("12", 0, 0, 3)},
        {h12, "12 5000 Das BDA wird um~5 | 12B > ein Viertel | 12 >      davon hinausgeschoben . . ." + zahlen("12B", 0, 9, 0)},
        {h12, doppellinie},
    };
    const std::vector<Sollzeile> hälfteblock = {
        {0, "12B 1500 " + linie},
        {2 * h12, "12B 1500 Davon entfallen auf die Zeit ab Vollendung des    35.    Lebensjahres . . . . . . . . . . . . . . . . . .~1" + zahlen("12B", 0, 0, 3)},
        {2 * h12 - 200, "12B 1500 15/06/2005  bis  14/06/2008 | 12B 5000 Anrechenbare Zeiten"},
        {h12, erläuterung},
        {h8 - 50, "12 1500 " + linie},
        {2 * h12 - 200, "12 1500 __/__/____   bis   __/__/____ | 12 5000 ohne Daten" + zahlen("12", 5, 0, 0)},
        {2 * h12 - 200, "12B 5000 " + std::string(73, '_')},
        {h12 + 100, "12 5000 Summe der anrechenbaren Zeiten  . . . . . . . . . . . . . . . . . . . . . .~1" + zahlen("12", 0, 0, 0)},
        {h12, "12 5000 Es verbleiben Zeiten, die nicht  anrechenbar sind  . . . . . . . . . . ." + zahlen("12", 0, 0, 3)},
        {h12, "12 5000 Das BDA wird um~5 | 12B > die Hälfte~1 | 12 >      davon hinausgeschoben . . ." + zahlen("12B", 0, 6, 1)},
        {h12, doppellinie},
    };
    const std::vector<Sollzeile> ergebnis = {
        {0, "12B 1500 " + linie},
        {2 * h12, "12B 1500 Insgesamt ist  das  B D A  hinauszuschieben um (auf volle Monate abgerundet)  . . . . . . . . | 12B 12100 ( | 12BS > 0 | 12B > ) | 12B 13100 3 | 12B 14100 2"},
        {h12, "12B 1500 Das Regel-BDA  01/06/1991  wird somit auf  01/09/1993  hinausgeschoben. | " + doppellinie},
        {h12, "12B 6450 ========="},
    };
    // clang-format on
    for (const auto& [viertel, hälfte] :
         {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
        SCOPED_TRACE(std::to_string(viertel) + std::to_string(hälfte));
        Fall fall = beispielfall();
        fall.rahmen1Sichtbar = viertel;
        fall.rahmen2Sichtbar = hälfte;
        std::vector<Sollzeile> soll = kopf;
        double abstand = 2 * h12;  // the line end of the rule line and the empty line behind it
        const auto anhängen = [&](std::vector<Sollzeile> block) {
            block[0].first = abstand;
            soll.insert(soll.end(), block.begin(), block.end());
            abstand = h12;
        };
        if (viertel) anhängen(viertelblock);
        abstand += h12;  // the empty line between the blocks
        if (hälfte) anhängen(hälfteblock);
        anhängen(ergebnis);

        Aufzeichnung a;
        EXPECT_TRUE(berechnungDrucken(fall, a.auftrag)) << a.auftrag.fehler().toStdString();
        const auto z = zeilen(a.auftrag.protokoll());
        EXPECT_EQ(z.size(), soll.size());
        vergleiche(z, 0, soll);
        EXPECT_EQ(a.pdf.pageLayout().orientation(), QPageLayout::Landscape);
    }
}

// The steps from the BDA 01/09/1993 after 2, 4, 6, 8, 11, 14, 17 years (the old § 27 Abs. 2): step 7
// from 01/09/2007 is the one reached on the day of appointment, 15/06/2008, and the only one in bold.
TEST(Stufenliste, BriefkopfRegelUndErreichteStufeFett) {
    Aufzeichnung a;
    ASSERT_TRUE(stufenlisteDrucken(beispielfall(), stufenplan(year{1993} / 9 / 1), 7, a.auftrag));
    const auto z = zeilen(a.auftrag.protokoll());
    vergleiche(z, 0, {{h12, "12B 1500 Landesamt für Besoldung"}, {h12, "12B 1500 und Versorgung"}});
    vergleiche(z, 3, {{h14, "10 1500 nach § 27 Abs. 2 BBesG a.F., Besoldungsordnung A"}});
    vergleiche(z, 15,
               {{h10, "10 1500 6 | 10 3000 01/09/2004 | 10 4800 nach 11 Jahren"},
                {h10,
                 "10B 1500 7 | 10B 3000 01/09/2007 | 10B 4800 nach 14 Jahren | 10B 7200 erreicht am Tag der "
                 "Ernennung"},
                {h10, "10 1500 8 | 10 3000 01/09/2010 | 10 4800 nach 17 Jahren"}});
}

const std::string belehrung =
    "Gegen diesen Bescheid ist der Widerspruch zulässig.$Er ist bei der Behörde einzulegen, die ihn erlassen "
    "hat:$[Behörde mit Anschrift]";
const std::string unterschrift = "12 c9 Sachlich und rechnerisch richtig:~1 | 12 > ~23 | 12 > Festgestellt:";

// The typical notice line by line from the top, and its variants from the line named on.
TEST(Bescheid, DrucktJedeZeileDesTypischenBescheidsUndSeinerAbwandlungen) {
    const std::string heading = "12B c8 Rechtsbehelfsbelehrung";
    const std::string absender = "Landesamt für Besoldung und";
    // The sender line's foot and the address on the top of the address zone (44.7 mm from the sheet's top,
    // 5 mm above the printable area's), the text one line below the field (72 mm). The sender line's 70
    // characters take about 99 mm at 8 points, 87 at 7 and 74 at 6: only 6 points fit the 79.5 mm right of
    // column 12.
    // clang-format off
    const std::vector<Sollzeile> typisch = {
        {2 * h12, "12B c8 Landesamt für Besoldung~16 | 12B 7000 03.02.2004"},
        {h12, "12B c8 und Versorgung~26"},
        {(44.7 - 5) / 25.4 * 1440 - h6 - 3 * h12, "6 c23 Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München"},
        {h6, "12 c12 Frau"},
        {h12, "12 c12 Erika Mustermann | 12 7000 Dienstanschrift:"},
        {h12, "12 c12 Lindenstraße 5~16 | 12 7000 Finanzamt Musterstadt~19"},
        {h12, "12 c12 12345 Musterstadt~13"},
        {(72 - 44.7) / 25.4 * 1440 - 2 * h12, "12B c8 Festsetzung Ihres Besoldungsdienstalters"},
        {2 * h12, "12 c12 Ihr Besoldungsdienstalter (BDA) wird mit Wirkung ab~1 | 12 7000 15/06/2008"},
        {h12, "12 c12 festgesetzt auf | 12B 7000 01/09/1993 | 12 > ."},
        {3 * h12, "12B c8 Begründung"},
        {2 * h12, "12 c12 Das BDA wurde gemäß~1 | 12 > § 28 BBesG~1 | 12 > wie folgt berechnet:"},
        {2 * h12, "12 c12 1. Geburtstag | 12 7000 15/06/1970"},
        {2 * h12, "12 c12 2. Vollendung des 21. Lebensjahres | 12 7000 14/06/1991"},
        {2 * h12, "12 c12 3. Regel-Besoldungsdienstalter | 12 7000 01/06/1991"},
        {2 * h12, "12 c12 4. Tag der Ernennung bzw. Dienstaufnahme | 12 7000 15/06/2008"},
        {2 * h12, "12 c12 5. Das Regel-BDA ist lt. Berechnung auf Seite 2 um | 12 7000 3 Monate und 2 Jahre"},
        {h12, "12 1420 hinauszuschieben und beginnt somit am~1 | 12B 7000 01/09/1993"},
        {2 * h12, "12 c12 Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe"},
        {h12, "12 c12 für die Dauer von 2 Jahren ist hier nicht berücksichtigt."},
        {3 * h12, "12B c8 Rechtsbehelfsbelehrung"},
        {h12 + h8, "8 c17 Gegen diesen Bescheid ist der Widerspruch zulässig."},
        {h8, "8 c17 Er ist bei der Behörde einzulegen, die ihn erlassen hat:"},
        {h8, "8 c17 Landesamt für Besoldung"},
        {h8, "8 c17 und Versorgung"},
        {h8, "8 c17 Musterstraße 12"},
        {h8, "8 c17 80333 München"},
        {h8 + 2 * h12, unterschrift},
        {3 * h12, "12 c9 " + std::string(25, '_') + " | 12 > ~26 | 12 > " + std::string(25, '_')},
    };
    const struct {
        const char* name;
        void (*ändern)(Fall&, std::string& belehrung);
        std::string nach;  // the lines compared follow the first line that begins with this text, "": all
        std::vector<Sollzeile> soll;
    } fälle[] = {
        {"typisch", [](Fall&, std::string&) {}, "", typisch},
        {"Anrede d, leere Dienstanschrift", [](Fall& f, std::string&) { f.bescheid.anrede = "d"; f.bescheid.dienstanschrift = "  "; }, absender,
         {{h6, "12 c12 Fräulein"}, {h12, "12 c12 Erika Mustermann"}, {h12, "12 c12 Lindenstraße 5~16"}, {h12, "12 c12 12345 Musterstadt~13"}}},
        {"leere Anschrift 1 ohne Dienstanschrift", [](Fall& f, std::string&) { f.bescheid.anschrift1 = ""; f.bescheid.dienstanschrift = ""; }, absender,
         {{h6, "12 c12 Frau"}, {h12, "12 c12 Erika Mustermann"}, {h12, "12 c12 12345 Musterstadt~13"}}},
        {"15 Tage, 2002", [](Fall& f, std::string&) { f.gesamt = {15, 0, 0}; f.bescheid.bezugsjahr = 2002; }, "4. Tag",
         {{2 * h12, "12 c12 5. Das Regel-BDA lt. Ziffer 3 ist nicht hinauszuschieben."}, {4 * h12, heading}}},
        {"2003", [](Fall& f, std::string&) { f.bescheid.bezugsjahr = 2003; }, "hinauszuschieben",
         {{2 * h12, "12 c12 Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe"}}},
        {"2005", [](Fall& f, std::string&) { f.bescheid.bezugsjahr = 2005; }, "hinauszuschieben",
         {{2 * h12, "12 c12 Die in der Tarifrunde 2003 festgelegte Zurückstufung um eine halbe Stufe"}}},
        {"2006", [](Fall& f, std::string&) { f.bescheid.bezugsjahr = 2006; }, "hinauszuschieben",
         {{4 * h12, heading}}},
        {"Unterschriften", [](Fall& f, std::string&) { f.bescheid.unterschrift1 = "Anna Schmidt"; f.bescheid.unterschrift2 = " Bernd Meier "; }, "___",
         {{h12, "12 c9 Anna Schmidt | 12 > Bernd Meier"}}},
        {"leerer Text", [](Fall&, std::string& t) { t = std::string(1000, ' '); }, "Rechtsbehelfsbelehrung",
         {{h12 + h8 + 2 * h12, unterschrift}}},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        Fall fall = beispielfall();
        std::string text = belehrung;
        f.ändern(fall, text);
        Aufzeichnung a;
        EXPECT_TRUE(bescheidDrucken(fall, text, heute, a.auftrag));
        const auto z = zeilen(a.auftrag.protokoll());
        const auto nach =
            std::ranges::find_if(z, [&](const Zeile& l) { return l[0].text.starts_with(f.nach); });
        ASSERT_NE(nach, z.end());
        vergleiche(z, f.nach.empty() ? 0 : static_cast<std::size_t>(nach - z.begin()) + 1, f.soll);
        EXPECT_EQ(z.size(), f.nach.empty() ? f.soll.size() : z.size()) << "the typical notice ends there";
        EXPECT_EQ(a.pdf.pageLayout().orientation(), QPageLayout::Portrait);
    }
}

// A notice with everything filled in fits on its page with either address field; a long legal-remedy
// text does not. By hand, in mm from the top of the sheet (printable to 292): the text begins one line
// below the field (72 or 90), the heading "Rechtsbehelfsbelehrung" 25 lines of 12 points (4.73) further
// down, its first line 4.73 + 3.15 below that, each line 3.15 more; from the last line to the foot of the
// signers' names it is 3.15 + 7 × 4.73, or 7 × 4.73 when the text ends in "$". Form B thus takes 13 lines
// ending in "$", or 8 lines and the authority's 4; form A 18 lines.
TEST(Bescheid, AllesAusgefülltBleibtEineSeite) {
    Fall fall = beispielfall();
    fall.bescheid.geschäftszeichen = "P 12 - 345/2024";
    fall.bescheid.unterschrift1 = "Anna Schmidt";
    fall.bescheid.unterschrift2 = "Bernd Meier";
    const struct {
        Anschriftform form;
        int zeilen;
        bool mitBehörde, passt;
    } fälle[] = {{Anschriftform::a, 18, false, true},
                 {Anschriftform::b, 13, false, true},
                 {Anschriftform::b, 14, false, false},
                 {Anschriftform::b, 9, true, false}};
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.zeilen);
        std::string text;
        for (int i = 0; i < f.zeilen; ++i)
            text += "Gegen diesen Bescheid kann innerhalb eines Monats Widerspruch erhoben werden.$";
        if (f.mitBehörde) text += "[Behörde mit Anschrift]";
        fall.bescheid.anschriftfeld = f.form;
        EXPECT_EQ(bescheidPasstAufEineSeite(fall, text), f.passt);
        Aufzeichnung a;
        EXPECT_TRUE(bescheidDrucken(fall, text, heute, a.auftrag));
        EXPECT_EQ(a.auftrag.protokoll().back().seite, f.passt ? 1 : 2);
    }
}

std::string bytesVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<missing>";
}

// The notice prints the shipped text without wrapping: each line between two "$" must fit the page at
// column 17 in 8 points, also with the widest authority filled in.
TEST(Belehrungsdatei, MitgelieferterSatzPasstZeilenweiseInDieBreiteDesBescheids) {
    const std::string w(40, 'W');
    const std::string_view b = w;
    const std::string text = behördeEingesetzt(mitgelieferteBelehrung(), behördentext({b, b, b, b}));
    ASSERT_NE(text, mitgelieferteBelehrung());
    for (std::size_t anfang = 0; anfang <= text.size();) {
        const std::size_t ende = std::min(text.find('$', anfang), text.size());
        SCOPED_TRACE(text.substr(anfang, ende - anfang));
        Aufzeichnung a;
        a.auftrag.größeSetzen(8);
        a.auftrag.zuSpalte(17);
        a.auftrag.drucke(text.substr(anfang, ende - anfang));
        EXPECT_LE(a.auftrag.x(), (210.0 - 2 * 5) / 25.4 * 1440);
        anfang = ende + 1;
    }
}

// The clerk's own text: in the data folder when no folder is given, else in the folder given, there in the
// Kennung's folder when there is one; backslashes and blanks at a name's end do not reach the path.
TEST(Belehrungsdatei, DateinameDesBenutzers) {
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(Belehrungsdatei::benutzerdateiname("", FesterText<7>()), daten + "/Belehrung.txt");
    EXPECT_EQ(Belehrungsdatei::benutzerdateiname("  \\srv\\bda\\  ", FesterText<7>("AB12")),
              "/srv/bda/AB12/Belehrung.txt");
}

// The user's text whenever it is not blank, as it stands; control characters refuse the notice. The
// notice only reads the file.
TEST(Belehrungsdatei, BescheidDrucktDenTextDesBenutzersWennErNichtLeerIst) {
    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Belehrung.txt");
    const std::string mitgeliefert = mitgelieferteBelehrung();
    const struct {
        const char* bytes;  // nullptr: no user's file
        std::string text;
        bool fehler = false;
    } fälle[] = {
        {nullptr, mitgeliefert},
        {"          ", mitgeliefert},
        {"  gegen meinen Text  ", "  gegen meinen Text"},
        {"Gegen\x01 A", "", true},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.text);
        QFile::remove(benutzer);
        if (f.bytes) schreibe(benutzer, f.bytes);
        const Druckbelehrung druck = Belehrungsdatei(benutzer).zumDrucken();
        EXPECT_EQ(druck.text, f.text);
        EXPECT_EQ(druck.mitgeliefert, f.text == mitgeliefert);
        EXPECT_EQ(druck.fehler.contains("„" + QDir::toNativeSeparators(benutzer) + "“ enthält Steuerzeichen"),
                  f.fehler)
            << druck.fehler.toStdString();
        EXPECT_EQ(bytesVon(benutzer), f.bytes ? f.bytes : "<missing>");
    }
}

// Both documents print the birth date, the appointment and the BDA; the clerk is sent to the first
// of them that is missing.
TEST(Druckfreigabe, FehlendesFeldZuerst) {
    const struct {
        const char *geburtstag, *ernennung, *bda;
        std::optional<int> fehlt;
    } fälle[] = {
        {"15/06/19__", "15/06/2008", "__/__/____", 0},
        {"15/06/1970", "15/06/20__", "01/06/1991", 2},
        {"15/06/1970", "15/06/2008", "__/__/____", 0},
        {"15/06/1970", "15/06/2008", "01/12/1993", std::nullopt},
    };
    for (const auto& f : fälle) {
        Fall fall;
        fall.datum[Feld::geburtstag] = f.geburtstag;
        fall.datum[Feld::ernennung] = f.ernennung;
        fall.datum[Feld::bda] = f.bda;
        EXPECT_EQ(fehlendesDruckfeld(fall), f.fehlt) << f.geburtstag << f.ernennung << f.bda;
    }
}

// Each document from a page of its own in its orientation; the file is PDF/A-1b with its fonts embedded
// and replaces an older file of its name.
TEST(Druckmappe, JedesDokumentAufEigenerSeiteAlsPdfA) {
    for (const auto& [wahl, seiten] :
         {std::pair{Seitenwahl::beide, "595x842 842x595"}, std::pair{Seitenwahl::bescheid, "595x842"},
          std::pair{Seitenwahl::berechnung, "842x595"}}) {
        SCOPED_TRACE(seiten);
        QTemporaryDir ordner;
        schreibe(ordner.filePath(QStringLiteral("t.pdf")), "alt");
        const QString datei = pdfDatei(
            ordner, [&](Druckauftrag& a) { return mappeDrucken(beispielfall(), belehrung, heute, wahl, a); });
        EXPECT_EQ(seitengrößen(datei), seiten);
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.pdf"});
        const QString metadaten = ausgabe(QStringLiteral("pdfinfo"), {"-meta", datei});
        EXPECT_TRUE(metadaten.contains(QStringLiteral("pdfaid:part=\"1\""))) << metadaten.toStdString();
        EXPECT_TRUE(metadaten.contains(QStringLiteral("pdfaid:conformance=\"B\"")));
        const QStringList schriften =
            ausgabe(QStringLiteral("pdffonts"), {datei}).split('\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(schriften.isEmpty());
        for (const QString& schrift : schriften) {
            EXPECT_TRUE(schrift.contains(QRegularExpression(R"(\s+yes\s+\S+\s+\S+\s+\d+\s+\d+$)")))
                << "embedded";
        }
    }
}

// A file that cannot be written names itself and the reason and leaves everything as it was; so do pages
// that fail half written, over an older file of the name.
TEST(Pdfdatei, FehlschlagNenntDateiUndGrundUndHinterlässtNichts) {
    QTemporaryDir ordner;
    schreibe(ordner.filePath(QStringLiteral("Akte.txt")), "eine Datei");
    schreibe(ordner.filePath(QStringLiteral("alt.pdf")), "alt");
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Bescheid.pdf")));
    const struct {
        const char *datei, *grund;  // "": the pages fail
    } fälle[] = {
        {"Akte.txt/2024/Bescheid.pdf", "Akte.txt“ ist eine Datei, kein Ordner."},
        {"fehlt/Bescheid.pdf", "fehlt“ gibt es nicht."},
        {"Bescheid.pdf", "Unter diesem Namen steht schon ein Ordner."},
        {"alt.pdf", ""},
    };
    const auto inhalt = [&] {
        return ausgabe(QStringLiteral("find"), {ordner.path(), "-printf", "%p %s\\n"});
    };
    const QString vorher = inhalt();
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.datei);
        const QString datei = ordner.filePath(QString::fromUtf8(f.datei));
        QString fehler;
        EXPECT_FALSE(pdfSchreiben(
            datei, QStringLiteral("BDA-Bescheid"),
            [&](Druckauftrag& a) {
                if (!*f.grund) {
                    a.drucke("halb geschrieben");
                    return false;
                }
                return mappeDrucken(beispielfall(), belehrung, heute, Seitenwahl::beide, a);
            },
            fehler));
        const QString anfang = QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n").arg(datei);
        EXPECT_TRUE(fehler.startsWith(anfang) && fehler.contains(QString::fromUtf8(f.grund)))
            << fehler.toStdString();
        EXPECT_EQ(inhalt(), vorher);
    }
}

// A device that cannot be written fails the job with a reason; the document never reports success.
TEST(Druckauftrag, UnbeschreibbaresGerätScheitertMitGrund) {
    QPdfWriter pdf(QStringLiteral("/nonexistent-folder/t.pdf"));
    Druckauftrag auftrag(eingerichtet(pdf));
    EXPECT_FALSE(bescheidDrucken(beispielfall(), belehrung, heute, auftrag));
    EXPECT_FALSE(auftrag.fehler().isEmpty());
}

}  // namespace

}  // namespace bda::druck
