#pragma once
// A text of fixed length N: every assignment left-aligns the new text and pads it with blanks to N
// characters, or cuts it after N characters. Characters are the code points of the UTF-8 text.

#include <cstddef>
#include <string>
#include <string_view>

#include "Zeichen.h"

namespace bda {

template <std::size_t N>
class FesterText {
   public:
    static constexpr std::size_t länge = N;

    FesterText() : text_(N, ' ') {}
    FesterText(std::string_view text) { *this = text; }

    FesterText& operator=(std::string_view text) {
        text_ = ersteZeichen(text, N);
        text_.append(N - zeichenzahl(text_), ' ');
        return *this;
    }

    // All N characters, blanks behind the text included.
    const std::string& text() const { return text_; }
    // Blank when nothing but blanks remains after trimming.
    bool istLeer() const { return getrimmt(text_).empty(); }

   private:
    std::string text_;
};

}  // namespace bda
