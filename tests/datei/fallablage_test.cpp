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
#include "core/Falltest.h"

namespace bda::datei {

#ifndef BEISPIELDATEI
#error "BEISPIELDATEI must name tests/datei/beispiel.bda"
#endif

namespace {

void schreiben(const std::string& pfad, const std::string& text) {
    std::ofstream(pfad, std::ios::binary) << text;
}

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

// What the folder holds besides the names given: a save must leave no file of its own behind.
std::vector<std::string> übrige(const std::string& ordner, std::initializer_list<std::string> erwartet) {
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        const std::string name = eintrag.path().filename().string();
        if (std::find(erwartet.begin(), erwartet.end(), name) == erwartet.end()) namen.push_back(name);
    }
    return namen;
}

class Ablagetest : public ::testing::Test {
   public:
    Ablagetest() { EXPECT_TRUE(tmp.isValid()); }

    QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString();
    const Falldatei fall = falldateiAusText(dateiinhalt(BEISPIELDATEI));
};

// Each row makes one fault under the name it returns and opens or saves there. A refusal names the file,
// the fault and what to do and leaves an old file as it was; what goes through saves exactly the case's
// text, with the rights the row expects.
TEST_F(Ablagetest, StoerungenBeimOeffnenUndSpeichern) {
    std::vector<int> offen;  // FIFOs held open for writing, closed at the end
    const auto fifo = [&](const std::string& pfad) {
        ::mkfifo(pfad.c_str(), 0644);
        // A writer keeps a reader that waits for one from hanging the test: it would read nothing.
        offen.push_back(::open(pfad.c_str(), O_RDWR | O_CLOEXEC));
        return pfad;
    };
    const auto datei = [](const std::string& pfad, const std::string& text, mode_t rechte = 0644) {
        schreiben(pfad, text);
        ::chmod(pfad.c_str(), rechte);
        return pfad;
    };
    const auto link = [](const std::string& ziel, const std::string& pfad) {
        ::symlink(ziel.c_str(), pfad.c_str());
        return pfad;
    };
    // The example filled up with blanks, which JSON passes over.
    const std::string beispiel = dateiinhalt(BEISPIELDATEI);
    const std::string megabyte = beispiel + std::string(1024 * 1024 - beispiel.size(), ' ');
    const auto mitGeburtstag = [&](const std::string& datum) {
        std::string text = beispiel;
        return text.replace(text.find("15/06/1970"), 10, datum);
    };
    const bool root = ::geteuid() == 0;
    enum Tat { öffnen, speichern };
    const struct {
        const char* name;
        std::function<std::string(const std::string& ordner)> anlegen;
        Tat tat;
        const char* meldung;     // a part of the refusal; nullptr when it goes through
        const char* nicht = "";  // what the refusal must not say
        mode_t rechte = 0;       // the file's rights after a save that went through; 0: not checked
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
         [&](const std::string& o) {
             datei(o + "/ziel.bda", "alt");
             return link("ziel.bda", o + "/verweis.bda");
         },
         speichern, nullptr},
        {"1 MB und ein Byte", [&](const std::string& o) { return datei(o + "/gross.bda", megabyte + " "); },
         öffnen, "Sie ist mit 1.048.577 Bytes zu groß für eine Falldatei (höchstens 1.048.576 Bytes, 1 MB)."},
        {"genau 1 MB", [&](const std::string& o) { return datei(o + "/mb.bda", megabyte); }, öffnen, nullptr},
        {"Name von 256 Bytes", [](const std::string& o) { return o + "/" + std::string(252, 'x') + ".bda"; },
         speichern, "Der Name ist für das Dateisystem zu lang. Bitte einen kürzeren Namen wählen.",
         "bisherige"},
        {"Name von 255 Bytes", [](const std::string& o) { return o + "/" + std::string(251, 'x') + ".bda"; },
         speichern, nullptr},
        {"Ordner fehlt", [](const std::string& o) { return o + "/fehlt/fall.bda"; }, speichern,
         "/fehlt“ gibt es nicht. Bitte einen vorhandenen Ordner wählen."},
        {"Datei statt Ordner", [&](const std::string& o) { return datei(o + "/notiz", "x") + "/fall.bda"; },
         speichern, "Ein Teil des Pfads ist kein Ordner, sondern eine Datei."},
        {"Ordner statt Datei", [](const std::string& o) { return o; }, speichern,
         "Unter diesem Namen steht ein Ordner, keine Falldatei."},
        {"unmögliches Datum",
         [&](const std::string& o) { return datei(o + "/datum.bda", mitGeburtstag("31/02/1944")); }, öffnen,
         "Datum(0), Geburtstag: Den 31/02/1944 gibt es nicht."},
        {"Eintrag zweimal",
         [&](const std::string& o) {
             return datei(o + "/doppelt.bda", "{\"version\": 1, " + beispiel.substr(1));
         },
         öffnen, "Der Eintrag „version“ steht zweimal im selben Objekt"},
        {"Name nicht UTF-8", [](const std::string& o) { return o + "/M\xFCller.bda"; }, speichern, nullptr},
        {"schreibgeschützte Datei (Rechte 0444)",
         [&](const std::string& o) { return datei(o + "/geschuetzt.bda", "alt", 0444); }, speichern,
         root ? nullptr : "Sie ist schreibgeschützt.", "", 0444},
    };
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        const std::string pfad = zeile.anlegen(ordner);
        struct stat status {};
        const bool hatteDatei = ::stat(pfad.c_str(), &status) == 0 && S_ISREG(status.st_mode);
        const std::string vorher = hatteDatei ? dateiinhalt(pfad) : "";
        const std::string text = zeile.tat == öffnen ? meldung([&] { Fallablage::öffnen(pfad); })
                                                     : meldung([&] { Fallablage::speichern(pfad, fall); });
        if (!zeile.meldung) {
            EXPECT_EQ(text, "");
            if (zeile.tat == speichern) {
                EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
                EXPECT_EQ(Fallablage::öffnen(pfad).name, fall.name);
            }
            if (zeile.rechte) {
                ::stat(pfad.c_str(), &status);
                EXPECT_EQ(status.st_mode & 07777, zeile.rechte);
            }
            continue;
        }
        EXPECT_NE(text.find("„" + pfad + "“"), std::string::npos) << text;
        EXPECT_NE(text.find(zeile.meldung), std::string::npos) << text;
        if (*zeile.nicht) {
            EXPECT_EQ(text.find(zeile.nicht), std::string::npos) << text;
        }
        if (hatteDatei) {
            EXPECT_EQ(dateiinhalt(pfad), vorher);
        }
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
    SCOPED_TRACE(platte.eingehängt() ? "tmpfs" : "eingespeister Schreibfehler");
    const std::string pfad = ordner + "/fall.bda";
    Fallablage::speichern(pfad, fall);
    const std::string vorher = dateiinhalt(pfad);
    platte.füllen();
    Falldatei geändert = fall;
    geändert.name = "Erika Musterfrau";
    EXPECT_EQ(
        meldung([&] { Fallablage::speichern(pfad, geändert); }),
        "Die Datei „" + pfad +
            "“ ließ sich nicht speichern. Auf dem Datenträger ist nicht genug Platz. Bitte Platz schaffen "
            "oder einen anderen Ordner wählen und erneut speichern. Die bisherige Datei ist unverändert.");
    EXPECT_EQ(dateiinhalt(pfad), vorher);
    EXPECT_EQ(übrige(ordner, {"fall.bda", "füllung"}), std::vector<std::string>{});
}

