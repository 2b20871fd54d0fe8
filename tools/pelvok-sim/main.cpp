// pelvok-sim: the keyboard without a screen. Starts the application object on
// a simulated desktop and runs a script of commands inside the keyboard's
// modal loop; see docs/pelvok-sim.md.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "tools/pelvok-sim/options.h"
#include "tools/pelvok-sim/script_runner.h"
#include "tools/toolbox/command_line.h"
#include "tools/toolbox/files.h"
#include "tools/toolbox/sim_keyboard.h"
#include "window/pelvokDlg.h"
#include "window/settings.h"

namespace {

namespace fs = std::filesystem;

using pelvok_sim::Options;

// The application the keystrokes go to until the script brings another forward.
constexpr const char* kFirstTarget = "Bloc de notas";
// The host's root, as Wine shows it: any host file has a Windows path.
constexpr const char* kHostRootDrive = "Z:\\";

// The script's lines; an empty string, with what is wrong, when there is no
// script to run.
std::string readScript(const std::string& file, std::vector<std::string>& lines) {
    const bool standardInput = file.empty() || file == "-";
    const std::string name = standardInput ? "on standard input" : file;
    std::ifstream opened;
    if (!standardInput) {
        std::error_code ignored;
        if (std::filesystem::is_directory(file, ignored)) return file + " is a folder";
        opened.open(file, std::ios::binary);
        if (!opened) return "cannot read the script " + file + ": " + std::strerror(errno);
    }
    std::istream& in = standardInput ? std::cin : static_cast<std::istream&>(opened);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (in.bad()) return "cannot read the script " + name;
    if (lines.empty()) return "the script " + name + " is empty";
    return "";
}

std::string joinedWindows(const fs::path& relative) {
    std::string joined;
    for (const fs::path& part : relative) {
        if (!joined.empty()) joined += '\\';
        joined += part.string();
    }
    return joined;
}

// The Windows path the desktop knows the host file by: under the start
// directory when the file is in the home folder, otherwise on drive Z:.
std::string windowsPathOf(const fs::path& file, const fs::path& home,
                          const std::string& homeWindows) {
    const fs::path relative = file.lexically_relative(home);
    if (!relative.empty() && *relative.begin() != "..") {
        return homeWindows + "\\" + joinedWindows(relative);
    }
    return kHostRootDrive + joinedWindows(file.relative_path());
}

// Makes the keyboard start with the dictionary file, created empty when missing.
bool presetDictionary(sim::SimDesktop& desktop, const Options& options,
                      const std::string& homeWindows) {
    const fs::path file = fs::absolute(options.dictionary).lexically_normal();
    std::error_code ignored;
    if (!fs::exists(file, ignored)) {
        fs::create_directories(file.parent_path(), ignored);
        std::ofstream created(file, std::ios::binary);
        if (!created) return false;
    }
    const fs::path home = fs::absolute(desktop.files().home()).lexically_normal();
    desktop.settings().setValue(kSettingsKey, settings::kDictionaryPath, windowsPathOf(file, home, homeWindows));
    desktop.settings().setValue(kSettingsKey, settings::kDictionaryName, file.stem().string());
    return true;
}

int runKeyboard(const Options& options, const std::vector<std::string>& lines) {
    sim::SimOptions simOptions = toolbox::SimKeyboard::defaultOptions();
    simOptions.screenWidth = options.screenWidth;
    simOptions.screenHeight = options.screenHeight;
    simOptions.home = options.home;
    simOptions.settingsFile = options.registry;
    if (!options.pictures.empty()) simOptions.picturesFolder = options.pictures;
    if (!options.home.empty()) toolbox::makeFolder(options.home);

    toolbox::SimKeyboard keyboard(simOptions);
    sim::SimDesktop& desktop = keyboard.desktop();
    desktop.files().mapFolder(kHostRootDrive, "/");
    if (!options.dictionary.empty() &&
        !presetDictionary(desktop, options, simOptions.homeWindows)) {
        std::cerr << "pelvok-sim: cannot create the dictionary " << options.dictionary << "\n";
        return pelvok_sim::kScriptErrorExitCode;
    }

    pelvok_sim::ScriptRunner runner(desktop, std::cout, std::cerr);
    runner.foreground(kFirstTarget);
    try {
        keyboard.runApplication([&](CPelvokDlg& running) { runner.run(lines, running); });
    } catch (const sim::SimProcessExit& exit) {
        // The keyboard ended the process (its pictures could not be loaded).
        runner.reportMessageBoxes();
        return exit.code;
    }
    runner.reportMessageBoxes();
    return runner.exitCode();
}

}  // namespace

int main(int argc, char** argv) {
    toolbox::CommandLine line("pelvok-sim",
                              "Runs the keyboard on a simulated desktop with the commands of\n"
                              "SCRIPT (standard input when absent or -).",
                              "[SCRIPT | -]", 0, 1);
    pelvok_sim::declareOptions(line);
    return toolbox::runTool(line, argc, argv, [&] {
        const Options options = pelvok_sim::readOptions(line);
        std::vector<std::string> lines;
        const std::string unusable = readScript(options.script, lines);
        if (!unusable.empty()) {
            std::cerr << "pelvok-sim: " << unusable << "\n";
            return pelvok_sim::kScriptErrorExitCode;
        }
        return runKeyboard(options, lines);
    });
}
