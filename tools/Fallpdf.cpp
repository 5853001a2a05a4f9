#include "Fallpdf.h"

#include <QGuiApplication>

#include "Behoerdenplatzhalter.h"
#include "Belehrungsdatei.h"
#include "Bescheid.h"
#include "Druckfreigabe.h"
#include "Druckmappe.h"
#include "Pdfdatei.h"

namespace bda::werkzeug {

using druck::Seitenwahl;

using druck::Belehrungsdatei;
using druck::bescheidPasstAufEineSeite;
using druck::Druckauftrag;
using druck::Druckbelehrung;
using druck::druckverweigerungText;
using druck::fehlendesDruckfeld;
using druck::heute;
using druck::mappeDrucken;
using druck::pdfSchreiben;

bool fallAlsPdf(const Fall& fall, const std::string& datei, std::string& fehler,
                std::vector<std::string>& hinweise) {
    if (const auto feld = fehlendesDruckfeld(fall)) {
        fehler = std::string(druckverweigerungText) + ": Datum(" + std::to_string(*feld) +
                 ") fehlt, das Skript ergibt kein BDA. Es wurde kein PDF geschrieben.";
        return false;
    }
    // Fonts need a QGuiApplication; without a display it draws on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bda-fall";
    static char* argv[] = {name, nullptr};
    QGuiApplication anwendung(argc, argv);
    // The same per-user data folder as the window, so the clerk's own legal-remedy text is found.
    QGuiApplication::setApplicationName(QStringLiteral("BDA-Rechner"));

    const Belehrungsdatei belehrungsdatei = Belehrungsdatei::standard();
    const Druckbelehrung belehrung = belehrungsdatei.zumDrucken();
    if (!belehrung.fehler.isEmpty()) {
        fehler = belehrung.fehler.toStdString();
        return false;
    }
    if (const std::string fehlt = fehlendeBehördenangaben(fall.bescheid.behörde); !fehlt.empty()) {
        hinweise.push_back("Der Bescheid nennt die Behörde nicht vollständig, es fehlt: " + fehlt +
                           " (kopf1, kopf2, behoerdenstrasse, behoerdenort).");
    }
    if (const auto alt = alteBriefkopfzeilen(belehrung.text)) {
        std::string zeilen;
        for (const std::string& zeile : alt->zeilen) zeilen += (zeilen.empty() ? "„" : ", „") + zeile + "“";
        hinweise.push_back("Die gespeicherte Rechtsbehelfsbelehrung nennt noch die Briefkopfzeilen " +
                           zeilen +
                           " eines früheren Stands; mit „RB-Text“ im Programm lassen sie sich durch den "
                           "Platzhalter ersetzen.");
    }
    if (!bescheidPasstAufEineSeite(fall, belehrung.text)) {
        hinweise.push_back(
            "Der Bescheid passt nicht auf eine Seite; eine kürzere Rechtsbehelfsbelehrung oder das "
            "Anschriftfeld A (anschriftfeld A) hilft.");
    }
    QString meldung;
    const bool geschrieben = pdfSchreiben(
        QString::fromStdString(datei), QStringLiteral("BDA-Bescheid"),
        [&](Druckauftrag& auftrag) {
            return mappeDrucken(fall, belehrung.text, heute(), Seitenwahl::beide, auftrag);
        },
        meldung);
    fehler = meldung.toStdString();
    return geschrieben;
}

}  // namespace bda::werkzeug
