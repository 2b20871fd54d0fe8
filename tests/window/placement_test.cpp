// Docking positions and size steps of the keyboard window.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/keyboard_fixture.h"
#include "window/settings.h"

namespace {

using pelvok_test::KeyboardTest;

using PlacementTest = KeyboardTest;

platform::Rect keyboardRect(sim::SimDesktop& desktop) {
    return desktop.windows().windowRect(desktop.framework().keyboardWindow());
}

void expectRect(const platform::Rect& rect, int x, int y, int width, int height) {
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);
    EXPECT_EQ(rect.width(), width);
    EXPECT_EQ(rect.height(), height);
}

TEST_F(PlacementTest, PositionsAndSizes) {
    struct Case {
        int step;
        int position;
        int x, y, width, height;
    };
    struct Screen {
        int width, height;
        std::vector<Case> cases;
    };
    // clang-format off
    const Screen screens[] = {
        {1280, 1024, {
            {1, 1, 430, 738, 419, 256}, {4, 5, 502, 519, 777, 474}, {2, 1, 407, 709, 465, 284},
            {3, 1, 384, 681, 511, 312}, {1, 2, 1, 738, 419, 256},   {1, 3, 1, 1, 419, 256},
            {1, 4, 861, 1, 419, 256},   {1, 5, 861, 738, 419, 256}, {4, 6, 251, 519, 777, 474},
        }},
        {1024, 768, {{2, 4, 558, 1, 465, 284}, {3, 5, 512, 425, 511, 312}}},
    };
    // clang-format on
    for (const Screen& screen : screens) {
        makeScreen(screen.width, screen.height);
        CPelvokDlg& keyboard = start();
        for (const Case& c : screen.cases) {
            SCOPED_TRACE(testing::Message() << screen.width << " x " << screen.height << " step "
                                            << c.step << " position " << c.position);
            keyboard.position = c.position;
            keyboard.applySize(c.step);
            expectRect(keyboardRect(desktop()), c.x, c.y, c.width, c.height);
        }
    }
}

TEST_F(PlacementTest, StoredSizeAndPositionPlaceTheWindowAtStart) {
    setSetting(settings::kZoom, "4");
    setSetting(settings::kPosition, "5");
    start();
    expectRect(keyboardRect(desktop()), 502, 519, 777, 474);
}

TEST_F(PlacementTest, PositionOutsideOneToSixLeavesTheWindow) {
    CPelvokDlg& keyboard = start();
    desktop().windows().clearCalls();
    for (int position : {0, 7, -1}) keyboard.placeWindow(position);
    EXPECT_TRUE(desktop().windows().calls().empty());
    expectRect(keyboardRect(desktop()), 430, 738, 419, 256);
}

