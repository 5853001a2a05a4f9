#pragma once
// Record 1 of a legal-remedy file as text, and a text as record 1: the bytes only, no file.
//
// Reading: bytes that are well-formed UTF-8, hold a byte above 0x7F and no C1 control character
// (U+0080 to U+009F) were written by another editor and are read as UTF-8 (a byte-order mark at the
// start dropped); all other bytes are Windows-1252, one byte a character. Each line end (CR LF, LF or CR)
// becomes "$", the printed line break, and a tab a blank. Every other control character and each unassigned
// byte becomes a blank too and is counted, so that the reader can be told. Blanks and line ends at the end
// are the padding and are dropped.
//
//   "Gegen A\r\nB   "          -> "Gegen A$B"      (Windows-1252, 9 characters)
//   "f\xC3\xBCr"               -> "für"            (UTF-8: well-formed, with a byte above 0x7F)
//   "f\xFCr"                   -> "für"            (Windows-1252: 0xFC alone is no UTF-8)
//   "A\x00B"                   -> "A B"            (one foreign character)
//
// Writing: the text with its line ends as "$", in Windows-1252, cut after 1000 characters and padded
// with blanks to exactly 1000 bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace bda {

inline constexpr std::size_t belehrungssatzlänge = 1000;

enum class Satzkodierung { windows1252, utf8 };

struct Satztext {
    std::string text;  // UTF-8, no padding; empty when the record holds nothing but blanks
    Satzkodierung kodierung = Satzkodierung::windows1252;
    std::size_t zeichen = 0;       // characters (code points) of `text`
    std::size_t fremdzeichen = 0;  // control characters and unassigned bytes read as blanks
    bool zuLang = false;           // more than 1000 characters: a save keeps the first 1000 only
};

// Whether satzLesen reads the bytes as UTF-8. With `ganz` false the bytes are only the start of a
// longer file, and a sequence cut short at their end does not count against UTF-8.
bool istUtf8Satz(std::string_view bytes, bool ganz = true);

// The text of the bytes. With `ganz` false (the file goes on beyond the bytes) the text counts as too
// long whatever its length, and a UTF-8 sequence cut short at the end is dropped.
Satztext satzLesen(std::string_view bytes, bool ganz = true);

// The text as a record holds it: each line end (CR LF, LF, CR, U+2028, U+2029) a "$", a tab and every
// other control character a blank, a malformed byte U+FFFD. Its length in characters does not grow.
std::string alsSatztext(std::string_view utf8);

// At most 1000 characters once the line ends are "$": the text fits the record uncut.
bool passtInSatz(std::string_view utf8);

// The 1000 bytes of record 1 for the text (alsSatztext of it): Windows-1252, cut after 1000
// characters, padded with blanks. A character Windows-1252 lacks becomes "?" (see fehlendeZeichen).
std::string satzSchreiben(std::string_view utf8);

}  // namespace bda
