#pragma once
// The addressee data of the notice. Nothing in the program fills them yet: blank texts and the year 0
// give a notice with today's date, no salutation, no address lines and no pay-settlement note.

#include "FesterText.h"

struct Bescheiddaten {
    FesterText<39> kopfzeile1;
    FesterText<40> kopfzeile2;
    FesterText<20> bescheiddatum;  // blank: today's date
    FesterText<1> anrede;          // "b" Herrn, "c" Frau, "d" Fräulein, anything else none
    FesterText<30> anschrift1;
    FesterText<30> anschrift2;
    FesterText<40> dienstanschrift;  // blank: no service address at the right
    int bezugsjahr = 0;              // 2003 to 2005: the note on the 2003 pay settlement
};
