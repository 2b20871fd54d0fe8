// What a repaint of the keyboard window draws, read from the simulated
// desktop's record of drawing calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/raster/font.h"
#include "resources/resource_ids.h"
#include "tests/support/keyboard_fixture.h"
#include "window/settings.h"

namespace {

using pelvok_test::KeyboardTest;
using sim::DrawRecord;

class PaintingTest : public KeyboardTest {
protected:
    // Repaints the whole window and returns what was drawn.
    std::vector<DrawRecord> repaint() {
        desktop().graphics().clearDrawLog();
        desktop().framework().invalidate(nullptr);
        desktop().paintIfNeeded();
        return desktop().graphics().drawLog();
    }

    static std::vector<DrawRecord> only(const std::vector<DrawRecord>& drawn,
                                        DrawRecord::Kind kind) {
        std::vector<DrawRecord> kept;
        for (const DrawRecord& record : drawn)
            if (record.kind == kind) kept.push_back(record);
        return kept;
    }

    // The suggestion texts drawn, in order (every DrawText but the name's).
    std::vector<DrawRecord> suggestionTexts(const std::vector<DrawRecord>& drawn) {
        std::vector<DrawRecord> kept;
        for (const DrawRecord& record : only(drawn, DrawRecord::Kind::DrawText))
            if (record.align == platform::Align::Centre) kept.push_back(record);
        return kept;
    }

    int pictureShown() {
        const std::vector<DrawRecord> copies = only(repaint(), DrawRecord::Kind::CopyPicture);
        return copies.empty() ? 0 : copies.back().pictureId;
    }
};

void expectRect(const platform::Rect& rect, const platform::Rect& expected) {
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.top, expected.top);
    EXPECT_EQ(rect.right, expected.right);
    EXPECT_EQ(rect.bottom, expected.bottom);
}

TEST_F(PaintingTest, PictureFollowsThePageFlagsTheSizeAndTheKeysInForce) {
    struct Case {
        std::uint8_t symbols, caps, shift;
        int letterLayout;
        bool loadPage;
        int step;
        int picture;
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, 0, 2, false, 1, IDB_LOWER_1},
        {0, 1, 0, 2, false, 1, IDB_UPPER_1},
        {0, 1, 1, 2, false, 1, IDB_LOWER_SHIFT_1},
        {0, 0, 1, 2, false, 1, IDB_UPPER_SHIFT_1},
        {0, 0, 2, 2, true,  1, IDB_UPPER_SHIFT_1},
        {1, 0, 0, 2, true,  1, IDB_SYMBOLS_1},
        {1, 1, 0, 2, true,  1, IDB_UPPER_1},
        {1, 1, 1, 2, true,  1, IDB_UPPER_1},
        {0, 0, 0, 2, false, 2, IDB_LOWER_2},
        {0, 1, 0, 2, false, 3, IDB_UPPER_3},
        {0, 1, 0, 2, false, 4, IDB_UPPER_4},
        {0, 0, 1, 2, false, 4, IDB_UPPER_SHIFT_4},
        {1, 0, 0, 2, true,  4, IDB_SYMBOLS_4},
        {0, 1, 1, 2, true,  3, IDB_LOWER_SHIFT_3},
        // The optimized keys show their own pictures; the startup keys are QWERTY.
        {0, 0, 0, 1, false, 1, IDB_LOWER_1},
        {0, 0, 0, 1, true,  1, IDB_OPT_LOWER_1},
        {0, 1, 0, 1, true,  2, IDB_OPT_UPPER_2},
        {0, 1, 1, 1, true,  3, IDB_OPT_LOWER_SHIFT_3},
        {0, 0, 1, 1, true,  4, IDB_OPT_UPPER_SHIFT_4},
        {1, 0, 0, 1, true,  1, IDB_SYMBOLS_1},
        {1, 1, 0, 1, true,  1, IDB_OPT_UPPER_1},
    };
    // clang-format on
    CPelvokDlg& keyboard = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "symbols " << int(c.symbols) << " caps " << int(c.caps) << " shift "
                     << int(c.shift) << " arrangement " << c.letterLayout
                     << (c.loadPage ? " loaded" : "") << " step " << c.step);
        KeyboardLayout& model = *keyboard.layout;
        model.loadTables(startupTables());
        model.setSymbolsPage(c.symbols);
        model.setCapsLock(c.caps);
        model.setShiftLatched(c.shift);
        model.setLetterLayout(c.letterLayout);
        if (c.loadPage) model.loadPage();
        keyboard.applySize(c.step);
        EXPECT_EQ(pictureShown(), c.picture);
    }
}

