#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "Beschreibung.h"
#include "Datumsfeld.h"
#include "Fallbefehle.h"
#include "Farben.h"
#include "Hauptform.h"
#include "Zeitraum.h"
#include "Zugaenglichkeit.h"

namespace bda::fenster {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Only a changed text is set, so nothing the clerk is typing is disturbed.
void setzen(QLabel* label, const QString& neu) {
    if (label->text() != neu) label->setText(neu);
}

void setzen(QLineEdit* feld, const QString& neu) {
    if (feld->text() != neu) feld->setText(neu);
}

// A period that holds two dates but lies outside its span, or runs backwards, shows its length in red:
// it is not credited.

void färben(QLabel* label, bool angerechnet) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     angerechnet ? QApplication::palette().color(QPalette::WindowText) : Farben::warnrot);
    if (palette != label->palette()) label->setPalette(palette);
}

}  // namespace

void Hauptform::darstellen() {
    const auto zeigen = [](const Wertzeile& zeile, const Zeitspanne& spanne) {
        setzen(zeile.tag, QString::number(spanne.tage));
        setzen(zeile.monat, QString::number(spanne.monate));
        setzen(zeile.jahr, QString::number(spanne.jahre));
    };

    befehle_->titelZeigen();
    setzen(text3_, text(fall_.text3));
    setzen(label10_, text(fall_.label10));
    for (int i = 0; i < Eingangsamt::anzahl; ++i) eingangsamt_[i]->setChecked(i == fall_.amtswahl);

    for (int i = 0; i < Feld::anzahl; ++i) datum_[i]->datumstextSetzen(text(fall_.datum[i]));
    zeigen(überschritten_, fall_.überschritten);
    for (int zeile = 0; zeile < anzahlZeitraumzeilen; ++zeile) {
        zeigen(rahmen1_[zeile], fall_.rahmen1[zeile]);
        zeigen(rahmen2_[zeile], fall_.rahmen2[zeile]);
    }
    for (int zeile = 1; zeile <= anzahlZeiträume; ++zeile) {
        const Zeitraum z = zeitraum(zeile);
        const bool angerechnet = zeitraumZählt(fall_, z) || !zeitraumErfasst(fall_, z);
        const Wertzeile& werte = (z.viertel ? rahmen1_ : rahmen2_)[z.rahmenzeile];
        for (QLabel* label : {werte.tag, werte.monat, werte.jahr}) färben(label, angerechnet);
    }
    zeigen(gesamt_, fall_.gesamt);
    ssFrame1_->setVisible(fall_.rahmen1Sichtbar);
    ssFrame2_->setVisible(fall_.rahmen2Sichtbar);
    // The administrative rule lies under SSFrame2; hidden with it out of sight, a screen reader skips it too.
    bauteile_.at("Label24")->setVisible(!fall_.rahmen2Sichtbar);

    for (int i = 0; i < anzahlEingaben; ++i) {
        setzen(eingabe_[i], text(fall_.eingabe[i]));
        setzen(zähler_[i], QString::number(freieZeichen(fall_.eingabe[i])));
    }
    // The result is announced to a screen reader whenever it changes.
    if (bdaDatum_->text() != text(fall_.bdaDatum)) {
        bdaDatum_->setText(text(fall_.bdaDatum));
        ansagen(bdaDatum_, bdaDatum_->text());
    }
}

}  // namespace bda::fenster
