// The legal-remedy editor over a stand-in window: what it shows and saves, its limit of 1000 characters,
// and the faults of the user's file, none of which may block or change the file (its format: the print and
// fuzz tests).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "Behoerdenplatzhalter.h"
#include "Belehrungsdatei.h"
#include "Fenstertest.h"
#include "Rechtsmitteleditor.h"
#include "Windows1252.h"

namespace bda::fenster {

using druck::Belehrungsdatei;
using druck::mitgelieferteBelehrung;
using druck::mitgelieferteDatei;

namespace {

void schreibeBytes(const QString& pfad, const std::string& bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// What lies at a path, without opening anything but an ordinary file: "<missing>", "<folder>", "<fifo>",
// or the bytes of the file.
std::string zustand(const QString& pfad) {
    struct stat info {};
    if (::lstat(QFile::encodeName(pfad).constData(), &info) != 0) return "<missing>";
    if (S_ISDIR(info.st_mode)) return "<folder>";
    if (S_ISFIFO(info.st_mode)) return "<fifo>";
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<unreadable>";
}

// A record as the file holds it: the text in Windows-1252, padded with blanks to 1000 bytes.
std::string satz(const std::string& utf8) {
    return nachWindows1252(utf8) + std::string(1000 - nachWindows1252(utf8).size(), ' ');
}

const QRect bereich(0, 37, 736, 543);

// A FIFO without a writer blocks whoever opens it for reading. Should the code under test do so, this
// thread writes "Gegen X" into it every two seconds, so the test fails instead of hanging.
std::jthread fifoentsperrer(const QString& pfad) {
    return std::jthread([name = QFile::encodeName(pfad)](std::stop_token halt) {
        for (int i = 1; !halt.stop_requested(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const int fifo = i % 20 ? -1 : ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (fifo < 0) continue;  // not yet, or nobody waits to read
            [[maybe_unused]] const auto geschrieben = ::write(fifo, "Gegen X", 7);
            ::close(fifo);
        }
    });
}

// The main window's stand-in with the editor; the user's file lies in a temporary folder, messages are
// recorded, and each question is recorded and answered with `antwort`.
class Rechtsmitteltest : public ::testing::Test {
   public:
    Rechtsmitteltest() {
        QSettings(QSettings::UserScope, QCoreApplication::applicationName()).clear();
        fenster.resize(736, 580);
        fenster.show();
    }
    // A fresh editor, opened on the user's file.
    Rechtsmitteleditor& editor() {
        editor_.reset();
        editor_.emplace(
            &fenster, Belehrungsdatei(benutzer, mitgelieferteDatei()),
            [this](const QString& t) { meldungen << t; },
            [this](const QString& t) {
                fragen << t;
                return antwort;
            });
        editor_->umschalten(bereich);
        return *editor_;
    }

    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Daten/Belehrung.txt");
    QWidget fenster;
    QStringList meldungen, fragen;
    bool antwort = false;
    std::optional<Rechtsmitteleditor> editor_;
};

// Each fault and form of the user's file: what opening says (a part of the message, which names the file) and
// whether the editor opens, what it shows, what the closing key says, the bytes at the user's path
// afterwards (nullopt: unchanged) and why the notice refuses to print. Nothing blocks.
TEST_F(Rechtsmitteltest, DateifehlerBlockierenNichtUndAendernDieDateiNicht) {
    const QString fifo = "ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO)";
    const QString ordnerStatt = "ist keine gewöhnliche Datei, sondern ein Ordner";
    const QString lang = "ist länger als 1000 Zeichen. Beim Speichern wird sie nach dem 1000. Zeichen";
    const QString langGedruckt = "ist länger als 1000 Zeichen und würde gekürzt gedruckt";
    const QString daten = QDir::toNativeSeparators(ordner.filePath("Daten"));
    const auto bytes = [this](std::string inhalt) {
        return [this, inhalt] { schreibeBytes(benutzer, inhalt); };
    };
    const auto esc = Qt::Key_Escape, enter = Qt::Key_Return;
    std::optional<std::jthread> entsperrer;
    const struct {
        const char* name;
        std::function<void()> anlegen;
        QString beimÖffnen, gezeigt;  // gezeigt empty: the editor stays closed
        Qt::Key taste;
        QString beimSchließen;
        std::optional<std::string> danach;
        QString druckfehler;
    } fälle[] = {
        {"FIFO am Pfad des Benutzers",
         [&] {
             QDir().mkpath(daten);
             ASSERT_EQ(::mkfifo(QFile::encodeName(benutzer).constData(), 0600), 0);
             entsperrer.emplace(fifoentsperrer(benutzer));
         },
         fifo, "", esc, "", std::nullopt, fifo},
        {"Ordner, wo die Datei sein sollte", [this] { QDir().mkpath(benutzer); }, ordnerStatt, "", esc, "",
         std::nullopt, ordnerStatt},
        {"Datei, wo ihr Ordner sein sollte", [&] { schreibeBytes(daten, "alt"); }, "",
         QString::fromStdString(mitgelieferteBelehrung()), enter,
         "Der Ordner „" + daten + "“ kann nicht angelegt werden.", std::nullopt, ""},
        {"binäre Bytes", bytes(std::string("Gegen\x00\x01\x02 Bescheid\xFF\x81\x00\x03", 21)),
         "enthält Steuerzeichen oder Binärdaten (6 Zeichen)", "Gegen    Bescheidÿ", esc, "", std::nullopt,
         "enthält Steuerzeichen oder Binärdaten. Prüfen Sie sie mit „RB-Text“"},
        {"Buchstabe, der Windows-1252 fehlt", bytes("Gegen f\xC3\xBCr \xC5\x82"),
         "enthält Zeichen, die die Datei nicht aufnehmen kann: „ł“ (U+0142)", "Gegen für ł", enter,
         "Die Datei kann diese Zeichen nicht aufnehmen: „ł“ (U+0142)", std::nullopt, ""},
        {"fehlender Buchstabe hinter dem Schnitt", bytes("Gegen " + std::string(994, 'x') + "\xC5\x82"), lang,
         QString::fromStdString("Gegen " + std::string(994, 'x') + "ł"), enter, "",
         "Gegen " + std::string(994, 'x'), langGedruckt},
        {"UTF-8 und CR LF, gespeichert", bytes("Gegen f\xC3\xBCr\r\nB\r\n"), "", "Gegen für$B", Qt::Key_Enter,
         "", satz("Gegen für$B"), ""},
        {"leere Datei des Benutzers", bytes(std::string(1000, ' ')), "",
         QString::fromStdString(mitgelieferteBelehrung()), esc, "", std::nullopt, ""},
    };
    const auto enthält = [&](const QStringList& ist, const QString& teil) {
        ASSERT_EQ(ist.size(), teil.isEmpty() ? 0 : 1) << ist.join(" | ").toStdString();
        if (teil.isEmpty()) return;
        EXPECT_TRUE(ist[0].contains(teil)) << ist[0].toStdString();
        EXPECT_TRUE(ist[0].contains("„" + QDir::toNativeSeparators(benutzer) + "“") ||
                    ist[0].contains("gespeichert werden"))
            << "names the file: " << ist[0].toStdString();
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QDir(ordner.path()).removeRecursively();
        QDir().mkpath(ordner.path());
        meldungen.clear();
        f.anlegen();
        const std::string vorher = zustand(benutzer), ordnerVorher = zustand(daten);
        Rechtsmitteleditor& e = editor();
        enthält(meldungen, f.beimÖffnen);
        const bool öffnet = f.beimÖffnen != fifo && f.beimÖffnen != ordnerStatt;
        ASSERT_EQ(e.istOffen(), öffnet);
        const QString druckfehler = e.datei().zumDrucken().fehler;
        EXPECT_EQ(druckfehler.isEmpty(), f.druckfehler.isEmpty());
        EXPECT_TRUE(druckfehler.contains(f.druckfehler)) << druckfehler.toStdString();
        if (öffnet) {
            EXPECT_EQ(e.toPlainText(), f.gezeigt);
            meldungen.clear();
            QTest::keyClick(&e, f.taste);
            enthält(meldungen, f.beimSchließen);
            // A failed save keeps the editor open with the text as it was.
            EXPECT_EQ(e.istOffen(), !f.beimSchließen.isEmpty());
            if (e.istOffen()) {
                EXPECT_EQ(e.toPlainText(), f.gezeigt);
            }
        }
        EXPECT_EQ(zustand(benutzer), f.danach.value_or(vorher));
        EXPECT_EQ(zustand(daten), ordnerVorher);
        entsperrer.reset();
    }
}

// Characters in the user's file; what is typed at the end (or pasted); the free count and where the
// marking of the cut begins (-1: none). Typing never removes text.
TEST_F(Rechtsmitteltest, TippenEndetBeiTausendZeichenUndDerZaehlerNenntDenRest) {
    const struct {
        int vorher;
        QString getippt;
        bool einfügen;
        int frei, schnitt;
    } fälle[] = {
        {995, "abcdefghij", false, 0, -1},
        {998, "\U0001F600\U0001F600\U0001F600", true, 0, -1},  // beyond the BMP: one character each
        {998, "a\nb\nc", true, 0, -1},                         // a pasted line end counts once
        {1200, "a", false, -200, 1000},
        {9, "abc", false, 988, -1},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.vorher);
        schreibeBytes(benutzer, std::string(static_cast<std::size_t>(f.vorher), 'x'));
        Rechtsmitteleditor& e = editor();
        QTest::keyClick(&e, Qt::Key_End, Qt::ControlModifier);
        if (f.einfügen) {
            e.insertPlainText(f.getippt);
        } else {
            QTest::keyClicks(&e, f.getippt);
        }
        EXPECT_EQ(e.freieZeichen(), f.frei);
        EXPECT_TRUE(e.toPlainText().startsWith(QString(f.vorher, u'x')));
        EXPECT_TRUE(e.fußzeile()->text().startsWith(
            f.frei >= 0 ? QStringLiteral("Noch %1 von 1000 Zeichen frei.").arg(f.frei)
                        : QStringLiteral("%1 Zeichen zu viel").arg(-f.frei)))
            << e.fußzeile()->text().toStdString();
        const auto markiert = e.extraSelections();
        ASSERT_EQ(markiert.size(), f.schnitt < 0 ? 0 : 1);
        if (f.schnitt >= 0) {
            EXPECT_EQ(markiert[0].cursor.selectionStart(), f.schnitt);
            EXPECT_EQ(markiert[0].cursor.selectionEnd(), 1000 - f.frei);
        }
    }
}

// A text an earlier version saved with the letterhead lines of its day is offered the placeholder once:
// "Nein" leaves the file byte for byte and is not asked again for that text, "Ja" writes the placeholder.
TEST_F(Rechtsmitteltest, AlteBriefkopfzeilenWerdenEinmalZumErsetzenAngeboten) {
    const auto alt = [](std::string_view zeilen) {
        return satz("Gegen … erlassen hat:$" + std::string(zeilen) + "$Frist");
    };
    // The file before each opening (empty: as the one before left it); the answer; the line the question
    // names (empty: none asked); the file afterwards.
    const struct {
        std::string datei;
        bool antwort;
        QString frage;
        std::string danach;
    } öffnungen[] = {
        {alt("Landesamt$Referat 12"), false, "„Referat 12“", alt("Landesamt$Referat 12")},
        {"", true, "", alt("Landesamt$Referat 12")},
        {alt("Landesamt$Referat 11"), true, "„Referat 11“", alt(behördenplatzhalter)},
        {"", true, "", alt(behördenplatzhalter)},
    };
    for (const auto& ö : öffnungen) {
        SCOPED_TRACE(ö.danach);
        if (!ö.datei.empty()) schreibeBytes(benutzer, ö.datei);
        fragen.clear();
        antwort = ö.antwort;
        ASSERT_TRUE(editor().istOffen());
        ASSERT_EQ(fragen.size(), ö.frage.isEmpty() ? 0 : 1);
        EXPECT_TRUE(ö.frage.isEmpty() || fragen[0].contains(ö.frage)) << fragen.join("").toStdString();
        EXPECT_EQ(zustand(benutzer), ö.danach);
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

}  // namespace

}  // namespace bda::fenster
