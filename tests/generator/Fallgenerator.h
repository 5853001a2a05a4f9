#pragma once
// Realistic cases for the round trip of case files and for the benchmarks: each typed through the
// driver as a clerk would, with the same cases for the same seed. Some cases change their mind after
// typing (another entry grade, another day of appointment), so that hidden frames and periods that no
// longer count occur as they do at the office.

#include <cstdint>
#include <random>
#include <string>

#include "Fall.h"

namespace bda {

class Fallgenerator {
   public:
    explicit Fallgenerator(std::uint32_t saat);

    Fall nächster();

   private:
    int zahl(int von, int bis);  // both ends included
    bool ja(int prozent);
    std::string datum(int tag, int monat, int jahr) const;
    template <class Liste>
    const char* eines(const Liste& liste);

    std::mt19937 zufall_;
};

}  // namespace bda
