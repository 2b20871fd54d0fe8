// Switch scanning on the simulated clock: the frame steps through the rows
// and then the keys of the row picked, a press types the key framed, and
// the switch keys are taken at start and given back at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/key_codes.h"
#include "model/scan_order.h"
#include "tests/activation/key_driver.h"
#include "window/private_messages.h"
#include "window/settings.h"
#include "window/timers.h"

namespace pelvok_test {
namespace {

constexpr int kF7 = 0x76;
constexpr int kF8 = 0x77;
constexpr int kInterval = 500;

class ScanningTest : public KeyDriverTest {
protected:
    // Scanning in the mode (1 or 2) with the interval above.
    CPelvokDlg& startScanning(const std::string& mode, const std::string& cycles = "2") {
        setSetting(settings::kScanning, mode);
        setSetting(settings::kScanInterval, std::to_string(kInterval));
        setSetting(settings::kScanCycles, cycles);
        return startTyping();
    }
    void wait(int steps, int extra = 0) {
        desktop().framework().advance(std::int64_t{steps} * kInterval + extra);
    }
    bool press() { return desktop().framework().pressSwitch(kF7); }
    bool move() { return desktop().framework().pressSwitch(kF8); }

    std::string framed() {
        const CPelvokDlg& keyboard = window();
        return std::to_string(keyboard.highlight1.getX()) + "," +
               std::to_string(keyboard.highlight1.getY()) + "-" +
               std::to_string(keyboard.highlight2.getX()) + "," +
               std::to_string(keyboard.highlight2.getY());
    }
    // The frame round the whole row: its first key to its last.
    std::string rowBox(int row) {
        const std::vector<Key> keys = scan_order::keys(*window().layout, row);
        return std::to_string(keys.front().getPoint1().getX()) + "," +
               std::to_string(keys.front().getPoint1().getY()) + "-" +
               std::to_string(keys.back().getPoint2().getX()) + "," +
               std::to_string(keys.back().getPoint2().getY());
    }
    std::uint8_t currentCode() { return window().layout->currentKey().getVirtualKey(); }
    // The row at a place of the scanning order, and the place of a row.
    int rowAt(int place) { return scan_order::rows(*window().layout)[place]; }
    int placeOf(int row) {
        const std::vector<int> rows = scan_order::rows(*window().layout);
        return static_cast<int>(std::find(rows.begin(), rows.end(), row) - rows.begin());
    }
};

// QWERTY: the letter rows first, those of most letters first, then top to
// bottom; the space bar last.
TEST_F(ScanningTest, TheOrderServesTheLetters) {
    start();
    EXPECT_EQ(scan_order::rows(*window().layout), (std::vector<int>{3, 4, 5, 0, 1, 2, 6}));
    EXPECT_EQ(scan_order::rows(*window().layout, scan_order::Order::TopDown),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(ScanningTest, RowsStepAtTheIntervalNotBeforeAndWrap) {
    struct Case {
        const char* what;
        int waitMs;  // from the previous case
        int place;   // in the scanning order
    };
    const Case cases[] = {
        {"the first row from the start", 0, 0},
        {"not before the interval", kInterval - 1, 0},
        {"at the interval", 1, 1},
        {"one row an interval", 4 * kInterval, 5},
        {"the last row", kInterval, 6},
        {"then the first again", kInterval, 0},
    };
    CPelvokDlg& keyboard = startScanning("1");
    EXPECT_EQ(keyboard.layout->lineCount(), 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        desktop().framework().advance(c.waitMs);
        EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Rows);
        EXPECT_EQ(keyboard.scanning.row(), rowAt(c.place));
        EXPECT_EQ(framed(), rowBox(rowAt(c.place)));
        EXPECT_EQ(keyboard.highlightState, 1);
    }
    EXPECT_EQ(strokes(), "") << "stepping types nothing";
}

TEST_F(ScanningTest, APressPicksTheRowAndASecondTypesTheKeyFramed) {
    CPelvokDlg& keyboard = startScanning("1");
    // Halfway through the interval of the row of q w e r t y u i o p.
    wait(placeOf(3), kInterval / 2);
    ASSERT_TRUE(press());
    EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Keys);
    EXPECT_EQ(currentCode(), direct::kCapsLock) << "the row's first key";
    EXPECT_EQ(framed(), "3,129-63,156");
    // The press started the interval afresh.
    wait(1, -1);
    EXPECT_EQ(currentCode(), direct::kCapsLock);
    wait(0, 1);
    EXPECT_EQ(currentCode(), 'q');
    EXPECT_EQ(framed(), "67,129-94,156");
    wait(1);
    EXPECT_EQ(currentCode(), 'w');

    ASSERT_TRUE(press());
    EXPECT_EQ(strokes(), taps({'W'}));
    EXPECT_EQ(keyboard.textLine, "w_");
    // Back to the first row, which the next interval leaves.
    EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Rows);
    EXPECT_EQ(keyboard.scanning.row(), rowAt(0));
    wait(1);
    EXPECT_EQ(keyboard.scanning.row(), rowAt(1));
}

TEST_F(ScanningTest, KeysWrapInTheRowThenGoBackToRowsAfterTheCycles) {
    struct Case {
        const char* cycles;
        int rounds;
    };
    for (const Case c : {Case{"1", 1}, Case{"3", 3}}) {
        SCOPED_TRACE(c.cycles);
        makeDesktop(KeyboardHarness::defaultOptions());
        CPelvokDlg& keyboard = startScanning("1", c.cycles);
        wait(placeOf(3));
        press();
        const int keys = static_cast<int>(scan_order::keys(*keyboard.layout, 3).size());
        ASSERT_EQ(keys, 12);
        wait(keys - 1);
        int ticks = keys - 1;
        EXPECT_EQ(currentCode(), '.') << "the last key";
        if (c.rounds > 1) {
            wait(1);
            ++ticks;
            EXPECT_EQ(currentCode(), direct::kCapsLock) << "wraps to the first";
        }
        wait(keys * c.rounds - ticks, -1);
        EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Keys);
        wait(0, 1);
        EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Rows);
        EXPECT_EQ(keyboard.scanning.row(), rowAt(0));
        EXPECT_EQ(framed(), rowBox(rowAt(0)));
        EXPECT_EQ(strokes(), "");
    }
}

