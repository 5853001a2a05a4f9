#include "Briefkopf.h"

#include <QCoreApplication>
#include <QSettings>
#include <string>

#include "Bescheiddaten.h"

namespace bda::fenster {

namespace {

template <std::size_t N>
void lesen(const QSettings& quelle, const QString& schlüssel, FesterText<N>& ziel) {
    ziel = quelle.value(schlüssel).toString().toStdString();
}

// Stored without the padding blanks, so the settings file reads as the clerk typed it.
template <std::size_t N>
void schreiben(QSettings& ziel, const QString& schlüssel, const FesterText<N>& text) {
    QString wert = QString::fromStdString(text.text());
    while (wert.endsWith(QLatin1Char(' '))) wert.chop(1);
    ziel.setValue(schlüssel, wert);
}

}  // namespace

namespace Briefkopf {

void laden(Bescheiddaten& daten) {
    const QSettings quelle(QSettings::UserScope, QCoreApplication::applicationName());
    lesen(quelle, QStringLiteral("Briefkopf/Kopfzeile1"), daten.kopfzeile1);
    lesen(quelle, QStringLiteral("Briefkopf/Kopfzeile2"), daten.kopfzeile2);
    lesen(quelle, QStringLiteral("Briefkopf/Unterschrift1"), daten.unterschrift1);
    lesen(quelle, QStringLiteral("Briefkopf/Unterschrift2"), daten.unterschrift2);
}

void sichern(const Bescheiddaten& daten) {
    QSettings ziel(QSettings::UserScope, QCoreApplication::applicationName());
    schreiben(ziel, QStringLiteral("Briefkopf/Kopfzeile1"), daten.kopfzeile1);
    schreiben(ziel, QStringLiteral("Briefkopf/Kopfzeile2"), daten.kopfzeile2);
    schreiben(ziel, QStringLiteral("Briefkopf/Unterschrift1"), daten.unterschrift1);
    schreiben(ziel, QStringLiteral("Briefkopf/Unterschrift2"), daten.unterschrift2);
}

}  // namespace Briefkopf

}  // namespace bda::fenster
