#pragma once
// The words of a PDF as poppler's pdftotext reads them off the pages, each with its box in mm from the
// sheet's top left corner, and the check that a notice's sender line and address lie inside the window
// of a DIN 5008 envelope form.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "Anschriftfeld.h"
#include "Druckhilfe.h"

namespace bda::druck {

struct Wort {
    QString text;
    double links, oben, rechts, unten;
    int seite = 1;
    double seitenbreite = 0, seitenhöhe = 0;  // of its page, in mm
};

// Every word of pages `von` to `bis` of the file.
inline std::vector<Wort> wörter(const QString& pdf, int von = 1, int bis = 1) {
    const QString xhtml = ausgabe(QStringLiteral("pdftotext"), {"-bbox", "-f", QString::number(von), "-l",
                                                                QString::number(bis), pdf, "-"});
    std::vector<Wort> ergebnis;
    const QRegularExpression muster(QStringLiteral(
        R"w(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)w"));
    const auto mm = [](const QString& punkte) { return punkte.toDouble() * 25.4 / 72; };
    int seite = von - 1;
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

inline QStringList texte(const std::string& zeile) {
    return QString::fromStdString(zeile).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Every word on page 1 that begins within the field's width and height is one of the sender line's or
// the address's words, in their order, and lies in its zone of the window.
inline void anschriftImFenster(const QString& pdf, Anschriftform form, const std::string& absenderzeile,
                               const std::string& anschriftzeilen) {
    // The measured box of a word may reach a hair beyond the line the text stands on.
    constexpr double spiel = 0.2;
    const QStringList absender = texte(absenderzeile);
    const QStringList anschrift = texte(anschriftzeilen);
    const Anschriftfeld feld = anschriftfeld(form);
    QStringList imFenster;
    for (const Wort& w : wörter(pdf)) {
        const double mitte = (w.oben + w.unten) / 2;
        if (w.links >= feld.links + feld.breite || mitte < feld.oben || mitte > feld.unten) continue;
        imFenster << w.text;
        SCOPED_TRACE(w.text.toStdString());
        EXPECT_GE(w.links, feld.links);
        EXPECT_LE(w.rechts, feld.links + feld.breite);
        if (absender.contains(w.text) && !anschrift.contains(w.text)) {
            EXPECT_GE(w.oben, feld.oben);
            EXPECT_LE(w.unten, feld.anschrift + spiel);
        } else {
            EXPECT_GE(w.oben, feld.anschrift - spiel);
            EXPECT_LE(w.unten, feld.unten);
        }
    }
    EXPECT_EQ(imFenster, absender + anschrift);
}

}  // namespace bda::druck
