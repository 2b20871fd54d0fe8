// pelvok-fuzz: clicks random keys of the real keyboard on the simulated
// desktop and checks after each that the edit box's line reads as the
// keyboard's echo; a divergence is shrunk to a short script.
//
// Exit codes: 0 no divergence, 1 a divergence, 2 a bad command line or
// input (or a keyboard that cannot start).
#include <filesystem>
#include <iostream>
#include <limits>
#include <stdexcept>

#include "tools/pelvok-fuzz/fuzz_keyboard.h"
#include "tools/pelvok-fuzz/fuzzer.h"
#include "tools/toolbox/command_line.h"
#include "tools/toolbox/files.h"

namespace {

constexpr int kDivergenceExit = 1;
constexpr long long kMost = std::numeric_limits<long long>::max();

int replayFile(const std::string& file, const std::string& dictionary) {
    std::vector<fuzz::Action> actions;
    try {
        actions = fuzz::parseScript(toolbox::readFile(file));
    } catch (const std::exception& failure) {
        throw toolbox::UsageError(file + ": " + failure.what());
    }
    if (actions.empty()) throw toolbox::UsageError(file + " holds no action");
    const fuzz::StartingDictionary start(dictionary);
    return fuzz::printScript(std::cout, actions, start.file()) ? kDivergenceExit : 0;
}

int run(const toolbox::CommandLine& line) {
    fuzz::FuzzOptions options;
    options.seed = static_cast<std::uint32_t>(line.number("seed", 0, 0xFFFFFFFF, 1));
    options.keys = static_cast<std::size_t>(line.number("keys", 1, kMost, 200000));
    options.restartEvery = static_cast<std::size_t>(line.number("restart-every", 1, kMost, 2000));
    options.dictionary = line.text("dictionary");
    options.keepGoing = line.isSet("keep-going");
    options.report = line.isSet("report");
    if (!options.dictionary.empty() && !std::filesystem::is_regular_file(options.dictionary))
        throw toolbox::UsageError("no dictionary file " + options.dictionary);
    const std::string layout = line.has("layout") ? line.text("layout") : "es";
    if (layout != "es" && layout != "us")
        throw toolbox::UsageError("bad --layout '" + layout + "': es or us");
    fuzz::SetSystemLayout(layout == "us" ? sim::SystemLayout::Us : sim::SystemLayout::Spanish);
    try {
        if (line.has("replay")) return replayFile(line.text("replay"), options.dictionary);
        const fuzz::FuzzResult result = fuzz::fuzz(options);
        fuzz::printResult(std::cout, options, result);
        return result.divergences > 0 ? kDivergenceExit : 0;
    } catch (const toolbox::UsageError&) {
        throw;
    } catch (const std::exception& failure) {
        // The keyboard's own failures are divergences; this is one of the setting.
        throw toolbox::UsageError(std::string("cannot run the keyboard: ") + failure.what());
    }
}

}  // namespace

int main(int argc, char** argv) {
    toolbox::CommandLine line(
        "pelvok-fuzz",
        "Clicks random keys of the keyboard on a simulated desktop and checks after each\n"
        "that the edit box's line reads as the keyboard's echo. The first divergence is\n"
        "shrunk to a short script (printed; --replay reads it back). Exit code 0: no\n"
        "divergence, 1: a divergence, 2: a bad command line or input.",
        "", 0, 0);
    line.option("seed", "N", "seed of the random actions (default 1)")
        .option("keys", "N", "actions in all (default 200000)")
        .option("restart-every", "N", "a fresh keyboard every N actions (default 2000)")
        .option("dictionary", "FILE.dic", "dictionary copied for each keyboard (default: empty)")
        .option("replay", "FILE", "replay a script instead of random actions")
        .option("layout", "es|us", "keyboard layout of the desktop (default es, Spanish)")
        .flag("keep-going", "count every divergence, a fresh keyboard after each")
        .flag("report", "print the actions a second and the divergences found");
    return toolbox::runTool(line, argc, argv, [&] { return run(line); });
}
