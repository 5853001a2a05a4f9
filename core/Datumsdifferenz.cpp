#include "Datumsdifferenz.h"

#include "Datumstext.h"

namespace bda {

namespace {

bool hatEinunddreißigTage(int monat) {
    return monat == 1 || monat == 3 || monat == 5 || monat == 7 || monat == 8 || monat == 10 || monat == 12;
}

// The last day of February: the 29th in a year divisible by 4, else the 28th.
int letzterFebruartag(int jahr) { return jahr % 4 == 0 ? 29 : 28; }

}  // namespace

Zeitspanne datumsdifferenz(std::string_view anfangsdatum, std::string_view enddatum) {
    int d1 = ziffernwert(anfangsdatum, 1, 2);
    const int m1 = ziffernwert(anfangsdatum, 4, 2);
    const int y1 = ziffernwert(anfangsdatum, 7, 4);
    int d2 = ziffernwert(enddatum, 1, 2);
    const int m2 = ziffernwert(enddatum, 4, 2);
    const int y2 = ziffernwert(enddatum, 7, 4);

    Zeitspanne spanne{0, m2 - m1, y2 - y1};
    if (spanne.monate < 0) {
        spanne.monate += 12;
        spanne.jahre -= 1;
    }

    // A start on the 31st is a start on the 1st of the next month; a start on the last day of
    // February counts the missing days up to the 30th.
    int februarzuschlag = 0;
    if (hatEinunddreißigTage(m1) && d1 == 31) {
        d1 = 1;
        spanne.monate -= 1;
        if (spanne.monate < 0) {
            spanne.monate += 12;
            spanne.jahre -= 1;
        }
    } else if (m1 == 2 && d1 == letzterFebruartag(y1)) {
        februarzuschlag = 30 - d1;
        d1 = 30;
    }

    if (hatEinunddreißigTage(m2) && d2 == 31) {
        d2 = 30;
    } else if (m2 == 2 && d2 == letzterFebruartag(y2)) {
        d2 = 30;
    }

    if (d2 >= d1) {
        spanne.tage = d2 - d1 + 1 + februarzuschlag;
    } else {
        spanne.tage = d2 + 30 - d1 + 1 + februarzuschlag;
        if (spanne.monate == 0) {
            spanne.monate = 11;
            spanne.jahre -= 1;
        } else {
            spanne.monate -= 1;
        }
    }

    if (spanne.tage == 30) {
        spanne.tage = 0;
        spanne.monate += 1;
        if (spanne.monate == 12) {
            spanne.monate = 0;
            spanne.jahre += 1;
        }
    }
    return spanne;
}

int tagesstand(std::chrono::year_month_day tag) {
    const int jahr = static_cast<int>(tag.year());
    const int monat = static_cast<int>(static_cast<unsigned>(tag.month()));
    int tagImMonat = static_cast<int>(static_cast<unsigned>(tag.day()));
    if (tagImMonat == 31 || (monat == 2 && tagImMonat == letzterFebruartag(jahr))) tagImMonat = 30;
    return jahr * 360 + (monat - 1) * 30 + tagImMonat;
}

int datumdiffneu(std::string_view geburtsdatum, std::string_view feld) {
    const auto geburt = datumAusText(geburtsdatum);
    const auto datum = datumAusText(feld);
    if (!geburt || !datum) return 0;
    return kalendertage(*geburt, *datum);
}

}  // namespace bda
