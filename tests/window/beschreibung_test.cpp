#include <QClipboard>
#include <QLineEdit>

#include "Fenstertest.h"

namespace bda::fenster {

namespace {

class BeschreibungTest : public Fenstertest {
   protected:
    QLineEdit* box(int index) const { return bauteil<QLineEdit>(QStringLiteral("Eingabe_%1").arg(index)); }
    QString zähler(int index) const { return beschriftung(QStringLiteral("Zähler_%1").arg(index)); }
};

// At most 60 characters, typed or pasted; the counter shows what is left, blanks at the ends not counted.
TEST_F(BeschreibungTest, HoechstensSechzigZeichen) {
    EXPECT_EQ(zähler(0), "60");
    box(0)->setFocus();
    QTest::keyClicks(box(0), QString(59, QLatin1Char('x')));
    EXPECT_EQ(zähler(0), "1");
    QTest::keyClicks(box(0), "yz");
    EXPECT_EQ(box(0)->text(), QString(59, QLatin1Char('x')) + "y");
    EXPECT_EQ(zähler(0), "0");
    EXPECT_EQ(fenster->fall().eingabe[0], box(0)->text().toStdString());
    QTest::keyClick(box(0), Qt::Key_Backspace);
    EXPECT_EQ(zähler(0), "1");

    box(1)->setFocus();
    QTest::keyClicks(box(1), "  Elternzeit  ");
    EXPECT_EQ(zähler(1), "50");

    box(2)->setFocus();
    QTest::keyClicks(box(2), QString(50, QLatin1Char('a')));
    QGuiApplication::clipboard()->setText(QString(30, QLatin1Char('b')));
    QTest::keyClick(box(2), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(2)->text(), QString(50, QLatin1Char('a')) + QString(10, QLatin1Char('b')));
    EXPECT_EQ(zähler(2), "0");
}

// Enter in Eingabe_i goes on to Datum_(2i + 5), also with 60 characters; the last box keeps the focus.
TEST_F(BeschreibungTest, EnterGehtZumNaechstenZeitraum) {
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        box(i)->setFocus();
        QTest::keyClicks(box(i), QString(i == 0 ? 60 : 10, QLatin1Char('w')));
        QTest::keyClick(box(i), Qt::Key_Return);
        EXPECT_EQ(fokus(), i < 7 ? QStringLiteral("Datum_%1").arg(2 * i + 5) : QStringLiteral("Eingabe_7"));
    }
}

}  // namespace

}  // namespace bda::fenster
