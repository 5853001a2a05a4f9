#pragma once
// A case typed through the driver, with the messages and focus requests recorded.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "Fallsteuerung.h"
#include "Protokoll.h"

namespace bda {

class Falltest : public ::testing::Test {
   protected:
    Falltest() { steuerung.laden(); }

    // Types `text` into Datum(feld) and presses Enter.
    void datum(int feld, const char* text) {
        fall.datum[feld] = text;
        steuerung.datumEnter(feld);
    }

    struct Schritt {
        int feld;  // Datum(feld) gets `text`, then Enter
        const char* text;
        const char* fokus;          // the control the driver last gave the focus to
        const char* meldung;        // a part of the one message shown, or "" for none
        const char* bda = nullptr;  // the result panel afterwards, when given
    };

    // Types the steps one after the other and checks the focus, the message and the result after each.
    void abspielen(std::initializer_list<Schritt> schritte) {
        for (const Schritt& s : schritte) {
            SCOPED_TRACE("Datum(" + std::to_string(s.feld) + ") " + s.text);
            protokoll.meldungen.clear();
            datum(s.feld, s.text);
            EXPECT_EQ(fokus(), s.fokus);
            ASSERT_EQ(protokoll.meldungen.size(), *s.meldung ? 1u : 0u);
            const std::string meldung = *s.meldung ? protokoll.meldungen[0] : "";
            EXPECT_NE(meldung.find(s.meldung), std::string::npos) << meldung;
            EXPECT_EQ(fall.bdaDatum, s.bda ? s.bda : fall.bdaDatum);
        }
    }

    // Birth date and appointment as a clerk types them, messages cleared.
    void grunddaten(const char* geburtstag, const char* ernennung) {
        datum(0, geburtstag);
        datum(2, ernennung);
        protokoll.meldungen.clear();
    }

    std::string fokus() const {
        if (!protokoll.letzterFokus) return "none";
        const auto& ziel = *protokoll.letzterFokus;
        return (ziel.art == Steuerelement::Art::Datum ? "Datum(" : "Eingabe(") + std::to_string(ziel.index) +
               ")";
    }

    Fall fall;
    Protokoll protokoll;
    Fallsteuerung steuerung{fall, protokoll};
};

}  // namespace bda
