// The case rules of Fallregeln.h for the case-script harness, compiled without the fuzzer's coverage:
// their comparisons would only slow the fuzzer down and lead it to the checks' branches instead of the
// program's.

#include "Fallregeln.h"

namespace bda {

fallregeln::Verstöße regelnPrüfen(const fallregeln::Aktion* aktion, const Fall& vorher, const Fall& nachher,
                                  const std::vector<std::string>& meldungen, const std::string& fokus) {
    return fallregeln::aktionPrüfen(aktion, vorher, nachher, meldungen, fokus);
}

std::string fallunterschied(const Fall& a, const Fall& b) { return fallregeln::unterschied(a, b); }

}  // namespace bda
