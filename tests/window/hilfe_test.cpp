#include <QPushButton>
#include <QRadioButton>

#include "Fenstertest.h"
#include "Hilfefenster.h"

namespace {

using HilfeTest = Fenstertest;

struct Themazeile {
    const char* name;
    int option;
    int thema;
};

const Themazeile themen[] = {
    {"A 1 bis A 12", 0, 3},
    {"A 13 oder A 14", 1, 3},
    {"C 1 oder C 2", 2, 3},
    {"Professor C 3 und C 4", 3, 6},
    {"Richter oder Staatsanwalt", 4, 3},
};

TEST_F(HilfeTest, ThemaNachEingangsamt) {
    for (const auto& zeile : themen) {
        SCOPED_TRACE(zeile.name);
        auto* option = bauteil<QRadioButton>(QStringLiteral("Eingangsamt_%1").arg(zeile.option));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QTest::mouseClick(bauteil<QPushButton>("Hilfe"), Qt::LeftButton);
        Hilfefenster* hilfe = fenster->hilfefenster();
        ASSERT_NE(hilfe, nullptr);
        EXPECT_TRUE(hilfe->isVisible());
        EXPECT_EQ(hilfe->thema(), zeile.thema);
        EXPECT_EQ(hilfe->source(), QUrl(QStringLiteral("qrc:/hilfe/thema%1.html").arg(zeile.thema)));
        EXPECT_FALSE(hilfe->toPlainText().isEmpty());
    }
}

TEST_F(HilfeTest, F1OeffnetDieHilfeAusJedemFeld) {
    auto* option = bauteil<QRadioButton>("Eingangsamt_3");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    datum(0)->setFocus();
    QTest::keyClick(datum(0), Qt::Key_F1);
    ASSERT_NE(fenster->hilfefenster(), nullptr);
    EXPECT_EQ(fenster->hilfefenster()->thema(), 6);
    EXPECT_EQ(fenster->hilfefenster()->documentTitle(), "Besoldungsdienstalter der Professoren C 3 und C 4");
}

TEST_F(HilfeTest, EnterDrueckteDenKnopfMitDemFokus) {
    bauteil("Hilfe")->setFocus();
    QTest::keyClick(bauteil("Hilfe"), Qt::Key_Return);
    ASSERT_NE(fenster->hilfefenster(), nullptr);
    EXPECT_TRUE(fenster->hilfefenster()->isVisible());
    EXPECT_EQ(fenster->hilfefenster()->thema(), 3);
}

}  // namespace
