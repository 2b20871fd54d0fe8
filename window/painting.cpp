// Painting: the keyboard picture of the page and size on show, the typed
// line, the six suggestions and the dictionary name, composed off screen and
// copied in one go; then the highlight rings straight on the window.
#include <cmath>

#include "dictionary/messages.h"
#include "model/sizes.h"
#include "window/message_guard.h"
#include "window/pelvokDlg.h"

namespace {

// Windows-1252 horizontal ellipsis.
constexpr char kEllipsis = '\x85';
// Before the dictionary's name while learning is paused.
constexpr const char* kPausedLabel = "sin aprender \xB7 ";

// Shown when a repaint cannot get the memory to compose the window in.
constexpr const char* kOutOfMemory = "Error, no hay memoria / Error, not enougth memory.";

// Pages of the `pictures` list, four size steps each.
enum Page { kSymbols, kLower, kUpper, kLowerShift, kUpperShift, kPageCount };

// The text boxes of one suggestion key at base size: x from left to right,
// and y of the one-line box and of the two boxes of a split text.
struct SuggestionBoxes {
    int left, right;
    int top, bottom;
    int firstTop, firstBottom;
    int secondTop, secondBottom;
};

// Suggestion keys 1 to 6 of the optimized arrangement (index 0) and of QWERTY (index 1).
// clang-format off
constexpr SuggestionBoxes kBoxes[2][6] = {
    {
        {132, 189, 71, 87, 67, 79, 79, 93}, {196, 253, 71, 87, 67, 79, 79, 93},
        {260, 317, 71, 87, 67, 79, 79, 93}, {132, 189, 39, 55, 35, 47, 47, 61},
        {196, 253, 39, 55, 35, 47, 47, 61}, {260, 317, 39, 55, 35, 47, 47, 61},
    },
    {
        {100, 157, 103, 119, 99, 111, 111, 125}, {164, 221, 103, 119, 99, 111, 111, 125},
        {228, 285, 103, 119, 99, 111, 111, 125}, {100, 157, 71, 87, 67, 79, 79, 93},
        {164, 221, 71, 87, 67, 79, 79, 94},      {228, 285, 71, 87, 67, 79, 79, 94},
    },
};
// clang-format on

// The order in which the suggestion keys are drawn.
constexpr int kDrawOrder[] = {4, 5, 6, 1, 2, 3};

// Width of one line of a suggestion at base size.
constexpr double kLineLimit = 56;

int scaled(int base, float s) { return static_cast<int>(base * s); }

platform::Rect scaledBox(int left, int top, int right, int bottom, float s) {
    return platform::Rect{scaled(left, s), scaled(top, s), scaled(right, s), scaled(bottom, s)};
}

// The page the flags ask for, first matching rule first.
Page pageOf(const KeyboardLayout& model) {
    const bool symbols = model.getSymbolsPage() == 1;
    const bool caps = model.getCapsLock() == 1;
    const std::uint8_t shift = model.getShiftLatched();
    if (symbols) return caps ? kUpper : kSymbols;
    if (caps) return shift == 0 ? kUpper : kLowerShift;
    return shift != 0 ? kUpperShift : kLower;
}

// Draws one suggestion: on one line when it fits, else cut between
// characters over two lines. `earlierCut` makes the first line one
// character shorter.
void fitSuggestion(platform::Surface& surface, const std::string& text,
                   const SuggestionBoxes& boxes, float s, bool earlierCut) {
    if (text.empty()) return;
    const double limit = kLineLimit * s;
    if (surface.textWidth(text) <= limit) {
        surface.drawText(text, scaledBox(boxes.left, boxes.top, boxes.right, boxes.bottom, s),
                         platform::Align::Centre, true);
        return;
    }
    std::string first = text;
    while (!first.empty() && surface.textWidth(first) > limit) first.pop_back();
    std::size_t cut = first.size();
    if (earlierCut && cut > 0) --cut;
    surface.drawText(text.substr(0, cut),
                     scaledBox(boxes.left, boxes.firstTop, boxes.right, boxes.firstBottom, s),
                     platform::Align::Centre, false);
    surface.drawText(text.substr(cut),
                     scaledBox(boxes.left, boxes.secondTop, boxes.right, boxes.secondBottom, s),
                     platform::Align::Centre, true);
}

}  // namespace

