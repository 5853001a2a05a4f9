#include "Druckmappe.h"

#include "Berechnung.h"
#include "Bescheid.h"

bool mappeDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                  Seitenwahl wahl, Druckauftrag& auftrag) {
    bool gedruckt = true;
    if (enthält(wahl, Seitenwahl::bescheid)) gedruckt = bescheidDrucken(fall, belehrung, heute, auftrag);
    if (gedruckt && enthält(wahl, Seitenwahl::berechnung)) gedruckt = berechnungDrucken(fall, auftrag);
    return auftrag.abschließen() && gedruckt;
}
