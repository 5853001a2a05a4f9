// Case files on disk: each fault of opening and saving is refused with a German message that names the
// file and says what to do, and a failed save leaves the old file byte for byte as it was.

#include "Fallablage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Dateiinhalt.h"
#include "Datentraeger.h"
#include "Fallformat.h"

namespace bda::datei {

#ifndef BEISPIELDATEI
#error "BEISPIELDATEI must name tests/datei/beispiel.bda"
#endif

namespace {

// The message of the refusal, empty when the call went through.
template <class Aufruf>
std::string meldung(Aufruf&& aufruf) {
    try {
        aufruf();
    } catch (const Falldateifehler& fehler) {
        return fehler.what();
    }
    return "";
}

class Ablagetest : public ::testing::Test {
   public:
    // A file of `text` with `rechte`.
    static std::string datei(const std::string& pfad, const std::string& text, mode_t rechte = 0644) {
        std::ofstream(pfad, std::ios::binary) << text;
        ::chmod(pfad.c_str(), rechte);
        return pfad;
    }

    // What the folder holds besides `fall.bda` and the filling: a save must leave no file of its own.
    std::vector<std::string> übrige() const {
        std::vector<std::string> namen;
        for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
            const std::string name = eintrag.path().filename().string();
            if (name != "fall.bda" && name != "füllung") namen.push_back(name);
        }
        return namen;
    }

    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    const std::string pfad = ordner + "/fall.bda";
    const std::string beispiel = dateiinhalt(BEISPIELDATEI);
    const Falldatei fall = falldateiAusText(beispiel);
};

// Each row makes one fault under the name it returns and opens or saves there (the example, changed by
// the row). A refusal names the file, the fault and what to do and leaves an old file as it was; what
// goes through saves exactly the case's text, with the rights the row expects.
TEST_F(Ablagetest, StoerungenBeimOeffnenUndSpeichern) {
    std::vector<int> offen;  // FIFOs held open for writing, closed at the end
    const auto fifo = [&](const std::string& pfad) {
        ::mkfifo(pfad.c_str(), 0644);
        // A writer keeps a reader that waits for one from hanging the test: it would read nothing.
        offen.push_back(::open(pfad.c_str(), O_RDWR | O_CLOEXEC));
        return pfad;
    };
    const auto link = [](const std::string& ziel, const std::string& pfad) {
        ::symlink(ziel.c_str(), pfad.c_str());
        return pfad;
    };
    // The example filled up with blanks, which JSON passes over.
    const std::string megabyte = beispiel + std::string(1024 * 1024 - beispiel.size(), ' ');
    std::string unmöglich = beispiel;
    unmöglich.replace(unmöglich.find("15/06/1970"), 10, "31/02/1944");
    enum Tat { öffnen, speichern };
    const struct {
        const char* name;
        std::function<std::string(const std::string& ordner)> anlegen;
        Tat tat;
        const char* meldung;  // a part of the refusal; nullptr when it goes through
        mode_t rechte = 0;    // the file's rights after a save that went through; 0: not checked
        std::function<void(Falldatei&)> ändern = [](Falldatei&) {};
    } zeilen[] = {
        {"FIFO öffnen", [&](const std::string& o) { return fifo(o + "/rohr.bda"); }, öffnen,
         "ist eine benannte Pipe (FIFO), keine Falldatei. Bitte eine Datei mit der Endung .bda wählen."},
        {"über eine FIFO speichern", [&](const std::string& o) { return fifo(o + "/rohr2.bda"); }, speichern,
         "Unter diesem Namen steht eine benannte Pipe (FIFO), keine Falldatei. Bitte einen anderen Namen "
         "wählen."},
        {"Schleife von Verknüpfungen öffnen",
         [&](const std::string& o) { return link("kreis.bda", o + "/kreis.bda"); }, öffnen,
         "Der Name ist eine Verknüpfung, die im Kreis führt. Bitte die Verknüpfung löschen"},
        {"über eine Verknüpfung auf eine Falldatei speichern",
         [&](const std::string& o) { return link(datei(o + "/ziel.bda", "alt"), o + "/verweis.bda"); },
         speichern, nullptr},
        {"1 MB und ein Byte", [&](const std::string& o) { return datei(o + "/gross.bda", megabyte + " "); },
         öffnen, "Sie ist mit 1.048.577 Bytes zu groß für eine Falldatei (höchstens 1.048.576 Bytes, 1 MB)."},
        {"genau 1 MB", [&](const std::string& o) { return datei(o + "/mb.bda", megabyte); }, öffnen, nullptr},
        {"Name von 256 Bytes", [](const std::string& o) { return o + "/" + std::string(252, 'x') + ".bda"; },
         speichern, "Der Name ist für das Dateisystem zu lang. Bitte einen kürzeren Namen wählen."},
        {"Name von 255 Bytes", [](const std::string& o) { return o + "/" + std::string(251, 'x') + ".bda"; },
         speichern, nullptr},
        {"Ordner fehlt", [](const std::string& o) { return o + "/fehlt/fall.bda"; }, speichern,
         "/fehlt“ gibt es nicht. Bitte einen vorhandenen Ordner wählen."},
        {"Datei statt Ordner", [&](const std::string& o) { return datei(o + "/notiz", "x") + "/fall.bda"; },
         speichern, "Ein Teil des Pfads ist kein Ordner, sondern eine Datei."},
        {"Ordner statt Datei", [](const std::string& o) { return o; }, speichern,
         "Unter diesem Namen steht ein Ordner, keine Falldatei."},
        {"unmögliches Datum öffnen", [&](const std::string& o) { return datei(o + "/datum.bda", unmöglich); },
         öffnen,
         "Datum(0), Geburtstag: Den 31/02/1944 gibt es nicht. Bitte den Wert in der Datei berichtigen"},
        {"Name nicht UTF-8", [](const std::string& o) { return o + "/M\xFCller.bda"; }, speichern, nullptr},
        // Root may write the file; the save keeps its rights.
        {"schreibgeschützte Datei (Rechte 0444)",
         [&](const std::string& o) { return datei(o + "/geschuetzt.bda", "alt", 0444); }, speichern,
         ::geteuid() == 0 ? nullptr : "Sie ist schreibgeschützt.", 0444},
        // Saving writes only what opens again: a date typed without Enter while it can still become one.
        {"unmögliches Datum speichern", [&](const std::string& o) { return datei(o + "/a.bda", "alt"); },
         speichern,
         "“ gespeichert, denn im Feld „Geburtstag“ steht „31/02/1944“. Den 31/02/1944 gibt es nicht. Bitte "
         "das Datum berichtigen, mit der Enter-Taste bestätigen und dann erneut speichern.",
         0, [](Falldatei& f) { f.datum[0] = "31/02/1944"; }},
        {"halb getippten Geburtstag speichern",
         [&](const std::string& o) { return datei(o + "/b.bda", "alt"); }, speichern, nullptr, 0,
         [](Falldatei& f) { f.datum[0] = "12/0_/____"; }},
        {"unmögliche Ernennung der Erfahrungsstufe speichern",
         [&](const std::string& o) { return datei(o + "/c.bda", "alt"); }, speichern,
         "in „Erfahrungsstufe, Ernennung“ steht eine unzulässige Angabe. Den 31/02/2012 gibt es nicht.", 0,
         [](Falldatei& f) {
             f.erfahrungsstufe = Stufenfall{9, false, "31/02/2012", {}};
         }},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        const std::string pfad = zeile.anlegen(ordner);
        Falldatei geändert = fall;
        zeile.ändern(geändert);
        struct stat status {};
        const bool hatteDatei = ::stat(pfad.c_str(), &status) == 0 && S_ISREG(status.st_mode);
        const std::string vorher = hatteDatei ? dateiinhalt(pfad) : "";
        const std::string text = zeile.tat == öffnen
                                     ? meldung([&] { Fallablage::öffnen(pfad); })
                                     : meldung([&] { Fallablage::speichern(pfad, geändert); });
        if (!zeile.meldung) {
            EXPECT_EQ(text, "");
            if (zeile.tat == speichern) {
                EXPECT_EQ(dateiinhalt(pfad), falltext(geändert));
                EXPECT_EQ(Fallablage::öffnen(pfad).datum, geändert.datum);
            }
            ::stat(pfad.c_str(), &status);
            EXPECT_EQ(zeile.rechte ? status.st_mode & 07777 : 0, zeile.rechte);
            continue;
        }
        EXPECT_NE(text.find("„" + pfad + "“"), std::string::npos) << text;
        EXPECT_NE(text.find(zeile.meldung), std::string::npos) << text;
        EXPECT_EQ(hatteDatei ? dateiinhalt(pfad) : "", vorher);
    }
    for (int datei : offen) ::close(datei);
    // The link still leads to its file; the name that is no UTF-8 is the name on disk, which Qt cannot
    // name to remove it.
    EXPECT_TRUE(std::filesystem::is_symlink(ordner + "/verweis.bda"));
    EXPECT_EQ(dateiinhalt(ordner + "/ziel.bda"), falltext(fall));
    EXPECT_EQ(::unlink((ordner + "/M\xFCller.bda").c_str()), 0);
}

// A full disk, as a small tmpfs or, where mounting is not allowed, an injected write error: the save is
// refused with the reason, the old file keeps every byte and nothing of the save is left behind.
TEST_F(Ablagetest, VollerDatentraeger) {
    Datentraeger platte(tmp.path());
    Fallablage::speichern(pfad, fall);
    platte.füllen();
    Falldatei geändert = fall;
    geändert.name = "Erika Musterfrau";
    EXPECT_EQ(
        meldung([&] { Fallablage::speichern(pfad, geändert); }),
        "Die Datei „" + pfad +
            "“ ließ sich nicht speichern. Auf dem Datenträger ist nicht genug Platz. Bitte Platz schaffen "
            "oder einen anderen Ordner wählen und erneut speichern. Die bisherige Datei ist unverändert.");
    EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
    EXPECT_EQ(übrige(), std::vector<std::string>{});
}

// Every system error is named in German with what to do, never in the system's English text; the old
// file stays and nothing of the save is left behind.
TEST_F(Ablagetest, SystemfehlerAufDeutsch) {
    const std::pair<int, std::string> schreibfehler[] = {
        {0, "nicht genug Platz"},  // a write that takes nothing and gives no reason
        {EIO, "Der Datenträger meldet einen Schreibfehler."},
        {EROFS, "Der Datenträger ist schreibgeschützt."},
        {EACCES, "Es fehlt die Berechtigung, in den Ordner „" + ordner + "“ zu schreiben."},
        {EXDEV, "Das Betriebssystem meldet den Fehler Nr. 18."},
    };
    Fallablage::speichern(pfad, fall);
    for (const auto& [fehler, grund] : schreibfehler) {
        SCOPED_TRACE(grund);
        const Schreibfehler eingespeist(fehler);
        const std::string text = meldung([&] { Fallablage::speichern(pfad, Falldatei{}); });
        EXPECT_NE(text.find(grund), std::string::npos) << text;
        EXPECT_NE(text.find(" Bitte "), std::string::npos) << text;
        EXPECT_EQ(text.find(std::strerror(fehler)), std::string::npos) << text;
        EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
        EXPECT_EQ(übrige(), std::vector<std::string>{});
    }
}

}  // namespace

}  // namespace bda::datei
