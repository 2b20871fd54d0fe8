#include "tools/pelvok-sim/options.h"

#include <cstdio>

namespace pelvok_sim {

const char* const kUsage =
    "usage: pelvok-sim [options] [SCRIPT | -]\n"
    "Runs the keyboard on a simulated desktop with the commands of SCRIPT\n"
    "(standard input when absent or -).\n"
    "  --home DIR         host folder of the start directory C:\\Pelvok\n"
    "  --registry FILE    settings file kept between runs\n"
    "  --screen WxH       screen size (default 1280x1024)\n"
    "  --dictionary FILE  dictionary file to use (created empty when missing)\n"
    "  --pictures DIR     folder of the keyboard pictures\n";

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

std::optional<Options> parseOptions(int argc, char** argv, std::string& error) {
    Options options;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            std::string value;
            const std::size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
                arg = arg.substr(0, equals);
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
            if (arg == "--home") {
                options.home = value;
            } else if (arg == "--registry") {
                options.registry = value;
            } else if (arg == "--dictionary") {
                options.dictionary = value;
            } else if (arg == "--pictures") {
                options.pictures = value;
            } else if (arg == "--screen") {
                if (!parseScreen(value, options.screenWidth, options.screenHeight)) {
                    error = "bad screen size '" + value + "' (expected WxH)";
                    return std::nullopt;
                }
            } else {
                error = "unknown option " + arg;
                return std::nullopt;
            }
            if (value.empty()) {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
            continue;
        }
        if (haveScript) {
            error = "more than one script";
            return std::nullopt;
        }
        options.script = arg;
        haveScript = true;
    }
    return options;
}

}  // namespace pelvok_sim
