#include "Fallablage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>

#include "Fallformat.h"
#include "Windows1252.h"

namespace bda::datei {

namespace Fallablage {

Schreibaufruf schreibaufruf = ::write;

}  // namespace Fallablage

namespace {

std::string benannt(const std::string& pfad) { return "„" + pfad + "“"; }

// What an entry is that is no ordinary file.
std::string art(mode_t modus) {
    if (S_ISDIR(modus)) return "ein Ordner";
    if (S_ISFIFO(modus)) return "eine benannte Pipe (FIFO)";
    if (S_ISSOCK(modus)) return "ein Socket";
    if (S_ISCHR(modus) || S_ISBLK(modus)) return "ein Gerät";
    return "ein besonderer Dateieintrag";
}

// 1048577 as "1.048.577".
std::string mitTausendern(long long zahl) {
    std::string text = std::to_string(zahl);
    for (auto stelle = static_cast<long long>(text.size()) - 3; stelle > 0; stelle -= 3)
        text.insert(static_cast<std::size_t>(stelle), ".");
    return text;
}

// The folder of a path as messages name it: "." for a bare name.
std::string ordnerVon(const std::string& pfad) {
    const auto schrägstrich = pfad.rfind('/');
    if (schrägstrich == std::string::npos) return ".";
    return schrägstrich == 0 ? "/" : pfad.substr(0, schrägstrich);
}

// Why the system refused to write into `ordner`, in German with what to do.
std::string schreibgrund(int fehler, const std::string& ordner) {
    switch (fehler) {
        case ENOSPC:
        case EDQUOT:
            return "Auf dem Datenträger ist nicht genug Platz. Bitte Platz schaffen oder einen anderen "
                   "Ordner wählen und erneut speichern.";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt. Bitte einen anderen Ordner wählen.";
        case EACCES:
        case EPERM:
            return "Es fehlt die Berechtigung, in den Ordner " + benannt(ordner) +
                   " zu schreiben. Bitte einen anderen Ordner wählen.";
        case ENOENT:
            return "Den Ordner " + benannt(ordner) + " gibt es nicht. Bitte einen vorhandenen Ordner wählen.";
        case ENOTDIR:
            return "Ein Teil des Pfads ist kein Ordner, sondern eine Datei. Bitte einen anderen Ordner "
                   "wählen.";
        case ENAMETOOLONG:
            return "Der Name ist für das Dateisystem zu lang. Bitte einen kürzeren Namen wählen.";
        case ELOOP:
            return "Der Pfad führt über Verknüpfungen im Kreis. Bitte einen anderen Ordner oder Namen "
                   "wählen.";
        case EIO:
            return "Der Datenträger meldet einen Schreibfehler. Bitte den Datenträger prüfen lassen oder "
                   "einen anderen Ordner wählen.";
        default:
            return "Das Betriebssystem meldet den Fehler Nr. " + std::to_string(fehler) +
                   ". Bitte einen anderen Ordner wählen oder es später noch einmal versuchen.";
    }
}

struct Schließer {
    int datei;
    ~Schließer() { ::close(datei); }
};

[[noreturn]] void nichtZuÖffnen(const std::string& pfad, const std::string& grund) {
    throw Falldateifehler("Die Datei " + benannt(pfad) + " lässt sich nicht öffnen. " + grund);
}

// Writes `text` into a new file in the folder of `ziel` and gives it the name `ziel`, which replaces an
// old file in one step. Returns 0, or the system error number of the step that failed; the new file is
// then removed and `ziel` is untouched.
int ersetzen(const std::string& ziel, const std::string& text, std::optional<mode_t> rechte) {
    const std::string ordner = ordnerVon(ziel);
    // A short name of its own, so that a name near the file system's limit fails only where it is given.
    std::string neu;
    int datei = -1;
    for (int nummer = 0; datei < 0; ++nummer) {
        neu = (ordner == "/" ? "" : ordner) + "/.bda-" + std::to_string(::getpid()) + "-" +
              std::to_string(nummer) + ".tmp";
        datei = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (datei < 0 && (errno != EEXIST || nummer == 999)) return errno;
    }
    int fehler = 0;
    std::size_t geschrieben = 0;
    while (!fehler && geschrieben < text.size()) {
        const ssize_t stück =
            Fallablage::schreibaufruf(datei, text.data() + geschrieben, text.size() - geschrieben);
        if (stück < 0 && errno == EINTR) continue;
        if (stück < 0) {
            fehler = errno;
        } else if (stück == 0) {
            fehler = ENOSPC;  // nothing taken and no reason given: no room
        } else {
            geschrieben += static_cast<std::size_t>(stück);
        }
    }
    // The old file's rights; a new file keeps those the umask leaves of rw-rw-rw-.
    if (!fehler && rechte && ::fchmod(datei, *rechte) != 0) fehler = errno;
    // Every byte on the disk before the name is taken: some file systems report a full disk only here.
    if (!fehler && ::fsync(datei) != 0) fehler = errno;
    if (::close(datei) != 0 && !fehler) fehler = errno;
    if (!fehler && ::rename(neu.c_str(), ziel.c_str()) != 0) fehler = errno;
    if (fehler) ::unlink(neu.c_str());
    return fehler;
}

}  // namespace

namespace Fallablage {

std::string lesegrund(int fehler) {
    switch (fehler) {
        case ENOENT:
            return "Es gibt keine Datei und keinen Ordner dieses Namens. Bitte Ordner und Namen prüfen.";
        case ENOTDIR:
            return "Ein Teil des Pfads ist kein Ordner. Bitte Ordner und Namen prüfen.";
        case EACCES:
        case EPERM:
            return "Es fehlt die Berechtigung zum Lesen. Bitte die Zugriffsrechte prüfen lassen.";
        case ELOOP:
            return "Der Name ist eine Verknüpfung, die im Kreis führt. Bitte die Verknüpfung löschen oder "
                   "auf das richtige Ziel richten.";
        case ENAMETOOLONG:
            return "Der Name ist für das Dateisystem zu lang. Bitte kürzer benennen oder in einen Ordner mit "
                   "kürzerem Pfad verschieben.";
        case EIO:
            return "Der Datenträger meldet einen Lesefehler. Bitte den Datenträger prüfen lassen oder eine "
                   "Sicherung verwenden.";
        case ENXIO:
            return "Unter diesem Namen steht keine gewöhnliche Datei, sondern ein Socket oder ein Gerät. "
                   "Bitte eine Falldatei mit der Endung .bda wählen.";
        case EMFILE:
        case ENFILE:
            return "Es sind zu viele Dateien zugleich geöffnet. Bitte andere Programme schließen und es noch "
                   "einmal versuchen.";
        case ENOMEM:
            return "Der Arbeitsspeicher reicht nicht aus. Bitte andere Programme schließen und es noch "
                   "einmal versuchen.";
        default:
            return "Das Betriebssystem meldet den Fehler Nr. " + std::to_string(fehler) +
                   ". Bitte es noch einmal versuchen und sonst den Datenträger prüfen lassen.";
    }
}

Falldatei öffnen(const QString& pfad) { return öffnen(QFile::encodeName(pfad).toStdString()); }

Falldatei öffnen(const std::string& pfad) {
    // Plain system calls: the bulk re-check opens tens of thousands of files. The opening never waits
    // (a FIFO would wait for a writer), and size and kind are asked of the opened file itself, so nothing
    // can change between the check and the read.
    const int datei = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (datei < 0) nichtZuÖffnen(pfad, lesegrund(errno));
    const Schließer schließer{datei};
    struct stat status {};
    if (::fstat(datei, &status) != 0) nichtZuÖffnen(pfad, lesegrund(errno));
    if (!S_ISREG(status.st_mode)) {
        throw Falldateifehler(benannt(pfad) + " ist " + art(status.st_mode) +
                              ", keine Falldatei. Bitte eine Datei mit der Endung .bda wählen.");
    }
    if (status.st_size > höchsteGröße) {
        nichtZuÖffnen(pfad, "Sie ist mit " + mitTausendern(status.st_size) +
                                " Bytes zu groß für eine Falldatei (höchstens " +
                                mitTausendern(höchsteGröße) +
                                " Bytes, 1 MB). Bitte die richtige Datei wählen.");
    }
    // Exactly the size asked for: what the file may have gained since is not read.
    std::string inhalt(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        const ssize_t stück = ::read(datei, inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (stück < 0 && errno == EINTR) continue;
        if (stück < 0) nichtZuÖffnen(pfad, lesegrund(errno));
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
    speichern(QFile::encodeName(pfad).toStdString(), inhalt);
}

void speichern(const std::string& pfad, const Falldatei& inhalt) {
    // A date typed but not confirmed with Enter is saved as typed; one the reader refuses is not saved.
    if (const auto falsch = unzulässigesDatum(inhalt)) {
        throw Falldateifehler(
            "Der Fall wurde nicht in " + benannt(pfad) + " gespeichert, denn im Feld „" +
            feldname(falsch->feld) + "“ steht „" + *inhalt.datum[falsch->feld] + "“. " + falsch->grund +
            " Bitte das Datum berichtigen, mit der Enter-Taste bestätigen und dann erneut speichern.");
    }
    if (inhalt.erfahrungsstufe) {
        if (const auto falsch = unzulässigeStufenangabe(*inhalt.erfahrungsstufe)) {
            throw Falldateifehler("Der Fall wurde nicht in " + benannt(pfad) + " gespeichert, denn in „" +
                                  falsch->was + "“ steht eine unzulässige Angabe. " + falsch->grund +
                                  " Bitte die Angabe berichtigen und dann erneut speichern.");
        }
    }
    // A script's texts may be bytes of another code page, which no case file may hold.
    const std::string text = falltext(inhalt);
    if (!istUtf8(text)) {
        throw Falldateifehler(
            "Der Fall wurde nicht in " + benannt(pfad) +
            " gespeichert, denn ein Text des Falls (der Name, eine Beschreibung, eine Person der "
            "Erfahrungsstufe oder ein Text des Bescheids) ist kein UTF-8-Text. Bitte den Text als UTF-8 "
            "eingeben und erneut "
            "speichern.");
    }
    std::optional<mode_t> rechte;  // those of the file that is replaced
    const auto fehlschlag = [&](const std::string& grund) {
        throw Falldateifehler("Die Datei " + benannt(pfad) + " ließ sich nicht speichern. " + grund +
                              (rechte ? " Die bisherige Datei ist unverändert." : ""));
    };
    // A symbolic link names the file it leads to: that file is replaced, the link stays.
    std::string ziel = pfad;
    struct stat status {};
    if (::lstat(pfad.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> echt(::realpath(pfad.c_str(), nullptr), &std::free);
        if (echt) {
            ziel = echt.get();
        } else if (errno != ENOENT) {
            fehlschlag(schreibgrund(errno, ordnerVon(pfad)));
        }
    }
    if (::stat(ziel.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            fehlschlag("Unter diesem Namen steht " + art(status.st_mode) +
                       ", keine Falldatei. Bitte einen anderen Namen wählen.");
        }
        rechte = status.st_mode & 07777;
        if (::faccessat(AT_FDCWD, ziel.c_str(), W_OK, AT_EACCESS) != 0) {
            if (errno != EACCES && errno != EPERM) fehlschlag(schreibgrund(errno, ordnerVon(ziel)));
            fehlschlag(
                "Sie ist schreibgeschützt. Bitte unter einem anderen Namen speichern oder den Schreibschutz "
                "der Datei aufheben.");
        }
    } else if (errno != ENOENT) {
        fehlschlag(schreibgrund(errno, ordnerVon(ziel)));
    }
    if (const int fehler = ersetzen(ziel, text, rechte)) fehlschlag(schreibgrund(fehler, ordnerVon(ziel)));
}

}  // namespace Fallablage

}  // namespace bda::datei
