#include "Rechtsmitteleditor.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "Dateihilfe.h"

namespace {

const std::string vorgabetext = "Gegen diesen Bescheid ist der Widerspruch zulässig.$Frist: ein Monat.";

// The text as the editor shows a record: all 1000 characters.
std::string gefüllt(const std::string& utf8) { return ausWindows1252(satz(utf8)); }

// The main window's stand-in with the editor, its files in a temporary folder and the messages recorded.
class Editorfenster : public ::testing::Test {
   public:
    Editorfenster() {
        fenster.resize(736, 580);
        fenster.show();
    }
    void rbText() { editor.umschalten(bereich); }
    void enter() { QTest::keyClick(editor.editor(), Qt::Key_Return); }
    void verbergen() { editor.verbergen(); }
    std::string angezeigt() const { return editor.editor()->toPlainText().toStdString(); }

    QTemporaryDir ordner;
    const QString benutzer = ordner.filePath("Daten/Belehrung.txt");
    const QString vorgabe = ordner.filePath("Texte/Belehrung.txt");
    QWidget fenster;
    QStringList meldungen;
    Rechtsmitteleditor editor{&fenster, Belehrungsdatei(benutzer, vorgabe),
                              [this](const QString& t) { meldungen << t; }};
    const QRect bereich{0, 37, 736, 543};
};

TEST_F(Editorfenster, OpeningShowsTheUsersInstructionOrWritesTheDefaultTextAtOnce) {
    // clang-format off
    const struct {
        const char* name;
        const char* eigener;  // nullptr: no user's file yet
        bool mitVorgabe;
        std::string gezeigt;
    } fälle[] = {
        {"first opening",                nullptr,                   true,  vorgabetext},
        {"first opening without default", nullptr,                  false, ""},
        {"leading blanks before Gegen",  "   Gegen meine Fassung.", true,  "   Gegen meine Fassung."},
        {"another first word",           "Widerspruch möglich.",    true,  vorgabetext},
        {"lower-case gegen",             "gegen meine Fassung.",    true,  vorgabetext},
        {"an empty text",                "",                        true,  vorgabetext},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        QFile::remove(benutzer);
        QFile::remove(vorgabe);
        if (f.mitVorgabe) schreibeBytes(vorgabe, satz(vorgabetext));
        if (f.eigener) schreibeBytes(benutzer, satz(f.eigener));
        rbText();
        EXPECT_TRUE(editor.istOffen());
        EXPECT_EQ(editor.editor()->geometry(), bereich);
        EXPECT_EQ(angezeigt(), gefüllt(f.gezeigt));
        EXPECT_EQ(bytesVon(benutzer), satz(f.gezeigt));
        EXPECT_EQ(QFile::exists(vorgabe), f.mitVorgabe);
        rbText();
        EXPECT_FALSE(editor.istOffen());
    }
    EXPECT_EQ(editor.editor()->objectName(), "Rechtsmittel");
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Editorfenster, OnlyEnterSavesTheTypedText) {
    schreibeBytes(benutzer, satz(vorgabetext));
    // clang-format off
    const struct {
        const char* name;
        const char* getippt;
        void (Editorfenster::*schließen)();
        std::string danach;
    } fälle[] = {
        {"RB_Text again",             "Gegen neu: ", &Editorfenster::rbText,    vorgabetext},
        {"hidden by a print command", "Gegen neu: ", &Editorfenster::verbergen, vorgabetext},
        {"Enter right after opening", "",            &Editorfenster::enter,     vorgabetext},
        {"Enter",                     "Gegen neu: ", &Editorfenster::enter,     "Gegen neu: " + vorgabetext},
    };
    // clang-format on
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.name);
        rbText();
        editor.editor()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(editor.editor(), f.getippt);
        (this->*f.schließen)();
        EXPECT_FALSE(editor.istOffen());
        EXPECT_EQ(bytesVon(benutzer), satz(f.danach));
    }
    rbText();
    EXPECT_EQ(angezeigt(), gefüllt("Gegen neu: " + vorgabetext));
}

TEST_F(Editorfenster, PastedLineBreaksAreSavedAsDollarSigns) {
    rbText();
    editor.editor()->setPlainText("Gegen A\nB\tC");
    EXPECT_TRUE(editor.speichern());
    EXPECT_EQ(bytesVon(benutzer), satz("Gegen A$B C"));
}

TEST_F(Editorfenster, AFailedSaveShowsTheReasonAndKeepsTheTypedTextAndTheOldFile) {
    schreibeBytes(ordner.filePath("Daten"), "alt");
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

TEST_F(Editorfenster, AnUnreadableUsersFileIsReportedAndTheEditorStaysClosed) {
    QDir().mkpath(benutzer);
    rbText();
    EXPECT_FALSE(editor.istOffen());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Die Rechtsbehelfsbelehrung konnte nicht gelesen werden: "));
}

}  // namespace
