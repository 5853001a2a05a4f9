#pragma once
// The legal-remedy texts: the user's file, record 1 of 1000 bytes (core/Belehrungssatz.h), and the
// shipped text compiled into the program. The user's file is read by the notice and the editor and
// written only when the clerk saves in the editor; no read ever writes it. Only ordinary files are
// opened, checked before and after the opening, so that nothing can block on a pipe or a device. No
// file is kept open between operations.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "Belehrungssatz.h"
#include "FesterText.h"

namespace bda::druck {

// The user's file as read: its text (blank when there is no file) or why it cannot be read.
struct Belehrungslesung {
    Satztext satz;
    QString fehler;  // empty when the text could be read
};

// The instruction the notice prints, or why the notice cannot be printed.
struct Druckbelehrung {
    std::string text;           // UTF-8, "$" marks a line break, at most 1000 characters, as stored
    bool mitgeliefert = false;  // the shipped text, as the user has saved no text of his own
    QString fehler;             // empty when `text` can be printed
};

// Where the program keeps its shipped text.
QString mitgelieferteDatei();

// The shipped text, which names the authority by its placeholder (core/Behoerdenplatzhalter.h). Empty
// only when the program lacks its shipped text.
std::string mitgelieferteBelehrung();

class Belehrungsdatei {
   public:
    // `vorgabedatei` is where the shipped text is read: the program's own unless a test says otherwise.
    explicit Belehrungsdatei(QString benutzerdatei, QString vorgabedatei = mitgelieferteDatei());

    // The user's file with the start values of `Datenordner` and `Kennung`.
    static Belehrungsdatei standard();

    // `Datenordner` (trimmed) + `Kennung` + "\Belehrung.txt" as a path of this platform: backslashes
    // become separators, blank parts and the blanks at the end of a part are dropped, and a name that is
    // not absolute lies in the per-user data folder. With the start values ("" and seven blanks) that is
    // <AppDataLocation>/Belehrung.txt.
    static QString benutzerdateiname(std::string_view datenordner = {}, const FesterText<7>& kennung = {});

    const QString& benutzerdatei() const { return benutzerdatei_; }

    // The text of the user's file. A missing file (or a missing folder) reads as a blank text and is not
    // created; anything but an ordinary file is refused unopened.
    Belehrungslesung lesen() const;

    // The shipped text; nothing when it is missing.
    std::optional<std::string> vorgabe() const;

    // What the notice prints (before its authority is filled in): the user's text whenever it is not
    // blank, whatever its first word, else the shipped text. Refused, with the reason, when the user's
    // file cannot be read, its text would be cut or holds control characters, or the shipped text is
    // missing.
    Druckbelehrung zumDrucken() const;

    // What the clerk should know before editing the user's text: that it is too long and will be cut,
    // holds control characters, or holds characters the file cannot keep (within the 1000 it keeps).
    // Empty when there is nothing.
    QString öffnungshinweis(const Satztext& satz) const;
    // The message when the editor opens empty because the shipped text is missing.
    static QString vorgabeFehltImEditor();

    // Writes the text (line ends as "$", cut at 1000 characters, padded) as record 1 of the user's file:
    // a new file takes the old one's place only when completely written, and its folder is created when
    // missing. Refused while the part kept holds characters Windows-1252 lacks, or when the name belongs to
    // anything but an ordinary file. On failure returns false and sets `fehler` to the message for the
    // user; the old file is untouched.
    bool schreiben(std::string_view text, QString& fehler) const;

   private:
    QString benutzerdatei_;
    QString vorgabedatei_;
};

}  // namespace bda::druck