TEST_F(PaintingTest, TextsAndFontsAtEachSize) {
    struct Case {
        int step;
        int textAt, lineFont;
        platform::Rect nameBox;
        int nameFont, suggestionFont;
    };
    const Case cases[] = {
        {1, 7, 18, {133, 241, 315, 255}, 11, 13},
        {2, 7, 19, {147, 267, 349, 283}, 12, 14},
        {3, 8, 21, {162, 294, 384, 311}, 13, 15},
        {4, 12, 33, {246, 447, 584, 473}, 20, 24},
    };
    CPelvokDlg& keyboard = start();
    keyboard.textLine = "hola_";
    keyboard.dictionaryName = "mi diccionario";
    keyboard.suggestions[0] = "casa";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        keyboard.applySize(c.step);
        const std::vector<DrawRecord> drawn = repaint();

        const std::vector<DrawRecord> lines = only(drawn, DrawRecord::Kind::TextOut);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].text, "hola_");
        EXPECT_EQ(lines[0].at.x, c.textAt);
        EXPECT_EQ(lines[0].at.y, c.textAt);
        EXPECT_EQ(lines[0].font.height, c.lineFont);
        EXPECT_EQ(lines[0].font.weight, 900);
        EXPECT_TRUE(lines[0].font.antialiased);

        const std::vector<DrawRecord> suggestions = suggestionTexts(drawn);
        ASSERT_EQ(suggestions.size(), 1u);
        EXPECT_EQ(suggestions[0].font.height, c.suggestionFont);
        EXPECT_EQ(suggestions[0].font.weight, 900);
        EXPECT_FALSE(suggestions[0].font.antialiased) << "QWERTY suggestions";

        const std::vector<DrawRecord> texts = only(drawn, DrawRecord::Kind::DrawText);
        const DrawRecord& name = texts.back();
        EXPECT_EQ(name.text, "mi diccionario");
        expectRect(name.rect, c.nameBox);
        EXPECT_EQ(name.align, platform::Align::Right);
        EXPECT_TRUE(name.wordEllipsis);
        EXPECT_EQ(name.font.height, c.nameFont);
        EXPECT_EQ(name.font.weight, 700);
        EXPECT_FALSE(name.font.antialiased);

        // One composed copy, then the rings straight on the window.
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.front().kind, DrawRecord::Kind::CopyPicture);
        const std::vector<DrawRecord> rings = only(drawn, DrawRecord::Kind::FrameRect);
        EXPECT_EQ(rings.size(), c.step == 4 ? 6u : 4u);
        for (const DrawRecord& ring : rings) EXPECT_TRUE(ring.onWindow);
        EXPECT_EQ(only(drawn, DrawRecord::Kind::Present).size(), 1u);
    }
}

TEST_F(PaintingTest, AnEllipsisShowsTheLineGoesOnBeforeTheEcho) {
    CPelvokDlg& keyboard = start();
    keyboard.textLine = "sa_";
    keyboard.textBeforeUnknown = true;

    const std::vector<DrawRecord> lines = only(repaint(), DrawRecord::Kind::TextOut);

    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "\x85sa_");
}

TEST_F(PaintingTest, SuggestionsAreDrawnFourToSixThenOneToThree) {
    CPelvokDlg& keyboard = start();
    keyboard.suggestions = {"uno", "dos", "tres", "cuatro", "cinco", "seis"};
    std::vector<std::string> order;
    for (const DrawRecord& drawn : suggestionTexts(repaint())) order.push_back(drawn.text);
    EXPECT_EQ(order, (std::vector<std::string>{"cuatro", "cinco", "seis", "uno", "dos", "tres"}));
}

