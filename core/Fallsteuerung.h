#pragma once
// The driver of a case: what the window's events do to the Fall. Every date is confirmed with Enter,
// which checks it, recomputes the case and moves the focus on, so a whole case is typed with Enter alone.

#include <chrono>
#include <string>
#include <string_view>

#include "Fall.h"
#include "Oberflaeche.h"
#include "Zeitraum.h"

namespace bda {

class Fallsteuerung {
   public:
    Fallsteuerung(Fall& fall, Oberflaeche& oberfläche);

    // Start-up: paragraph 28 and the title, entry grade A 1 to A 12 chosen while the window is still
    // hidden, the day numbers of all fields. Afterwards the window counts as visible.
    void laden();

    // A click on Eingangsamt(index): decisive year of life, paragraph, title and the labels Text(3) and
    // Label10. Once the window is visible, Enter is pressed again in the appointment field, so the case
    // is evaluated under the new rules. Judges and prosecutors (4) only get the notice "in Vorbereitung".
    void eingangsamtGeklickt(int index);

    // The official's name, shown at the end of the window title.
    void nameSetzen(std::string_view name);

    // Enter in Datum(index), the field's text already in the case. A confirmed date moves the focus on:
    // birth date to appointment, appointment to the first period shown, start to end, end to description.
    // Whatever became of the field, the rows then follow their fields and the BDA is recomputed, so the
    // case always counts what it shows.
    void datumEnter(int index);

    // The case follows its fields (the free function below). Every handled event ends with it; the window
    // calls it after a field was edited without Enter.
    void abgleichen();

    // Enter in Eingabe(index): on to the start of the next period; the last box keeps the focus.
    void eingabeEnter(int index);

   private:
    void bestätigen(int feld);
    void geburtstagBestätigt(std::chrono::year_month_day geburtsdatum);
    void regelBDABestätigt(std::chrono::year_month_day regelBDA);
    void ernennungBestätigt();
    void zeitraumbeginnBestätigt(const Zeitraum& z);
    void zeitraumendeBestätigt(const Zeitraum& z);

    Fall& fall_;
    Oberflaeche& oberfläche_;
    bool sichtbar_ = false;
};

// Everything the case shows beyond what was typed follows from the fields as they stand, whether
// confirmed with Enter or not: the day numbers, the evaluation of the appointment (exceedance, frames,
// spans), the rows and the BDA. So the case never depends on the order in which its fields were typed.
void abgleichen(Fall& fall);

}  // namespace bda
