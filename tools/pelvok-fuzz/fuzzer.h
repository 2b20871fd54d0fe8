// The differential fuzzer: random actions on the real keyboard, the edit
// box's line compared with the keyboard's echo after each one; a divergence
// shrunk to a short script that --replay reads back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/pelvok-fuzz/action_table.h"
#include "tools/pelvok-fuzz/actions.h"

namespace fuzz {

struct FuzzOptions {
    std::uint32_t seed = 1;
    std::size_t keys = 200000;  // actions in all
    // A fresh keyboard (and dictionary) every so many actions, so that one
    // line does not grow for ever and a divergence replays from a start.
    std::size_t restartEvery = 2000;
    std::string dictionary;  // the file each keyboard starts from; empty: an empty one
    bool keepGoing = false;  // count every divergence, a fresh keyboard after each
    bool report = false;     // actions per second and divergences found
    // Tries per shrink, each a replay from a fresh keyboard.
    std::size_t maxProbes = 400;
};

class FuzzKeyboard;

// How the keyboard has gone wrong after an action, nothing when it has not:
// FuzzKeyboard::divergence() (the echo against the edit box) unless a test
// plants a fault of its own.
using Judge = std::function<std::optional<std::string>(FuzzKeyboard&)>;

// One replay from a fresh keyboard, to its first divergence. `dictionary`:
// the file the keyboard starts from (StartingDictionary::file()).
struct Replay {
    std::optional<std::size_t> divergedAt;  // index of the action after which they differ
    std::string divergence;                 // how, then
    std::vector<Effect> effects;            // of the actions taken, up to it
    // With `annotate`: the edit box's line after each action taken, the word
    // of each suggestion key pressed, and the echo at the end.
    std::vector<std::string> lines;
    std::vector<std::string> words;
    std::string echo;
};

Replay replay(const std::vector<Action>& actions, const std::string& dictionary,
              bool annotate = false, const Judge& judge = {});

// A kind of divergence: what its action did and what came just before.
struct Finding {
    std::string signature;
    std::size_t count = 0;
    std::size_t firstAt = 0;  // its action's number in the run, from 1
    std::size_t originalLength = 0;
    std::vector<Action> script;  // shrunk
    std::size_t probes = 0;
    bool reproduced = false;  // a replay of it diverges
    std::string printed;      // the script as printScript prints it
};

struct FuzzResult {
    std::size_t actions = 0;
    std::size_t divergences = 0;
    std::vector<Finding> findings;  // one per kind, in the order found
    double typingSeconds = 0;
    double shrinkingSeconds = 0;
};

// Runs the actions of the options; prints nothing.
FuzzResult fuzz(const FuzzOptions& options);

// The shortest script found that still diverges, its last action doing what
// the last of `actions` did.
std::vector<Action> shrinkDivergence(const std::vector<Action>& actions,
                                     const std::string& dictionary, std::size_t maxProbes,
                                     std::size_t* probes = nullptr, const Judge& judge = {});

// The script with what each action left in the edit box as comments, and
// the edit box and the echo where they differ; replayable as it stands.
// `shown` is its replay with `annotate`.
void writeScript(std::ostream& out, const std::vector<Action>& actions, const Replay& shown);
// Replays the script and writes it; whether it diverged.
bool printScript(std::ostream& out, const std::vector<Action>& actions,
                 const std::string& dictionary);

// What a run found, shrunk scripts included; --report adds the speed.
void printResult(std::ostream& out, const FuzzOptions& options, const FuzzResult& result);

}  // namespace fuzz
