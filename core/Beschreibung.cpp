#include "Beschreibung.h"

#include <algorithm>

#include "Zeichen.h"

namespace bda {

int freieZeichen(std::string_view text) {
    return beschreibungHöchstzeichen - static_cast<int>(zeichenzahl(getrimmt(text)));
}

std::string begrenzteBeschreibung(std::string_view text) {
    const std::size_t anfang = std::min(text.find_first_not_of(' '), text.size());
    return std::string(text.substr(0, anfang)) +
           std::string(ersteZeichen(text.substr(anfang), beschreibungHöchstzeichen));
}

}  // namespace bda
