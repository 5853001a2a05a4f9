#pragma once
// An Oberflaeche without a screen: it records every message and focus request. The bda-fall tool and the
// tests drive cases through it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Oberflaeche.h"

namespace bda {

class Protokoll : public Oberflaeche {
   public:
    void meldung(std::string_view text) override { meldungen.emplace_back(text); }
    void fokus(Steuerelement ziel) override { letzterFokus = ziel; }

    std::vector<std::string> meldungen;
    std::optional<Steuerelement> letzterFokus;
};

}  // namespace bda
