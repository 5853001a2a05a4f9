#pragma once
// The case rules of Fallregeln.h, reached through a file compiled without coverage (regelpruefung.cpp).

#include "Fallregeln.h"

namespace bda {

fallregeln::Verstöße regelnPrüfen(const fallregeln::Aktion* aktion, const Fall& vorher, const Fall& nachher,
                                  const std::vector<std::string>& meldungen, const std::string& fokus);

std::string fallunterschied(const Fall& a, const Fall& b);

}  // namespace bda
