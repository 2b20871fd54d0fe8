#include "tools/pelvok-sim/options.h"

#include <cstdio>

namespace pelvok_sim {

namespace {

bool parseScreen(const std::string& text, int& width, int& height) {
    int w = 0;
    int h = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &extra) != 2) return false;
    if (w < 1 || h < 1 || w > 32767 || h > 32767) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace

void declareOptions(toolbox::CommandLine& line) {
    line.option("home", "DIR", "host folder of the start directory C:\\Pelvok")
        .option("registry", "FILE", "settings file kept between runs")
        .option("screen", "WxH", "screen size (default 1280x1024)")
        .option("dictionary", "FILE", "dictionary file to use (created empty when missing)")
        .option("pictures", "DIR", "folder of the keyboard pictures");
}

Options readOptions(const toolbox::CommandLine& line) {
    Options options;
    options.home = line.text("home");
    options.registry = line.text("registry");
    options.dictionary = line.text("dictionary");
    options.pictures = line.text("pictures");
    if (line.has("screen")) {
        const std::string screen = line.text("screen");
        if (!parseScreen(screen, options.screenWidth, options.screenHeight)) {
            throw toolbox::UsageError("bad screen size '" + screen + "' (expected WxH)");
        }
    }
    if (!line.operands().empty()) options.script = line.operands()[0];
    return options;
}

}  // namespace pelvok_sim
