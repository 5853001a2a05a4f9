#include <QRadioButton>

#include "Fenstertest.h"

namespace {

using EingangsamtTest = Fenstertest;

struct Amtszeile {
    const char* name;
    int index;
    const char* paragraph;
    const char* jahrText3;
    const char* jahrLabel10;
};

// Per option: the paragraph of the title, the year of life in Text(3) and in Label10.
const Amtszeile ämter[] = {
    {"A 1 bis A 12", 0, "28", "31", "35"},
    {"A 13 oder A 14", 1, "28", "35", "35"},
    {"C 1 oder C 2", 2, "36", "35", "35"},
    {"Professor C 3 und C 4", 3, "36", "40", "40"},
};

void klicken(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

TEST_F(EingangsamtTest, JedeOptionSchreibtTitelUndBeschriftungen) {
    // From the last option back to the first, so every click changes something.
    for (auto zeile = std::rbegin(ämter); zeile != std::rend(ämter); ++zeile) {
        SCOPED_TRACE(zeile->name);
        klicken(bauteil<QRadioButton>(QStringLiteral("Eingangsamt_%1").arg(zeile->index)));
        EXPECT_EQ(fenster->windowTitle(), titel(zeile->paragraph));
        EXPECT_EQ(beschriftung("Text_3"), text3(zeile->jahrText3));
        EXPECT_EQ(beschriftung("Label10"), label10(zeile->jahrLabel10));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(bauteil<QRadioButton>(QStringLiteral("Eingangsamt_%1").arg(i))->isChecked(),
                      i == zeile->index);
        }
    }
    EXPECT_TRUE(meldungen.texte.isEmpty());
}

TEST_F(EingangsamtTest, RichterIstInVorbereitungUndAendertNichts) {
    klicken(bauteil<QRadioButton>("Eingangsamt_3"));
    klicken(bauteil<QRadioButton>("Eingangsamt_4"));

    EXPECT_EQ(meldungen.texte, QStringList{"in Vorbereitung"});
    EXPECT_EQ(meldungen.titel, QStringList{"BDA-Rechner"});
    EXPECT_TRUE(meldungen.nurOk);
    EXPECT_TRUE(meldungen.ohneSymbol);
    EXPECT_EQ(fenster->windowTitle(), titel("36"));
    EXPECT_EQ(beschriftung("Text_3"), text3("40"));
    EXPECT_EQ(beschriftung("Label10"), label10("40"));
    EXPECT_TRUE(bauteil<QRadioButton>("Eingangsamt_4")->isChecked());
    EXPECT_FALSE(bauteil<QRadioButton>("Eingangsamt_3")->isChecked());
    EXPECT_EQ(fenster->fall().amtswahl, 4);
}

TEST_F(EingangsamtTest, NochmaligerKlickLaesstDieOptionGewaehlt) {
    klicken(bauteil<QRadioButton>("Eingangsamt_0"));
    EXPECT_TRUE(bauteil<QRadioButton>("Eingangsamt_0")->isChecked());
    EXPECT_EQ(beschriftung("Text_3"), text3("31"));
}

TEST_F(EingangsamtTest, EinKlickRechnetAbDerErnennungNeu) {
    eingeben("Datum_0", "15061970");
    eingeben("Datum_2", "15062008");
    const QString mitViertel = beschriftung("BDADatum");
    klicken(bauteil<QRadioButton>("Eingangsamt_3"));
    // Professors: half of the time from the 40th birthday, which lies after the appointment.
    EXPECT_EQ(beschriftung("BDADatum"), "01/06/1991.");
    EXPECT_NE(beschriftung("BDADatum"), mitViertel);
    EXPECT_EQ(fokus(), "Datum_2");
}

}  // namespace
