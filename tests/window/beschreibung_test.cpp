#include <QClipboard>
#include <QLineEdit>

#include "Fenstertest.h"

namespace {

class BeschreibungTest : public Fenstertest {
   protected:
    QLineEdit* box(int index) const { return bauteil<QLineEdit>(QStringLiteral("Eingabe_%1").arg(index)); }
    QString zähler(int index) const { return beschriftung(QStringLiteral("Zähler_%1").arg(index)); }
};

struct Tippzeile {
    const char* name;
    int zeichen;  // typed one by one
    int zähler;   // what the counter shows afterwards
    int länge;    // length of the text in the box
};

const Tippzeile tippzeilen[] = {
    {"ein Zeichen", 1, 59, 1},
    {"59 Zeichen", 59, 1, 59},
    {"60 Zeichen", 60, 0, 60},
    {"61 Zeichen: das letzte wird abgewiesen", 61, 0, 60},
};

TEST_F(BeschreibungTest, HoechstensSechzigZeichenBeimTippen) {
    for (const auto& zeile : tippzeilen) {
        SCOPED_TRACE(zeile.name);
        box(0)->clear();
        box(0)->setFocus();
        QTest::keyClicks(box(0), QString(zeile.zeichen, QLatin1Char('x')));
        EXPECT_EQ(box(0)->text().size(), zeile.länge);
        EXPECT_EQ(zähler(0), QString::number(zeile.zähler));
        EXPECT_EQ(fenster->fall().eingabe[0], std::string(zeile.länge, 'x'));
    }
}

TEST_F(BeschreibungTest, BlankAnDenEndenZaehlenNicht) {
    box(1)->setFocus();
    QTest::keyClicks(box(1), "  Elternzeit  ");
    EXPECT_EQ(zähler(1), "50");
}

TEST_F(BeschreibungTest, EinfuegenWirdAufDenRestGekuerzt) {
    box(2)->setFocus();
    QTest::keyClicks(box(2), QString(50, QLatin1Char('a')));
    QGuiApplication::clipboard()->setText(QString(30, QLatin1Char('b')));
    QTest::keyClick(box(2), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(2)->text(), QString(50, QLatin1Char('a')) + QString(10, QLatin1Char('b')));
    EXPECT_EQ(zähler(2), "0");
}

TEST_F(BeschreibungTest, LoeschenUndEnterGehenAuchBeiSechzigZeichen) {
    box(0)->setFocus();
    QTest::keyClicks(box(0), QString(60, QLatin1Char('x')));
    QTest::keyClick(box(0), Qt::Key_Backspace);
    EXPECT_EQ(zähler(0), "1");
    QTest::keyClicks(box(0), "y");
    EXPECT_EQ(zähler(0), "0");
    QTest::keyClick(box(0), Qt::Key_Return);
    EXPECT_EQ(fokus(), "Datum_5");
}

struct Enterzeile {
    int box;
    const char* fokusDanach;
};

// Enter in Eingabe(i) goes on to Datum(2i + 5); the last box keeps the focus.
const Enterzeile weiter[] = {
    {0, "Datum_5"},  {1, "Datum_7"},  {2, "Datum_9"},  {3, "Datum_11"},
    {4, "Datum_13"}, {5, "Datum_15"}, {6, "Datum_17"}, {7, "Eingabe_7"},
};

TEST_F(BeschreibungTest, EnterGehtZumNaechstenZeitraum) {
    for (const auto& zeile : weiter) {
        SCOPED_TRACE(zeile.box);
        box(zeile.box)->setFocus();
        QTest::keyClicks(box(zeile.box), "Wehrdienst");
        QTest::keyClick(box(zeile.box), Qt::Key_Return);
        EXPECT_EQ(fokus(), zeile.fokusDanach);
    }
}

}  // namespace
