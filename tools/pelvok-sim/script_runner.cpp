#include "tools/pelvok-sim/script_runner.h"

#include <charconv>
#include <optional>
#include <stdexcept>

#include "tools/pelvok-sim/reports.h"
#include "tools/toolbox/text_codec.h"

namespace pelvok_sim {

namespace {

constexpr int kWmUser = 0x400;
constexpr int kLastPrivateMessage = 0x7FFF;

// A line that cannot be run; the message names what is wrong.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool isSpace(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isSpace(text[first])) ++first;
    while (last > first && isSpace(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSpace(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !isSpace(text[at])) ++at;
        if (at > start) found.push_back(text.substr(start, at - start));
    }
    return found;
}

// The rest of a line as one argument: trimmed, or exactly what stands
// between double quotes.
std::string argumentText(const std::string& rest) {
    const std::string text = trimmed(rest);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// A decimal or 0x-hexadecimal integer, the whole word.
std::optional<long long> parseInteger(const std::string& word) {
    const bool negative = !word.empty() && word[0] == '-';
    const std::size_t digits = negative ? 1 : 0;
    int base = 10;
    std::size_t from = digits;
    if (word.size() > digits + 2 && word[digits] == '0' &&
        (word[digits + 1] == 'x' || word[digits + 1] == 'X')) {
        base = 16;
        from += 2;
    }
    long long value = 0;
    const char* end = word.data() + word.size();
    const std::from_chars_result result = std::from_chars(word.data() + from, end, value, base);
    if (from == word.size() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return negative ? -value : value;
}

long long integerArgument(const std::string& word, const char* what, long long low,
                          long long high) {
    const std::optional<long long> value = parseInteger(word);
    if (!value || *value < low || *value > high) {
        throw ScriptError("bad " + std::string(what) + " '" + word + "'");
    }
    return *value;
}

void expectCount(const std::vector<std::string>& args, std::size_t low, std::size_t high,
                 const char* usage) {
    if (args.size() < low || args.size() > high) {
        throw ScriptError("expected " + std::string(usage));
    }
}

// WM_USER+N, WM_USER, or a number; the private message's N.
int privateMessage(const std::string& word) {
    const std::string prefix = "WM_USER";
    long long message = 0;
    if (word.compare(0, prefix.size(), prefix) == 0) {
        const std::string offset = word.substr(prefix.size());
        message = kWmUser;
        if (!offset.empty()) {
            if (offset[0] != '+') throw ScriptError("bad message '" + word + "'");
            message +=
                integerArgument(offset.substr(1), "message", 0, kLastPrivateMessage - kWmUser);
        }
    } else {
        message = integerArgument(word, "message", kWmUser, kLastPrivateMessage);
    }
    return static_cast<int>(message - kWmUser);
}

// A number, or one character between single quotes.
std::uintptr_t wParamArgument(const std::string& word) {
    if (word.size() == 3 && word.front() == '\'' && word.back() == '\'') {
        return static_cast<unsigned char>(word[1]);
    }
    return static_cast<std::uintptr_t>(integerArgument(word, "wParam", 0, 0xFFFFFFFFLL));
}

bool isCharacterKey(const Key& key) {
    return key.getSize() > 0 && !key.isCommand() && !key.isDirect();
}

}  // namespace

ScriptRunner::ScriptRunner(sim::SimDesktop& desktop, std::ostream& out, std::ostream& err)
    : desktop(desktop), out(out), err(err) {}

sim::SimTargetApp& ScriptRunner::foreground(const std::string& title) {
    sim::SimTargetApp* found = nullptr;
    for (const auto& target : targets) {
        if (target->title() == title) found = target.get();
    }
    if (!found) {
        targets.push_back(std::make_unique<sim::SimTargetApp>(desktop.windows(), title));
        found = targets.back().get();
    }
    found->bringToFront();
    // Caps Lock is the system's; the application sees it as it is now.
    found->setCapsLock(desktop.keystrokes().capsLockToggled());
    return *found;
}

void ScriptRunner::run(const std::vector<std::string>& lines, CPelvokDlg& running) {
    keyboard = &running;
    for (std::size_t index = 0; index < lines.size() && !desktop.ended(); ++index) {
        const std::string raw = trimmed(lines[index]);
        if (raw.empty() || raw[0] == '#') continue;
        try {
            const std::optional<std::string> converted = toolbox::cp1252FromUtf8(raw);
            if (!converted) {
                throw ScriptError(
                    "the line is not UTF-8 or holds a character Windows-1252 has not");
            }
            const std::size_t end = converted->find_first_of(" \t");
            const std::string command = converted->substr(0, end);
            const std::string rest = end == std::string::npos ? "" : converted->substr(end);
            const std::size_t rawEnd = raw.find_first_of(" \t");
            const std::string rawRest = rawEnd == std::string::npos ? "" : raw.substr(rawEnd);
            execute(command, rest, rawRest);
            reportMessageBoxes();
        } catch (const ScriptError& error) {
            reportMessageBoxes();
            out.flush();
            err << "pelvok-sim: line " << index + 1 << ": " << error.what() << "\n";
            exitCode_ = kScriptErrorExitCode;
            return;
        }
    }
    out.flush();
}

void ScriptRunner::reportMessageBoxes() {
    const std::vector<sim::MessageBoxRecord>& boxes = desktop.dialogs().messageBoxes();
    for (; boxesReported < boxes.size(); ++boxesReported) {
        err << "pelvok-sim: message box: " << toolbox::utf8ForMessages(boxes[boxesReported].text)
            << "\n";
    }
}

KeyboardLayout& ScriptRunner::layout() {
    if (!keyboard || !keyboard->layout) throw ScriptError("the keyboard has ended");
    return *keyboard->layout;
}

void ScriptRunner::execute(const std::string& command, const std::string& rest,
                           const std::string& rawRest) {
    const std::vector<std::string> args = words(rest);
    if (command == "press" || command == "rpress") {
        expectCount(args, 2, 2, "a row and a column");
        const int row = static_cast<int>(integerArgument(args[0], "row", 0, 0xFFFF));
        const int column = static_cast<int>(integerArgument(args[1], "column", 0, 0xFFFF));
        pressKey(row, column, command == "press");
    } else if (command == "click" || command == "rclick" || command == "hover") {
        expectCount(args, 2, 2, "a point x y");
        const int x = static_cast<int>(integerArgument(args[0], "x", -32768, 32767));
        const int y = static_cast<int>(integerArgument(args[1], "y", -32768, 32767));
        if (command == "click") {
            desktop.leftClick(x, y);
        } else if (command == "rclick") {
            desktop.rightClick(x, y);
        } else {
            desktop.mouseMove(x, y);
        }
    } else if (command == "send" || command == "post") {
        expectCount(args, 1, 2, "a message and an optional wParam");
        const int n = privateMessage(args[0]);
        const std::uintptr_t wParam = args.size() > 1 ? wParamArgument(args[1]) : 0;
        if (command == "send") {
            desktop.sendPrivate(n, wParam);
        } else {
            desktop.postPrivate(n, wParam);
        }
    } else if (command == "menu") {
        expectCount(args, 1, 1, "a menu command or none");
        desktop.queueMenuAnswer(args[0] == "none" ? 0
                                                  : static_cast<int>(integerArgument(
                                                        args[0], "menu command", 1, 0xFFFF)));
    } else if (command == "dialog") {
        const std::string path = argumentText(rest);
        if (path.empty()) throw ScriptError("expected a file path or cancel");
        desktop.queueFileAnswer(path == "cancel" ? sim::FileAnswer::cancel()
                                                 : sim::FileAnswer::choose(path));
    } else if (command == "foreground") {
        const std::string title = argumentText(rest);
        if (title.empty()) throw ScriptError("expected a window title");
        foreground(title);
    } else if (command == "type") {
        const std::string text = argumentText(rest);
        if (text.empty()) throw ScriptError("expected a text to type");
        typeText(text);
    } else if (command == "close") {
        expectCount(args, 0, 0, "no argument");
        desktop.close();
    } else if (command == "state") {
        expectCount(args, 0, 0, "no argument");
        layout();
        out << stateReport(*keyboard, desktop) << "\n";
    } else if (command == "keys") {
        expectCount(args, 0, 0, "no argument");
        const std::vector<sim::KeystrokeRecord>& log = desktop.keystrokes().log();
        out << keysReport(log, keysReported) << "\n";
        keysReported = log.size();
    } else if (command == "target") {
        expectCount(args, 0, 0, "no argument");
        const platform::WindowId front = desktop.windows().foregroundWindow();
        const sim::SimTargetApp* shown = nullptr;
        for (const auto& target : targets) {
            if (target->window() == front) shown = target.get();
        }
        if (!shown) throw ScriptError("no simulated application is in the foreground");
        out << targetReport(*shown) << "\n";
    } else if (command == "registry") {
        expectCount(args, 0, 0, "no argument");
        out << registryReport(desktop.settings()) << "\n";
    } else if (command == "snapshot") {
        // The host's own name for the file, as written.
        const std::string file = argumentText(rawRest);
        if (file.empty()) throw ScriptError("expected a file name");
        if (!desktop.snapshotPng(file)) throw ScriptError("cannot write the picture " + file);
    } else {
        throw ScriptError("unknown command '" + toolbox::utf8ForMessages(command) + "'");
    }
}

void ScriptRunner::pressKey(int row, int column, bool left) {
    KeyboardLayout& model = layout();
    if (row >= model.lineCount()) throw ScriptError("no row " + std::to_string(row));
    if (column >= model.getColumnCount()) {
        throw ScriptError("no column " + std::to_string(column));
    }
    Key key;
    try {
        key = model.line(row).keyAtColumn(column);
    } catch (const std::exception&) {
        throw ScriptError("no key at row " + std::to_string(row) + ", column " +
                          std::to_string(column));
    }
    clickKeyCentre(key, left);
}

void ScriptRunner::typeText(const std::string& text) {
    for (char c : text) {
        const auto code = static_cast<std::uint8_t>(c);
        KeyboardLayout& model = layout();
        std::optional<Key> found;
        for (int row = 0; row < model.lineCount() && !found; ++row) {
            const KeyLine& line = model.line(row);
            for (int i = 0; i < line.keyCount() && !found; ++i) {
                const Key key = line.keyAt(i);
                if (isCharacterKey(key) && key.getVirtualKey() == code) found = key;
            }
        }
        if (!found) {
            throw ScriptError("the page on show has no key for '" +
                              toolbox::utf8ForMessages(std::string(1, c)) + "'");
        }
        clickKeyCentre(*found, true);
        if (desktop.ended()) return;
    }
}

void ScriptRunner::clickKeyCentre(const Key& key, bool left) {
    const float scale = layout().getScale();
    const KeyPoint p1 = key.getPoint1();
    const KeyPoint p2 = key.getPoint2();
    const int x = static_cast<int>((p1.getX() + (p2.getX() - p1.getX()) / 2) * scale);
    const int y = static_cast<int>((p1.getY() + (p2.getY() - p1.getY()) / 2) * scale);
    if (left) {
        desktop.leftClick(x, y);
    } else {
        desktop.rightClick(x, y);
    }
}

}  // namespace pelvok_sim
