#include "Bescheiddaten.h"

#include <chrono>

#include "Datumstext.h"
#include "Zeichen.h"

std::optional<std::string> briefdatumAusText(std::string_view datumstext, std::string& fehler) {
    if (getrimmt(datumstext).empty() || istLeer(datumstext)) return std::string();
    using std::chrono::sys_days;
    const auto datum = datumAusText(datumstext);
    if (datum && sys_days{*datum} >= sys_days{erstesZulässigesDatum} &&
        sys_days{*datum} <= sys_days{letztesZulässigesDatum}) {
        std::string text(datumstext);
        text[2] = text[5] = '.';
        return text;
    }
    fehler = "Das Bescheiddatum „" + std::string(datumstext) +
             "“ ist kein gültiges Datum vom 01/01/1930 bis 31/12/2040. Bitte ein solches Datum eingeben oder "
             "das Feld leeren (dann gilt das heutige Datum).";
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
    fehler = "Das Bezugsjahr „" + std::string(jahr) +
             "“ ist kein Jahr von 1930 bis 2040. Bitte ein solches Jahr eingeben oder das Feld leeren.";
    return std::nullopt;
}