TEST_F(ScanningTest, TwoSwitchesOneMovesTheOtherPresses) {
    CPelvokDlg& keyboard = startScanning("2");
    wait(10);
    EXPECT_EQ(keyboard.scanning.row(), rowAt(0)) << "no timer: the frame waits for the switch";
    struct Step {
        bool moves;
        int place;          // of the row in the scanning order
        std::uint8_t code;  // of the current key, in the key phase; 0 in the row phase
    };
    // Round all seven rows to the second, the one of a s d f.
    const Step steps[] = {
        {true, 1, 0},   {true, 2, 0},   {true, 3, 0},
        {true, 4, 0},   {true, 5, 0},   {true, 6, 0},
        {true, 0, 0},   {true, 1, 0},   {false, 1, direct::kShiftLatch},
        {true, 1, 'a'}, {true, 1, 's'},
    };
    for (const Step& s : steps) {
        ASSERT_TRUE(s.moves ? move() : press());
        EXPECT_EQ(keyboard.scanning.row(), rowAt(s.place));
        if (s.code != 0) {
            EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Keys);
            EXPECT_EQ(currentCode(), s.code);
        } else {
            EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Rows);
        }
    }
    press();
    EXPECT_EQ(strokes(), taps({'S'}));
    EXPECT_EQ(keyboard.scanning.row(), rowAt(0));
}

// The symbols key loads other rows under the frame: it starts again on
// the first of the new page.
TEST_F(ScanningTest, ANewPageIsScannedFromItsFirstRow) {
    CPelvokDlg& keyboard = startScanning("2");
    for (int place = 0; place < placeOf(2); ++place) move();
    press();
    ASSERT_EQ(currentCode(), direct::kSymbols);
    press();
    EXPECT_EQ(keyboard.layout->getSymbolsPage(), 1);
    EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Rows);
    EXPECT_EQ(framed(), rowBox(rowAt(0)));
    for (int place = 1; place < static_cast<int>(scan_order::rows(*keyboard.layout).size());
         ++place) {
        move();
        EXPECT_EQ(framed(), rowBox(rowAt(place)));
    }
}

TEST_F(ScanningTest, AClickAnywhereIsTheSwitchAndTypesNoKeyItself) {
    CPelvokDlg& keyboard = startScanning("1");
    wait(placeOf(4));           // a s d f ...
    desktop().leftClick(5, 5);  // the text line: no key
    EXPECT_EQ(keyboard.scanning.phase(), SwitchScanning::Phase::Keys);
    wait(1);
    const platform::Point q = pointOf('q');
    desktop().mouseMove(q.x, q.y);
    EXPECT_EQ(currentCode(), 'a') << "the pointer does not move the frame";
    desktop().leftClick(q.x, q.y);
    EXPECT_EQ(strokes(), taps({'A'}));
}

