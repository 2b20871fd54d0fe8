// Dwell selection: the pointer resting on a key presses it, on the
// simulated clock.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/key_codes.h"
#include "resources/resource_ids.h"
#include "tests/activation/key_driver.h"
#include "window/settings.h"

namespace pelvok_test {
namespace {

class DwellTest : public KeyDriverTest {
protected:
    CPelvokDlg& startDwelling(const std::string& time, const std::string& repeat = "0") {
        setSetting(settings::kDwellTime.name, time);
        setSetting(settings::kDwellRepeat.name, repeat);
        return startTyping();
    }
    void moveTo(platform::Point point) { desktop().mouseMove(point.x, point.y); }
    void wait(int milliseconds) { desktop().framework().advance(milliseconds); }
    // The width of the progress bar last drawn, -1 when none.
    int barWidth() {
        desktop().graphics().clearDrawLog();
        desktop().framework().invalidate(nullptr);
        desktop().paintIfNeeded();
        int width = -1;
        for (const sim::DrawRecord& drawn : desktop().graphics().drawLog())
            if (drawn.kind == sim::DrawRecord::Kind::FillRect) width = drawn.rect.width();
        return width;
    }
};

// Each step moves the pointer (relative to the centre of 'q', or onto 'w',
// or off the keys) or waits; then the keystrokes so far are checked.
TEST_F(DwellTest, RestingPressesOnceAfterTheTime) {
    struct Step {
        enum { Centre, Nudge, Wander, OtherKey, OffKeys, Wait } what;
        int milliseconds;
        std::string typed;  // the target's keys so far
    };
    struct Case {
        const char* what;
        const char* repeat;
        std::vector<Step> steps;
    };
    const std::string q = taps({0x51});
    const Case cases[] = {
        {"not before the time, then once",
         "0",
         {{Step::Centre, 0, ""},
          {Step::Wait, 950, ""},
          {Step::Wait, 100, q},
          {Step::Wait, 3000, q}}},
        {"jitter within the radius keeps the rest",
         "0",
         {{Step::Centre, 0, ""},
          {Step::Wait, 500, ""},
          {Step::Nudge, 0, ""},
          {Step::Wait, 550, q}}},
        {"wandering further starts it again",
         "0",
         {{Step::Centre, 0, ""},
          {Step::Wait, 500, ""},
          {Step::Wander, 0, ""},
          {Step::Wait, 550, ""},
          {Step::Wait, 500, q}}},
        {"leaving and coming back presses again",
         "0",
         {{Step::Centre, 0, ""},
          {Step::Wait, 1050, q},
          {Step::OtherKey, 0, q},
          {Step::Wait, 1050, taps({0x51, 0x57})},
          {Step::Centre, 0, taps({0x51, 0x57})},
          {Step::Wait, 1050, taps({0x51, 0x57, 0x51})}}},
        {"off the keys nothing happens", "0", {{Step::OffKeys, 0, ""}, {Step::Wait, 3000, ""}}},
        {"a repeat time presses again while resting",
         "700",
         {{Step::Centre, 0, ""},
          {Step::Wait, 1050, q},
          {Step::Wait, 700, taps({0x51, 0x51})},
          {Step::Wait, 700, taps({0x51, 0x51, 0x51})}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeDesktop(KeyboardHarness::defaultOptions());
        startDwelling("1000", c.repeat);
        const platform::Point onQ = pointOf('q');
        for (const Step& step : c.steps) {
            switch (step.what) {
                case Step::Centre:
                    moveTo(onQ);
                    break;
                case Step::Nudge:
                    moveTo({onQ.x + 6, onQ.y - 5});
                    break;
                case Step::Wander:
                    moveTo({onQ.x + 12, onQ.y + 4});
                    break;
                case Step::OtherKey:
                    moveTo(pointOf('w'));
                    break;
                case Step::OffKeys:
                    moveTo({2, 2});
                    break;  // the frame of the text strip
                case Step::Wait:
                    wait(step.milliseconds);
                    break;
            }
            EXPECT_EQ(strokes(), step.typed);
        }
    }
}

TEST_F(DwellTest, TheProgressGrowsOnTheKeyAtEverySize) {
    for (const char* zoom : {"1", "4"}) {
        SCOPED_TRACE(zoom);
        makeDesktop(KeyboardHarness::defaultOptions());
        setSetting(settings::kZoom, zoom);
        CPelvokDlg& keyboard = startDwelling("1000");
        const float s = keyboard.layout->getScale();
        const Key q = keyOf('q');
        const int inset = keyboard.zoom == 4 ? 8 : 6;  // inside the frame's rings
        const int keyWidth = static_cast<int>(q.getPoint2().getX() * s) -
                             static_cast<int>(q.getPoint1().getX() * s) - 2 * inset + 1;
        moveTo(pointOf('q'));
        EXPECT_EQ(barWidth(), -1) << "nothing drawn before the rest";
        wait(250);
        EXPECT_NEAR(barWidth(), keyWidth / 4, 2);
        wait(500);
        EXPECT_NEAR(barWidth(), keyWidth * 3 / 4, 2);
        EXPECT_NEAR(keyboard.dwellProgress(), 0.75, 0.01);
        // Seen on the window, inside the frame the hovered key has.
        const raster::Image& shown = desktop().graphics().windowImage();
        const platform::Point onQ = pointOf('q');
        const int barY = static_cast<int>(q.getPoint2().getY() * s) - inset - 1;
        EXPECT_EQ(shown.pixel(onQ.x - keyWidth / 4, barY), (raster::Color{0, 150, 60}));
        wait(300);
        EXPECT_EQ(barWidth(), -1) << "pressed: the bar goes";
    }
}

TEST_F(DwellTest, OffByDefaultAndNothingWhileTheFileDialogIsUp) {
    CPelvokDlg& keyboard = startTyping();
    moveTo(pointOf('q'));
    wait(5000);
    EXPECT_EQ(strokes(), "");
    EXPECT_FALSE(desktop().framework().timerRunning(1));

    keyboard.setDwellTime(500);
    keyboard.layout->setFileDialogKind(file_dialog::kOpen);
    moveTo(pointOf('w'));
    wait(2000);
    EXPECT_EQ(strokes(), "");
}

// The size menu's item turns dwell off and on again at the time in use, and
// shows whether it is on; the exit command writes the dwell settings in use.
TEST_F(DwellTest, TheMenuItemTogglesItAndExitSavesIt) {
    CPelvokDlg& keyboard = startDwelling("1500");
    const platform::Point magnifier = pointOf(command::kNextSize, KeyKind::Command);
    const auto toggle = [&] {
        desktop().dialogs().queueMenuAnswer(ID_DWELL);
        desktop().rightClick(magnifier.x, magnifier.y);
    };
    toggle();
    EXPECT_EQ(desktop().dialogs().menus().back().checkedItems, std::vector<int>{ID_DWELL});
    EXPECT_EQ(keyboard.dwellTime, 0);
    toggle();
    EXPECT_TRUE(desktop().dialogs().menus().back().checkedItems.empty());
    EXPECT_EQ(keyboard.dwellTime, 1500);

    click(command::kExit, KeyKind::Command);
    EXPECT_EQ(setting(settings::kDwellTime.name), "1500");
    EXPECT_EQ(setting(settings::kDwellRadius.name), std::nullopt) << "never set, never written";
    EXPECT_EQ(setting(settings::kDwellRepeat.name), "0");
}

TEST(DwellSettings, NumbersOutOfRangeComeIntoItAndGarbageGivesTheDefault) {
    struct Case {
        std::optional<std::string> stored;
        int time;
    };
    const Case cases[] = {{std::nullopt, 0}, {"0", 0},      {"1200", 1200}, {"50", 300},
                          {"99999", 3000},   {"abc", 0},    {"", 0},        {"-5", 300},
                          {" 800", 800},     {"800ms", 800}};
    for (const Case& c : cases) {
        sim::SimDesktop desktop;
        platform::Settings& store = desktop.platform().settings;
        store.createKey(kSettingsKey);
        if (c.stored) store.writeValue(kSettingsKey, settings::kDwellTime.name, *c.stored);
        EXPECT_EQ(settings::readNumber(store, settings::kDwellTime), c.time)
            << (c.stored ? *c.stored : "(none)");
    }
}

}  // namespace
}  // namespace pelvok_test
