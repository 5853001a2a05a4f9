#pragma once
// Counts as the printed German reads them: the singular for exactly one, a part that is 0 left out.
//
//   anzahl(1, "Jahr", "Jahre")  -> "1 Jahr"      anzahl(0, "Jahr", "Jahre") -> "0 Jahre"
//   monateUndJahre(3, 1)        -> "3 Monate und 1 Jahr"
//   monateUndJahre(0, 2)        -> "2 Jahre"     monateUndJahre(1, 0)       -> "1 Monat"

#include <string>
#include <string_view>

namespace bda {

// The count and its noun: `einzahl` for exactly 1, `mehrzahl` for every other count.
std::string anzahl(int n, std::string_view einzahl, std::string_view mehrzahl);

// Months first, then years, joined by "und"; a part that is 0 is left out, so both 0 give an empty text.
std::string monateUndJahre(int monate, int jahre);

}  // namespace bda
