// The working copy of the echo during one composition update: the line with
// its cursor marker, and the edits the typing engine makes around the marker.
#pragma once

#include <string>
#include <utility>

#include "model/KeyboardLayout.h"
#include "typing/text_utils.h"

struct LineEdit {
    std::string text = "_";
    int marker = 0;

    int size() const { return static_cast<int>(text.size()); }
    // The byte `places` positions before the marker; 0 outside the line.
    unsigned char before(int places = 1) const { return charAt(text, marker - places); }
    bool hasTextAfter() const { return marker + 1 < size(); }

    void clear() {
        text = "_";
        marker = 0;
    }
    // Callers check marker > 0.
    void deleteBefore() {
        text.erase(static_cast<std::size_t>(marker - 1), 1);
        --marker;
    }
    void deleteAfter() {
        if (hasTextAfter()) text.erase(static_cast<std::size_t>(marker + 1), 1);
    }
    void deleteAllAfter() { text.erase(static_cast<std::size_t>(marker + 1)); }
    void deleteAllBefore() {
        text.erase(0, static_cast<std::size_t>(marker));
        marker = 0;
    }
    void insertBefore(const std::string& s) {
        text.insert(static_cast<std::size_t>(marker), s);
        marker += static_cast<int>(s.size());
    }
    void moveLeft() {
        if (marker <= 0) return;
        std::swap(text[marker - 1], text[marker]);
        --marker;
    }
    void moveRight() {
        if (!hasTextAfter()) return;
        std::swap(text[marker], text[marker + 1]);
        ++marker;
    }
};

// Completion of the partial word before the marker by a suggestion: removes
// the partial word and returns the suggestion cased as the page flags and
// the removed word ask (clearing the spent one-shot Shift in the model).
// `attached` tells that no automatic space follows, the marker being inside
// the text. The caller inserts the result.
std::string CompleteWord(LineEdit& line, const std::string& suggestion, KeyboardLayout& layout,
                         bool& attached);
