#include "Belehrungsdatei.h"
#include "Druckziel.h"
#include "Erfahrungsstufendialog.h"
#include "Fallbefehle.h"
#include "Hauptform.h"
#include "Platzhalterangebot.h"
#include "Rechtsmitteleditor.h"
#include "Rueckfrage.h"
#include "Stufenbescheid.h"
#include "Stufenmappe.h"

namespace bda::fenster {

using druck::Druckauftrag;
using druck::Druckbelehrung;
using druck::Seitenwahl;

// The window edits the case's experience step in place; a case that holds none of the clerk's input
// keeps none, so opening and closing the window changes nothing.
void Hauptform::erfahrungsstufeBearbeiten() {
    using Ausgabe = Erfahrungsstufendialog::Ausgabe;
    Erfahrungsstufendialog* fenster = nullptr;
    Erfahrungsstufendialog dialog(
        erfahrungsstufe_.value_or(Stufenfall{}),
        [this](const Stufenfall& stufe) {
            erfahrungsstufe_ = stufe == Stufenfall{} ? std::nullopt : std::optional<Stufenfall>(stufe);
            befehle_->titelZeigen();
        },
        [this, &fenster](Ausgabe ausgabe) {
            QWidget* über = fenster;
            switch (ausgabe) {
                case Ausgabe::drucken:
                    stufeAusgeben(über, [](Druckziel& ziel) { ziel.druckerwahl(); });
                    break;
                case Ausgabe::vorschau:
                    stufeAusgeben(über, [](Druckziel& ziel) { ziel.vorschau(); });
                    break;
                case Ausgabe::pdf:
                    stufeAusgeben(über, [this, über](Druckziel& ziel) {
                        pdfSpeichern(über, ziel, QStringLiteral("Erfahrungsstufe"));
                    });
                    break;
            }
        },
        this);
    fenster = &dialog;
    dialog.exec();
    activateWindow();
}

// The papers of the experience step with the case's notice data and the stored legal-remedy text, as
// the BDA's are printed; refused while the appointment is missing.
void Hauptform::stufeAusgeben(QWidget* über, const std::function<void(Druckziel&)>& ziel) {
    if (!erfahrungsstufe_ || !stufenberechnen(*erfahrungsstufe_).berechnet) {
        meldungsbox(über, QStringLiteral("Zum Drucken fehlt der Tag der Ernennung. Bitte ihn eingeben."));
        return;
    }
    Druckbelehrung belehrung = rechtsmittel()->datei().zumDrucken();
    if (!belehrung.fehler.isEmpty()) {
        meldungsbox(über, belehrung.fehler);
        return;
    }
    if (!belehrung.mitgeliefert) {
        belehrung.text = Platzhalterangebot::anbieten(
            belehrung.text, rechtsmittel()->datei(),
            [über](const QString& text) { return jaNeinBox(über, text); },
            [über](const QString& text) { meldungsbox(über, text); });
    }
    const Stufenfall stufe = *erfahrungsstufe_;
    Druckziel::Auftrag auftrag{
        [&](Druckauftrag& druck, Seitenwahl wahl) {
            return druck::stufenmappeDrucken(stufe, fall_.bescheid, fall_.name, belehrung.text,
                                             druck::heute(), wahl, druck);
        },
        [&](Seitenwahl wahl) {
            if (!druck::enthält(wahl, Seitenwahl::bescheid)) return true;
            const auto frage = [über](const QString& text) { return jaNeinBox(über, text); };
            // What the window shows as a hint (an appointment before the new law, say) is asked once more.
            const Stufenergebnis ergebnis = stufenberechnen(stufe);
            for (const std::string& hinweis : ergebnis.hinweise) {
                if (!frage(QString::fromStdString(hinweis) + QStringLiteral("\n\nTrotzdem drucken?")))
                    return false;
            }
            return bescheidFreigeben(druck::stufenbescheidPasstAufEineSeite(stufe, ergebnis, fall_.bescheid,
                                                                            fall_.name, belehrung.text),
                                     frage);
        },
        [über](const QString& meldung) { meldungsbox(über, meldung); }, QStringLiteral("Erfahrungsstufe")};
    Druckziel druckziel(über, std::move(auftrag));
    ziel(druckziel);
    über->activateWindow();
}

}  // namespace bda::fenster