// From the first paint on, at every size, in both arrangements and on
// screens of every picture set, each suggestion is drawn on its own key: a
// click there takes that suggestion.
TEST_F(PaintingTest, EachSuggestionIsDrawnOnItsOwnKey) {
    const std::vector<std::string> texts{"uno", "dos", "tres", "cuatro", "cinco", "seis"};
    for (const char* arrangement : {"1", "2"}) {
        for (int step = 1; step <= 4; ++step) {
            for (int dpi : {96, 144, 192}) {
                SCOPED_TRACE(testing::Message() << "arrangement " << arrangement << " step " << step
                                                << " at " << dpi << " dpi");
                sim::SimOptions options = pelvok_test::KeyboardHarness::defaultOptions();
                options.dpi = dpi;
                options.screenWidth = 4000;
                options.screenHeight = 3000;
                makeDesktop(options);
                setSetting(settings::kLetterLayout, arrangement);
                setSetting(settings::kZoom, std::to_string(step));
                CPelvokDlg& keyboard = start();
                EXPECT_EQ(keyboard.layout->showsOptimizedLetters(), arrangement[0] == '1');
                keyboard.suggestions = {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
                const std::vector<DrawRecord> drawn = suggestionTexts(repaint());
                ASSERT_EQ(drawn.size(), texts.size());
                for (const DrawRecord& box : drawn) {
                    const int index = static_cast<int>(
                        std::find(texts.begin(), texts.end(), box.text) - texts.begin());
                    const std::int32_t cell =
                        keyboard.layout->cellAt(packPoint((box.rect.left + box.rect.right) / 2,
                                                          (box.rect.top + box.rect.bottom) / 2));
                    ASSERT_GE(packedLow(cell), 0) << box.text;
                    const Key key =
                        keyboard.layout->line(packedHigh(cell)).keyAtColumn(packedLow(cell));
                    EXPECT_EQ(key.getVirtualKey(), '1' + index) << box.text;
                }
            }
        }
    }
}

TEST_F(PaintingTest, SymbolsPageDrawsNoSuggestionsButKeepsThem) {
    CPelvokDlg& keyboard = start();
    keyboard.suggestions[0] = "casa";
    keyboard.layout->setSymbolsPage(1);
    keyboard.layout->loadPage();
    const std::vector<DrawRecord> drawn = repaint();
    EXPECT_TRUE(suggestionTexts(drawn).empty());
    EXPECT_EQ(only(drawn, DrawRecord::Kind::TextOut).size(), 1u);
    EXPECT_EQ(only(drawn, DrawRecord::Kind::DrawText).size(), 1u) << "the dictionary name";
    EXPECT_EQ(keyboard.suggestions[0], "casa");
}

// One line when the text is at most 56 × s wide, else cut between
// characters over two lines.
TEST_F(PaintingTest, SuggestionFitting) {
    struct Line {
        std::string text;
        platform::Rect box;
        bool wordEllipsis;
    };
    struct Case {
        const char* what;
        int letterLayout;
        int step;
        int slot;
        std::string text;
        std::vector<Line> lines;
    };
    const std::string fits = "aaaaaaaa";            // 56 pixels at step 1
    const std::string tooWide = "aaaaaaaff";        // 57
    const std::string fourteen = "aaaaaaiiiiaaaa";  // 10 characters fit
    const Case cases[] = {
        {"short", 2, 1, 1, "casa", {{"casa", {100, 103, 157, 119}, true}}},
        {"exactly the limit", 2, 1, 1, fits, {{fits, {100, 103, 157, 119}, true}}},
        {"one pixel more",
         2,
         1,
         1,
         tooWide,
         {{"aaaaaaaf", {100, 99, 157, 111}, false}, {"f", {100, 111, 157, 125}, true}}},
        {"fourteen characters",
         2,
         1,
         1,
         fourteen,
         {{"aaaaaaiiii", {100, 99, 157, 111}, false}, {"aaaa", {100, 111, 157, 125}, true}}},
        {"QWERTY key 5 reaches below its key",
         2,
         1,
         5,
         fourteen,
         {{"aaaaaaiiii", {164, 67, 221, 79}, false}, {"aaaa", {164, 79, 221, 94}, true}}},
        {"optimized key 2 cuts one earlier",
         1,
         1,
         2,
         fourteen,
         {{"aaaaaaiii", {196, 67, 253, 79}, false}, {"iaaaa", {196, 79, 253, 93}, true}}},
        {"optimized key 5",
         1,
         1,
         5,
         fourteen,
         {{"aaaaaaiiii", {196, 35, 253, 47}, false}, {"aaaa", {196, 47, 253, 61}, true}}},
        {"optimized key 4, one line", 1, 1, 4, "casa", {{"casa", {132, 39, 189, 55}, true}}},
        {"size step 4", 2, 4, 1, "casa", {{"casa", {185, 191, 291, 220}, true}}},
        {"empty", 2, 1, 1, "", {}},
    };
    // The widths the cases are built on.
    const raster::Font font(platform::FontSpec{13, 900, false});
    ASSERT_EQ(font.measure(fits), 56);
    ASSERT_EQ(font.measure(tooWide), 57);
    ASSERT_LE(font.measure(fourteen.substr(0, 10)), 56);
    ASSERT_GT(font.measure(fourteen.substr(0, 11)), 56);

    CPelvokDlg& keyboard = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keyboard.layout->setLetterLayout(c.letterLayout);
        keyboard.layout->loadPage();
        keyboard.applySize(c.step);
        keyboard.suggestions.fill("");
        keyboard.suggestions[static_cast<std::size_t>(c.slot - 1)] = c.text;
        const std::vector<DrawRecord> drawn = suggestionTexts(repaint());
        ASSERT_EQ(drawn.size(), c.lines.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].text, c.lines[i].text);
            expectRect(drawn[i].rect, c.lines[i].box);
            EXPECT_EQ(drawn[i].wordEllipsis, c.lines[i].wordEllipsis);
            EXPECT_EQ(drawn[i].font.antialiased, c.letterLayout == 1);
        }
    }
}

