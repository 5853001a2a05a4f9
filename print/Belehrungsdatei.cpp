#include "Belehrungsdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <string>

#include "Windows1252.h"
#include "Zeichen.h"

namespace {

Belehrungslesung satzLesen(const QString& pfad) {
    Belehrungslesung lesung;
    QFile datei(pfad);
    if (!datei.exists()) return lesung;
    if (!datei.open(QIODevice::ReadOnly)) {
        lesung.fehler = QStringLiteral("Die Rechtsbehelfsbelehrung konnte nicht gelesen werden: %1 (%2)")
                            .arg(datei.errorString(), QDir::toNativeSeparators(pfad));
        return lesung;
    }
    const QByteArray bytes = datei.read(static_cast<qint64>(belehrungssatzlänge));
    lesung.inhalt =
        ausWindows1252(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return lesung;
}

QString speicherfehler(const QString& grund) {
    return QStringLiteral("Die Rechtsbehelfsbelehrung konnte nicht gespeichert werden: ") + grund;
}

}  // namespace

bool istBelehrung(std::string_view inhalt) { return getrimmt(inhalt).starts_with("Gegen"); }

Belehrungsdatei::Belehrungsdatei(QString benutzerdatei, QString vorgabedatei)
    : benutzerdatei_(std::move(benutzerdatei)), vorgabedatei_(std::move(vorgabedatei)) {}

Belehrungsdatei Belehrungsdatei::standard() { return {benutzerdateiname(), vorgabedateiname()}; }

QString Belehrungsdatei::benutzerdateiname(std::string_view datenordner, const FesterText<7>& kennung) {
    const std::string name = std::string(getrimmt(datenordner)) + kennung.text() + "\\Belehrung.txt";
    QString pfad = QString::fromStdString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList teile;
    for (QString teil : pfad.split(QLatin1Char('/'))) {
        while (teil.endsWith(QLatin1Char(' '))) teil.chop(1);
        if (!teil.isEmpty()) teile << teil;
    }
    pfad = teile.join(QLatin1Char('/'));
    if (name.starts_with('\\') || name.starts_with('/')) return QLatin1Char('/') + pfad;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + pfad;
}

QString Belehrungsdatei::vorgabedateiname() {
    const QString relativ = QStringLiteral("Texte/Belehrung.txt");
    if (QFileInfo::exists(relativ)) return QFileInfo(relativ).absoluteFilePath();
    return QString::fromUtf8(BDA_TEXTE_ORDNER "/Belehrung.txt");
}

Belehrungslesung Belehrungsdatei::lesen() const { return satzLesen(benutzerdatei_); }

Belehrungslesung Belehrungsdatei::vorgabeLesen() const { return satzLesen(vorgabedatei_); }

Belehrungslesung Belehrungsdatei::zumDrucken() const {
    Belehrungslesung benutzer = lesen();
    if (!benutzer.fehler.isEmpty() || istBelehrung(benutzer.inhalt.text())) return benutzer;
    return vorgabeLesen();
}

bool Belehrungsdatei::schreiben(std::string_view inhalt, QString& fehler) const {
    std::string satz = nachWindows1252(Belehrungssatz(inhalt).text());
    satz.resize(belehrungssatzlänge, ' ');

    const QString ordner = QFileInfo(benutzerdatei_).absolutePath();
    if (!QDir().mkpath(ordner)) {
        fehler = speicherfehler(QStringLiteral("Der Ordner %1 kann nicht angelegt werden.")
                                    .arg(QDir::toNativeSeparators(ordner)));
        return false;
    }
    QSaveFile datei(benutzerdatei_);
    if (!datei.open(QIODevice::WriteOnly) ||
        datei.write(satz.data(), static_cast<qint64>(satz.size())) != static_cast<qint64>(satz.size()) ||
        !datei.commit()) {
        fehler = speicherfehler(
            QStringLiteral("%1 (%2)").arg(datei.errorString(), QDir::toNativeSeparators(benutzerdatei_)));
        datei.cancelWriting();
        return false;
    }
    return true;
}
