#include "Zugaenglichkeit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QWidget>

#include "Zeitraum.h"

namespace bda::fenster {

namespace {

const QString datumshilfe = QStringLiteral(
    "Datum als TT/MM/JJJJ, Abschluss mit der Enter-Taste. F2: heutiges Datum, F3: Feld leeren, F4: Kalender");

struct Text {
    QString name;
    QString beschreibung;
};

void setzen(QWidget* teil, const Text& text) {
    teil->setAccessibleName(text.name);
    teil->setAccessibleDescription(text.beschreibung);
}

// "(Viertel)" for the quarter-rule frame, "(Hälfte)" for the half-rule frame.
QString regel(int rahmen) { return rahmen == 1 ? QStringLiteral("(Viertel)") : QStringLiteral("(Hälfte)"); }

// Rows 0 to 7 of a frame: the share, periods 1 to 4, the sum, the rest and the postponement.
QString zeilenname(int zeile) {
    switch (zeile) {
        case 0:
            return QStringLiteral("Anteil");
        case 5:
            return QStringLiteral("Summe der anrechenbaren Zeiten");
        case 6:
            return QStringLiteral("nicht anrechenbarer Rest");
        case 7:
            return QStringLiteral("Hinausschiebung");
        default:
            return QStringLiteral("Zeitraum %1").arg(zeile);
    }
}

void werte(const std::map<std::string, QWidget*>& bauteile, const std::string& endung, const QString& wovon,
           const QString& beschreibung) {
    const struct {
        const char* name;
        const char* einheit;
    } spalten[] = {{"Tag", "Tage"}, {"Monat", "Monate"}, {"Jahr", "Jahre"}};
    for (const auto& spalte : spalten) {
        setzen(bauteile.at(spalte.name + endung),
               {QString::fromUtf8(spalte.einheit) + QLatin1Char(' ') + wovon, beschreibung});
    }
}

std::function<void(QWidget*, const QString&)>& beobachter() {
    static std::function<void(QWidget*, const QString&)> gesetzt;
    return gesetzt;
}

}  // namespace

void ansagen(QWidget* teil, const QString& wert) {
    QAccessibleValueChangeEvent änderung(teil, wert);
    QAccessible::updateAccessibility(&änderung);
    if (beobachter()) beobachter()(teil, wert);
}

void ansagenBeobachten(std::function<void(QWidget*, const QString&)> neu) { beobachter() = std::move(neu); }

void zugänglichMachen(const std::map<std::string, QWidget*>& bauteile) {
    const auto teil = [&](const std::string& name) { return bauteile.at(name); };

    setzen(teil("Datum_0"), {QStringLiteral("Geburtstag"), datumshilfe});
    setzen(teil("Datum_2"), {QStringLiteral("Ernennung"), datumshilfe});
    setzen(teil("Datum_24"), {QStringLiteral("Vollendung des 21. Lebensjahres"),
                              QStringLiteral("Wird aus dem Geburtstag berechnet. ") + datumshilfe});
    setzen(teil("Datum_1"), {QStringLiteral("Regel-Besoldungsdienstalter"),
                             QStringLiteral("Wird aus dem Geburtstag berechnet. ") + datumshilfe});
    setzen(teil("Datum_19"), {QStringLiteral("Beginn des BDA"), QStringLiteral("Ergebnis der Berechnung")});
    for (int rahmen = 1; rahmen <= 2; ++rahmen) {
        const Zeitraum erster = zeitraum(rahmen == 1 ? 1 : 5);
        const QString r = regel(rahmen);
        const QString nurLesen = QStringLiteral("Berechnet aus Geburtstag und Ernennung, nur lesbar");
        setzen(teil("Datum_" + std::to_string(erster.spanBeginn)),
               {QStringLiteral("Beginn der Zeitspanne ") + r, nurLesen});
        setzen(teil("Datum_" + std::to_string(erster.spanEnde)),
               {QStringLiteral("Ende der Zeitspanne ") + r, nurLesen});
        for (int zeile = erster.zeile; zeile < erster.zeile + 4; ++zeile) {
            const Zeitraum z = zeitraum(zeile);
            const QString bezeichnung = QStringLiteral("Zeitraum %1 ").arg(z.rahmenzeile) + r;
            const std::string eingabe = std::to_string(z.eingabe);
            setzen(teil("Datum_" + std::to_string(z.beginn)),
                   {QStringLiteral("Beginn ") + bezeichnung, datumshilfe});
            setzen(teil("Datum_" + std::to_string(z.ende)),
                   {QStringLiteral("Ende ") + bezeichnung, datumshilfe});
            setzen(teil("Eingabe_" + eingabe),
                   {QStringLiteral("Beschreibung ") + bezeichnung,
                    QStringLiteral("Höchstens 60 Zeichen; Enter geht zum nächsten Zeitraum")});
            setzen(teil("Zähler_" + eingabe),
                   {QStringLiteral("Freie Zeichen der Beschreibung ") + bezeichnung,
                    QStringLiteral("Zählt die noch freien Zeichen herunter")});
        }
        for (int zeile = 0; zeile < 8; ++zeile) {
            werte(bauteile, std::to_string(rahmen) + "_" + std::to_string(zeile),
                  zeilenname(zeile) + QLatin1Char(' ') + r,
                  QStringLiteral("Nach Jahren, Monaten und Tagen, jeder Monat zu 30 Tagen"));
        }
        setzen(teil("SSFrame" + std::to_string(rahmen)),
               {rahmen == 1 ? QStringLiteral("Hinausschieben um ein Viertel")
                            : QStringLiteral("Hinausschieben um die Hälfte"),
                rahmen == 1
                    ? QStringLiteral("Zeit vom 31. Geburtstag bis zur Vollendung des 35. Lebensjahres")
                    : QStringLiteral("Zeit ab dem maßgebenden Geburtstag bis zum Tag vor der Ernennung")});
    }
    werte(bauteile, "0", QStringLiteral("überschritten am Tag der Ernennung"),
          QStringLiteral("Um so viel war das maßgebende Lebensjahr bei der Ernennung überschritten"));
    werte(bauteile, "3", QStringLiteral("Hinausschiebung insgesamt"),
          QStringLiteral("Auf volle Monate abgerundet"));
    setzen(teil("BDADatum"), {QStringLiteral("Beginn des BDA"),
                              QStringLiteral("Ergebnis: an diesem Tag beginnt das Besoldungsdienstalter")});

    for (int i = 0; i < 5; ++i) {
        auto* option = static_cast<QAbstractButton*>(teil("Eingangsamt_" + std::to_string(i)));
        setzen(option, {option->text().simplified(),
                        QStringLiteral("Eingangsamt wählen; der Fall wird neu berechnet")});
    }
    for (const char* name :
         {"Bescheid", "Berechnung", "Grundgehälter", "Übertrag", "RB_Text", "Hilfe", "Schließen"}) {
        auto* knopf = static_cast<QAbstractButton*>(teil(name));
        setzen(knopf, {knopf->text().remove(QLatin1Char('&')).trimmed(), knopf->toolTip().trimmed()});
    }
}

}  // namespace bda::fenster
