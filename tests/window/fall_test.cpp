#include <QRadioButton>

#include "Fenstertest.h"

namespace {

using FallTest = Fenstertest;

struct Schritt {
    const char* name;
    const char* getippt;  // typed into the control that has the focus, then Enter
    const char* fokusDanach;
};

// A 1 to A 12, born 15/06/1970, appointed 15/06/2008, one creditable year in the quarter-rule span.
const Schritt fallA12[] = {
    {"Geburtstag", "15061970", "Datum_2"},
    {"Ernennung", "15062008", "Datum_2"},
};
const Schritt zeitraum[] = {
    {"Beginn des ersten Zeitraums", "01012002", "Datum_4"},
    {"Ende des ersten Zeitraums", "31122002", "Eingabe_0"},
};

void durchlaufen(const Schritt* anfang, const Schritt* ende) {
    for (const Schritt* schritt = anfang; schritt != ende; ++schritt) {
        SCOPED_TRACE(schritt->name);
        Fenstertest::tippen(schritt->getippt);
        Fenstertest::enter();
        EXPECT_EQ(Fenstertest::fokus(), schritt->fokusDanach);
    }
}

TEST_F(FallTest, GanzerFallMitEnterAllein) {
    durchlaufen(std::begin(fallA12), std::end(fallA12));
    // The 21st year of life is completed on 14/06/1991: regular BDA 01/06/1991.
    EXPECT_EQ(datum(24)->displayText(), "14/06/1991");
    EXPECT_EQ(datum(1)->displayText(), "01/06/1991");
    // The 31st year was exceeded by 7 years: 4 in the quarter-rule frame, 3 in the half-rule frame.
    EXPECT_EQ(beschriftung("Jahr0"), "7");
    EXPECT_EQ(beschriftung("Jahr1_0"), "4");
    EXPECT_EQ(beschriftung("Jahr2_0"), "3");
    EXPECT_TRUE(bauteil("SSFrame1")->isVisible());
    EXPECT_TRUE(bauteil("SSFrame2")->isVisible());

    eingeben("Datum_3", "");
    EXPECT_EQ(fokus(), "Datum_3");
    durchlaufen(std::begin(zeitraum), std::end(zeitraum));
    EXPECT_EQ(beschriftung("Jahr1_1"), "1");
    EXPECT_EQ(beschriftung("Monat1_1"), "0");
    EXPECT_EQ(beschriftung("Tag1_1"), "0");
    // Quarter of 3 years = 9 months, half of 3 years = 1 year 6 months: 2 years 3 months in all.
    EXPECT_EQ(beschriftung("Monat1_7"), "9");
    EXPECT_EQ(beschriftung("Jahr2_7"), "1");
    EXPECT_EQ(beschriftung("Monat2_7"), "6");
    EXPECT_EQ(beschriftung("Jahr3"), "2");
    EXPECT_EQ(beschriftung("Monat3"), "3");
    EXPECT_EQ(beschriftung("BDADatum"), "01/09/1993.");
    EXPECT_EQ(datum(19)->displayText(), "01/09/1993");
    EXPECT_TRUE(meldungen.texte.isEmpty());

    // A 13 or A 14: half of the time from the 35th birthday 15/06/2005 to 14/06/2008 (3 years), 1 year
    // 6 months after the regular BDA 01/06/1991.
    auto* option = bauteil<QRadioButton>("Eingangsamt_1");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    EXPECT_FALSE(bauteil("SSFrame1")->isVisible());
    EXPECT_TRUE(bauteil("SSFrame2")->isVisible());
    EXPECT_EQ(fenster->windowTitle(), titel("28"));
    EXPECT_EQ(beschriftung("BDADatum"), "01/12/1992.");
    EXPECT_EQ(fokus(), "Datum_2");
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

TEST_F(FallTest, NeuesGeburtsdatumLeertDenFall) {
    durchlaufen(std::begin(fallA12), std::end(fallA12));
    datum(0)->setFocus();
    tippen("01011975");
    enter();
    EXPECT_EQ(datum(2)->displayText(), "__/__/____");
    EXPECT_EQ(beschriftung("Jahr0"), "0");
    EXPECT_EQ(datum(1)->displayText(), "01/12/1995");
    EXPECT_EQ(datum(24)->displayText(), "31/12/1995");
}

TEST_F(FallTest, UnvollstaendigesGeburtsdatumLeertAuchDasErgebnis) {
    durchlaufen(std::begin(fallA12), std::end(fallA12));
    ASSERT_FALSE(beschriftung("BDADatum").isEmpty());
    datum(0)->setFocus();
    QTest::keyClick(datum(0), Qt::Key_F3);
    tippen("1506");
    enter();
    EXPECT_EQ(datum(2)->displayText(), "__/__/____");
    EXPECT_EQ(datum(19)->displayText(), "__/__/____");
    EXPECT_EQ(beschriftung("BDADatum"), "");
}

TEST_F(FallTest, ZeitraumAusserhalbDerSpanneWirdAbgewiesen) {
    durchlaufen(std::begin(fallA12), std::end(fallA12));
    eingeben("Datum_3", "01012000");
    ASSERT_EQ(meldungen.texte.size(), 1);
    EXPECT_EQ(datum(3)->displayText(), "__/__/____");
    EXPECT_EQ(fokus(), "Datum_3");
}

}  // namespace
