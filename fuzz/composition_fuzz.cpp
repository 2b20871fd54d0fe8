// The echo of the running keyboard edited by any key codes from any line:
// the input gives the state flags, the line before and after the marker,
// the text of the first suggestion key, then (code, modifiers) pairs for
// UpdateComposition. A dictionary failure may arrive as a SqliteException.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dictionary/SqliteException.h"
#include "tools/toolbox/sim_keyboard.h"
#include "window/pelvokDlg.h"

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    bool more() const { return at < size; }
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    std::string text(std::size_t longest) {
        const std::size_t length = byte() % (longest + 1);
        std::string read;
        while (read.size() < length && more()) read += static_cast<char>(byte());
        return read;
    }
};

CPelvokDlg& keyboard() {
    static toolbox::SimKeyboard* sim = [] {
        auto* started = new toolbox::SimKeyboard;
        started->setPainting(false);
        started->start();
        // Durability plays no part here.
        started->window().database.executeUpdate("PRAGMA synchronous=OFF;");
        started->window().database.executeUpdate("PRAGMA journal_mode=MEMORY;");
        return started;
    }();
    return sim->window();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CPelvokDlg& window = keyboard();
    Reader in{data, size};
    const std::uint8_t flags = in.byte();
    window.sentenceStart = flags & 1;
    window.textBeforeUnknown = flags & 2;
    window.textAfterUnknown = flags & 4;
    window.deadKeyPending = flags & 8;
    window.spaceAbsorbed = flags & 16;
    window.learningPaused = flags & 32;
    window.layout->setSymbolsPage(flags & 64 ? 1 : 0);
    const std::string before = in.text(60);
    const std::string after = in.text(20);
    window.textLine = before + "_" + after;
    window.cursorPos = static_cast<int>(before.size());
    window.selectionActive = flags & 128;
    window.selectionAnchor = window.selectionActive
                                 ? static_cast<int>(in.byte() % (window.textLine.size() + 1)) - 1
                                 : -1;
    window.suggestions.fill("");
    window.suggestions[0] = in.text(40);
    while (in.more()) {
        const std::uint8_t code = in.byte();
        const std::uint8_t modifiers = in.byte();
        try {
            window.UpdateComposition(code, modifiers & 1, modifiers & 2);
        } catch (const SqliteException&) {
        }
        if (window.cursorPos < 0 || window.cursorPos >= static_cast<int>(window.textLine.size()))
            std::abort();
    }
    return 0;
}
