// The address field of the notice measured on the PDF, as poppler's pdftotext reads the words off the
// page: for DIN 5008 form A and B, the sender line and the address lie inside the window of the form.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "Anschriftfeld.h"
#include "Bescheid.h"
#include "Druckhilfe.h"
#include "Pdfdatei.h"

namespace bda::druck {

namespace {

// A word on page 1 with its box in mm from the sheet's top left corner.
struct Wort {
    QString text;
    double links, oben, rechts, unten;
};

std::vector<Wort> wörter(const QString& pdf) {
    const QString xhtml = ausgabe(QStringLiteral("pdftotext"), {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    std::vector<Wort> ergebnis;
    const QRegularExpression muster(QStringLiteral(
        R"w(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)w"));
    const auto mm = [](const QString& punkte) { return punkte.toDouble() * 25.4 / 72; };
    for (auto treffer = muster.globalMatch(xhtml); treffer.hasNext();) {
        const auto t = treffer.next();
        ergebnis.push_back(
            {t.captured(5), mm(t.captured(1)), mm(t.captured(2)), mm(t.captured(3)), mm(t.captured(4))});
    }
    return ergebnis;
}

QStringList texte(const std::string& zeile) {
    return QString::fromStdString(zeile).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(Fensteranschrift, AbsenderUndAnschriftImFensterDerForm) {
    // The measured box of a word may reach a hair beyond the line the text stands on.
    constexpr double spiel = 0.2;
    const QStringList absender =
        texte("Landesamt für Besoldung und Versorgung, Musterstraße 12, 80333 München");
    const QStringList anschrift = texte("Frau Erika Mustermann Lindenstraße 5 12345 Musterstadt");
    for (const Anschriftform form : {Anschriftform::a, Anschriftform::b}) {
        const Anschriftfeld feld = anschriftfeld(form);
        SCOPED_TRACE(feld.oben);
        Fall fall = beispielfall();
        fall.bescheid.anschriftfeld = form;
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("bescheid.pdf"));
        QString fehler;
        ASSERT_TRUE(pdfSchreiben(
            datei, QStringLiteral("Bescheid"),
            [&](Druckauftrag& a) {
                return bescheidDrucken(fall, "Gegen diesen Bescheid …", std::chrono::year{2024} / 6 / 3, a);
            },
            fehler))
            << fehler.toStdString();

        // What the window shows: every word that begins within the field's width and height.
        QStringList imFenster;
        for (const Wort& w : wörter(datei)) {
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
}

}  // namespace

}  // namespace bda::druck
