#include "Behoerdenplatzhalter.h"

#include <algorithm>

#include "Zeichen.h"

namespace bda {

namespace {

// Where the earlier versions put the letterhead lines.
constexpr std::string_view einsetzstelle = "erlassen hat:$";
constexpr std::size_t längsteKopfzeile = 40;
constexpr std::size_t kopfzeilen = 2;

}  // namespace

std::string behördeEingesetzt(std::string_view text, std::string_view behörde) {
    std::string ergebnis;
    std::size_t anfang = 0;
    for (auto stelle = text.find(behördenplatzhalter); stelle != std::string_view::npos;
         stelle = text.find(behördenplatzhalter, anfang)) {
        ergebnis += text.substr(anfang, stelle - anfang);
        ergebnis += behörde;
        anfang = stelle + behördenplatzhalter.size();
    }
    ergebnis += text.substr(anfang);
    return ergebnis;
}

std::optional<Briefkopfzeilen> alteBriefkopfzeilen(std::string_view text) {
    const auto stelle = text.find(einsetzstelle);
    if (stelle == std::string_view::npos || text.find(behördenplatzhalter) != std::string_view::npos)
        return std::nullopt;
    Briefkopfzeilen alt;
    alt.anfang = alt.ende = stelle + einsetzstelle.size();
    while (alt.zeilen.size() < kopfzeilen && alt.ende < text.size()) {
        const std::size_t anfang = alt.zeilen.empty() ? alt.ende : alt.ende + 1;
        const std::size_t ende = std::min(text.find('$', anfang), text.size());
        const std::string_view zeile = getrimmt(text.substr(anfang, ende - anfang));
        if (zeile.empty() || zeichenzahl(zeile) > längsteKopfzeile) break;
        alt.zeilen.emplace_back(zeile);
        alt.ende = ende;
    }
    if (alt.zeilen.empty()) return std::nullopt;
    return alt;
}

std::string mitPlatzhalter(std::string_view text, const Briefkopfzeilen& alt) {
    return std::string(text.substr(0, alt.anfang)) + std::string(behördenplatzhalter) +
           std::string(text.substr(alt.ende));
}

}  // namespace bda