TEST_F(ScanningTest, SwitchKeysAreTakenAtStartAndGivenBackAtTheEnd) {
    struct Case {
        const char* what;
        const char* mode;
        const char* switchKey;  // nullptr: the default
        int pressKey;
        int moveKey;
        bool byExitKey;  // else WM_CLOSE
    };
    const Case cases[] = {
        {"off", "0", nullptr, 0, 0, true},
        {"one switch, the exit key", "1", nullptr, kF7, 0, true},
        {"one switch, WM_CLOSE", "1", nullptr, kF7, 0, false},
        {"space as the switch", "1", "32", vk::kSpace, 0, true},
        {"two switches, the exit key", "2", nullptr, kF7, kF8, true},
        {"two switches, WM_CLOSE", "2", nullptr, kF7, kF8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeDesktop(KeyboardHarness::defaultOptions());
        setSetting(settings::kScanning, c.mode);
        if (c.switchKey) setSetting(settings::kSwitchKey, c.switchKey);
        CPelvokDlg& keyboard = start();
        sim::SimFramework& framework = desktop().framework();
        EXPECT_EQ(framework.switchKey(switch_key::kPress), c.pressKey);
        EXPECT_EQ(framework.switchKey(switch_key::kMove), c.moveKey);
        EXPECT_EQ(framework.timerRunning(timer::kScanStep), std::string(c.mode) == "1");
        if (c.byExitKey) {
            const std::optional<Key> exit =
                findKey(*keyboard.layout, command::kExit, KeyKind::Command);
            ASSERT_TRUE(exit);
            keyboard.selectCell(exit->getColumn(), 0);
            desktop().sendPrivate(private_message::kDrive, 'W');
        } else {
            desktop().close();
        }
        EXPECT_TRUE(desktop().ended());
        EXPECT_EQ(framework.switchKey(switch_key::kPress), 0);
        EXPECT_EQ(framework.switchKey(switch_key::kMove), 0);
        EXPECT_FALSE(framework.timerRunning(timer::kScanStep));
    }
}

// Drawn with the window's rings, scaled with the window, at every size step.
TEST_F(ScanningTest, TheRowFrameIsDrawnAtEverySize) {
    for (int step = 1; step <= 4; ++step) {
        SCOPED_TRACE(step);
        makeDesktop(KeyboardHarness::defaultOptions());
        setSetting(settings::kZoom, std::to_string(step));
        CPelvokDlg& keyboard = startScanning("1");
        wait(placeOf(3));
        const float s = keyboard.layout->getScale();
        desktop().graphics().clearDrawLog();
        desktop().framework().invalidate(nullptr);
        desktop().paintIfNeeded();
        std::vector<platform::Rect> rings;
        for (const sim::DrawRecord& drawn : desktop().graphics().drawLog())
            if (drawn.kind == sim::DrawRecord::Kind::FrameRect) rings.push_back(drawn.rect);
        ASSERT_EQ(rings.size(), step == 4 ? 6u : 4u);
        // The outer ring one pixel outside the row of Caps Lock to '.'.
        const std::vector<Key> keys = scan_order::keys(*keyboard.layout, 3);
        EXPECT_EQ(rings[0].left,
                  static_cast<int>(std::ceil(keys.front().getPoint1().getX() * s - 1)));
        EXPECT_EQ(rings[0].top,
                  static_cast<int>(std::ceil(keys.front().getPoint1().getY() * s - 1)));
        EXPECT_EQ(rings[0].right,
                  static_cast<int>(std::ceil(keys.back().getPoint2().getX() * s + 2)));
        EXPECT_EQ(rings[0].bottom,
                  static_cast<int>(std::ceil(keys.back().getPoint2().getY() * s + 2)));
        EXPECT_GT(rings[0].width(), 5 * rings[0].height()) << "the whole row";
    }
}

TEST_F(ScanningTest, SettingsAreReadInRangeAndSavedOnlyWhileScanning) {
    struct Case {
        const char* what;
        const char* mode;  // nullptr: missing
        const char* interval;
        int mode_read;
        int interval_read;
        bool saved;
    };
    const Case cases[] = {
        {"missing: off, nothing written", nullptr, "700", 0, 1000, false},
        {"off", "0", "700", 0, 700, false},
        {"one switch", "1", "700", 1, 700, true},
        {"interval below the range", "1", "299", 1, 300, true},
        {"interval above the range", "2", "5001", 2, 5000, true},
        {"not a number", "1", "x7", 1, 1000, true},
        {"mode out of range", "3", "700", 0, 700, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeDesktop(KeyboardHarness::defaultOptions());
        if (c.mode) setSetting(settings::kScanning, c.mode);
        setSetting(settings::kScanInterval, c.interval);
        CPelvokDlg& keyboard = start();
        EXPECT_EQ(keyboard.scanSettings.mode, c.mode_read);
        EXPECT_EQ(keyboard.scanSettings.interval, c.interval_read);
        EXPECT_EQ(keyboard.scanning.on(), c.mode_read != 0);
        desktop().settings().removeValue(kSettingsKey, settings::kScanInterval);
        const std::optional<Key> exit = findKey(*keyboard.layout, command::kExit, KeyKind::Command);
        ASSERT_TRUE(exit);
        keyboard.selectCell(exit->getColumn(), 0);
        desktop().sendPrivate(private_message::kDrive, 'W');
        EXPECT_EQ(setting(settings::kScanInterval).has_value(), c.saved);
        if (c.saved) {
            EXPECT_EQ(setting(settings::kScanInterval), std::to_string(c.interval_read));
        }
    }
}

}  // namespace
}  // namespace pelvok_test
