#pragma once
// The case file as text: UTF-8 JSON, one object, one entry a line in a fixed order, so that a person can
// read it and a difference tool shows what changed. The format is described in docs/fallformat.md.

#include <stdexcept>
#include <string>
#include <string_view>

#include "Falldatei.h"

namespace bda::datei {

inline constexpr std::string_view fallformatName = "bda-fall";
inline constexpr int fallformatVersion = 1;

// A text that is no case file of this version, or holds a value out of range. The message says what is
// wrong and what to do, in German, without the file's name (Fallablage adds it).
class Formatfehler : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

std::string falltext(const Falldatei& datei);

// Reads and checks a whole case file; throws Formatfehler at the first thing that is wrong.
Falldatei falldateiAusText(std::string_view text);

}  // namespace bda::datei
