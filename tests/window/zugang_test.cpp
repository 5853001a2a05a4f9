#include <QAccessible>
#include <QRadioButton>

#include "Farben.h"
#include "Fenstertest.h"
#include "Zugaenglichkeit.h"

namespace bda::fenster {

namespace {

using ZugangTest = Fenstertest;

// Every control a screen reader stops at, with its accessible name and description.
struct Stelle {
    QString objekt;
    QString name;
    QString beschreibung;
};

void sammeln(QAccessibleInterface* knoten, QList<Stelle>& stellen) {
    for (int i = 0; i < knoten->childCount(); ++i) {
        QAccessibleInterface* kind = knoten->child(i);
        if (!kind || kind->state().invisible) continue;
        if (kind->state().focusable) {
            stellen.push_back({kind->object() ? kind->object()->objectName() : QString(),
                               kind->text(QAccessible::Name), kind->text(QAccessible::Description)});
        }
        sammeln(kind, stellen);
    }
}

TEST_F(ZugangTest, JedesBedienelementHatNamenUndBeschreibung) {
    QList<Stelle> stellen;
    sammeln(QAccessible::queryAccessibleInterface(fenster.get()), stellen);
    // 25 date fields less the hidden result, 8 descriptions, 5 options, 7 buttons.
    EXPECT_EQ(stellen.size(), 24 + 8 + 5 + 7);
    QSet<QString> namen;
    for (const Stelle& stelle : stellen) {
        SCOPED_TRACE(stelle.objekt.toStdString());
        EXPECT_FALSE(stelle.name.isEmpty());
        EXPECT_FALSE(stelle.beschreibung.isEmpty());
        EXPECT_FALSE(namen.contains(stelle.name)) << "twice: " << stelle.name.toStdString();
        namen.insert(stelle.name);
    }
}

// A screen reader hears the result each time it changes.
TEST_F(ZugangTest, ErgebnisWirdBeiJederAenderungGemeldet) {
    QStringList ergebnisse;
    QStringList andere;
    ansagenBeobachten([&](QWidget* teil, const QString& wert) {
        (teil == bauteil("BDADatum") ? ergebnisse : andere) << wert;
    });
    eingeben({"15061975", "15062007"});
    // Enter on the appointment again changes nothing, so nothing is said.
    datum(2)->setFocus();
    enter();
    ansagenBeobachten({});
    EXPECT_TRUE(andere.isEmpty());
    // Regular BDA 01/06/1996, then a quarter of one year later: 01/09/1996.
    EXPECT_EQ(ergebnisse, (QStringList{"01/06/1996.", "01/09/1996."}));
}

struct Kontrastzeile {
    const char* name;
    QColor vorn, hinten;
    double ratio;
};

TEST(Kontrast, BekannteWerte) {
    const Kontrastzeile zeilen[] = {
        {"schwarz auf weiß", Qt::black, Qt::white, 21.0},
        {"gleich", QColor(100, 100, 100), QColor(100, 100, 100), 1.0},
        {"#767676 auf weiß, knapp über 4,5", QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
        {"Rot auf weiß", QColor(255, 0, 0), Qt::white, 4.0},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        EXPECT_NEAR(kontrast(zeile.vorn, zeile.hinten), zeile.ratio, 0.01);
    }
}

// The colour the label is painted on: its own when it fills its background, else its container's.
QColor hintergrund(const QWidget* teil) {
    while (teil && !teil->autoFillBackground()) teil = teil->parentWidget();
    return teil ? teil->palette().color(teil->backgroundRole()) : QColor(Qt::white);
}

TEST_F(ZugangTest, KontrastDerTexteMindestensVierEinhalb) {
    eingeben({"15061970", "15062008"});
    int geprüft = 0;
    for (QWidget* teil : fenster->findChildren<QWidget*>()) {
        if (!teil->isVisible() || !(qobject_cast<QLabel*>(teil) || qobject_cast<QAbstractButton*>(teil)))
            continue;
        SCOPED_TRACE(teil->objectName().toStdString());
        const QColor vorn = teil->palette().color(teil->foregroundRole());
        EXPECT_GE(kontrast(vorn, hintergrund(teil)), 4.5);
        ++geprüft;
    }
    EXPECT_GT(geprüft, 100);
    // The warning red on every background a value label has.
    for (const QColor& hinten : {Farben::weiß, Farben::hellgrün, Farben::hellgelb, Farben::gelb}) {
        EXPECT_GE(kontrast(Farben::warnrot, hinten), 4.5) << hinten.name().toStdString();
    }
}

}  // namespace

}  // namespace bda::fenster