TEST_F(PaintingTest, HighlightRings) {
    struct Case {
        int step;
        int state;
        platform::Color color;
        std::vector<platform::Rect> rings;
    };
    // The start key, (130, 33)-(158, 61) at base size.
    const Case cases[] = {
        {1,
         1,
         {0, 0, 255},
         {{129, 32, 160, 63}, {130, 33, 159, 62}, {131, 34, 158, 61}, {132, 35, 157, 60}}},
        {4,
         2,
         {128, 128, 64},
         {{241, 61, 296, 116},
          {242, 62, 295, 115},
          {243, 63, 294, 114},
          {244, 64, 293, 113},
          {245, 65, 292, 112},
          {246, 66, 291, 111}}},
        {1, 3, {}, {}},
    };
    CPelvokDlg& keyboard = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << " state " << c.state);
        keyboard.applySize(c.step);
        keyboard.highlightState = c.state;
        const std::vector<DrawRecord> rings = only(repaint(), DrawRecord::Kind::FrameRect);
        ASSERT_EQ(rings.size(), c.rings.size());
        for (std::size_t i = 0; i < rings.size(); ++i) {
            expectRect(rings[i].rect, c.rings[i]);
            EXPECT_EQ(rings[i].color, c.color);
            EXPECT_TRUE(rings[i].onWindow);
        }
    }
}

TEST_F(PaintingTest, NoMemoryForTheCompositionIsReportedAndALaterRepaintWorks) {
    start();
    desktop().graphics().setCompositionFails(true);
    const std::vector<DrawRecord> drawn = repaint();
    EXPECT_TRUE(drawn.empty());
    const auto& boxes = desktop().dialogs().messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error, no hay memoria / Error, not enougth memory.");
    EXPECT_EQ(boxes[0].caption, "zavidavuz");
    EXPECT_TRUE(boxes[0].owned);
    EXPECT_TRUE(boxes[0].stopIcon);

    desktop().graphics().setCompositionFails(false);
    EXPECT_EQ(pictureShown(), IDB_LOWER_1);
}

TEST_F(PaintingTest, MinimisedWindowIsNotPainted) {
    CPelvokDlg& keyboard = start();
    desktop().windows().minimise(desktop().framework().keyboardWindow());
    desktop().graphics().clearDrawLog();
    keyboard.OnPaint();
    EXPECT_TRUE(desktop().graphics().drawLog().empty());
}

}  // namespace
