// What the window draws where: the tab order, the places and fonts at any size, no caption cut, the
// contrast of its texts, the size kept, the names a screen reader reads and the result it announces.

#include <QAccessible>
#include <QRadioButton>

#include "Farben.h"
#include "Fenstertest.h"
#include "Leitertext.h"
#include "Zugaenglichkeit.h"

namespace bda::fenster {

namespace {

using AnordnungTest = Fenstertest;

TEST_F(AnordnungTest, TabGehtDurchAlleEingabenInDerListe) {
    EXPECT_TRUE(datum(19)->isHidden());
    const char* const tabfolge[] = {
        "Datum_0",       "Datum_2",       "Eingangsamt_0", "Eingangsamt_1", "Eingangsamt_2", "Eingangsamt_3",
        "Eingangsamt_4", "Datum_3",       "Datum_4",       "Eingabe_0",     "Datum_5",       "Datum_6",
        "Eingabe_1",     "Datum_7",       "Datum_8",       "Eingabe_2",     "Datum_9",       "Datum_10",
        "Eingabe_3",     "Datum_11",      "Datum_12",      "Datum_13",      "Datum_14",      "Datum_15",
        "Datum_16",      "Datum_17",      "Datum_18",      "Datum_1",       "Datum_24",      "Bescheid",
        "Berechnung",    "Grundgehälter", "Übertrag",      "Hilfe",         "Schließen",     "RB_Text",
        "Eingabe_7",     "Eingabe_6",     "Eingabe_5",     "Eingabe_4",
    };
    for (const char* name : tabfolge) {
        ASSERT_EQ(fokus(), QString::fromUtf8(name));
        taste(Qt::Key_Tab);
    }
}

// Design size 11040 x 8700 twips = 736 x 580 pixels below the menu bar, the size of the first start, with
// the date field Datum_0 at 3210, 660 twips; at twice the size every place and font doubles, and the menu
// bar keeps its height. The size the clerk leaves is the next start's.
TEST_F(AnordnungTest, LageUndSchriftFolgenDerFenstergroesse) {
    const int menühöhe = fenster->menüleiste()->height();
    ASSERT_GT(menühöhe, 10);
    EXPECT_EQ(fenster->size(), QSize(736, 580 + menühöhe));
    EXPECT_EQ(fenster->entwurf()->geometry(), QRect(0, menühöhe, 736, 580));
    EXPECT_EQ(datum(0)->geometry(), QRect(214, 44, 104, 20));
    QList<std::tuple<QWidget*, QRect, int>> vorher;
    for (QWidget* teil : fenster->entwurf()->findChildren<QWidget*>()) {
        if (!teil->objectName().isEmpty())
            vorher.push_back({teil, teil->geometry(), teil->font().pixelSize()});
    }
    fenster->resize(736 * 2, 580 * 2 + menühöhe);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster->menüleiste()->height(), menühöhe);
    EXPECT_EQ(datum(0)->geometry(), QRect(428, 88, 208, 40));
    for (const auto& [teil, lage, schrift] : vorher) {
        // Places not on whole pixels at design size may round either way.
        const QRect ist = teil->geometry(), soll(lage.topLeft() * 2, lage.size() * 2);
        EXPECT_LE(std::abs(ist.x() - soll.x()) + std::abs(ist.y() - soll.y()) +
                      std::abs(ist.width() - soll.width()) + std::abs(ist.height() - soll.height()),
                  2)
            << teil->objectName().toStdString();
        EXPECT_EQ(teil->font().pixelSize(), schrift * 2) << teil->objectName().toStdString();
    }
    klicken("Schließen");
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(Hauptform().size(), QSize(1472, 1160 + menühöhe));
}

// Why a caption does not fit its control; empty when it fits.
QString passtNicht(QWidget* teil) {
    if (!teil->isVisible()) return {};
    const auto zuBreit = [](int breite, int platz) {
        return breite > platz ? QStringLiteral("%1 wide in %2").arg(breite).arg(platz) : QString();
    };
    if (auto* label = dynamic_cast<Leitertext*>(teil)) {
        const QFontMetrics maß(label->font());
        const QRect fläche = label->textfläche();
        if (label->wordWrap()) {
            const int höhe = maß.boundingRect(fläche, Qt::TextWordWrap, label->text()).height();
            return höhe > fläche.height() ? QStringLiteral("%1 high in %2").arg(höhe).arg(fläche.height())
                                          : QString();
        }
        if (maß.height() > fläche.height() + 2)
            return QStringLiteral("%1 high in %2").arg(maß.height()).arg(fläche.height());
        return zuBreit(maß.horizontalAdvance(label->gezeigterText()), fläche.width());
    }
    if (auto* option = qobject_cast<QRadioButton*>(teil))
        return zuBreit(option->sizeHint().width(), option->width());
    if (auto* feld = qobject_cast<Datumsfeld*>(teil)) {
        return zuBreit(QFontMetrics(feld->font()).horizontalAdvance(QStringLiteral("00/00/0000")),
                       feld->width() - feld->textMargins().left() - feld->textMargins().right() - 8);
    }
    return {};
}

// The window stops at its design size and the menu bar, where every font keeps 8 pt (10.67 pixels at 96
// dpi; the smallest design font of 8.25 pt keeps its 11 pixels). A case with both frames and a BDA shows
// every caption and value; each fits, below the minimum size too, and wider than high and higher than
// wide, where the fonts follow the smaller factor.
TEST_F(AnordnungTest, JedeBeschriftungPasstInJederGroesse) {
    fenster->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster->size(), QSize(736, 580 + fenster->menüleiste()->sizeHint().height()));
    for (QWidget* teil : fenster->findChildren<QWidget*>()) {
        const bool mitText = dynamic_cast<Leitertext*>(teil) || qobject_cast<QAbstractButton*>(teil) ||
                             qobject_cast<QLineEdit*>(teil);
        EXPECT_TRUE(!mitText || teil->font().pixelSize() * 72.0 / 96.0 >= 8.0)
            << teil->objectName().toStdString();
    }
    eingeben({"15061970", "15062008"});
    ASSERT_TRUE(bauteil("SSFrame2")->isVisible());
    fenster->setMinimumSize(0, 0);
    for (const QSize größe :
         {QSize(552, 435), QSize(736, 580), QSize(1472, 1160), QSize(1400, 600), QSize(760, 1100)}) {
        SCOPED_TRACE(größe.width());
        fenster->resize(größe);
        QCoreApplication::processEvents();
        ASSERT_EQ(fenster->size(), größe);
        for (QWidget* teil : fenster->findChildren<QWidget*>()) {
            EXPECT_EQ(passtNicht(teil), QString()) << teil->objectName().toStdString();
        }
    }
}

