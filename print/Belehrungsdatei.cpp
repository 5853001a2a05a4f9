#include "Belehrungsdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <vector>

#include "Windows1252.h"
#include "Zeichen.h"

namespace bda::druck {

namespace {

// More than any record needs (1000 characters of at most four bytes each): a longer file is read only
// this far and counts as too long.
constexpr std::size_t lesegrenze = 16 * 1024;

// At most this many characters the file cannot keep are named in a message.
constexpr std::size_t genannteZeichen = 10;

QString pfadtext(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

QString artVon(mode_t modus) {
    if (S_ISDIR(modus)) return QStringLiteral("ein Ordner");
    if (S_ISFIFO(modus)) return QStringLiteral("eine benannte Pipe (FIFO)");
    if (S_ISCHR(modus) || S_ISBLK(modus)) return QStringLiteral("eine Gerätedatei");
    if (S_ISSOCK(modus)) return QStringLiteral("ein Socket");
    return QStringLiteral("ein besonderer Dateieintrag");
}

QString grundVon(int fehlernummer) {
    switch (fehlernummer) {
        case EACCES:
        case EPERM:
            return QStringLiteral("Der Zugriff ist nicht erlaubt.");
        case ELOOP:
            return QStringLiteral("Die Verknüpfungen des Namens führen im Kreis.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Name ist zu lang.");
        case EIO:
            return QStringLiteral("Der Datenträger meldet einen Lesefehler.");
        default:
            return QStringLiteral("Fehler %1 (%2).")
                .arg(fehlernummer)
                .arg(QString::fromLocal8Bit(std::strerror(fehlernummer)));
    }
}

QString lesefehler(const QString& pfad, int fehlernummer) {
    return QStringLiteral(
               "Die Rechtsbehelfsbelehrung „%1“ kann nicht gelesen werden. %2 Prüfen Sie die Datei und ihren "
               "Ordner.")
        .arg(pfadtext(pfad), grundVon(fehlernummer));
}

QString keineDateiBeimLesen(const QString& pfad, mode_t modus) {
    return QStringLiteral(
               "Die Rechtsbehelfsbelehrung kann nicht gelesen werden: „%1“ ist keine gewöhnliche Datei, "
               "sondern %2. Entfernen Sie diesen Eintrag oder benennen Sie ihn um; danach können Sie die "
               "Rechtsbehelfsbelehrung mit „RB-Text“ neu anlegen.")
        .arg(pfadtext(pfad), artVon(modus));
}

QString speicherfehler(const QString& grund) {
    return QStringLiteral("Die Rechtsbehelfsbelehrung konnte nicht gespeichert werden: ") + grund;
}

// "„ł“ (U+0142), „✓“ (U+2713)", at most `genannteZeichen` of them.
QString zeichenliste(const std::vector<std::string>& zeichen) {
    QStringList namen;
    for (std::size_t i = 0; i < zeichen.size() && i < genannteZeichen; ++i) {
        const QString text = QString::fromStdString(zeichen[i]);
        const auto codepunkt = static_cast<uint>(text.toUcs4().value(0));
        namen << QStringLiteral("„%1“ (U+%2)")
                     .arg(text, QString::number(codepunkt, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    QString liste = namen.join(QStringLiteral(", "));
    if (zeichen.size() > genannteZeichen) liste += QStringLiteral(" …");
    return liste;
}

// The bytes of an ordinary file, at most lesegrenze + 1. The name is checked before it is opened, and
// the opened file again, as the entry may change in between; the opening never waits (O_NONBLOCK).
struct Rohlesung {
    bool vorhanden = false;
    std::string bytes;
    QString fehler;
};

Rohlesung rohLesen(const QString& pfad) {
    Rohlesung lesung;
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) lesung.fehler = lesefehler(pfad, errno);
        return lesung;
    }
    if (!S_ISREG(info.st_mode)) {
        lesung.fehler = keineDateiBeimLesen(pfad, info.st_mode);
        return lesung;
    }
    const int datei = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (datei < 0) {
        lesung.fehler = lesefehler(pfad, errno);
        return lesung;
    }
    if (::fstat(datei, &info) != 0 || !S_ISREG(info.st_mode)) {
        lesung.fehler = keineDateiBeimLesen(pfad, info.st_mode);
        ::close(datei);
        return lesung;
    }
    lesung.bytes.resize(lesegrenze + 1);
    std::size_t gelesen = 0;
    while (gelesen < lesung.bytes.size()) {
        const ssize_t stück = ::read(datei, lesung.bytes.data() + gelesen, lesung.bytes.size() - gelesen);
        if (stück < 0 && errno == EINTR) continue;
        if (stück < 0) {
            lesung.fehler = lesefehler(pfad, errno);
            break;
        }
        if (stück == 0) break;
        gelesen += static_cast<std::size_t>(stück);
    }
    ::close(datei);
    lesung.bytes.resize(gelesen);
    lesung.vorhanden = lesung.fehler.isEmpty();
    if (!lesung.vorhanden) lesung.bytes.clear();
    return lesung;
}

}  // namespace

QString mitgelieferteDatei() { return QStringLiteral(":/Texte/Belehrung.txt"); }

std::string mitgelieferteBelehrung() { return Belehrungsdatei({}).vorgabe().value_or(std::string()); }

Belehrungsdatei::Belehrungsdatei(QString benutzerdatei, QString vorgabedatei)
    : benutzerdatei_(std::move(benutzerdatei)), vorgabedatei_(std::move(vorgabedatei)) {}

Belehrungsdatei Belehrungsdatei::standard() { return Belehrungsdatei(benutzerdateiname()); }

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

Belehrungslesung Belehrungsdatei::lesen() const {
    const Rohlesung roh = rohLesen(benutzerdatei_);
    Belehrungslesung lesung;
    lesung.fehler = roh.fehler;
    if (roh.vorhanden) {
        const bool ganz = roh.bytes.size() <= lesegrenze;
        lesung.satz = satzLesen(std::string_view(roh.bytes).substr(0, lesegrenze), ganz);
    }
    return lesung;
}

std::optional<std::string> Belehrungsdatei::vorgabe() const {
    QFile datei(vorgabedatei_);
    if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = datei.read(static_cast<qint64>(belehrungssatzlänge));
    const Satztext satz =
        satzLesen(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (satz.text.empty()) return std::nullopt;
    return satz.text;
}

Druckbelehrung Belehrungsdatei::zumDrucken() const {
    Druckbelehrung druck;
    const Belehrungslesung lesung = lesen();
    const QString pfad = pfadtext(benutzerdatei_);
    if (!lesung.fehler.isEmpty()) {
        druck.fehler = lesung.fehler;
    } else if (lesung.satz.text.empty()) {
        const auto text = vorgabe();
        if (text) {
            druck.text = *text;
            druck.mitgeliefert = true;
        } else {
            druck.fehler = QStringLiteral(
                "Der mitgelieferte Text der Rechtsbehelfsbelehrung fehlt im Programm. Installieren Sie das "
                "Programm neu oder speichern Sie mit „RB-Text“ eine eigene Rechtsbehelfsbelehrung.");
        }
    } else if (lesung.satz.zuLang) {
        druck.fehler =
            QStringLiteral(
                "Die Rechtsbehelfsbelehrung in „%1“ ist länger als 1000 Zeichen und würde gekürzt "
                "gedruckt. Kürzen Sie sie mit „RB-Text“, speichern Sie sie mit der Eingabetaste und "
                "drucken Sie den Bescheid dann erneut.")
                .arg(pfad);
    } else if (lesung.satz.fremdzeichen > 0) {
        druck.fehler =
            QStringLiteral(
                "Die Rechtsbehelfsbelehrung in „%1“ enthält Steuerzeichen oder Binärdaten. Prüfen Sie "
                "sie mit „RB-Text“, speichern Sie sie mit der Eingabetaste und drucken Sie den "
                "Bescheid dann erneut.")
                .arg(pfad);
    } else {
        druck.text = lesung.satz.text;
    }
    return druck;
}

QString Belehrungsdatei::öffnungshinweis(const Satztext& satz) const {
    const QString pfad = pfadtext(benutzerdatei_);
    QStringList hinweise;
    if (satz.zuLang) {
        hinweise << QStringLiteral(
                        "Die Rechtsbehelfsbelehrung in „%1“ ist länger als 1000 Zeichen. Beim Speichern wird "
                        "sie nach dem 1000. Zeichen abgeschnitten; was dann wegfällt, ist im Textfenster "
                        "markiert. Kürzen Sie den Text vorher, wenn Sie lieber etwas anderes weglassen.")
                        .arg(pfad);
    }
    if (satz.fremdzeichen > 0) {
        hinweise
            << QStringLiteral(
                   "Die Rechtsbehelfsbelehrung in „%1“ enthält Steuerzeichen oder Binärdaten (%2 Zeichen). "
                   "Sie werden als Leerzeichen gezeigt und so gespeichert. Prüfen Sie den Text, bevor Sie "
                   "ihn mit der Eingabetaste speichern.")
                   .arg(pfad)
                   .arg(satz.fremdzeichen);
    }
    if (const auto fehlend = fehlendeZeichen(ersteZeichen(satz.text, belehrungssatzlänge));
        !fehlend.empty()) {
        hinweise << QStringLiteral(
                        "Die Rechtsbehelfsbelehrung in „%1“ enthält Zeichen, die die Datei nicht aufnehmen "
                        "kann: %2. Ersetzen oder löschen Sie sie, bevor Sie mit der Eingabetaste speichern.")
                        .arg(pfad, zeichenliste(fehlend));
    }
    return hinweise.join(QStringLiteral("\n\n"));
}

QString Belehrungsdatei::vorgabeFehltImEditor() {
    return QStringLiteral(
        "Der mitgelieferte Text der Rechtsbehelfsbelehrung fehlt im Programm. Schreiben Sie die "
        "Rechtsbehelfsbelehrung selbst und speichern Sie sie mit der Eingabetaste, oder installieren Sie "
        "das Programm neu.");
}

bool Belehrungsdatei::schreiben(std::string_view text, QString& fehler) const {
    const std::string satztext = alsSatztext(text);
    // Only what the record keeps counts: a part beyond the 1000th character is cut anyway.
    if (const auto fehlend = fehlendeZeichen(ersteZeichen(satztext, belehrungssatzlänge)); !fehlend.empty()) {
        fehler = speicherfehler(QStringLiteral("Die Datei kann diese Zeichen nicht aufnehmen: %1. Ersetzen "
                                               "oder löschen Sie sie und speichern Sie dann erneut mit der "
                                               "Eingabetaste.")
                                    .arg(zeichenliste(fehlend)));
        return false;
    }
    const std::string satz = satzSchreiben(satztext);

    struct stat info {};
    if (::stat(QFile::encodeName(benutzerdatei_).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        fehler =
            speicherfehler(QStringLiteral("„%1“ ist keine gewöhnliche Datei, sondern %2. Entfernen Sie "
                                          "diesen Eintrag oder benennen Sie ihn um und speichern Sie dann "
                                          "erneut.")
                               .arg(pfadtext(benutzerdatei_), artVon(info.st_mode)));
        return false;
    }
    const QString ordner = QFileInfo(benutzerdatei_).absolutePath();
    if (!QDir().mkpath(ordner)) {
        fehler =
            speicherfehler(QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden. Prüfen Sie, ob an "
                                          "seiner Stelle oder über ihm eine Datei liegt, und benennen Sie "
                                          "diese um.")
                               .arg(pfadtext(ordner)));
        return false;
    }
    QSaveFile datei(benutzerdatei_);
    if (!datei.open(QIODevice::WriteOnly) ||
        datei.write(satz.data(), static_cast<qint64>(satz.size())) != static_cast<qint64>(satz.size()) ||
        !datei.commit()) {
        fehler = speicherfehler(QStringLiteral("%1 (%2)").arg(datei.errorString(), pfadtext(benutzerdatei_)));
        datei.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace bda::druck
