#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "Datumsfeld.h"
#include "Hauptform.h"
#include "Hilfefenster.h"
#include "Rechtsmitteleditor.h"

void Hauptform::verbinden() {
    for (int i = 0; i < Feld::anzahl; ++i) {
        Datumsfeld* feld = datum_[i];
        connect(feld, &Datumsfeld::tastendruck, this, [this, i](int zeichen) { datumTaste(i, zeichen); });
        connect(feld, &Datumsfeld::bearbeitet, this,
                [this, i, feld] { fall_.datum[i] = feld->datumstext().toStdString(); });
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
    connect(bauteil<QPushButton>("RB_Text"), &QPushButton::clicked, this, &Hauptform::rechtsmittelUmschalten);
    connect(bauteil<QPushButton>("Hilfe"), &QPushButton::clicked, this, &Hauptform::hilfeGeklickt);
    connect(bauteil<QPushButton>("Schließen"), &QPushButton::clicked, this, &QWidget::close);
    // F1 anywhere in the window opens the help of the chosen entry grade.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &Hauptform::hilfeZeigen);
}

void Hauptform::datumTaste(int index, int zeichen) {
    if (zeichen != 13) return;
    fall_.datum[index] = datum_[index]->datumstext().toStdString();
    steuerung_.datumEnter(index);
    darstellen();
}

void Hauptform::eingabeBearbeitet(int index) {
    fall_.eingabe[index] = eingabe_[index]->text().toStdString();
    darstellen();
}

// The legal-remedy editor is hidden without saving its text.
void Hauptform::hilfeGeklickt() {
    rechtsmittel_->verbergen();
    hilfeZeigen();
}

void Hauptform::hilfeZeigen() {
    if (!hilfe_) hilfe_ = new Hilfefenster(this);
    hilfe_->zeigen(hilfethema());
}
