// Pictures of the painted window for a person to look at, not checked:
//   window_tests --gtest_also_run_disabled_tests --gtest_filter='*Snapshots*'
// writes PNG files to $PELVOK_SNAPSHOTS (default /tmp/pelvok-snapshots).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/keyboard_fixture.h"
#include "window/settings.h"

namespace {

using pelvok_test::KeyboardTest;

using Snapshots = KeyboardTest;

TEST_F(Snapshots, DISABLED_EveryPageAtEverySize) {
    const char* folder = std::getenv("PELVOK_SNAPSHOTS");
    const std::string out = folder ? folder : "/tmp/pelvok-snapshots";
    std::filesystem::create_directories(out);
    struct Page {
        const char* name;
        std::uint8_t symbols, caps, shift;
        int letterLayout;
    };
    const Page pages[] = {
        {"lower", 0, 0, 0, 2},     {"upper", 0, 1, 0, 2},         {"shift", 0, 0, 1, 2},
        {"symbols", 1, 0, 0, 2},   {"optimized-lower", 0, 0, 0, 1}, {"optimized-shift", 0, 1, 1, 1},
    };
    CPelvokDlg& keyboard = start();
    for (const Page& page : pages) {
        for (int step = 1; step <= 4; ++step) {
            for (bool texts : {false, true}) {
                KeyboardLayout& model = *keyboard.layout;
                model.setSymbolsPage(page.symbols);
                model.setCapsLock(page.caps);
                model.setShiftLatched(page.shift);
                model.setLetterLayout(page.letterLayout);
                model.loadPage();
                keyboard.applySize(step);
                keyboard.selectCell(4, 1);
                if (texts) {
                    keyboard.textLine = "el perro come la comida de su amigo y sale a la cal_";
                    keyboard.suggestions = {"casa", "caramelos", "extraordinariamente",
                                            "l'agua", "cielo", "comunicaciones"};
                    keyboard.dictionaryName = "diccionario de prueba con un nombre largo";
                } else {
                    keyboard.textLine = "_";
                    keyboard.suggestions.fill("");
                    keyboard.dictionaryName = settings::kDefaultDictionaryName;
                }
                desktop().framework().invalidate(nullptr);
                desktop().paintIfNeeded();
                const std::string file = out + "/" + page.name + "-" + std::to_string(step) +
                                         (texts ? "-texts" : "") + ".png";
                EXPECT_TRUE(desktop().snapshotPng(file)) << file;
            }
        }
    }
}

}  // namespace