const platform::Picture* CPelvokDlg::chosenPicture() const {
    if (!layout || zoom < 1 || zoom > sizes::kSteps) return nullptr;
    const Page page = pageOf(*layout);
    int index = page * sizes::kSteps + zoom - 1;
    // The letter pages of the optimized keys have pictures of their own.
    if (page != kSymbols && layout->showsOptimizedLetters())
        index += (kPageCount - 1) * sizes::kSteps;
    if (index >= static_cast<int>(pictures.size())) return nullptr;
    return pictures[static_cast<std::size_t>(index)].get();
}

void CPelvokDlg::OnPaint() {
    guarded([&] { paint(); });
}

void CPelvokDlg::paint() {
    if (platform_.framework.isMinimized()) return;
    const platform::Picture* picture = chosenPicture();
    if (!picture) return;
    std::unique_ptr<platform::Surface> surface =
        platform_.graphics.createComposition(picture->width(), picture->height());
    if (!surface) {
        messages::showError(platform_.dialogs, kOutOfMemory);
        return;
    }
    const float s = layout->getScale();
    surface->copyPicture(*picture);

    surface->selectFont(platform::FontSpec{scaled(18, s), 900, true});
    // An ellipsis says the line goes on before what the echo knows.
    surface->textOut(scaled(7, s), scaled(7, s),
                     textBeforeUnknown ? std::string(1, kEllipsis) + textLine : textLine);

    const int arrangement = layout->getLetterLayout();
    if (layout->getSymbolsPage() == 0 && (arrangement == 1 || arrangement == 2))
        drawSuggestions(*surface, s);

    surface->selectFont(platform::FontSpec{scaled(11, s), 700, false});
    // A paused dictionary says so where its name is.
    const std::string name =
        learningPaused ? std::string(kPausedLabel) + dictionaryName : dictionaryName;
    surface->drawText(name, scaledBox(133, 241, 315, 255, s), platform::Align::Right, true);
    drawDwellProgress(*surface, s);

    platform_.graphics.present(*surface);
    surface.reset();

    const int rings = zoom == 4 ? 6 : 4;
    if (highlightState == 1) drawHighlight(0, 0, 255, rings, s);
    if (highlightState == 2) drawHighlight(128, 128, 64, rings, s);
}

void CPelvokDlg::drawSuggestions(platform::Surface& surface, float s) {
    // Where the keys in force have them, whatever the stored arrangement.
    const bool optimized = layout->showsOptimizedLetters();
    surface.selectFont(platform::FontSpec{scaled(13, s), 900, optimized});
    for (int key : kDrawOrder) {
        const SuggestionBoxes& boxes = kBoxes[optimized ? 0 : 1][key - 1];
        fitSuggestion(surface, suggestions[static_cast<std::size_t>(key - 1)], boxes, s,
                      optimized && key == 2);
    }
}

void CPelvokDlg::drawHighlight(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                               double rings, double scale) {
    if (!layout) return;
    std::unique_ptr<platform::Surface> surface = platform_.graphics.windowSurface();
    if (!surface) return;
    const platform::Color color{red, green, blue};
    const double x1 = highlight1.getX() * scale;
    const double y1 = highlight1.getY() * scale;
    const double x2 = highlight2.getX() * scale;
    const double y2 = highlight2.getY() * scale;
    for (int i = 0; i < rings; ++i) {
        const platform::Rect ring{static_cast<int>(std::ceil(x1 + i - 1)),
                                  static_cast<int>(std::ceil(y1 + i - 1)),
                                  static_cast<int>(std::ceil(x2 - i + 2)),
                                  static_cast<int>(std::ceil(y2 - i + 2))};
        surface->frameRect(ring, color);
    }
}
