#include <QDate>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <chrono>

#include "Berechnung.h"
#include "Bescheid.h"
#include "Datumsfeld.h"
#include "Druckfreigabe.h"
#include "Hauptform.h"
#include "Rechtsmitteleditor.h"

namespace {

std::chrono::year_month_day heute() {
    const QDate datum = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{datum.year()},
                                       std::chrono::month{static_cast<unsigned>(datum.month())},
                                       std::chrono::day{static_cast<unsigned>(datum.day())}};
}

// The letterhead lines the shipped legal-remedy text names as the issuing authority; the window keeps
// no letterhead yet, so the text names none.
struct Briefkopf {
    std::string zeile1;
    std::string zeile2;
};
Briefkopf briefkopf() { return {}; }

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

void Hauptform::bescheidGeklickt() {
    if (!druckVorbereiten()) return;
    const Briefkopf kopf = briefkopf();
    const Druckbelehrung belehrung = rechtsmittel_->datei().zumDrucken(kopf.zeile1, kopf.zeile2);
    if (!belehrung.fehler.isEmpty()) {
        meldung(belehrung.fehler.toStdString());
        return;
    }
    aufStandarddrucker(QStringLiteral("BDA-Bescheid"), [&](Druckauftrag& auftrag) {
        return bescheidDrucken(fall_, belehrung.text, heute(), auftrag);
    });
}

void Hauptform::berechnungGeklickt() {
    if (!druckVorbereiten()) return;
    aufStandarddrucker(QStringLiteral("BDA-Berechnung"),
                       [this](Druckauftrag& auftrag) { return berechnungDrucken(fall_, auftrag); });
}

// Both print commands hide the legal-remedy editor and refuse while a date they print is missing.
bool Hauptform::druckVorbereiten() {
    rechtsmittel_->verbergen();
    const auto fehlendesFeld = fehlendesDruckfeld(fall_);
    if (!fehlendesFeld) return true;
    meldungsfenster(text(druckverweigerungTitel), text(druckverweigerungText));
    datum_[*fehlendesFeld]->setFocus();
    return false;
}

void Hauptform::aufStandarddrucker(const QString& dokumentname,
                                   const std::function<bool(Druckauftrag&)>& dokument) {
    const QPrinterInfo standarddrucker = QPrinterInfo::defaultPrinter();
    if (standarddrucker.isNull()) {
        meldung("Es ist kein Drucker eingerichtet.");
        return;
    }
    QPrinter drucker(standarddrucker, QPrinter::HighResolution);
    drucker.setDocName(dokumentname);
    Druckauftrag auftrag(drucker);
    if (!dokument(auftrag)) meldung("Der Druck ist fehlgeschlagen.");
}

void Hauptform::rechtsmittelUmschalten() {
    const Briefkopf kopf = briefkopf();
    rechtsmittel_->umschalten(rechtsmittelbereich(), kopf.zeile1, kopf.zeile2);
}

// The editor covers the window below the row of command buttons.
QRect Hauptform::rechtsmittelbereich() const {
    const int oben = bauteil<QPushButton>("Schließen")->height();
    return QRect(0, oben, width(), height() - oben);
}
