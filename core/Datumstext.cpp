#include "Datumstext.h"

#include <cstdio>

namespace bda {

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

bool hatDatumsmaske(std::string_view text) {
    if (text.size() != leeresDatum.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool trenner = i == 2 || i == 5;
        const char c = text[i];
        if (trenner ? c != '/' : !(c == '_' || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

std::optional<year_month_day> datumAusText(std::string_view datumstext) {
    // Read on every Enter for every period of the case, so by hand rather than through a parser.
    if (datumstext.size() != leeresDatum.size()) return std::nullopt;
    unsigned ziffer[10];
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        ziffer[i] = static_cast<unsigned char>(datumstext[i]) - unsigned{'0'};
        if (ziffer[i] > 9) return std::nullopt;
    }
    const unsigned t = ziffer[0] * 10 + ziffer[1];
    const unsigned m = ziffer[3] * 10 + ziffer[4];
    const int j = static_cast<int>(ziffer[6] * 1000 + ziffer[7] * 100 + ziffer[8] * 10 + ziffer[9]);
    if (m < 1 || m > 12 || t < 1 || t > 31) return std::nullopt;
    const year_month_day datum{year{j}, month{m}, day{t}};
    if (t > 28 && !datum.ok()) return std::nullopt;
    return datum;
}

std::optional<year_month_day> zulässigesDatum(std::string_view datumstext) {
    const auto datum = datumAusText(datumstext);
    if (!datum || !zulässig(*datum)) return std::nullopt;
    return datum;
}

std::string textAusDatum(year_month_day datum) {
    const auto t = static_cast<unsigned>(datum.day());
    const auto m = static_cast<unsigned>(datum.month());
    const int j = static_cast<int>(datum.year());
    if (j < 0 || j > 9999) {
        char text[32];
        std::snprintf(text, sizeof text, "%02u/%02u/%04d", t, m, j);
        return text;
    }
    const auto ziffer = [](unsigned wert) { return static_cast<char>('0' + wert % 10); };
    const auto jahr = static_cast<unsigned>(j);
    std::string text = "__/__/____";
    text[0] = ziffer(t / 10);
    text[1] = ziffer(t);
    text[3] = ziffer(m / 10);
    text[4] = ziffer(m);
    text[6] = ziffer(jahr / 1000);
    text[7] = ziffer(jahr / 100);
    text[8] = ziffer(jahr / 10);
    text[9] = ziffer(jahr);
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
    if (!zulässig(*datum)) {
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

}  // namespace bda
