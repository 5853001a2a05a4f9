#include "Belehrungsdatei.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include "Dateihilfe.h"

namespace {

TEST(Belehrungsdatei, TheUsersFileNameIsResolvedOnThisPlatform) {
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // clang-format off
    const struct {
        const char* name;
        const char* datenordner;
        const char* kennung;
        QString pfad;
    } fälle[] = {
        {"start values",                       "",             "       ", daten + "/Belehrung.txt"},
        {"folder with a backslash and an id",  "/srv/bda\\",   "AB12   ", "/srv/bda/AB12/Belehrung.txt"},
        {"blanks around the folder",           "  \\srv\\bda  ", "       ", "/srv/bda/Belehrung.txt"},
        {"relative folder in the data folder", "Amt",          "  7    ", daten + "/Amt  7/Belehrung.txt"},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(Belehrungsdatei::benutzerdateiname(f.datenordner, FesterText<7>(f.kennung)), f.pfad);
    }
    EXPECT_EQ(Belehrungsdatei::benutzerdateiname(), daten + "/Belehrung.txt");
    EXPECT_TRUE(QStandardPaths::isTestModeEnabled());
}

TEST(Belehrungsdatei, SavesAndReadsOneRecordOfThousandBytesInWindows1252) {
    QTemporaryDir ordner;
    const Belehrungsdatei datei(ordner.filePath("neu/Belehrung.txt"), QString());
    std::string ä1200;
    for (int i = 0; i < 1200; ++i) ä1200 += "ä";
    // clang-format off
    const struct {
        const char* name;
        std::string text;
        std::string bytes;
    } fälle[] = {
        {"umlauts padded with blanks",     "Gegen Gebühren: Widerspruch.", "Gegen Geb\xFChren: Widerspruch." + std::string(972, ' ')},
        {"1200 characters are cut at 1000", std::string(1200, 'x'),         std::string(1000, 'x')},
        {"characters, not bytes",           "Gegen " + ä1200,               "Gegen " + std::string(994, '\xE4')},
        {"an empty text",                   "",                             std::string(1000, ' ')},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QString fehler;
        ASSERT_TRUE(datei.schreiben(f.text, fehler)) << fehler.toStdString();
        EXPECT_EQ(bytesVon(datei.benutzerdatei()), f.bytes);
        const Belehrungslesung lesung = datei.lesen();
        EXPECT_TRUE(lesung.fehler.isEmpty());
        EXPECT_EQ(nachWindows1252(lesung.inhalt.text()), f.bytes);
    }
}

TEST(Belehrungsdatei, ReadsShortLongAndMissingFiles) {
    QTemporaryDir ordner;
    const Belehrungsdatei datei(ordner.filePath("Belehrung.txt"), ordner.filePath("fehlt/Belehrung.txt"));
    EXPECT_EQ(datei.vorgabeLesen().inhalt.text(), std::string(1000, ' '));
    EXPECT_TRUE(datei.vorgabeLesen().fehler.isEmpty());
    EXPECT_FALSE(QFile::exists(datei.vorgabedatei()));
    schreibeBytes(datei.benutzerdatei(), "Gegen \xE4");
    EXPECT_EQ(datei.lesen().inhalt.text(), "Gegen ä" + std::string(993, ' '));
    schreibeBytes(datei.benutzerdatei(), std::string(1000, 'a') + "zu viel");
    EXPECT_EQ(datei.lesen().inhalt.text(), std::string(1000, 'a'));
}

TEST(Belehrungsdatei, TheNoticePrintsTheDefaultWhileTheUserHasNoInstruction) {
    QTemporaryDir ordner;
    const Belehrungsdatei datei(ordner.filePath("Belehrung.txt"), ordner.filePath("Texte/Belehrung.txt"));
    schreibeBytes(datei.vorgabedatei(), satz("Gegen den Vorgabetext"));
    // clang-format off
    const struct {
        const char* name;
        const char* benutzer;  // nullptr: no user's file
        const char* gedruckt;
    } fälle[] = {
        {"no user's file yet",            nullptr,                 "Gegen den Vorgabetext"},
        {"the user's instruction",        "  Gegen meinen Text",   "  Gegen meinen Text"},
        {"a text that is no instruction", "Widerspruch ist ...",   "Gegen den Vorgabetext"},
        {"a blank file",                  "",                      "Gegen den Vorgabetext"},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QFile::remove(datei.benutzerdatei());
        if (f.benutzer) schreibeBytes(datei.benutzerdatei(), satz(f.benutzer));
        const Belehrungslesung lesung = datei.zumDrucken();
        EXPECT_TRUE(lesung.fehler.isEmpty());
        EXPECT_EQ(lesung.inhalt.text(), Belehrungssatz(f.gedruckt).text());
    }
    EXPECT_EQ(bytesVon(datei.vorgabedatei()), satz("Gegen den Vorgabetext"))
        << "the default file is only read";
}

TEST(Belehrungsdatei, AFailedSaveKeepsWhatIsOnDiskAndSaysWhy) {
    QTemporaryDir ordner;
    // clang-format off
    const struct {
        const char* name;
        QString alt;   // a file that stands in the way
        QString ziel;
    } fälle[] = {
        {"a folder where the file should go", ordner.filePath("Belehrung.txt/alt.txt"), ordner.filePath("Belehrung.txt")},
        {"a file where a folder is expected", ordner.filePath("Kennung"),               ordner.filePath("Kennung/Belehrung.txt")},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        schreibeBytes(f.alt, "alt");
        QString fehler;
        EXPECT_FALSE(Belehrungsdatei(f.ziel, QString()).schreiben("Gegen neu", fehler));
        EXPECT_TRUE(fehler.startsWith("Die Rechtsbehelfsbelehrung konnte nicht gespeichert werden: "));
        EXPECT_GT(fehler.size(), 61) << "the reason is missing";
        EXPECT_EQ(bytesVon(f.alt), "alt");
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kennung"});
}

TEST(Belehrungsdatei, AnInstructionBeginsWithGegenAfterTrimming) {
    const struct {
        const char* text;
        bool belehrung;
    } fälle[] = {{"Gegen diesen Bescheid", true},
                 {"   Gegen", true},
                 {"Gegenstand", true},
                 {"gegen diesen", false},
                 {"Gege", false},
                 {"", false},
                 {" „Gegen", false}};
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(istBelehrung(f.text), f.belehrung);
    }
}

TEST(Belehrungsdatei, TheShippedDefaultTextIsARecordOfThousandBytes) {
    const std::string bytes = bytesVon(Belehrungsdatei::vorgabedateiname());
    ASSERT_EQ(bytes.size(), 1000u);
    EXPECT_TRUE(bytes.starts_with("Gegen"));
    EXPECT_NE(bytes.find('$'), std::string::npos);
    EXPECT_NE(bytes.find('\xF6'), std::string::npos) << "no ö in Windows-1252";
    EXPECT_EQ(bytes.back(), ' ');
    for (char byte : bytes) {
        const auto wert = static_cast<unsigned char>(byte);
        EXPECT_TRUE(wert >= 0x20 && wert != 0x7F && (wert < 0x80 || wert >= 0xA0)) << int(wert);
    }
}

}  // namespace
