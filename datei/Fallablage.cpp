#include "Fallablage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "Fallformat.h"

namespace bda::datei {

namespace {

std::string benannt(const QString& pfad) { return "„" + pfad.toStdString() + "“"; }
std::string benannt(const std::string& pfad) { return "„" + pfad + "“"; }

// Why a file operation failed, in German; Qt's own texts are English and stay as a detail.
std::string grund(const QFileDevice& datei, const QString& pfad) {
    const QFileInfo ordner(QFileInfo(pfad).absolutePath());
    switch (datei.error()) {
        case QFileDevice::PermissionsError:
            return "es fehlt die Berechtigung";
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            return "beim Schreiben trat ein Fehler auf, vielleicht ist der Datenträger voll";
        case QFileDevice::RenameError:
            return "die bisherige Datei ließ sich nicht ersetzen";
        default:
            break;
    }
    if (ordner.exists() && !ordner.isDir()) return "an Stelle des Ordners steht eine Datei";
    if (!ordner.exists()) return "den Ordner gibt es nicht";
    return "das Dateisystem meldet: " + datei.errorString().toStdString();
}

// Why the system refused to open or read a file, in German.
std::string systemgrund(int fehler) {
    switch (fehler) {
        case ENOENT:
            return "Es gibt sie nicht. Bitte Ordner und Namen prüfen.";
        case ENOTDIR:
            return "Ein Teil des Pfads ist kein Ordner. Bitte Ordner und Namen prüfen.";
        case EACCES:
        case EPERM:
            return "Es fehlt die Berechtigung, sie zu lesen. Bitte die Zugriffsrechte prüfen.";
        case EISDIR:
            return "Sie ist ein Ordner. Bitte eine Datei mit der Endung .bda wählen.";
        default:
            return "Das System meldet den Fehler " + std::to_string(fehler) +
                   " beim Lesen. Bitte den Datenträger prüfen.";
    }
}

struct Schließer {
    int datei;
    ~Schließer() { ::close(datei); }
};

[[noreturn]] void nichtZuÖffnen(const std::string& pfad, const std::string& grund) {
    throw Falldateifehler("Die Datei " + benannt(pfad) + " lässt sich nicht öffnen. " + grund);
}

}  // namespace

namespace Fallablage {

Falldatei öffnen(const QString& pfad) { return öffnen(QFile::encodeName(pfad).toStdString()); }

Falldatei öffnen(const std::string& pfad) {
    // Plain system calls: the bulk re-check opens tens of thousands of files, and the size and kind are
    // asked of the opened file itself, so nothing can change between the check and the read.
    const int datei = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (datei < 0) nichtZuÖffnen(pfad, systemgrund(errno));
    const Schließer schließer{datei};
    struct stat status {};
    if (::fstat(datei, &status) != 0) nichtZuÖffnen(pfad, systemgrund(errno));
    if (S_ISDIR(status.st_mode)) {
        throw Falldateifehler(
            benannt(pfad) + " ist ein Ordner, keine Falldatei. Bitte eine Datei mit der Endung .bda wählen.");
    }
    if (status.st_size > höchsteGröße) {
        nichtZuÖffnen(pfad, "Sie ist mit " + std::to_string(status.st_size / (1024 * 1024)) +
                                " MB viel zu groß für eine Falldatei (höchstens 1 MB). Bitte die richtige "
                                "Datei wählen.");
    }
    // Exactly the size asked for: what the file may have gained since is not read.
    std::string inhalt(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        const ssize_t stück = ::read(datei, inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (stück < 0 && errno == EINTR) continue;
        if (stück < 0) nichtZuÖffnen(pfad, systemgrund(errno));
        if (stück == 0) break;
        gelesen += static_cast<std::size_t>(stück);
    }
    inhalt.resize(gelesen);
    try {
        return falldateiAusText(inhalt);
    } catch (const Formatfehler& fehler) {
        nichtZuÖffnen(pfad, fehler.what());
    }
}

void speichern(const QString& pfad, const Falldatei& inhalt) {
    const std::string text = falltext(inhalt);
    QSaveFile datei(pfad);
    const auto fehlschlag = [&](const std::string& warum) {
        throw Falldateifehler("Die Datei " + benannt(pfad) + " ließ sich nicht speichern (" + warum +
                              "). Bitte einen anderen Ordner oder Namen wählen.");
    };
    if (QFileInfo(pfad).isDir()) fehlschlag("unter diesem Namen steht ein Ordner");
    if (!datei.open(QIODevice::WriteOnly)) fehlschlag(grund(datei, pfad));
    if (datei.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const std::string warum = grund(datei, pfad);
        datei.cancelWriting();
        fehlschlag(warum);
    }
    if (!datei.commit()) fehlschlag(grund(datei, pfad));
}

}  // namespace Fallablage

}  // namespace bda::datei
