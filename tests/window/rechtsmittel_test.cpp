// The legal-remedy editor over a stand-in window: what it shows and saves, its limit of 1000
// characters, and the faults of the user's file, none of which may block or change the file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "Belehrungsdatei.h"
#include "Fenstertest.h"
#include "Rechtsmitteleditor.h"
#include "Windows1252.h"

namespace bda::fenster {

using druck::Belehrungsdatei;
using druck::Druckbelehrung;
using druck::mitgelieferteBelehrung;
using druck::mitgelieferteDatei;

namespace {

void schreibeBytes(const QString& pfad, const std::string& bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// What lies at a path, without opening anything but an ordinary file: "<missing>", "<folder>",
// "<fifo>", or the bytes of the file.
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
    const std::string bytes = nachWindows1252(utf8);
    return bytes + std::string(1000 - bytes.size(), ' ');
}

const QRect bereich(0, 37, 736, 543);

// A FIFO without a writer, as a fault leaves it, blocks whoever opens it for reading. Should the code
// under test do so, this thread lets it go after a grace time: every two seconds it writes "Gegen X"
// into the FIFO when someone waits to read, so the code reads that text and fails the test instead of
// hanging it. Code that never opens the FIFO never meets it.
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

// The main window's stand-in with the editor; the user's file lies in a temporary folder and the
// messages are recorded.
class Rechtsmitteltest : public ::testing::Test {
   public:
    Rechtsmitteltest() {
        QSettings(QSettings::UserScope, QCoreApplication::applicationName()).clear();
        fenster.resize(736, 580);
        fenster.show();
    }
    // A fresh editor, on the shipped text or on another default file.
    Rechtsmitteleditor& editor(const QString& vorgabe = mitgelieferteDatei()) {
        editor_.reset();
        editor_.emplace(
            &fenster, Belehrungsdatei(benutzer, vorgabe), [this](const QString& t) { meldungen << t; },
            [this](const QString& t) {
                fragen << t;
                return antwort;
            });
        return *editor_;
    }
    QString pfad(const QString& name) const { return QDir::toNativeSeparators(name); }

    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Daten/Belehrung.txt");
    QWidget fenster;
    QStringList meldungen;
    QStringList fragen;
    bool antwort = false;  // to every question
    std::optional<std::jthread> entsperrer;
    std::optional<Rechtsmitteleditor> editor_;
};

// Each fault of the user's file: what opening says (a part of each message) and whether the editor opens,
// what it shows, what the closing key says, the bytes at the user's path afterwards (nothing:
// unchanged), and what the notice prints or why it refuses. Nothing blocks, nothing is changed unasked.
TEST_F(Rechtsmitteltest, DateifehlerBlockierenNichtUndÄndernDieDateiNicht) {
    const std::string shipped = mitgelieferteBelehrung();
    const std::string zehnMB = "Gegen " + std::string(10 * 1024 * 1024, 'x');
    const QString fifo = "ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO)";
    const QString ordnerStatt = "ist keine gewöhnliche Datei, sondern ein Ordner";
    const QString lang = "ist länger als 1000 Zeichen. Beim Speichern wird sie nach dem 1000. Zeichen";
    const QString langGedruckt = "ist länger als 1000 Zeichen und würde gekürzt gedruckt";
    const QString vorgabeFehlt = "Der mitgelieferte Text der Rechtsbehelfsbelehrung fehlt im Programm.";
    const auto bytes = [this](std::string inhalt) {
        return [this, inhalt] { schreibeBytes(benutzer, inhalt); };
    };
    const auto esc = Qt::Key_Escape, enter = Qt::Key_Return;
    const struct {
        const char* name;
        std::function<void()> anlegen;
        bool ohneVorgabe = false;
        QString beimÖffnen{};
        bool öffnet = true;
        QString gezeigt{};
        Qt::Key taste;
        QString beimSchließen{};
        std::optional<std::string> danach{};
        std::string gedruckt{};
        QString druckfehler{};
    } fälle[] = {
        {.name = "FIFO am Pfad des Benutzers",
         .anlegen =
             [this] {
                 QDir().mkpath(ordner.filePath("Daten"));
                 ASSERT_EQ(::mkfifo(QFile::encodeName(benutzer).constData(), 0600), 0);
                 entsperrer.emplace(fifoentsperrer(benutzer));
             },
         .beimÖffnen = fifo,
         .öffnet = false,
         .taste = esc,
         .druckfehler = fifo},
        {.name = "Ordner, wo die Datei sein sollte",
         .anlegen = [this] { QDir().mkpath(benutzer); },
         .beimÖffnen = ordnerStatt,
         .öffnet = false,
         .taste = esc,
         .druckfehler = ordnerStatt},
        {.name = "Datei, wo ihr Ordner sein sollte",
         .anlegen = [this] { schreibeBytes(ordner.filePath("Daten"), "alt"); },
         .gezeigt = QString::fromStdString(shipped),
         .taste = enter,
         .beimSchließen = "Der Ordner „" + pfad(ordner.filePath("Daten")) + "“ kann nicht angelegt werden.",
         .gedruckt = shipped},
        {.name = "kein mitgelieferter Text",
         .anlegen = [] {},
         .ohneVorgabe = true,
         .beimÖffnen = vorgabeFehlt,
         .taste = esc,
         .druckfehler = vorgabeFehlt},
        {.name = "binäre Bytes",
         .anlegen = bytes(std::string("Gegen\x00\x01\x02 Bescheid\xFF\x81\x00\x03", 21)),
         .beimÖffnen = "enthält Steuerzeichen oder Binärdaten (6 Zeichen)",
         .gezeigt = "Gegen    Bescheidÿ",
         .taste = esc,
         .druckfehler = "enthält Steuerzeichen oder Binärdaten. Prüfen Sie sie mit „RB-Text“"},
        {.name = "UTF-8-Datei",
         .anlegen = bytes("Gegen f\xC3\xBCr \xE2\x80\x9E"
                          "A\xE2\x80\x9C"),
         .gezeigt = "Gegen für „A“",
         .taste = enter,
         .danach = satz("Gegen für „A“"),
         .gedruckt = "Gegen für „A“"},
        {.name = "UTF-8-Datei mit einem Buchstaben, der Windows-1252 fehlt",
         .anlegen = bytes("Gegen f\xC3\xBCr \xC5\x82"),
         .beimÖffnen = "enthält Zeichen, die die Datei nicht aufnehmen kann: „ł“ (U+0142)",
         .gezeigt = "Gegen für ł",
         .taste = enter,
         .beimSchließen = "Die Datei kann diese Zeichen nicht aufnehmen: „ł“ (U+0142)",
         .gedruckt = "Gegen für ł"},
        {.name = "fehlender Buchstabe hinter dem Schnitt",
         .anlegen = bytes("Gegen " + std::string(994, 'x') + "\xC5\x82"),
         .beimÖffnen = lang,
         .gezeigt = QString::fromStdString("Gegen " + std::string(994, 'x') + "ł"),
         .taste = enter,
         .danach = "Gegen " + std::string(994, 'x'),
         .druckfehler = langGedruckt},
        {.name = "10 MB, mit Enter gespeichert",
         .anlegen = bytes(zehnMB),
         .beimÖffnen = lang,
         .gezeigt = QString::fromStdString(zehnMB.substr(0, 16 * 1024)),
         .taste = enter,
         .danach = zehnMB.substr(0, 1000),
         .druckfehler = langGedruckt},
        {.name = "Zeilenenden CR LF, gespeichert",
         .anlegen = bytes("Gegen A\r\nB\r\n"),
         .gezeigt = "Gegen A$B",
         .taste = enter,
         .danach = satz("Gegen A$B"),
         .gedruckt = "Gegen A$B"},
    };
    const auto enthält = [this](const QStringList& ist, const QString& teil) {
        ASSERT_EQ(ist.size(), teil.isEmpty() ? 0 : 1) << ist.join(" | ").toStdString();
        if (!teil.isEmpty()) {
            EXPECT_TRUE(ist[0].contains(teil)) << ist[0].toStdString();
            EXPECT_TRUE(teil.startsWith("Der mitgelieferte") || ist[0].contains("„" + pfad(benutzer) + "“") ||
                        ist[0].contains("gespeichert werden"))
                << "names the file: " << ist[0].toStdString();
        }
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QDir(ordner.path()).removeRecursively();
        QDir().mkpath(ordner.path());
        meldungen.clear();
        f.anlegen();
        const std::string vorher = zustand(benutzer);
        const std::string ordnerVorher = zustand(ordner.filePath("Daten"));

        Rechtsmitteleditor& e = editor(f.ohneVorgabe ? ordner.filePath("fehlt.txt") : mitgelieferteDatei());
        e.umschalten(bereich);
        enthält(meldungen, f.beimÖffnen);
        ASSERT_EQ(e.istOffen(), f.öffnet);
        const Druckbelehrung druck = e.datei().zumDrucken();
        EXPECT_EQ(druck.text, f.gedruckt);
        EXPECT_EQ(druck.fehler.isEmpty(), f.druckfehler.isEmpty());
        EXPECT_TRUE(druck.fehler.contains(f.druckfehler)) << druck.fehler.toStdString();
        if (f.öffnet) {
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
        if (!f.danach) {
            EXPECT_EQ(zustand(ordner.filePath("Daten")), ordnerVorher);
        }
        entsperrer.reset();
    }
}

TEST_F(Rechtsmitteltest, ÖffnetDenEigenenOderDenMitgeliefertenTextUndSchreibtErstBeiEnter) {
    const std::string shipped = mitgelieferteBelehrung();
    // The user's file before the opening (nullopt: none); what the editor shows; the text typed at its
    // end; the key that closes it; the bytes in the user's file afterwards.
    const struct {
        const char* name;
        std::optional<std::string> eigener;
        std::string gezeigt, getippt;
        Qt::Key taste;
        std::string danach;
    } fälle[] = {
        {"erstes Öffnen, Enter", std::nullopt, shipped, "", Qt::Key_Return, satz(shipped)},
        {"leere Datei des Benutzers, Esc", std::string(1000, ' '), shipped, "", Qt::Key_Escape,
         std::string(1000, ' ')},
        {"führende Blanks, Enter", "   Gegen meine Fassung.", "   Gegen meine Fassung.", "", Qt::Key_Return,
         satz("   Gegen meine Fassung.")},
        {"Umlaute getippt", satz("Gegen"), "Gegen", " äöüß", Qt::Key_Enter, satz("Gegen äöüß")},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QFile::remove(benutzer);
        if (f.eigener) schreibeBytes(benutzer, *f.eigener);
        Rechtsmitteleditor& e = editor();
        e.umschalten(bereich);
        ASSERT_TRUE(e.istOffen());
        EXPECT_EQ(e.geometry(), bereich);
        EXPECT_EQ(e.toPlainText(), QString::fromStdString(f.gezeigt));
        EXPECT_EQ(zustand(benutzer), f.eigener.value_or("<missing>")) << "opening writes nothing";
        QTest::keyClick(&e, Qt::Key_End, Qt::ControlModifier);
        Fenstertest::zeichenTippen(QString::fromStdString(f.getippt), &e);
        QTest::keyClick(&e, f.taste);
        EXPECT_FALSE(e.istOffen());
        EXPECT_EQ(zustand(benutzer), f.danach);
    }
    // RB-Text again closes without saving; the next opening shows the file.
    Rechtsmitteleditor& e = editor();
    e.umschalten(bereich);
    QTest::keyClicks(&e, "neu ");
    e.umschalten(bereich);
    EXPECT_FALSE(e.istOffen());
    EXPECT_EQ(zustand(benutzer), satz("Gegen äöüß"));
    e.umschalten(bereich);
    EXPECT_EQ(e.toPlainText(), "Gegen äöüß");
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Rechtsmitteltest, TippenEndetBeiTausendZeichenUndDerZählerNenntDenRest) {
    // Characters in the user's file; what is typed at the end (or pasted); the characters then, the
    // free count and where the marking of the cut begins (-1: none).
    const struct {
        const char* name;
        int vorher;
        QString getippt;
        bool einfügen;
        int danach, frei, schnitt;
    } fälle[] = {
        {"zehn getippt, fünf passen", 995, "abcdefghij", false, 1000, 0, -1},
        {"Zeichen jenseits der BMP zählt einfach", 998, "\U0001F600\U0001F600\U0001F600", true, 1000, 0, -1},
        {"eingefügtes Zeilenende zählt einmal", 998, "a\nb\nc", true, 1000, 0, -1},
        {"nichts mehr in einen langen Text", 1200, "a", false, 1200, -200, 1000},
        {"kurzer Text hat Platz", 9, "abc", false, 12, 988, -1},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        schreibeBytes(benutzer, std::string(static_cast<std::size_t>(f.vorher), 'x'));
        meldungen.clear();
        Rechtsmitteleditor& e = editor();
        e.umschalten(bereich);
        ASSERT_TRUE(e.istOffen());
        QTest::keyClick(&e, Qt::Key_End, Qt::ControlModifier);
        if (f.einfügen) {
            e.insertPlainText(f.getippt);
        } else {
            QTest::keyClicks(&e, f.getippt);
        }
        EXPECT_EQ(e.freieZeichen(), f.frei);
        EXPECT_EQ(1000 - e.freieZeichen(), f.danach);
        EXPECT_TRUE(e.toPlainText().startsWith(QString(f.vorher, u'x'))) << "typing never removes text";
        EXPECT_TRUE(e.fußzeile()->text().startsWith(
            f.frei >= 0 ? QStringLiteral("Noch %1 von 1000 Zeichen frei.").arg(f.frei)
                        : QStringLiteral("%1 Zeichen zu viel").arg(-f.frei)))
            << e.fußzeile()->text().toStdString();
        const auto markiert = e.extraSelections();
        ASSERT_EQ(markiert.size(), f.schnitt < 0 ? 0 : 1);
        if (f.schnitt >= 0) {
            EXPECT_EQ(markiert[0].cursor.selectionStart(), f.schnitt);
            EXPECT_EQ(markiert[0].cursor.selectionEnd(), f.danach);
        }
        QTest::keyClick(&e, Qt::Key_Escape);
    }
}

TEST_F(Rechtsmitteltest, LöschenInLangemTextVerschiebtDenSchnittUndEnterBehältDieErstenTausend) {
    schreibeBytes(benutzer, "Gegen " + std::string(1194, 'x'));
    Rechtsmitteleditor& e = editor();
    e.umschalten(bereich);
    ASSERT_EQ(e.freieZeichen(), -200);
    QTest::keyClick(&e, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 6; ++i) QTest::keyClick(&e, Qt::Key_Delete);
    EXPECT_EQ(e.freieZeichen(), -194);
    ASSERT_EQ(e.extraSelections().size(), 1);
    EXPECT_EQ(e.extraSelections()[0].cursor.selectionStart(), 1000);
    QTest::keyClick(&e, Qt::Key_Return);
    EXPECT_EQ(zustand(benutzer), std::string(1000, 'x'));
}

// A text an earlier version saved with the letterhead lines of its day: offered the placeholder once,
// changed only on "Ja"; the placeholder is marked in the editor.
TEST_F(Rechtsmitteltest, AlteBriefkopfzeilenWerdenEinmalZumErsetzenAngeboten) {
    const std::string vor = "Gegen … zu erheben, die diesen Bescheid erlassen hat:$";
    const std::string nach = "$Die Frist gilt auch dann als gewahrt.";
    const std::string alt = vor + "Landesamt für Besoldung$Referat 12" + nach;
    const std::string älter = vor + "Landesamt für Besoldung$Referat 11" + nach;
    const std::string neu = vor + "[Behörde mit Anschrift]" + nach;
    // The file before each opening (nullopt: as the opening before left it); the answer; the letterhead
    // line the question names (none: no question); what the editor shows and the file holds afterwards.
    const struct {
        const char* name;
        std::optional<std::string> datei;
        bool antwort;
        QString frage;
        std::string gezeigt, danach;
    } öffnungen[] = {
        {"alter Text, Nein", satz(alt), false, "„Landesamt für Besoldung“\n„Referat 12“", alt, satz(alt)},
        {"derselbe Text wird nicht wieder angeboten", std::nullopt, true, {}, alt, satz(alt)},
        {"ein anderer alter Text schon, Ja", satz(älter), true, "„Landesamt für Besoldung“\n„Referat 11“",
         neu, satz(neu)},
        {"eigener Text ohne Briefkopfzeilen",
         satz("Gegen diesen Bescheid"),
         true,
         {},
         "Gegen diesen Bescheid",
         satz("Gegen diesen Bescheid")},
    };
    for (const auto& ö : öffnungen) {
        SCOPED_TRACE(ö.name);
        if (ö.datei) schreibeBytes(benutzer, *ö.datei);
        fragen.clear();
        antwort = ö.antwort;
        Rechtsmitteleditor& e = editor();
        e.umschalten(bereich);
        ASSERT_TRUE(e.istOffen());
        ASSERT_EQ(fragen.size(), ö.frage.isEmpty() ? 0 : 1);
        if (!ö.frage.isEmpty()) {
            EXPECT_TRUE(fragen[0].contains(ö.frage)) << fragen[0].toStdString();
        }
        EXPECT_EQ(e.toPlainText().toStdString(), ö.gezeigt);
        EXPECT_EQ(zustand(benutzer), ö.danach);
        const auto markiert = e.extraSelections();
        const bool mitPlatzhalter = ö.gezeigt.find("[Behörde mit Anschrift]") != std::string::npos;
        ASSERT_EQ(markiert.size(), mitPlatzhalter ? 1 : 0);
        if (mitPlatzhalter) {
            EXPECT_EQ(markiert[0].cursor.selectedText(), "[Behörde mit Anschrift]");
        }
        QTest::keyClick(&e, Qt::Key_Escape);
        EXPECT_EQ(zustand(benutzer), ö.danach) << "Esc writes nothing";
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

}  // namespace

}  // namespace bda::fenster
