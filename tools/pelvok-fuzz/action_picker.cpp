#include "tools/pelvok-fuzz/action_picker.h"

#include "window/private_messages.h"

namespace fuzz {

namespace {

bool isKeyCategory(Category category) { return category < Category::Move; }

}  // namespace

Action ActionPicker::next(FuzzKeyboard& keyboard) {
    for (std::vector<Key>& keys : onShow_) keys.clear();
    const KeyboardLayout& layout = keyboard.layout();
    for (int row = 0; row < layout.lineCount(); ++row) {
        const KeyLine& line = layout.line(row);
        for (int i = 0; i < line.keyCount(); ++i) {
            const Key key = line.keyAt(i);
            if (key.getSize() <= 0) continue;
            const Category category = keyboard.categoryOf(key);
            if (category != Category::Excluded)
                onShow_[static_cast<std::size_t>(category)].push_back(key);
        }
    }
    const bool symbolsPage = layout.getSymbolsPage() != 0;
    const bool currentExcluded = keyboard.categoryOf(layout.currentKey()) == Category::Excluded;
    auto weightOf = [&](const Weight& weight) -> std::uint32_t {
        if (isKeyCategory(weight.category) &&
            onShow_[static_cast<std::size_t>(weight.category)].empty())
            return 0;
        if (weight.category == Category::Press && currentExcluded) return 0;
        return static_cast<std::uint32_t>(symbolsPage ? weight.onSymbols : weight.onLetters);
    };

    std::uint32_t total = 0;
    for (const Weight& weight : kWeights) total += weightOf(weight);
    std::uint32_t drawn = below(total);
    Category chosen = Category::StrayClick;
    for (const Weight& weight : kWeights) {
        const std::uint32_t share = weightOf(weight);
        if (drawn < share) {
            chosen = weight.category;
            break;
        }
        drawn -= share;
    }

    if (isKeyCategory(chosen)) {
        const std::vector<Key>& keys = onShow_[static_cast<std::size_t>(chosen)];
        const Key& key = keys[below(static_cast<std::uint32_t>(keys.size()))];
        return Action::key(kindOf(key), key.getVirtualKey());
    }
    switch (chosen) {
        case Category::Move:
            return Action::message(private_message::kDrive, "AEGC"[below(4)]);
        case Category::Press:
            return Action::message(private_message::kDrive, 'W');
        case Category::ShowHideSnap: {
            constexpr std::uint8_t kMessages[] = {private_message::kShow, private_message::kHide,
                                                  private_message::kSnap};
            return Action::message(kMessages[below(3)]);
        }
        case Category::ClearLine:
            return Action::message(private_message::kResetLine);
        default:
            return strayClick(keyboard);
    }
}

Action ActionPicker::strayClick(FuzzKeyboard& keyboard) {
    const platform::Point size = keyboard.windowSize();
    if (size.x <= 0 || size.y <= 0) return Action::click(0, 0);
    for (;;) {
        const int x = static_cast<int>(below(static_cast<std::uint32_t>(size.x)));
        const int y = static_cast<int>(below(static_cast<std::uint32_t>(size.y)));
        const std::optional<Key> key = keyboard.keyAt(x, y);
        if (!key || keyboard.categoryOf(*key) != Category::Excluded) return Action::click(x, y);
    }
}

}  // namespace fuzz
