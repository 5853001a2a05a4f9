#include "Bescheiddaten.h"

#include <chrono>

#include "Datumstext.h"
#include "Zeichen.h"

namespace bda {

std::optional<std::string> briefdatumAusText(std::string_view datumstext, std::string& fehler) {
    if (getrimmt(datumstext).empty() || istLeer(datumstext)) return std::string();
    const auto datum = datumAusText(datumstext);
    if (datum && zulässig(*datum)) {
        std::string text(datumstext);
        text[2] = text[5] = '.';
        return text;
    }
    fehler = "Das Bescheiddatum „" + std::string(datumstext) + "“ ist kein gültiges Datum vom " +
             zulässigerBereich() +
             ". Bitte ein solches Datum eingeben oder das Feld leeren (dann gilt das heutige Datum).";
    return std::nullopt;
}

std::string datumstextAusBriefdatum(std::string_view briefdatum) {
    std::string text(getrimmt(briefdatum));
    if (text.size() != leeresDatum.size() || text[2] != '.' || text[5] != '.')
        return std::string(leeresDatum);
    text[2] = text[5] = '/';
    return datumAusText(text) ? text : std::string(leeresDatum);
}

std::optional<int> bezugsjahrAusText(std::string_view text, std::string& fehler) {
    const std::string_view jahr = getrimmt(text);
    if (jahr.empty()) return 0;
    if (jahr.size() == 4 && jahr.find_first_not_of("0123456789") == std::string_view::npos) {
        const int wert = ziffernwert(jahr, 1, 4);
        if (wert >= erstesBezugsjahr && wert <= letztesBezugsjahr) return wert;
    }
    fehler = "Das Bezugsjahr „" + std::string(jahr) + "“ ist kein Jahr von " +
             std::to_string(erstesBezugsjahr) + " bis " + std::to_string(letztesBezugsjahr) +
             ". Bitte ein solches Jahr eingeben oder das Feld leeren.";
    return std::nullopt;
}

}  // namespace bda
