#pragma once
// The tests' own calendar, written from the rules rather than from the program's date code: calendar days
// (those of the standard library) and the 30-day reckoning of a span with both end days counted.

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "Zeitspanne.h"

namespace bda {

namespace kalendermodell {

struct Tag {
    int jahr = 0;
    int monat = 0;
    int tag = 0;
};

inline std::chrono::year_month_day alsDatum(Tag tag) {
    return std::chrono::year{tag.jahr} / std::chrono::month(tag.monat) / std::chrono::day(tag.tag);
}

// The day a text "dd/mm/yyyy" names (separators not read); none without all digits or such a day.
inline std::optional<Tag> lesen(std::string_view text) {
    if (text.size() != 10) return std::nullopt;
    int zahl[3] = {};  // day, month, year
    for (int stelle : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (text[stelle] < '0' || text[stelle] > '9') return std::nullopt;
        int& teil = zahl[stelle < 3 ? 0 : stelle < 6 ? 1 : 2];
        teil = teil * 10 + (text[stelle] - '0');
    }
    const Tag tag{zahl[2], zahl[1], zahl[0]};
    if (!alsDatum(tag).ok()) return std::nullopt;
    return tag;
}

inline std::string text(Tag tag) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%02d/%02d/%04d", tag.tag, tag.monat, tag.jahr);
    return puffer;
}

// Days since 1 January 1970; only differences of two counts mean anything.
inline long tagzahl(Tag tag) { return std::chrono::sys_days{alsDatum(tag)}.time_since_epoch().count(); }

inline Tag ausTagzahl(long zahl) {
    const std::chrono::year_month_day d{std::chrono::sys_days{std::chrono::days{zahl}}};
    return {static_cast<int>(d.year()), static_cast<int>(unsigned(d.month())),
            static_cast<int>(unsigned(d.day()))};
}

// Calendar days from `von` to `bis`, negative when `bis` lies earlier.
inline long kalendertage(Tag von, Tag bis) { return tagzahl(bis) - tagzahl(von); }

inline Tag tagDavor(Tag tag) { return ausTagzahl(tagzahl(tag) - 1); }

// The span from `anfang` to `ende` (not earlier), both days counted, as counts of 30-day days: the start's
// own (a 31st is the next month's 1st), the end's with the 31st and February's last day (the 29th in years
// divisible by 4) as the 30th; from February's last day to a later 28th or 29th 31 or 32 days stay.
inline Zeitspanne dreißigTage(Tag anfang, Tag ende) {
    const auto letzterFebruartag = [](int jahr) { return jahr % 4 == 0 ? 29 : 28; };
    const bool aufDenDreißigsten =
        ende.tag == 31 || (ende.monat == 2 && ende.tag == letzterFebruartag(ende.jahr));
    const int endtag = aufDenDreißigsten ? 30 : ende.tag;
    const long von = 360L * anfang.jahr + 30 * (anfang.monat - 1) + anfang.tag;
    const long bis = 360L * ende.jahr + 30 * (ende.monat - 1) + endtag;
    const int tage = static_cast<int>(bis - von + 1);

    const int februarrest =
        anfang.monat == 2 && anfang.tag == letzterFebruartag(anfang.jahr) ? 30 - anfang.tag : 0;
    if (februarrest > 0 && endtag < 30 && endtag + februarrest >= 30) {
        const int übrig = endtag + 1 + februarrest;
        const int ganzeMonate = (tage - übrig) / 30;
        return {übrig, ganzeMonate % 12, ganzeMonate / 12};
    }
    return {tage % 30, (tage / 30) % 12, tage / 360};
}

}  // namespace kalendermodell

}  // namespace bda
