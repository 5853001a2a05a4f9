#include "Druckmappe.h"

#include <QDate>

#include "Berechnung.h"
#include "Bescheid.h"

namespace bda::druck {

std::chrono::year_month_day heute() {
    const QDate datum = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{datum.year()},
                                       std::chrono::month{static_cast<unsigned>(datum.month())},
                                       std::chrono::day{static_cast<unsigned>(datum.day())}};
}

bool mappeDrucken(const Fall& fall, std::string_view belehrung, std::chrono::year_month_day heute,
                  Seitenwahl wahl, Druckauftrag& auftrag) {
    bool gedruckt = true;
    if (enthält(wahl, Seitenwahl::bescheid)) gedruckt = bescheidDrucken(fall, belehrung, heute, auftrag);
    if (gedruckt && enthält(wahl, Seitenwahl::berechnung)) gedruckt = berechnungDrucken(fall, auftrag);
    return auftrag.abschließen() && gedruckt;
}

}  // namespace bda::druck
