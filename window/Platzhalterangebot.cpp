#include "Platzhalterangebot.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSettings>
#include <QStringList>

#include "Behoerdenplatzhalter.h"
#include "Belehrungssatz.h"

namespace bda::fenster {

namespace Platzhalterangebot {

namespace {

const QString schlüssel = QStringLiteral("Rechtsbehelfsbelehrung/BriefkopfzeilenBelassen");

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The text refused before is known by its fingerprint only.
QString fingerabdruck(const std::string& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha1).toHex());
}

QString frage(const Briefkopfzeilen& alt) {
    QStringList zeilen;
    for (const std::string& zeile : alt.zeilen) zeilen << QStringLiteral("„%1“").arg(text(zeile));
    return QStringLiteral(
               "Die gespeicherte Rechtsbehelfsbelehrung nennt die Behörde noch mit den Briefkopfzeilen, die "
               "beim Speichern galten:\n\n%1\n\nSollen diese Zeilen durch den Platzhalter „%2“ ersetzt "
               "werden? Jeder Bescheid setzt dort dann den aktuellen Briefkopf mit der Anschrift der Behörde "
               "ein.\n\nBei „Nein“ bleibt der Text, wie er ist, und diese Frage kommt für ihn nicht wieder.")
        .arg(zeilen.join(QLatin1Char('\n')), text(behördenplatzhalter));
}

}  // namespace

std::string anbieten(const std::string& belehrung, const druck::Belehrungsdatei& datei, const Frage& fragen,
                     const Meldung& melden) {
    const auto alt = alteBriefkopfzeilen(belehrung);
    if (!alt) return belehrung;
    const std::string neu = mitPlatzhalter(belehrung, *alt);
    // A text the placeholder would make too long for the file is left to the clerk.
    if (!passtInSatz(neu)) return belehrung;
    QSettings einstellungen(QSettings::UserScope, QCoreApplication::applicationName());
    if (einstellungen.value(schlüssel).toString() == fingerabdruck(belehrung)) return belehrung;
    if (!fragen(frage(*alt))) {
        einstellungen.setValue(schlüssel, fingerabdruck(belehrung));
        return belehrung;
    }
    QString fehler;
    if (!datei.schreiben(neu, fehler)) {
        melden(fehler);
        return belehrung;
    }
    return neu;
}

}  // namespace Platzhalterangebot

}  // namespace bda::fenster
