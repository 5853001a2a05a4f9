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
    lesen(quelle, QStringLiteral("Briefkopf/Kopfzeile1"), daten.behörde.kopfzeile1);
    lesen(quelle, QStringLiteral("Briefkopf/Kopfzeile2"), daten.behörde.kopfzeile2);
    lesen(quelle, QStringLiteral("Briefkopf/Strasse"), daten.behörde.straße);
    lesen(quelle, QStringLiteral("Briefkopf/Ort"), daten.behörde.ort);
    lesen(quelle, QStringLiteral("Briefkopf/Unterschrift1"), daten.unterschrift1);
    lesen(quelle, QStringLiteral("Briefkopf/Unterschrift2"), daten.unterschrift2);
    daten.anschriftfeld =
        anschriftformAusText(quelle.value(QStringLiteral("Briefkopf/Anschriftfeld")).toString().toStdString())
            .value_or(Anschriftform::a);
}

void sichern(const Bescheiddaten& daten) {
    QSettings ziel(QSettings::UserScope, QCoreApplication::applicationName());
    schreiben(ziel, QStringLiteral("Briefkopf/Kopfzeile1"), daten.behörde.kopfzeile1);
    schreiben(ziel, QStringLiteral("Briefkopf/Kopfzeile2"), daten.behörde.kopfzeile2);
    schreiben(ziel, QStringLiteral("Briefkopf/Strasse"), daten.behörde.straße);
    schreiben(ziel, QStringLiteral("Briefkopf/Ort"), daten.behörde.ort);
    schreiben(ziel, QStringLiteral("Briefkopf/Unterschrift1"), daten.unterschrift1);
    schreiben(ziel, QStringLiteral("Briefkopf/Unterschrift2"), daten.unterschrift2);
    const std::string_view form = anschriftformText(daten.anschriftfeld);
    ziel.setValue(QStringLiteral("Briefkopf/Anschriftfeld"),
                  QString::fromUtf8(form.data(), static_cast<qsizetype>(form.size())));
}

void übernehmen(const Bescheiddaten& von, Bescheiddaten& nach) {
    nach.behörde = von.behörde;
    nach.unterschrift1 = von.unterschrift1;
    nach.unterschrift2 = von.unterschrift2;
    nach.anschriftfeld = von.anschriftfeld;
}

}  // namespace Briefkopf

}  // namespace bda::fenster
