#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>

#include "Bauplan.h"
#include "Befehlsknopf.h"
#include "Fenstertest.h"
#include "Leitertext.h"

namespace bda::fenster {

namespace {

using AnordnungTest = Fenstertest;

// The tab order of the input controls as the window's description lists it.
const char* const tabfolge[] = {
    "Datum_0",       "Datum_2",       "Eingangsamt_0", "Eingangsamt_1", "Eingangsamt_2", "Eingangsamt_3",
    "Eingangsamt_4", "Datum_3",       "Datum_4",       "Eingabe_0",     "Datum_5",       "Datum_6",
    "Eingabe_1",     "Datum_7",       "Datum_8",       "Eingabe_2",     "Datum_9",       "Datum_10",
    "Eingabe_3",     "Datum_11",      "Datum_12",      "Datum_13",      "Datum_14",      "Datum_15",
    "Datum_16",      "Datum_17",      "Datum_18",      "Datum_1",       "Datum_24",      "Bescheid",
    "Berechnung",    "Grundgehälter", "Übertrag",      "Hilfe",         "Schließen",     "RB_Text",
    "Eingabe_7",     "Eingabe_6",     "Eingabe_5",     "Eingabe_4",
};

TEST_F(AnordnungTest, TabGehtDurchAlleEingabenInDerListe) {
    for (const char* name : tabfolge) {
        ASSERT_EQ(fokus(), QString::fromUtf8(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

struct Lagezeile {
    const char* name;
    Rechteck lage;     // twips, relative to the container
    int schriftpixel;  // at design size; 0 for controls without text
};

// Rectangles in twips (multiples of 15, so every pixel is whole) from the window's layout.
const Lagezeile lagen[] = {
    {"Datum_0", {3210, 660, 1560, 300}, 11},   {"Eingangsamt_3", {5310, 1410, 3105, 270}, 11},
    {"Schließen", {9195, 0, 1830, 555}, 11},   {"SSFrame2", {45, 5130, 10965, 2835}, 0},
    {"Tag1_1", {8610, 825, 525, 255}, 13},     {"Label4", {3120, 2040, 5460, 255}, 13},
    {"BDADatum", {3150, 8310, 1950, 375}, 15},
};

// Design size 11040 x 8700 twips = 736 x 580 pixels below the menu bar; at twice the size places and
// fonts double, and the menu bar keeps its height.
TEST_F(AnordnungTest, LageUndSchriftFolgenDerFenstergroesse) {
    const int menühöhe = fenster->menüleiste()->height();
    ASSERT_GT(menühöhe, 10);
    for (int faktor : {1, 2, 1}) {
        SCOPED_TRACE(faktor);
        fenster->resize(736 * faktor, 580 * faktor + menühöhe);
        QCoreApplication::processEvents();
        ASSERT_EQ(fenster->entwurf()->size(), QSize(736, 580) * faktor);
        EXPECT_EQ(fenster->entwurf()->y(), menühöhe);
        EXPECT_EQ(fenster->menüleiste()->height(), menühöhe);
        const auto px = [faktor](int twips) { return twips * faktor / 15; };
        for (const auto& z : lagen) {
            SCOPED_TRACE(z.name);
            const QWidget* teil = bauteil(QString::fromUtf8(z.name));
            ASSERT_NE(teil, nullptr);
            EXPECT_EQ(teil->geometry(),
                      QRect(px(z.lage.links), px(z.lage.oben), px(z.lage.breite), px(z.lage.höhe)));
            if (z.schriftpixel) {
                EXPECT_EQ(teil->font().pixelSize(), z.schriftpixel * faktor);
            }
        }
    }
}

}  // namespace

namespace {

// What a visible control covers in its container: the painted words of a plain label (split at runs of
// three or more blanks, so a gap in a caption stays free), the whole rectangle of anything else.
struct Belegung {
    QString name;
    QRect fläche;
};

QList<Belegung> belegungen(const QWidget* behälter) {
    QList<Belegung> liste;
    for (QWidget* teil : behälter->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!teil->isVisible()) continue;
        if (auto* linie = qobject_cast<QFrame*>(teil);
            linie && (linie->frameShape() == QFrame::HLine || linie->frameShape() == QFrame::VLine)) {
            continue;
        }
        auto* label = dynamic_cast<Leitertext*>(teil);
        if (!label) {
            liste.push_back({teil->objectName(), teil->geometry()});
            continue;
        }
        if (label->text().isEmpty()) continue;  // a coloured band behind a heading
        if (label->frameWidth() > 0 || label->autoFillBackground() || label->wordWrap()) {
            liste.push_back({teil->objectName(), teil->geometry()});
            continue;
        }
        const QString text = label->gezeigterText();
        const QFontMetrics maß(label->font());
        const QRect fläche = label->textfläche();
        const int oben = fläche.top() + (fläche.height() - maß.height()) / 2;
        static const QRegularExpression wörter(QStringLiteral("\\S+( {1,2}\\S+)*"));
        for (auto treffer = wörter.globalMatch(text); treffer.hasNext();) {
            const auto wort = treffer.next();
            const int links = label->textanfang(static_cast<int>(wort.capturedStart()));
            const QRect tinte(links, oben, maß.horizontalAdvance(wort.captured()), maß.height());
            liste.push_back({teil->objectName() + ": " + wort.captured(), tinte.translated(label->pos())});
        }
    }
    return liste;
}

// Why a caption does not fit its control; empty when it fits.
QString passtNicht(QWidget* teil) {
    if (!teil->isVisible()) return {};
    if (auto* label = dynamic_cast<Leitertext*>(teil)) {
        const QFontMetrics maß(label->font());
        const QRect fläche = label->textfläche();
        if (label->wordWrap()) {
            const int höhe = maß.boundingRect(fläche, Qt::TextWordWrap, label->text()).height();
            return höhe > fläche.height()
                       ? QStringLiteral("%1 lines high in %2").arg(höhe).arg(fläche.height())
                       : QString();
        }
        const int breite = maß.horizontalAdvance(label->gezeigterText());
        if (breite > fläche.width()) return QStringLiteral("%1 wide in %2").arg(breite).arg(fläche.width());
        if (maß.height() > fläche.height() + 2) {
            return QStringLiteral("%1 high in %2").arg(maß.height()).arg(fläche.height());
        }
        return {};
    }
    if (auto* knopf = dynamic_cast<Befehlsknopf*>(teil)) {
        // The picture fills the left three fifths of the height; the caption is centred in the button.
        const QString text = QString(knopf->text()).remove(QLatin1Char('&'));
        const QString wort = text.trimmed();
        const QFontMetrics maß(knopf->font());
        const int links = (knopf->width() - maß.horizontalAdvance(text)) / 2 + maß.horizontalAdvance(text) -
                          maß.horizontalAdvance(wort);
        const int bildEnde = knopf->bildfläche().right() + 1;
        if (links < bildEnde)
            return QStringLiteral("caption at %1 under the picture up to %2").arg(links).arg(bildEnde);
        if (links + maß.horizontalAdvance(wort) > knopf->width() - 2)
            return QStringLiteral("caption past the edge");
        return {};
    }
    if (auto* option = qobject_cast<QRadioButton*>(teil)) {
        return option->sizeHint().width() > option->width()
                   ? QStringLiteral("%1 wide in %2").arg(option->sizeHint().width()).arg(option->width())
                   : QString();
    }
    if (auto* feld = qobject_cast<Datumsfeld*>(teil)) {
        const QFontMetrics maß(feld->font());
        const QMargins rand = feld->textMargins();
        const int platz = feld->width() - rand.left() - rand.right() - 8;
        const int breite = maß.horizontalAdvance(QStringLiteral("00/00/0000"));
        return breite > platz ? QStringLiteral("%1 wide in %2").arg(breite).arg(platz) : QString();
    }
    return {};
}

class MassstabTest : public Fenstertest {
   protected:
    // Every frame of the window: the window itself, the period frames and the small value boxes.
    QList<QWidget*> behälter() const {
        QList<QWidget*> liste{fenster.get()};
        for (auto* rahmen : fenster->findChildren<QFrame*>()) {
            if (rahmen->objectName().startsWith("SSFrame") || rahmen->objectName().startsWith("Picture")) {
                liste << rahmen;
            }
        }
        return liste;
    }

    void prüfen(QSize größe) {
        fenster->resize(größe);
        QCoreApplication::processEvents();
        ASSERT_EQ(fenster->size(), größe);
        for (QWidget* rahmen : behälter()) {
            SCOPED_TRACE(rahmen->objectName().toStdString());
            const QList<Belegung> teile = belegungen(rahmen);
            for (qsizetype a = 0; a < teile.size(); ++a) {
                for (qsizetype b = a + 1; b < teile.size(); ++b) {
                    EXPECT_FALSE(teile[a].fläche.intersects(teile[b].fläche))
                        << teile[a].name.toStdString() << " overlaps " << teile[b].name.toStdString();
                }
            }
        }
        for (QWidget* teil : fenster->findChildren<QWidget*>()) {
            const QString grund = passtNicht(teil);
            EXPECT_TRUE(grund.isEmpty()) << teil->objectName().toStdString() << ": " << grund.toStdString();
        }
    }
};

// A case with both frames and a BDA, so every caption and value is shown.
TEST_F(MassstabTest, KeineUeberlappungUndJedeBeschriftungPasstInVierGroessen) {
    eingeben({"15061970", "15062008"});
    ASSERT_TRUE(bauteil("SSFrame2")->isVisible());
    // Below the minimum size too: the layout must hold at any scale, the minimum only keeps it readable.
    fenster->setMinimumSize(0, 0);
    for (double faktor : {0.75, 1.0, 1.5, 2.0}) {
        SCOPED_TRACE(faktor);
        prüfen(QSize(qRound(736 * faktor), qRound(580 * faktor)));
    }
    // Wider than high and higher than wide: the fonts follow the smaller factor.
    for (const QSize größe : {QSize(1500, 1140), QSize(1400, 600), QSize(760, 1100)}) {
        SCOPED_TRACE(größe.width());
        prüfen(größe);
    }
}

// 8 pt are 10.67 pixels at 96 dpi; fonts take whole pixels, so the smallest design font of 8.25 pt
// (11 pixels) must keep its 11 pixels: the window stops at its design size and the menu bar.
TEST_F(MassstabTest, KleinsteGroesseHaeltJedeSchriftBeiAchtPunkt) {
    const QSize kleinste(736, 580 + fenster->menüleiste()->sizeHint().height());
    EXPECT_EQ(fenster->minimumSize(), kleinste);
    fenster->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster->size(), kleinste);
    for (QWidget* teil : fenster->findChildren<QWidget*>()) {
        if (dynamic_cast<Leitertext*>(teil) || qobject_cast<QAbstractButton*>(teil) ||
            qobject_cast<QLineEdit*>(teil)) {
            EXPECT_GE(teil->font().pixelSize() * 72.0 / 96.0, 8.0) << teil->objectName().toStdString();
        }
    }
}

}  // namespace

}  // namespace bda::fenster