// Every system error is named in German with what to do, never in the system's English text.
TEST_F(Ablagetest, SystemfehlerAufDeutsch) {
    const struct {
        const char* name;
        int fehler;
        std::string grund;
    } schreibfehler[] = {
        {"Datenträger voll", ENOSPC, "nicht genug Platz"},
        {"Gerät meldet Fehler", EIO, "Der Datenträger meldet einen Schreibfehler."},
        {"schreibgeschützt", EROFS, "Der Datenträger ist schreibgeschützt."},
        {"keine Berechtigung", EACCES,
         "Es fehlt die Berechtigung, in den Ordner „" + ordner + "“ zu schreiben."},
        {"unbekannt", EXDEV, "Das Betriebssystem meldet den Fehler Nr. 18."},
    };
    const std::string pfad = ordner + "/fall.bda";
    Fallablage::speichern(pfad, fall);
    for (const auto& zeile : schreibfehler) {
        SCOPED_TRACE(zeile.name);
        const Schreibfehler eingespeist(zeile.fehler);
        const std::string text = meldung([&] { Fallablage::speichern(pfad, Falldatei{}); });
        EXPECT_NE(text.find(zeile.grund), std::string::npos) << text;
        EXPECT_NE(text.find(" Bitte "), std::string::npos) << text;
        EXPECT_EQ(text.find(std::strerror(zeile.fehler)), std::string::npos) << text;
        EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
    }
    // A write that takes nothing and gives no reason: no room, and the old file stays.
    Fallablage::schreibaufruf = [](int, const void*, std::size_t) -> ssize_t { return 0; };
    const std::string text = meldung([&] { Fallablage::speichern(pfad, Falldatei{}); });
    Fallablage::schreibaufruf = ::write;
    EXPECT_NE(text.find("nicht genug Platz"), std::string::npos) << text;
    EXPECT_EQ(dateiinhalt(pfad), falltext(fall));
}

