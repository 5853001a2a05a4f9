#pragma once
// A case typed through the driver, with the messages and focus requests recorded.

#include <gtest/gtest.h>

#include "Fallsteuerung.h"
#include "Protokoll.h"

class Falltest : public ::testing::Test {
   protected:
    Falltest() { steuerung.laden(); }

    // Types `text` into Datum(feld) and presses Enter.
    void datum(int feld, const char* text) {
        fall.datum[feld] = text;
        steuerung.datumEnter(feld);
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
