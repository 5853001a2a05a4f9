#pragma once
// What the document tests share: a print job that writes a PDF into memory and records every text,
// the recorded texts grouped into lines, Arial's metrics to check positions against, and the expected
// lines of a document written as the document's tables give them.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>
#include <cmath>
#include <string>
#include <vector>

#include "Druckauftrag.h"
#include "Eingangsamt.h"
#include "Fall.h"

// Arial in em (2048 units): average character width (OS/2 table) and the height of a line.
inline double arialZeichenbreite(double größe, bool fett) { return größe * 20 * (fett ? 983 : 904) / 2048.0; }
inline double arialZeilenhöhe(double größe) { return größe * 20 * (1854 + 434) / 2048.0; }
// Start of print column n.
inline double arialSpalte(int n, double größe, bool fett) {
    return (n - 1) * arialZeichenbreite(größe, fett);
}
// Liberation Sans has Arial's widths and heights up to rounding to the device's pixels.
inline ::testing::AssertionResult nahe(double ist, double soll) {
    if (std::abs(ist - soll) <= 0.005 * std::abs(soll) + 1) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ist << " twips instead of " << soll;
}

// The first n characters of a UTF-8 text.
inline std::string ersteN(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t zeichen = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && zeichen++ == n) break;
    }
    return std::string(text.substr(0, i));
}

inline std::string mal(int n, const std::string& text) {
    std::string ergebnis;
    for (int i = 0; i < n; ++i) ergebnis += text;
    return ergebnis;
}

// A print job on an A4 PDF in memory (5 mm margins).
struct Aufzeichnung {
    Aufzeichnung() {
        puffer.open(QIODevice::WriteOnly);
        pdfEinrichten(pdf);
    }
    QBuffer puffer;
    QPdfWriter pdf{&puffer};
    Druckauftrag auftrag{pdf};
};

struct Zeile {
    int seite = 1;
    double y = 0;
    std::vector<Druckposten> posten;
    std::string text() const {
        std::string ganz;
        for (const auto& p : posten) ganz += p.text;
        return ganz;
    }
};

// Consecutive texts at the same height of the same page form one line.
inline std::vector<Zeile> zeilen(const std::vector<Druckposten>& protokoll) {
    std::vector<Zeile> ergebnis;
    for (const auto& p : protokoll) {
        if (ergebnis.empty() || ergebnis.back().seite != p.seite || ergebnis.back().y != p.y) {
            ergebnis.push_back({p.seite, p.y, {}});
        }
        ergebnis.back().posten.push_back(p);
    }
    return ergebnis;
}

// "12" regular, "12B" bold, "12BU" bold underlined, "12BS" bold struck through.
inline std::string schrift(const Druckposten& p) {
    std::string code = std::to_string(static_cast<int>(p.größe));
    if (p.fett) code += 'B';
    if (p.unterstrichen) code += 'U';
    if (p.durchgestrichen) code += 'S';
    return code;
}

// An expected text: at x in twips, at a print column, or directly behind the text before it.
struct Soll {
    enum class Ort { twips, spalte, dahinter } ort;
    double wert;
    std::string schrift;
    std::string text;
};
inline Soll bei(double x, std::string schrift, std::string text) {
    return {Soll::Ort::twips, x, std::move(schrift), std::move(text)};
}
inline Soll spalte(int n, std::string schrift, std::string text) {
    return {Soll::Ort::spalte, static_cast<double>(n), std::move(schrift), std::move(text)};
}
inline Soll dahinter(std::string schrift, std::string text) {
    return {Soll::Ort::dahinter, 0, std::move(schrift), std::move(text)};
}
// An expected line: its distance from the line before it (the first: from the top) and its texts.
struct Sollzeile {
    double abstand;
    std::vector<Soll> posten;
};

inline void vergleiche(const std::vector<Zeile>& ist, const std::vector<Sollzeile>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t z = 0; z < soll.size(); ++z) {
        SCOPED_TRACE("line " + std::to_string(z + 1) + ": " + ist[z].text());
        EXPECT_TRUE(nahe(ist[z].y - (z > 0 ? ist[z - 1].y : 0), soll[z].abstand));
        ASSERT_EQ(ist[z].posten.size(), soll[z].posten.size());
        double ende = 0;
        for (std::size_t i = 0; i < soll[z].posten.size(); ++i) {
            const Druckposten& p = ist[z].posten[i];
            const Soll& s = soll[z].posten[i];
            EXPECT_EQ(p.text, s.text);
            EXPECT_EQ(schrift(p), s.schrift);
            EXPECT_EQ(p.schriftart, "arial");
            if (s.ort == Soll::Ort::twips) {
                EXPECT_DOUBLE_EQ(p.x, s.wert);
            } else if (s.ort == Soll::Ort::spalte) {
                EXPECT_TRUE(nahe(p.x, arialSpalte(static_cast<int>(s.wert), p.größe, p.fett)));
            } else {
                EXPECT_GT(p.x, ende);
            }
            ende = p.x;
        }
    }
}

// Born 15/06/1970, appointed 15/06/2008 as A 1 to A 12, one creditable year in the quarter-rule span:
// postponed by 2 years and 3 months from 01/06/1991 to 01/09/1993.
inline Fall beispielfall() {
    Fall fall;
    const std::pair<int, const char*> daten[] = {
        {0, "15/06/1970"},  {1, "01/06/1991"},  {2, "15/06/2008"},  {3, "01/01/2002"},
        {4, "31/12/2002"},  {19, "01/09/1993"}, {20, "15/06/2001"}, {21, "14/06/2005"},
        {22, "15/06/2005"}, {23, "14/06/2008"}, {24, "14/06/1991"},
    };
    for (const auto& [feld, text] : daten) fall.datum[feld] = text;
    fall.überschritten = {0, 0, 7};
    fall.rahmen1[0] = {0, 0, 4};
    fall.rahmen1[1] = {0, 0, 1};
    fall.rahmen1[5] = {0, 0, 1};
    fall.rahmen1[6] = {0, 0, 3};
    fall.rahmen1[7] = {0, 9, 0};
    fall.rahmen2[0] = {0, 0, 3};
    fall.rahmen2[6] = {0, 0, 3};
    fall.rahmen2[7] = {0, 6, 1};
    fall.gesamt = {0, 3, 2};
    fall.eingabe[0] = "Grundwehrdienst";
    fall.amtswahl = 0;
    fall.text3 = überschreitungstext("31");
    fall.label10 = hälftetext("35");
    return fall;
}
