#pragma once
// Realistic cases for the round trip of case files and for the benchmarks, each typed through the driver
// as a clerk would, the same cases for the same seed. Some change their mind after typing (another entry
// grade, another day of appointment), so that hidden frames and periods that no longer count occur.

#include <cstdint>
#include <random>

#include "Fall.h"

namespace bda {

class Fallgenerator {
   public:
    explicit Fallgenerator(std::uint32_t saat) : zufall_(saat) {}

    Fall nächster();

   private:
    std::mt19937 zufall_;
};

}  // namespace bda
