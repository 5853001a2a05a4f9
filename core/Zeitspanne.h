
namespace bda {

#pragma once
// A duration in the 30-day reckoning: every month has 30 days, every year 12 months (360 days).

struct Zeitspanne {
    int tage = 0;
    int monate = 0;
    int jahre = 0;

    // The duration in 30-day days: tage + 30 x monate + 360 x jahre.
    int inTagen() const { return tage + 30 * monate + 360 * jahre; }

    // The duration of `tage` 30-day days, in years, months and days.
    static Zeitspanne ausTagen(int tage) { return {tage % 30, (tage % 360) / 30, tage / 360}; }

    bool operator==(const Zeitspanne&) const = default;
};

}  // namespace bda