// Saving writes only what opens again. A date typed without Enter is saved as typed while it can still
// become a date; one that names no day or a day outside 1930 to 2040 is refused before the old file is
// touched. The fields the driver itself fills from a birth date late in 2040 lie in 2061 and are saved.
class Speicherprobe : public Falltest {
   public:
    QTemporaryDir tmp;
};

TEST_F(Speicherprobe, NurWasSichWiederOeffnenLaesst) {
    const struct {
        const char* name;
        const char* geburtstag;  // typed and confirmed with Enter, after it the appointment 15/06/2008
        int feld;                // then this field typed without Enter
        const char* text;
        const char* meldung;  // a part of the refusal; nullptr when it is saved and opens again
    } zeilen[] = {
        {"unmöglicher Geburtstag", "15/06/1970", 0, "31/02/1944",
         "denn im Feld „Geburtstag“ steht „31/02/1944“. Den 31/02/1944 gibt es nicht. Bitte das Datum "
         "berichtigen, mit der Enter-Taste bestätigen und dann erneut speichern."},
        {"Ernennung nach 2040", "15/06/1970", 2, "01/01/2041",
         "im Feld „Ernennung“ steht „01/01/2041“. Das Datum 01/01/2041 ist ungültig."},
        {"halb getippter Geburtstag", "15/06/1970", 0, "12/0_/____", nullptr},
        {"Geburtstag 31/12/2040", "31/12/2040", 3, "__/__/____", nullptr},
        {"Vollendung des 21. Lebensjahres von Hand nach 2040", "31/12/2040", 24, "31/12/2060",
         "im Feld „Vollendung des 21. Lebensjahres“ steht „31/12/2060“."},
    };
    const std::string pfad = tmp.filePath(QStringLiteral("fall.bda")).toStdString();
    schreiben(pfad, "alt");
    for (const auto& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        fall = Fall{};
        steuerung.laden();
        datum(0, zeile.geburtstag);
        datum(2, "15/06/2008");
        fall.datum[zeile.feld] = zeile.text;
        const Falldatei datei = falldateiVon(fall);
        const std::string text = meldung([&] { Fallablage::speichern(pfad, datei); });
        if (zeile.meldung) {
            EXPECT_NE(text.find("Der Fall wurde nicht in „" + pfad + "“ gespeichert, "), std::string::npos)
                << text;
            EXPECT_NE(text.find(zeile.meldung), std::string::npos) << text;
            EXPECT_EQ(dateiinhalt(pfad), "alt");
            continue;
        }
        EXPECT_EQ(text, "");
        EXPECT_EQ(Fallablage::öffnen(pfad).datum, datei.datum);
        schreiben(pfad, "alt");
    }
}

}  // namespace

}  // namespace bda::datei
