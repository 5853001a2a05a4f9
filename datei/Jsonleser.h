#pragma once
// A pull reader for JSON (RFC 8259) over a text in memory: the caller asks for the value it expects and
// gets it decoded, or a Jsonfehler that says where and why. Objects and lists are walked with a
// function per member, so nothing is built that the reader of a case file does not keep. Any value can
// be skipped, which still checks it.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bda::datei {

class Jsonfehler : public std::runtime_error {
   public:
    enum class Art {
        ungültig,       // no JSON
        abgebrochen,    // the text ended inside a value: it was cut short
        doppelterName,  // an object names a member twice; what() is that name
    };

    Jsonfehler(const std::string& grund, std::size_t stelle, Art art)
        : std::runtime_error(grund), stelle(stelle), art(art) {}

    std::size_t stelle;  // byte offset of the fault, counted from 0
    Art art;
};

class Jsonleser {
   public:
    enum class Art { Objekt, Liste, Text, Zahl, Wahrheitswert, Null };

    // Throws when `text` is no valid UTF-8, as JSON must be.
    explicit Jsonleser(std::string_view text);

    // The kind of the next value; throws when none begins here.
    Art art();

    // Calls `mitglied(schlüssel)` (a std::string_view) for every member of the object that begins here; it
    // must read or skip the member's value. A name that comes twice is refused: RFC 8259 leaves open
    // which of the two values counts.
    template <class Funktion>
    void objekt(Funktion&& mitglied);

    // Calls `element(index)` for every element of the list that begins here; it must read or skip it.
    template <class Funktion>
    void liste(Funktion&& element);

    std::string text();
    // The text as a view into the JSON where it holds no escapes, else decoded into a buffer of this
    // reader; valid until the next text is read.
    std::string_view textSicht();
    // A reader of the part [von, bis) of this reader's text, which is known to be UTF-8 already.
    Jsonleser teil(std::size_t von, std::size_t bis) const;
    double zahl();
    bool wahrheitswert();
    void überspringen();
    // Only white space may follow.
    void ende();

    std::size_t stelle() const { return stelle_; }
    std::string_view rest() const { return text_.substr(stelle_); }

   private:
    void leerraum() {
        while (stelle_ < text_.size()) {
            const char c = text_[stelle_];
            if (c != ' ' && c != '\n' && c != '\r' && c != '\t') return;
            ++stelle_;
        }
    }
    // Skips white space; consumes `zeichen` when it comes next.
    bool folgt(char zeichen) {
        leerraum();
        if (stelle_ < text_.size() && text_[stelle_] == zeichen) {
            ++stelle_;
            return true;
        }
        return false;
    }
    void erwarten(char zeichen, const char* was) {
        if (!folgt(zeichen)) fehler(std::string("Hier fehlt ") + was);
    }
    [[noreturn]] void fehler(const std::string& grund) const;
    // Whether the object whose names begin at namen_[erster] gave `name` already.
    bool genannt(std::string_view name, std::size_t erster) const;
    [[noreturn]] void doppelt(std::string_view name, std::size_t stelle) const;
    void wort(std::string_view wort);
    void textLesen(std::string* ziel);  // without a target the text is only checked
    void unicode(std::string* ziel);
    struct Geprüft {};
    Jsonleser(std::string_view text, Geprüft) : text_(text) { namen_.reserve(32); }

    std::string_view text_;
    std::size_t stelle_ = 0;
    int tiefe_ = 0;
    std::string puffer_;
    std::vector<std::string> namen_;  // the names of the objects being read, the innermost last
};

template <class Funktion>
void Jsonleser::objekt(Funktion&& mitglied) {
    erwarten('{', "„{“");
    if (++tiefe_ > 64) fehler("Sie ist zu tief verschachtelt");
    // The names of this object follow those of the objects around it, in one buffer for all.
    const std::size_t erster = namen_.size();
    if (!folgt('}')) {
        do {
            leerraum();
            if (stelle_ >= text_.size() || text_[stelle_] != '"')
                fehler("Hier fehlt ein Name in Anführungszeichen");
            const std::size_t anfang = stelle_;
            const std::string_view schlüssel = textSicht();
            if (genannt(schlüssel, erster)) doppelt(schlüssel, anfang);
            namen_.emplace_back(schlüssel);
            erwarten(':', "„:“");
            mitglied(schlüssel);
        } while (folgt(','));
        erwarten('}', "„,“ oder „}“");
    }
    namen_.resize(erster);
    --tiefe_;
}

template <class Funktion>
void Jsonleser::liste(Funktion&& element) {
    erwarten('[', "„[“");
    if (++tiefe_ > 64) fehler("Sie ist zu tief verschachtelt");
    if (!folgt(']')) {
        int index = 0;
        do {
            element(index++);
        } while (folgt(','));
        erwarten(']', "„,“ oder „]“");
    }
    --tiefe_;
}

}  // namespace bda::datei
