// pelvok-sim: the keyboard without a screen. Starts the application object on
// a simulated desktop and runs a script of commands inside the keyboard's
// modal loop; see docs/pelvok-sim.md.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "tools/pelvok-sim/framework_tap.h"
#include "tools/pelvok-sim/options.h"
#include "tools/pelvok-sim/script_runner.h"
#include "window/pelvok.h"
#include "window/pelvokDlg.h"

namespace {

namespace fs = std::filesystem;

using pelvok_sim::Options;

// The application the keystrokes go to until the script brings another forward.
constexpr const char* kFirstTarget = "Bloc de notas";
// The host's root, as Wine shows it: any host file has a Windows path.
constexpr const char* kHostRootDrive = "Z:\\";

bool readScript(const std::string& file, std::vector<std::string>& lines) {
    std::ifstream opened;
    if (!file.empty() && file != "-") {
        opened.open(file, std::ios::binary);
        if (!opened) return false;
    }
    std::istream& in = opened.is_open() ? static_cast<std::istream&>(opened) : std::cin;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
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
    desktop.settings().setValue(kSettingsKey, "ruta_BD", windowsPathOf(file, home, homeWindows));
    desktop.settings().setValue(kSettingsKey, "nombre_BD", file.stem().string());
    return true;
}

int runKeyboard(const Options& options, const std::vector<std::string>& lines) {
    sim::SimOptions simOptions;
    simOptions.screenWidth = options.screenWidth;
    simOptions.screenHeight = options.screenHeight;
    simOptions.home = options.home;
    simOptions.settingsFile = options.registry;
    simOptions.picturesFolder = options.pictures.empty() ? PELVOK_PICTURES_DIR : options.pictures;
    if (!options.home.empty()) {
        std::error_code ignored;
        fs::create_directories(options.home, ignored);
    }

    sim::SimDesktop desktop(simOptions);
    desktop.files().mapFolder(kHostRootDrive, "/");
    if (!options.dictionary.empty() &&
        !presetDictionary(desktop, options, simOptions.homeWindows)) {
        std::cerr << "pelvok-sim: cannot create the dictionary " << options.dictionary << "\n";
        return pelvok_sim::kScriptErrorExitCode;
    }

    pelvok_sim::ScriptRunner runner(desktop, std::cout, std::cerr);
    runner.foreground(kFirstTarget);
    pelvok_sim::FrameworkTap framework(desktop.framework());
    platform::Platform platform{desktop.keystrokes(), desktop.settings(), desktop.windows(),
                                desktop.pointer(),    desktop.dialogs(),  desktop.files(),
                                desktop.graphics(),   framework};
    desktop.setModalDriver([&] {
        if (auto* keyboard = dynamic_cast<CPelvokDlg*>(framework.dialog())) {
            runner.run(lines, *keyboard);
        }
    });
    try {
        CPelvokApp application(platform);
        application.InitInstance();
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
    std::string error;
    const std::optional<Options> options = pelvok_sim::parseOptions(argc, argv, error);
    if (!options) {
        std::cerr << "pelvok-sim: " << error << "\n" << pelvok_sim::kUsage;
        return pelvok_sim::kScriptErrorExitCode;
    }
    if (options->help) {
        std::cout << pelvok_sim::kUsage;
        return 0;
    }
    std::vector<std::string> lines;
    if (!readScript(options->script, lines)) {
        std::cerr << "pelvok-sim: cannot read the script " << options->script << "\n";
        return pelvok_sim::kScriptErrorExitCode;
    }
    try {
        return runKeyboard(*options, lines);
    } catch (const std::exception& failure) {
        std::cerr << "pelvok-sim: " << failure.what() << "\n";
        return 1;
    }
}
