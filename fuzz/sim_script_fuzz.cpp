// A pelvok-sim script of any bytes run against the keyboard on a simulated
// desktop, one keyboard life per script. A line that names a host file to
// write (snapshot) is left out: the fuzzer must not write where it likes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "tools/pelvok-sim/script_runner.h"
#include "tools/toolbox/sim_keyboard.h"

namespace {

constexpr std::size_t kMostLines = 64;

bool writesHostFile(const std::string& line) {
    const std::size_t start = line.find_first_not_of(" \t");
    return start != std::string::npos && line.compare(start, 8, "snapshot") == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; lines.size() < kMostLines && std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!writesHostFile(line)) lines.push_back(line);
    }
    toolbox::SimKeyboard keyboard;
    keyboard.setPainting(false);
    std::ostringstream out;
    std::ostringstream err;
    pelvok_sim::ScriptRunner runner(keyboard.desktop(), out, err);
    runner.foreground("Bloc de notas");
    try {
        keyboard.runApplication([&](CPelvokDlg& running) { runner.run(lines, running); });
    } catch (const sim::SimProcessExit&) {
    }
    return 0;
}
