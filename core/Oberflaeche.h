#pragma once
// What the case logic asks of the screen. The window implements it with message boxes and focus
// changes; tests and the bda-fall tool record the calls.

#include <string_view>

namespace bda {

// An input control the case logic can give the focus to: Datum(index) or Eingabe(index).
struct Steuerelement {
    enum class Art { Datum, Eingabe };
    Art art = Art::Datum;
    int index = 0;

    static Steuerelement datum(int index) { return {Art::Datum, index}; }
    static Steuerelement eingabe(int index) { return {Art::Eingabe, index}; }
    bool operator==(const Steuerelement&) const = default;
};

class Oberflaeche {
   public:
    virtual ~Oberflaeche() = default;
    // A message box: the text, an OK button only, no icon, the application's title. Returns when closed.
    virtual void meldung(std::string_view text) = 0;
    virtual void fokus(Steuerelement ziel) = 0;
};

}  // namespace bda
