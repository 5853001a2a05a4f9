#pragma once
// The legal-remedy text files: record 1 of 1000 bytes in Windows-1252, the text left-aligned and padded
// with blanks, no terminator. The user's file is read by the notice and the editor and written by the
// editor; the shipped default file is only read. No file is kept open between operations.

#include <QString>
#include <string_view>

#include "FesterText.h"

inline constexpr std::size_t belehrungssatzlänge = 1000;
using Belehrungssatz = FesterText<belehrungssatzlänge>;

// A record as read: the text (blank when the file does not exist) or why it could not be read.
struct Belehrungslesung {
    Belehrungssatz inhalt;
    QString fehler;  // empty when the text could be read
};

// An instruction is a text that, without the blanks at either end, begins with "Gegen".
bool istBelehrung(std::string_view inhalt);

class Belehrungsdatei {
   public:
    Belehrungsdatei(QString benutzerdatei, QString vorgabedatei);

    // The user's file with the start values of `Datenordner` and `Kennung`, and the default file found
    // by vorgabedateiname().
    static Belehrungsdatei standard();

    // `Datenordner` (trimmed) + `Kennung` + "\Belehrung.txt" as a path of this platform: backslashes
    // become separators, blank parts and the blanks at the end of a part are dropped, and a name that is
    // not absolute lies in the per-user data folder. With the start values ("" and seven blanks) that is
    // <AppDataLocation>/Belehrung.txt.
    static QString benutzerdateiname(std::string_view datenordner = {}, const FesterText<7>& kennung = {});

    // "Texte/Belehrung.txt" in the working folder, else in the source tree's Texte folder that the build
    // names (BDA_TEXTE_ORDNER).
    static QString vorgabedateiname();

    const QString& benutzerdatei() const { return benutzerdatei_; }
    const QString& vorgabedatei() const { return vorgabedatei_; }

    // Record 1 of the user's file. A missing file reads as a blank text and is not created; a file shorter
    // than 1000 bytes reads as its bytes padded with blanks.
    Belehrungslesung lesen() const;
    // Record 1 of the default file, read the same way.
    Belehrungslesung vorgabeLesen() const;
    // The instruction the notice prints: the user's text, or the default text while the user's file holds
    // no instruction (it was never saved, or its text does not begin with "Gegen"). A notice never goes
    // out without its legal remedy because the editor was not opened first.
    Belehrungslesung zumDrucken() const;

    // Writes `inhalt` (UTF-8, cut at 1000 characters, padded) as record 1 of the user's file: a new file
    // takes the old one's place only when completely written, and its folder is created when missing.
    // On failure returns false and sets `fehler` to the message for the user; the old file is untouched.
    bool schreiben(std::string_view inhalt, QString& fehler) const;

   private:
    QString benutzerdatei_;
    QString vorgabedatei_;
};
