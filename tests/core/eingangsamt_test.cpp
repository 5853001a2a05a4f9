#include <gtest/gtest.h>

#include "Falltest.h"

namespace {

const char* const titel28 = "Berechnung des Besoldungsdienstalters nach § 28 BBesG für ";
const char* const titel36 = "Berechnung des Besoldungsdienstalters nach § 36 BBesG für ";

std::string text3(const char* jahr) {
    return std::string("Am Tag der Ernennung war die Vollendung des    ") + jahr +
           ".    Lebensj. überschritten um . . . . . . . . . . . . . . . . . . . . . . .";
}

std::string label10(const char* jahr) {
    return std::string("Davon entfallen auf die Zeit ab Vollendung des    ") + jahr +
           ".    Lebensjahres . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .";
}

class Eingangsamt_ : public Falltest {};

TEST_F(Eingangsamt_, NachDemLaden) {
    EXPECT_EQ(fall.amtswahl, 0);
    EXPECT_EQ(fall.titel, titel28);
    EXPECT_EQ(fall.text3, text3("31"));
    EXPECT_EQ(fall.label10, label10("35"));
    EXPECT_EQ(fall.lebensjahr, "35");
    EXPECT_TRUE(protokoll.meldungen.empty());
    EXPECT_FALSE(protokoll.letzterFokus.has_value()) << "no Enter is replayed while the window is hidden";
}

TEST_F(Eingangsamt_, TitelUndBeschriftungenJeOption) {
    const struct {
        int option;
        const char* titel;
        const char* jahrText3;
        const char* jahrLabel10;
    } optionen[] = {
        {3, titel36, "40", "40"},
        {2, titel36, "35", "35"},
        {1, titel28, "35", "35"},
        {0, titel28, "31", "35"},
    };
    for (const auto& o : optionen) {
        SCOPED_TRACE(o.option);
        steuerung.eingangsamtGeklickt(o.option);
        EXPECT_EQ(fall.amtswahl, o.option);
        EXPECT_EQ(fall.titel, o.titel);
        EXPECT_EQ(fall.text3, text3(o.jahrText3));
        EXPECT_EQ(fall.label10, label10(o.jahrLabel10));
    }
    EXPECT_TRUE(protokoll.meldungen.empty());
}

TEST_F(Eingangsamt_, RichterNurInVorbereitung) {
    steuerung.eingangsamtGeklickt(3);
    steuerung.eingangsamtGeklickt(4);
    ASSERT_EQ(protokoll.meldungen.size(), 1u);
    EXPECT_EQ(protokoll.meldungen[0], "in Vorbereitung");
    EXPECT_EQ(fall.amtswahl, 4);
    EXPECT_EQ(fall.titel, titel36);
    EXPECT_EQ(fall.text3, text3("40"));
    EXPECT_EQ(fall.label10, label10("40"));
}

TEST_F(Eingangsamt_, NameAmEndeDesTitels) {
    steuerung.nameSetzen("Erika Mustermann");
    EXPECT_EQ(fall.titel, std::string(titel28) + "Erika Mustermann");
    steuerung.eingangsamtGeklickt(3);
    EXPECT_EQ(fall.titel, std::string(titel36) + "Erika Mustermann");
}

}  // namespace
