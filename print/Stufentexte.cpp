#include "Stufentexte.h"

#include <vector>

#include "Briefteile.h"
#include "Datumstext.h"
#include "Mengenangabe.h"

namespace bda::druck {

std::string dauertext(const Zeitspanne& spanne) {
    std::vector<std::string> teile;
    if (spanne.jahre != 0) teile.push_back(anzahl(spanne.jahre, "Jahr", "Jahre"));
    if (spanne.monate != 0) teile.push_back(anzahl(spanne.monate, "Monat", "Monate"));
    if (spanne.tage != 0 || teile.empty()) teile.push_back(anzahl(spanne.tage, "Tag", "Tage"));
    std::string text = teile[0];
    for (std::size_t i = 1; i < teile.size(); ++i)
        text += (i + 1 == teile.size() ? " und " : ", ") + teile[i];
    return text;
}

std::string monatstext(int monate) {
    if (monate == 0) return "0 Monate";
    return dauertext({0, monate % 12, monate / 12});
}

std::string datumstext(std::string_view feldtext) {
    const auto datum = datumAusText(feldtext);
    return datum ? kurzdatum(*datum) : std::string(feldtext);
}

}  // namespace bda::druck
