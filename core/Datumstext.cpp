#include "Datumstext.h"

#include <cstdio>

using namespace std::chrono;

int ziffernwert(std::string_view text, std::size_t von, std::size_t länge) {
    int wert = 0;
    for (std::size_t i = von - 1; i < text.size() && i < von - 1 + länge; ++i) {
        if (text[i] < '0' || text[i] > '9') break;
        wert = wert * 10 + (text[i] - '0');
    }
    return wert;
}

bool istLeer(std::string_view datumstext) { return datumstext == leeresDatum; }

std::optional<year_month_day> datumAusText(std::string_view datumstext) {
    if (datumstext.size() != leeresDatum.size()) return std::nullopt;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (datumstext[i] < '0' || datumstext[i] > '9') return std::nullopt;
    }
    const year_month_day datum{year{ziffernwert(datumstext, 7, 4)},
                               month{static_cast<unsigned>(ziffernwert(datumstext, 4, 2))},
                               day{static_cast<unsigned>(ziffernwert(datumstext, 1, 2))}};
    if (!datum.ok()) return std::nullopt;
    return datum;
}

std::string textAusDatum(year_month_day datum) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(datum.day()),
                  static_cast<unsigned>(datum.month()), static_cast<int>(datum.year()));
    return text;
}

bool zulässig(year_month_day datum) {
    return sys_days{datum} >= sys_days{erstesZulässigesDatum} &&
           sys_days{datum} <= sys_days{letztesZulässigesDatum};
}

std::string zulässigerBereich() {
    return textAusDatum(erstesZulässigesDatum) + " bis " + textAusDatum(letztesZulässigesDatum);
}

std::optional<std::string> datumsfehler(std::string_view datumstext) {
    if (datumstext.find('_') != std::string_view::npos) return std::nullopt;
    const auto datum = datumAusText(datumstext);
    if (!datum) return "Den " + std::string(datumstext) + " gibt es nicht.";
    if (sys_days{*datum} < sys_days{erstesZulässigesDatum} ||
        sys_days{*datum} > sys_days{letztesZulässigesDatum}) {
        return "Das Datum " + std::string(datumstext) + " ist ungültig. Zulässig sind Daten vom " +
               textAusDatum(erstesZulässigesDatum) + " bis " + textAusDatum(letztesZulässigesDatum) + ".";
    }
    return std::nullopt;
}

int kalendertage(year_month_day von, year_month_day bis) {
    return static_cast<int>((sys_days{bis} - sys_days{von}).count());
}

year_month_day tagDavor(year_month_day datum) { return year_month_day{sys_days{datum} - days{1}}; }

year_month_day geburtstag(year_month_day geburtsdatum, int jahre) {
    const year jahr = geburtsdatum.year() + years{jahre};
    if (geburtsdatum.month() == February && geburtsdatum.day() == day{29} &&
        static_cast<int>(jahr) % 4 != 0) {
        return jahr / March / 1;
    }
    return jahr / geburtsdatum.month() / geburtsdatum.day();
}
