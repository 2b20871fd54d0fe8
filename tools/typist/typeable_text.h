// Text as a user can type it on the keyboard, byte for byte: what the keyboard
// has no key for, and the few sequences it always types otherwise, are left
// out or replaced.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace typist {

struct TypeableText {
    // One paragraph a line of the input; each is typed and ended with Enter.
    std::vector<std::string> paragraphs;
    // Characters left out: those without a key, blanks the keyboard takes
    // back itself (before . , : ; - and the apostrophe, and doubled ones),
    // and an opening question mark that would close a question.
    std::size_t removed = 0;
    // Typographic quotes, dashes, the ellipsis and no-break spaces, written
    // as the plain characters the keyboard has.
    std::size_t replaced = 0;

    // No paragraph has a character to type: a text no tool can use.
    bool empty() const {
        for (const std::string& p : paragraphs)
            if (!p.empty()) return false;
        return true;
    }
};

// Windows-1252 text, lines ending in "\n" or "\r\n".
TypeableText MakeTypeable(const std::string& text);

// Whether the keyboard types the character: a key of a page, or a dead-key
// accent then a vowel.
bool IsTypeable(unsigned char c);

}  // namespace typist
