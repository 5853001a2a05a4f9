#pragma once
// A case typed through the driver, with the messages and focus requests recorded.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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
        const char* fokus;    // the control the driver last gave the focus to
        const char* meldung;  // the one message shown, or "" for none
    };

    // Types the steps one after the other and checks the focus and the message after each.
    void abspielen(std::initializer_list<Schritt> schritte) {
        for (const Schritt& s : schritte) {
            SCOPED_TRACE("Datum(" + std::to_string(s.feld) + ") " + s.text);
            protokoll.meldungen.clear();
            datum(s.feld, s.text);
            EXPECT_EQ(fokus(), s.fokus);
            if (*s.meldung) {
                EXPECT_EQ(protokoll.meldungen, std::vector<std::string>{s.meldung});
            } else {
                EXPECT_TRUE(protokoll.meldungen.empty()) << protokoll.meldungen.front();
            }
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
