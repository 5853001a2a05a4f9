#include "Fallpdf.h"

#include <QGuiApplication>

#include "Belehrungsdatei.h"
#include "Druckfreigabe.h"
#include "Druckmappe.h"
#include "Pdfdatei.h"

namespace bda::werkzeug {

using druck::Seitenwahl;

using druck::Belehrungsdatei;
using druck::Druckauftrag;
using druck::Druckbelehrung;
using druck::druckverweigerungText;
using druck::fehlendesDruckfeld;
using druck::heute;
using druck::mappeDrucken;
using druck::pdfSchreiben;

bool fallAlsPdf(const Fall& fall, const std::string& datei, std::string& fehler, std::string& hinweis) {
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
    const Druckbelehrung belehrung =
        belehrungsdatei.zumDrucken(fall.bescheid.kopfzeile1.text(), fall.bescheid.kopfzeile2.text());
    if (!belehrung.fehler.isEmpty()) {
        fehler = belehrung.fehler.toStdString();
        return false;
    }
    if (belehrung.mitgeliefert && fall.bescheid.kopfzeile1.istLeer() && fall.bescheid.kopfzeile2.istLeer()) {
        hinweis = "Der Briefkopf ist leer: der Bescheid nennt keine Behörde (kopf1, kopf2).";
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