// Worked by hand: black on white 1.05 / 0.05; #767676 on white 1.05 / (0.1812 + 0.05); red on white
// 1.05 / (0.2126 + 0.05), whichever colour comes first.
TEST(Kontrast, BekannteWerte) {
    EXPECT_NEAR(kontrast(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(kontrast(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(kontrast(Qt::white, Qt::red), 4.0, 0.01);
}

// The colour a text is painted on: its control's own when it fills its background, else its container's.
QColor hintergrund(const QWidget* teil) {
    while (teil && !teil->autoFillBackground()) teil = teil->parentWidget();
    return teil ? teil->palette().color(teil->backgroundRole()) : QColor(Qt::white);
}

// Every caption and value shown, the red length of a period its span no longer holds among them, stands
// out from its background by at least 4.5:1.
TEST_F(AnordnungTest, KontrastDerTexteMindestensVierEinhalb) {
    beispielfallTippen();
    feldTippen(11, "01012007");
    feldTippen(12, "31122007");
    feldTippen(2, "15062007");  // the period of 2007 now ends after its span
    int geprüft = 0, rot = 0;
    for (QWidget* teil : fenster->findChildren<QWidget*>()) {
        if (!teil->isVisible() || !(qobject_cast<QLabel*>(teil) || qobject_cast<QAbstractButton*>(teil)))
            continue;
        const QColor vorn = teil->palette().color(teil->foregroundRole());
        EXPECT_GE(kontrast(vorn, hintergrund(teil)), 4.5) << teil->objectName().toStdString();
        ++geprüft;
        rot += vorn == Farben::warnrot;
    }
    EXPECT_GT(geprüft, 100);
    EXPECT_GT(rot, 0);
}

// Every control a screen reader stops at has a name of its own and a description.
void sammeln(QAccessibleInterface* knoten, QStringList& namen) {
    for (int i = 0; i < knoten->childCount(); ++i) {
        QAccessibleInterface* kind = knoten->child(i);
        if (!kind || kind->state().invisible) continue;
        if (kind->state().focusable) {
            const QString name = kind->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || kind->text(QAccessible::Description).isEmpty())
                << name.toStdString();
            EXPECT_FALSE(namen.contains(name)) << "twice: " << name.toStdString();
            namen << name;
        }
        sammeln(kind, namen);
    }
}

TEST_F(AnordnungTest, JedesBedienelementHatNamenUndBeschreibung) {
    QStringList namen;
    sammeln(QAccessible::queryAccessibleInterface(fenster.get()), namen);
    // 25 date fields less the hidden result, 8 descriptions, 5 options, 7 buttons.
    EXPECT_EQ(namen.size(), 24 + 8 + 5 + 7);
}

// A screen reader hears the result each time it changes, and only then.
TEST_F(AnordnungTest, ErgebnisWirdBeiJederÄnderungAngesagt) {
    QStringList ergebnisse, andere;
    ansagenBeobachten([&](QWidget* teil, const QString& wert) {
        (teil == bauteil("BDADatum") ? ergebnisse : andere) << wert;
    });
    eingeben({"15061975", "15062007"});
    datum(2)->setFocus();
    enter();  // the same appointment again changes nothing
    ansagenBeobachten({});
    EXPECT_TRUE(andere.isEmpty());
    // Regular BDA 01/06/1996, then a quarter of one year later.
    EXPECT_EQ(ergebnisse, (QStringList{"01/06/1996.", "01/09/1996."}));
}

}  // namespace

}  // namespace bda::fenster
