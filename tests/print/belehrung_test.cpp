// The legal-remedy files in Windows-1252, their names, and the editor over the window.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <algorithm>

#include "Belehrungsdatei.h"
#include "Rechtsmitteleditor.h"
#include "Windows1252.h"

namespace {

std::string bytesVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<missing>";
}

void schreibeBytes(const QString& pfad, const std::string& bytes) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) datei.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A record as the file holds it: the text in Windows-1252, padded with blanks to 1000 bytes.
std::string satz(const std::string& utf8) {
    const std::string bytes = nachWindows1252(utf8);
    return bytes + std::string(1000 - bytes.size(), ' ');
}

TEST(Belehrungsdatei, TheUsersFileNameIsResolvedOnThisPlatform) {
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // clang-format off
    const struct {
        const char *name, *datenordner, *kennung;
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

TEST(Belehrungsdatei, TheShippedDefaultTextIsARecordOfThousandBytesInWindows1252) {
    const std::string bytes = bytesVon(Belehrungsdatei::vorgabedateiname());
    ASSERT_EQ(bytes.size(), 1000u);
    EXPECT_TRUE(bytes.starts_with("Gegen"));
    EXPECT_NE(bytes.find("k\xF6nnen"), std::string::npos) << "no ö in Windows-1252";
    EXPECT_EQ(bytes.back(), ' ');
    // No control characters; 0x80 to 0x9F hold Windows-1252 letters such as „ “ –.
    EXPECT_TRUE(std::ranges::all_of(bytes, [](unsigned char b) { return b >= 0x20 && b != 0x7F; }));
}

const std::string vorgabetext = "Gegen diesen Bescheid ist der „Widerspruch“ zulässig – binnen eines Monats.";

// The main window's stand-in with the editor, its files in a temporary folder and the messages recorded.
class Editorfenster : public ::testing::Test {
   public:
    Editorfenster() { fenster.show(); }
    void rbText() { editor.umschalten({0, 37, 736, 543}); }
    void enter() { QTest::keyClick(editor.editor(), Qt::Key_Return); }

    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Daten/Belehrung.txt");
    const QString vorgabe = ordner.filePath("Texte/Belehrung.txt");
    QWidget fenster;
    QStringList meldungen;
    Rechtsmitteleditor editor{&fenster, Belehrungsdatei(benutzer, vorgabe),
                              [this](const QString& t) { meldungen << t; }};
};

TEST_F(Editorfenster, OpensTheUsersInstructionOrTheDefaultAndOnlyEnterSavesARecordOfThousandBytes) {
    const std::string ä994 = QString(994, u'ä').toStdString();
    // clang-format off
    // The user's file (nullptr: none yet) and the default file before the opening; the text shown then
    // without the blanks up to 1000 characters; the text that replaces it; how the editor is closed; the
    // bytes in the user's file afterwards.
    const auto rb = &Editorfenster::rbText, enter = &Editorfenster::enter;
    const struct {
        const char *name, *eigener;
        bool mitVorgabe;
        std::string gezeigt, getippt;
        void (Editorfenster::*schließen)();
        std::string bytes;
    } fälle[] = {
        {"first opening", nullptr, true, vorgabetext, "", rb, satz(vorgabetext)},
        {"first opening without default", nullptr, false, "", "", rb, std::string(1000, ' ')},
        {"a short record with leading blanks", "   Gegen meine Fassung.", true, "   Gegen meine Fassung.", "", rb, "   Gegen meine Fassung."},
        {"Enter right after opening", "   Gegen meine Fassung.", true, "   Gegen meine Fassung.", "", enter, "   Gegen meine Fassung." + std::string(977, ' ')},
        {"lower-case gegen", "gegen meine Fassung.", true, vorgabetext, "", rb, satz(vorgabetext)},
        {"RB_Text discards what was typed", "Gegen alt", true, "Gegen alt", "Gegen neu", rb, "Gegen alt"},
        {"German letters and quotes", "Gegen alt", true, "Gegen alt", "Gegen äöüÄÖÜß „a“ – b", enter,
         "Gegen \xE4\xF6\xFC\xC4\xD6\xDC\xDF \x84" "a\x93 \x96 b" + std::string(979, ' ')},
        {"what the code page lacks", "Gegen alt", true, "Gegen alt", "Gegen ł", enter, "Gegen ?" + std::string(993, ' ')},
        {"1200 characters cut at 1000", "Gegen alt", true, "Gegen alt", "Gegen " + ä994 + std::string(200, 'x'), enter, "Gegen " + std::string(994, '\xE4')},
        {"a pasted line break", "Gegen alt", true, "Gegen alt", "Gegen A\nB\tC", enter, "Gegen A$B C" + std::string(989, ' ')},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QFile::remove(benutzer);
        QFile::remove(vorgabe);
        if (f.mitVorgabe) schreibeBytes(vorgabe, satz(vorgabetext));
        if (f.eigener) schreibeBytes(benutzer, f.eigener);
        rbText();
        EXPECT_TRUE(editor.istOffen());
        EXPECT_EQ(editor.editor()->toPlainText(), QString::fromStdString(f.gezeigt).leftJustified(1000));
        if (!f.getippt.empty()) editor.editor()->setPlainText(QString::fromStdString(f.getippt));
        (this->*f.schließen)();
        EXPECT_FALSE(editor.istOffen());
        EXPECT_EQ(bytesVon(benutzer), f.bytes);
        EXPECT_EQ(QFile::exists(vorgabe), f.mitVorgabe);
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Editorfenster, AFailedSaveShowsTheReasonAndKeepsTheTypedTextAndTheOldFile) {
    schreibeBytes(ordner.filePath("Daten"), "alt");  // a file where the folder of the user's file belongs
    rbText();
    ASSERT_TRUE(editor.istOffen());
    meldungen.clear();
    editor.editor()->setPlainText("Gegen getippt");
    QTest::keyClick(editor.editor(), Qt::Key_Enter);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Die Rechtsbehelfsbelehrung konnte nicht gespeichert werden: "));
    EXPECT_TRUE(editor.istOffen());
    EXPECT_EQ(editor.editor()->toPlainText(), "Gegen getippt");
    EXPECT_EQ(bytesVon(ordner.filePath("Daten")), "alt");
}

}  // namespace
