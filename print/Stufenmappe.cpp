#include "Stufenmappe.h"

#include "Stufenberechnung.h"
#include "Stufenbescheid.h"
#include "Stufenblatt.h"

namespace bda::druck {

bool stufenmappeDrucken(const Stufenfall& fall, const Bescheiddaten& bescheid, std::string_view name,
                        std::string_view belehrung, std::chrono::year_month_day heute, Seitenwahl wahl,
                        Druckauftrag& auftrag) {
    const Stufenergebnis ergebnis = stufenberechnen(fall);
    if (!ergebnis.berechnet) {
        auftrag.abbrechen(QStringLiteral(
            "Die Erfahrungsstufe ist nicht berechnet: Bitte geben Sie zuerst den Tag der Ernennung ein."));
        return false;
    }
    bool gedruckt = true;
    if (enthält(wahl, Seitenwahl::bescheid)) {
        gedruckt = stufenbescheidDrucken(fall, ergebnis, bescheid, name, belehrung, heute, auftrag);
    }
    if (gedruckt && enthält(wahl, Seitenwahl::berechnung)) {
        gedruckt = stufenblattDrucken(fall, ergebnis, bescheid, name, heute, auftrag);
    }
    return auftrag.abschließen() && gedruckt;
}

}  // namespace bda::druck
