#include "Behoerde.h"

#include <initializer_list>
#include <string_view>

namespace bda {

namespace {

// The parts that are not blank, trimmed and joined by `trenner`.
std::string verbunden(std::initializer_list<std::string_view> teile, std::string_view trenner) {
    std::string text;
    for (const std::string_view teil : teile) {
        const std::string_view getrimmterTeil = getrimmt(teil);
        if (getrimmterTeil.empty()) continue;
        if (!text.empty()) text += trenner;
        text += getrimmterTeil;
    }
    return text;
}

}  // namespace

std::string behördentext(const Behörde& b) {
    return verbunden({b.kopfzeile1.text(), b.kopfzeile2.text(), b.straße.text(), b.ort.text()}, "$");
}

std::string rücksendeangabe(const Behörde& b, bool mitKopfzeile2) {
    const std::string_view zweite = getrimmt(b.kopfzeile2.text());
    // A second line in lower case goes on the name of the first ("und Versorgung") and always stays; one
    // in upper case below a first line names a part of the authority ("Referat 21"), which a returned
    // letter can do without.
    const bool fortsetzung = !zweite.empty() && zweite.front() >= 'a' && zweite.front() <= 'z';
    const bool entbehrlich = !fortsetzung && !b.kopfzeile1.istLeer();
    const std::string name = verbunden({b.kopfzeile1.text(), mitKopfzeile2 || !entbehrlich ? zweite : ""},
                                       fortsetzung ? " " : ", ");
    return verbunden({name, b.straße.text(), b.ort.text()}, ", ");
}

std::string fehlendeBehördenangaben(const Behörde& b) {
    return verbunden(
        {b.kopfzeile1.istLeer() && b.kopfzeile2.istLeer() ? "Briefkopf" : "",
         b.straße.istLeer() ? "Straße und Hausnummer" : "", b.ort.istLeer() ? "Postleitzahl und Ort" : ""},
        ", ");
}

}  // namespace bda
