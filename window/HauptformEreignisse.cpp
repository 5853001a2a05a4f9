#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Datumsfeld.h"
#include "Fallbefehle.h"
#include "Hauptform.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"

namespace bda::fenster {

void Hauptform::verbinden() {
    for (int i = 0; i < Feld::anzahl; ++i) {
        Datumsfeld* feld = datum_[i];
        connect(feld, &Datumsfeld::enterGedrueckt, this, [this, i] { datumEnter(i); });
        // What the clerk types counts at once, confirmed or not: the screen never shows a date the
        // result ignores.
        connect(feld, &Datumsfeld::bearbeitet, this, [this, i, feld] {
            fall_.datum[i] = feld->datumstext().toStdString();
            steuerung_.abgleichen();
            darstellen();
        });
        feld->anfangsdatumSetzen([this, i] { return kalenderanfang(i); });
    }
    for (int i = 0; i < Eingangsamt::anzahl; ++i) {
        connect(eingangsamt_[i], &QRadioButton::clicked, this, [this, i] {
            steuerung_.eingangsamtGeklickt(i);
            darstellen();
        });
    }
    for (int i = 0; i < anzahlEingaben; ++i) {
        connect(eingabe_[i], &QLineEdit::textEdited, this, [this, i] { eingabeBearbeitet(i); });
        connect(eingabe_[i], &QLineEdit::returnPressed, this, [this, i] {
            steuerung_.eingabeEnter(i);
            darstellen();
        });
    }
    connect(bauteil<QPushButton>("Bescheid"), &QPushButton::clicked, this, &Hauptform::bescheidGeklickt);
    connect(bauteil<QPushButton>("Berechnung"), &QPushButton::clicked, this, &Hauptform::berechnungGeklickt);
    connect(bauteil<QPushButton>("Grundgehälter"), &QPushButton::clicked, this, &Hauptform::stufenGeklickt);
    connect(bauteil<QPushButton>("RB_Text"), &QPushButton::clicked, this, &Hauptform::rechtsmittelUmschalten);
    connect(bauteil<QPushButton>("Hilfe"), &QPushButton::clicked, this, &Hauptform::hilfeGeklickt);
    connect(bauteil<QPushButton>("Schließen"), &QPushButton::clicked, this, &QWidget::close);
}

// Where the calendar of an empty field opens: 40 years back for the birth date, today for the
// appointment, the first day of the frame's span for a period date (today while the span is empty).
QDate Hauptform::kalenderanfang(int index) const {
    const QDate heute = QDate::currentDate();
    if (index == Feld::geburtstag) return heute.addYears(-40);
    const int spanne = index >= 3 && index <= 10    ? Feld::viertelBeginn
                       : index >= 11 && index <= 18 ? Feld::hälfteBeginn
                                                    : -1;
    if (spanne < 0) return heute;
    return datum_[spanne]->wert().value_or(heute);
}

void Hauptform::datumEnter(int index) {
    fall_.datum[index] = datum_[index]->datumstext().toStdString();
    if (index == Feld::geburtstag && !befehle_->neuerGeburtstagErlaubt(fall_)) {
        steuerung_.abgleichen();
    } else {
        steuerung_.datumEnter(index);
    }
    darstellen();
}

void Hauptform::eingabeBearbeitet(int index) {
    fall_.eingabe[index] = eingabe_[index]->text().toStdString();
    darstellen();
}

// The legal-remedy editor is hidden without saving its text.
void Hauptform::hilfeGeklickt() {
    if (rechtsmittel_) rechtsmittel_->verbergen();
    hilfeZeigen();
}

void Hauptform::hilfeZeigen() {
    if (!hilfe_) hilfe_ = new Hilfefenster(this);
    hilfe_->zeigen(hilfethema());
}

}  // namespace bda::fenster
