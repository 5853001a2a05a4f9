#include "Mengenangabe.h"

namespace bda {

std::string anzahl(int n, std::string_view einzahl, std::string_view mehrzahl) {
    return std::to_string(n) + " " + std::string(n == 1 ? einzahl : mehrzahl);
}

std::string monateUndJahre(int monate, int jahre) {
    const std::string monatsteil = monate != 0 ? anzahl(monate, "Monat", "Monate") : "";
    const std::string jahresteil = jahre != 0 ? anzahl(jahre, "Jahr", "Jahre") : "";
    if (monatsteil.empty() || jahresteil.empty()) return monatsteil + jahresteil;
    return monatsteil + " und " + jahresteil;
}

}  // namespace bda