// Position 6 docks at the bottom centre and fits the application typed into
// above the keyboard.
TEST_F(PlacementTest, PositionSixFitsTheApplicationAbove) {
    struct Case {
        const char* what;
        platform::Rect application;
        bool maximised;
        platform::Rect fitted;
    };
    const Case cases[] = {
        {"low window", {100, 50, 700, 350}, false, {340, 438, 940, 738}},
        {"tall window", {100, 50, 700, 450}, false, {0, 0, 1280, 738}},
        {"maximised window", {100, 50, 700, 350}, true, {0, 0, 1280, 738}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeScreen(1280, 1024);
        CPelvokDlg& keyboard = start();
        sim::SimWindows& windows = desktop().windows();
        const platform::WindowId application = windows.createWindow("editor", c.application);
        if (c.maximised) windows.maximise(application);
        windows.setForeground(application);
        windows.attachInput(application, true);
        windows.clearCalls();

        keyboard.position = 6;
        keyboard.placeWindow(6);
        expectRect(keyboardRect(desktop()), 430, 738, 419, 256);
        const platform::Rect fitted = windows.windowRect(application);
        expectRect(fitted, c.fitted.left, c.fitted.top, c.fitted.width(), c.fitted.height());
        EXPECT_EQ(windows.callsOf(sim::WindowCall::Kind::Restore).size(),
                  c.fitted.top == 0 ? 1u : 0u);
        EXPECT_EQ(windows.activeWindow(), application);
        EXPECT_EQ(windows.foregroundWindow(), application);
    }
}

TEST_F(PlacementTest, PositionSixWithoutAnApplicationOnlyDocks) {
    CPelvokDlg& keyboard = start();
    desktop().windows().clearCalls();
    keyboard.placeWindow(6);
    expectRect(keyboardRect(desktop()), 430, 738, 419, 256);
    EXPECT_EQ(desktop().windows().calls().size(), 1u);
}

// A primary monitor with a 48-pixel task bar at the bottom and, to its
// right, a wider one with the task bar on its left.
std::vector<sim::SimMonitor> twoMonitors() {
    return {{{0, 0, 1280, 1024}, {0, 0, 1280, 976}},
            {{1280, 0, 3200, 1080}, {1340, 0, 3200, 1080}}};
}

// The keyboard docks within the work area of the monitor that shows the
// application typed into, or its own without one.
TEST_F(PlacementTest, DocksWithinTheWorkAreaOfTheApplicationsMonitor) {
    struct Case {
        const char* what;
        platform::Rect application;  // empty: no foreground window
        int position;
        platform::Rect keyboard;
        platform::Rect fitted;  // position 6
    };
    const Case cases[] = {
        {"primary, bottom centre", {100, 100, 700, 400}, 1, {430, 720, 849, 976}, {}},
        {"primary, bottom right", {100, 100, 700, 400}, 5, {861, 720, 1280, 976}, {}},
        {"primary, top right", {100, 100, 700, 400}, 4, {861, 1, 1280, 257}, {}},
        {"second, bottom centre", {1400, 100, 2000, 300}, 1, {2060, 824, 2479, 1080}, {}},
        {"second, top left", {1400, 100, 2000, 300}, 3, {1341, 1, 1760, 257}, {}},
        {"second, bottom left", {1400, 100, 2000, 300}, 2, {1341, 824, 1760, 1080}, {}},
        {"second, fitted above",
         {1400, 100, 2000, 300},
         6,
         {2060, 824, 2479, 1080},
         {1970, 624, 2570, 824}},
        {"second, tall fitted above",
         {1400, 100, 2000, 600},
         6,
         {2060, 824, 2479, 1080},
         {1340, 0, 3200, 824}},
        {"no application", {}, 1, {430, 720, 849, 976}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeScreen(1280, 1024);
        desktop().windows().setMonitors(twoMonitors());
        CPelvokDlg& keyboard = start();
        sim::SimWindows& windows = desktop().windows();
        platform::WindowId application = 0;
        if (c.application.width() > 0) {
            application = windows.createWindow("editor", c.application);
            windows.setForeground(application);
            windows.attachInput(application, true);
        }
        keyboard.position = c.position;
        keyboard.placeWindow(c.position);
        const platform::Rect& k = c.keyboard;
        expectRect(keyboardRect(desktop()), k.left, k.top, k.width(), k.height());
        if (c.fitted.width() > 0) {
            const platform::Rect& f = c.fitted;
            expectRect(windows.windowRect(application), f.left, f.top, f.width(), f.height());
        }
    }
}

// A new screen (a rotated tablet, a monitor plugged in, a task bar moved)
// docks the keyboard again at its position, at its size.
TEST_F(PlacementTest, ANewScreenDocksTheKeyboardAgain) {
    setSetting(settings::kZoom, "2");
    setSetting(settings::kPosition, "5");
    CPelvokDlg& keyboard = start();
    expectRect(keyboardRect(desktop()), 814, 709, 465, 284);

    desktop().windows().setMonitors({{{0, 0, 1024, 1280}, {0, 0, 1024, 1232}}});
    desktop().framework().displayChange();
    expectRect(keyboardRect(desktop()), 558, 947, 465, 284);
    EXPECT_EQ(keyboard.screenWidth, 1024);
    EXPECT_EQ(keyboard.position, 5);
    EXPECT_EQ(keyboard.zoom, 2);
}

// The magnifier key's cycle: three steps on a narrow screen, four on a wide one.
TEST_F(PlacementTest, SizeCycle) {
    struct Step {
        int zoom;
        float scale;
        int width;
    };
    struct Case {
        int screenWidth;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {1280, {{2, 1.11f, 465}, {3, 1.22f, 511}, {4, 1.855f, 777}, {1, 1.0f, 419}}},
        {1024, {{2, 1.11f, 465}, {3, 1.22f, 511}, {1, 1.0f, 419}, {2, 1.11f, 465}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screenWidth);
        makeScreen(c.screenWidth, 768);
        CPelvokDlg& keyboard = start();
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.zoom);
            keyboard.nextSize();
            EXPECT_EQ(keyboard.zoom, step.zoom);
            EXPECT_FLOAT_EQ(keyboard.layout->getScale(), step.scale);
            EXPECT_EQ(keyboardRect(desktop()).width(), step.width);
        }
    }
}

TEST_F(PlacementTest, ApplySizeThenTheCycleStartsAgain) {
    CPelvokDlg& keyboard = start();
    keyboard.applySize(4);
    EXPECT_EQ(keyboard.zoom, 4);
    EXPECT_FLOAT_EQ(keyboard.layout->getScale(), 1.855f);
    expectRect(keyboardRect(desktop()), 251, 519, 777, 474);
    keyboard.nextSize();
    EXPECT_EQ(keyboard.zoom, 1);
    EXPECT_FLOAT_EQ(keyboard.layout->getScale(), 1.0f);
    expectRect(keyboardRect(desktop()), 430, 738, 419, 256);

    // Steps outside 1 to 4 change nothing.
    for (int step : {0, 5}) keyboard.applySize(step);
    EXPECT_EQ(keyboard.zoom, 1);
    EXPECT_FLOAT_EQ(keyboard.layout->getScale(), 1.0f);
}

TEST_F(PlacementTest, NewSizeKeepsThePositionAndIsNotSaved) {
    setSetting(settings::kPosition, "4");
    CPelvokDlg& keyboard = start();
    keyboard.applySize(2);
    expectRect(keyboardRect(desktop()), 814, 1, 465, 284);
    EXPECT_EQ(setting(settings::kZoom), "1");
}

}  // namespace
