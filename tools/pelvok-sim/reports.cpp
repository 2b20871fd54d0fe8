#include "tools/pelvok-sim/reports.h"

#include <optional>

#include "platform/raster/cp1252.h"
#include "tools/pelvok-sim/json_writer.h"
#include "window/settings.h"

namespace pelvok_sim {

namespace {

constexpr int kUnicodeKeystroke = 4;  // KEYEVENTF_UNICODE

std::string texts(const SuggestionSlots& slots) {
    std::vector<std::string> values;
    for (const std::string& slot : slots) values.push_back(json::text(slot));
    return json::array(values);
}

std::string numbers(std::initializer_list<long long> list) {
    std::vector<std::string> values;
    for (long long value : list) values.push_back(json::number(value));
    return json::array(values);
}

}  // namespace

std::string stateReport(CPelvokDlg& keyboard, sim::SimDesktop& desktop) {
    KeyboardLayout& layout = *keyboard.layout;
    const platform::WindowId window = desktop.windows().keyboardWindow();
    const sim::SimWindow* shown = desktop.windows().window(window);
    const platform::Rect rect = shown ? shown->rect : platform::Rect{};
    json::Object state;
    state.add("textLine", json::text(keyboard.textLine))
        .add("cursorPos", json::number(keyboard.cursorPos))
        .add("suggestions", texts(keyboard.suggestions))
        .add("sentenceStarters", texts(keyboard.sentenceStarters))
        .add("capsLock", json::boolean(layout.getCapsLock() != 0))
        .add("shiftLatched", json::boolean(layout.getShiftLatched() != 0))
        .add("shiftConsumed", json::boolean(layout.getShiftConsumed() != 0))
        .add("symbolsPage", json::boolean(layout.getSymbolsPage() != 0))
        .add("letterLayout", json::number(layout.getLetterLayout()))
        .add("currentRow", json::number(layout.getCurrentRow()))
        .add("currentColumn", json::number(layout.getCurrentColumn()))
        .add("highlight", numbers({keyboard.highlight1.getX(), keyboard.highlight1.getY(),
                                   keyboard.highlight2.getX(), keyboard.highlight2.getY()}))
        .add("highlightState", json::number(keyboard.highlightState))
        .add("position", json::number(keyboard.position))
        .add("zoom", json::number(keyboard.zoom))
        .add("scale", json::decimal(layout.getScale()))
        .add("window", numbers({rect.left, rect.top, rect.width(), rect.height()}))
        .add("visible", json::boolean(shown && shown->alive && shown->visible))
        .add("dictionaryPath", json::text(keyboard.dictionaryPath))
        .add("dictionaryName", json::text(keyboard.dictionaryName))
        .add("sentenceStart", json::boolean(keyboard.sentenceStart))
        .add("selectionActive", json::boolean(keyboard.selectionActive))
        .add("spaceAbsorbed", json::boolean(keyboard.spaceAbsorbed));
    return state.str();
}

std::string keysReport(const std::vector<sim::KeystrokeRecord>& log, std::size_t first) {
    std::vector<std::string> keys;
    for (std::size_t i = first; i < log.size(); ++i) {
        const sim::KeystrokeRecord& record = log[i];
        if (record.isCharacter) {
            keys.push_back(numbers({0, static_cast<long long>(raster::cp1252ToUnicode(record.ch)),
                                    kUnicodeKeystroke}));
        } else {
            keys.push_back(numbers({record.vk, record.scan, record.flags}));
        }
    }
    return json::Object().add("keys", json::array(keys)).str();
}

std::string targetReport(const sim::SimTargetApp& app) {
    return json::Object()
        .add("title", json::text(app.title()))
        .add("text", json::text(app.text()))
        .add("caret", json::number(static_cast<long long>(app.caret())))
        .str();
}

std::string registryReport(const sim::SimSettings& settings) {
    json::Object values;
    for (const char* name : {settings::kLetterLayout, settings::kZoom, settings::kPosition,
                             settings::kDictionaryPath, settings::kDictionaryName}) {
        const std::optional<std::string> value = settings.value(kSettingsKey, name);
        if (value) values.add(name, json::text(*value));
    }
    return values.str();
}

}  // namespace pelvok_sim
