#pragma once
// What the print tests share: a typical case, a print job on a PDF in memory that records every text,
// the recorded texts as lines in a compact rendering compared with a hand-written listing, and the words
// of a PDF file as poppler's pdftotext reads them off the pages.

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Druckauftrag.h"
#include "Eingangsamt.h"
#include "Fall.h"
#include "Pdfdatei.h"

namespace bda::druck {

// Arial in twips: average character width (OS/2 table) and line height; Liberation Sans has the same
// metrics up to rounding to the device's pixels.
inline double arialZeichenbreite(double größe, bool fett) { return größe * 20 * (fett ? 983 : 904) / 2048.0; }
inline double arialZeilenhöhe(double größe) { return größe * 20 * (1854 + 434) / 2048.0; }
inline bool nahe(double ist, double soll) { return std::abs(ist - soll) <= 0.005 * std::abs(soll) + 1; }

// Born 15/06/1970, appointed 15/06/2008 as A 1 to A 12: postponed by 2 years and 3 months from 01/06/1991
// to 01/09/1993. Quarter-rule periods: 0/0/0 with its dates, 0/3/0; half rule: 5/0/0 without dates. The
// notice of the Landesamt in München goes to Frau Erika Mustermann with a service address; pay settlement
// of 2004; the address field of form A.
inline Fall beispielfall() {
    using namespace std::literals;
    Fall fall;
    const std::pair<int, const char*> daten[] = {
        {0, "15/06/1970"},  {1, "01/06/1991"},  {2, "15/06/2008"},  {3, "01/01/2002"},  {4, "31/12/2002"},
        {5, "01/02/2003"},  {6, "30/04/2003"},  {19, "01/09/1993"}, {20, "15/06/2001"}, {21, "14/06/2005"},
        {22, "15/06/2005"}, {23, "14/06/2008"}, {24, "14/06/1991"},
    };
    for (const auto& [feld, text] : daten) fall.datum[feld] = text;
    fall.überschritten = {0, 0, 7};
    fall.rahmen1 = {{{0, 0, 4}, {}, {0, 3, 0}, {}, {}, {0, 3, 0}, {0, 0, 3}, {0, 9, 0}}};
    fall.rahmen2 = {{{0, 0, 3}, {}, {}, {}, {5, 0, 0}, {}, {0, 0, 3}, {0, 6, 1}}};
    fall.gesamt = {0, 3, 2};
    fall.eingabe = {"Grundwehrdienst", "Beurlaubung", "", "", "", "", "", "ohne Daten"};
    fall.text3 = überschreitungstext("31");
    fall.label10 = hälftetext("35");
    fall.name = "Erika Mustermann";
    Bescheiddaten& d = fall.bescheid;
    d.behörde = {"Landesamt für Besoldung"sv, "und Versorgung"sv, "Musterstraße 12"sv, "80333 München"sv};
    d.anrede = "c";
    d.anschrift1 = "Lindenstraße 5";
    d.anschrift2 = "12345 Musterstadt";
    d.dienstanschrift = "  Finanzamt Musterstadt";
    d.bezugsjahr = 2004;
    return fall;
}

// The PDF set up as pdfSchreiben sets it up: A4, 5 mm margins.
inline QPdfWriter& eingerichtet(QPdfWriter& pdf) {
    pdfEinrichten(pdf);
    return pdf;
}

// A print job on a PDF that nobody reads.
struct Aufzeichnung {
    explicit Aufzeichnung(Druckauftrag::Umfang umfang = Druckauftrag::Umfang::einDokument)
        : auftrag(eingerichtet(pdf), umfang) {}
    QPdfWriter pdf{QStringLiteral("/dev/null")};
    Druckauftrag auftrag;
};

// `inhalt` written by pdfSchreiben as "t.pdf" into the folder; returns the file's path.
inline QString pdfDatei(const QTemporaryDir& ordner, const std::function<bool(Druckauftrag&)>& inhalt) {
    const QString datei = ordner.filePath(QStringLiteral("t.pdf"));
    QString fehler;
    EXPECT_TRUE(pdfSchreiben(datei, QStringLiteral("Test"), inhalt, fehler)) << fehler.toStdString();
    return datei;
}

inline void schreibe(const QString& datei, const char* bytes) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The standard output of a program such as poppler's pdfinfo or pdftotext.
inline QString ausgabe(const QString& programm, const QStringList& argumente) {
    QProcess prozess;
    prozess.start(programm, argumente);
    prozess.waitForFinished();
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

// The size of every page in points, as pdfinfo reads the file: "595x842 842x595".
inline QString seitengrößen(const QString& datei) {
    const QString info = ausgabe(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "99", datei});
    QStringList größen;
    const QRegularExpression muster(QStringLiteral(R"(Page\s+\d+ size:\s+(\d+)\S* x (\d+))"));
    for (auto treffer = muster.globalMatch(info); treffer.hasNext();) {
        const auto t = treffer.next();
        größen << t.captured(1) + QLatin1Char('x') + t.captured(2);
    }
    return größen.join(QLatin1Char(' '));
}

// Consecutive texts at the same height of the same page form one line.
using Zeile = std::vector<Druckposten>;
inline std::vector<Zeile> zeilen(const std::vector<Druckposten>& protokoll) {
    std::vector<Zeile> ergebnis;
    for (const auto& p : protokoll) {
        if (ergebnis.empty() || ergebnis.back()[0].seite != p.seite || ergebnis.back()[0].y != p.y) {
            ergebnis.emplace_back();
        }
        ergebnis.back().push_back(p);
    }
    return ergebnis;
}

// A line as "font where text" per text, joined by " | ". Font: size, then B bold, U underlined, S struck
// through. Where: x in twips, "cN" for print column N (first text of a line only) or ">" for directly
// behind the text before. Blanks at the end of a text are written as "~" and their number.
inline std::string darstellung(const Zeile& z) {
    std::string s;
    for (std::size_t i = 0; i < z.size(); ++i) {
        const Druckposten& p = z[i];
        s += (i ? " | " : "") + std::to_string(static_cast<int>(p.größe)) + (p.fett ? "B" : "") +
             (p.unterstrichen ? "U" : "") + (p.durchgestrichen ? "S" : "");
        const double breite = arialZeichenbreite(p.größe, p.fett);
        const long spalte = std::lround(p.x / breite) + 1;
        if (p.x == std::round(p.x)) {
            s += " " + std::to_string(std::lround(p.x));
        } else if (i == 0 && nahe(p.x, (spalte - 1) * breite)) {
            s += " c" + std::to_string(spalte);
        } else {
            s += i > 0 && p.x > z[i - 1].x ? " >" : " x=" + std::to_string(p.x);
        }
        const std::size_t ende = p.text.find_last_not_of(' ') + 1;  // 0 for a blank text
        s += " " + p.text.substr(0, ende);
        if (ende < p.text.size()) s += "~" + std::to_string(p.text.size() - ende);
    }
    return s;
}

// An expected line: its distance from the line before (the first line of the document: from the top) and
// its rendering.
using Sollzeile = std::pair<double, std::string>;

// Compares z[ab], z[ab + 1], ... with `soll`; the first distance counts from z[ab - 1].
inline void vergleiche(const std::vector<Zeile>& z, std::size_t ab, const std::vector<Sollzeile>& soll) {
    std::string ist, erwartet;
    for (std::size_t i = 0; i < soll.size(); ++i) {
        erwartet += soll[i].second + "\n";
        if (ab + i >= z.size()) continue;
        const double abstand = z[ab + i][0].y - (ab + i > 0 ? z[ab + i - 1][0].y : 0);
        if (!nahe(abstand, soll[i].first)) ist += "(" + std::to_string(abstand) + " twips down) ";
        ist += darstellung(z[ab + i]) + "\n";
    }
    EXPECT_EQ(ist, erwartet);
}

// A word of a PDF file with its box in mm from the sheet's top left corner, and its page's size.
struct Wort {
    QString text;
    double links, oben, rechts, unten;
    int seite;
    double seitenbreite, seitenhöhe;
};

// Every word of the file.
inline std::vector<Wort> wörter(const QString& pdf) {
    const QString xhtml = ausgabe(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    const QRegularExpression muster(QStringLiteral(
        R"w(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)w"));
    const auto mm = [](const QString& punkte) { return punkte.toDouble() * 25.4 / 72; };
    std::vector<Wort> ergebnis;
    int seite = 0;
    double breite = 0, höhe = 0;
    for (auto treffer = muster.globalMatch(xhtml); treffer.hasNext();) {
        const auto t = treffer.next();
        if (!t.captured(1).isEmpty()) {
            ++seite;
            breite = mm(t.captured(1));
            höhe = mm(t.captured(2));
            continue;
        }
        ergebnis.push_back({t.captured(7), mm(t.captured(3)), mm(t.captured(4)), mm(t.captured(5)),
                            mm(t.captured(6)), seite, breite, höhe});
    }
    return ergebnis;
}

}  // namespace bda::druck
