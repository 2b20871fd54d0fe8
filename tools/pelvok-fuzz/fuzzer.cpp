#include "tools/pelvok-fuzz/fuzzer.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <utility>

#include "model/key_codes.h"
#include "tools/pelvok-fuzz/action_picker.h"
#include "tools/pelvok-fuzz/fuzz_keyboard.h"
#include "tools/pelvok-fuzz/shrink.h"
#include "tools/toolbox/text_codec.h"

namespace fuzz {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the actions did, in order, a run of the same name once: the same
// for two scripts that show one fault. Which letter it was matters only
// after a dead key.
std::string shapeOf(const std::vector<Action>& actions, const std::vector<Effect>& effects) {
    std::string shape;
    std::string last;
    for (std::size_t i = 0; i < effects.size(); ++i) {
        if (!effects[i].applied) continue;
        std::string name = effectName(actions[i], effects[i]);
        if (effects[i].category == Category::Letter && last != "dead key") name = "letter";
        if (name == last) continue;
        if (!shape.empty()) shape += ", ";
        shape += name;
        last = name;
    }
    return shape;
}

// What the action at `at` did, after what the one before it did.
std::string signatureOf(const std::vector<Action>& actions, const std::vector<Effect>& effects,
                        std::size_t at) {
    std::string signature = effectName(actions[at], effects[at]);
    for (std::size_t i = at; i-- > 0;) {
        if (!effects[i].applied) continue;
        return signature + " after " + effectName(actions[i], effects[i]);
    }
    return signature + " at the start";
}

std::string counted(std::size_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The columns UTF-8 text takes: its bytes that start a character.
std::size_t columns(const std::string& utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

}  // namespace

Replay replay(const std::vector<Action>& actions, const std::string& dictionary, bool annotate,
              const Judge& judge) {
    Replay result;
    FuzzKeyboard keyboard(dictionary);
    result.effects.reserve(actions.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const SuggestionSlots shown = annotate ? keyboard.keyboard().suggestions : SuggestionSlots{};
        result.effects.push_back(keyboard.apply(actions[i]));
        const std::optional<std::string> apart =
            judge ? judge(keyboard) : keyboard.divergence();
        if (annotate) {
            const Effect& effect = result.effects.back();
            result.words.push_back(
                effect.category == Category::Suggestion
                    ? shown[static_cast<std::size_t>(suggestion_key::slot(effect.code))]
                    : "");
            result.lines.push_back(boxLine(keyboard.target()));
            result.echo = toolbox::utf8ForMessages(keyboard.keyboard().textLine);
        }
        if (apart) {
            result.divergedAt = i;
            result.divergence = *apart;
            break;
        }
    }
    return result;
}

std::vector<Action> shrinkDivergence(const std::vector<Action>& actions,
                                     const std::string& dictionary, std::size_t maxProbes,
                                     std::size_t* probes, const Judge& judge) {
    const Replay first = replay(actions, dictionary, false, judge);
    if (!first.divergedAt) return actions;
    const std::vector<Action> diverging(actions.begin(),
                                        actions.begin() + static_cast<std::ptrdiff_t>(
                                                              *first.divergedAt + 1));
    // The shrunk script must end on the same kind of action, or it could
    // slip to another fault.
    const std::string ending = effectName(diverging.back(), first.effects.back());
    const Probe<Action> fails = [&](const std::vector<Action>& candidate) -> std::size_t {
        const Replay tried = replay(candidate, dictionary, false, judge);
        if (!tried.divergedAt) return 0;
        const std::size_t at = *tried.divergedAt;
        return effectName(candidate[at], tried.effects[at]) == ending ? at + 1 : 0;
    };
    // A lower suggestion key needs fewer words learned before it; a plain
    // letter in place of what the fault does not need makes scripts of one
    // fault alike.
    const Simpler<Action> simpler = [](const Action& action) {
        const Action letter = Action::key(KeyKind::Character, 'a');
        std::vector<Action> tries;
        if (action.type == ActionType::Key && action.kind == KeyKind::Character &&
            suggestion_key::is(action.code)) {
            for (std::uint8_t code = suggestion_key::kFirst; code < action.code; ++code)
                tries.push_back(Action::key(KeyKind::Character, code));
        }
        if (action != letter) tries.push_back(letter);
        return tries;
    };
    ShrinkCounts counts;
    std::vector<Action> shrunk = shrink(diverging, fails, maxProbes, &counts, simpler);
    if (probes) *probes = counts.probes + 1;
    return shrunk;
}

FuzzResult fuzz(const FuzzOptions& options) {
    FuzzResult result;
    ActionPicker picker(options.seed);
    std::vector<Action> actions;
    std::vector<Effect> effects;
    actions.reserve(options.restartEvery);
    effects.reserve(options.restartEvery);
    std::map<std::string, std::size_t> bySignature;  // into result.findings
    std::map<std::string, std::size_t> byShape;
    const StartingDictionary start(options.dictionary);
    const std::string& dictionary = start.file();

    while (result.actions < options.keys) {
        actions.clear();
        effects.clear();
        std::optional<std::string> apart;
        const Clock::time_point typing = Clock::now();
        {
            FuzzKeyboard keyboard(dictionary);
            while (!apart && result.actions < options.keys &&
                   actions.size() < options.restartEvery) {
                actions.push_back(picker.next(keyboard));
                effects.push_back(keyboard.apply(actions.back()));
                ++result.actions;
                apart = keyboard.divergence();
            }
        }
        result.typingSeconds += secondsSince(typing);
        if (!apart) continue;

        ++result.divergences;
        const std::string signature = signatureOf(actions, effects, actions.size() - 1);
        const auto known = bySignature.find(signature);
        if (known != bySignature.end()) {
            ++result.findings[known->second].count;
        } else {
            const Clock::time_point shrinking = Clock::now();
            Finding found;
            found.signature = signature;
            found.count = 1;
            found.firstAt = result.actions;
            found.originalLength = actions.size();
            found.script =
                shrinkDivergence(actions, dictionary, options.maxProbes, &found.probes);
            const Replay check = replay(found.script, dictionary, true);
            found.reproduced = check.divergedAt.has_value();
            std::ostringstream printed;
            writeScript(printed, found.script, check);
            found.printed = printed.str();
            const std::string shape =
                found.reproduced ? shapeOf(found.script, check.effects) : signature;
            result.shrinkingSeconds += secondsSince(shrinking);
            // Two signatures whose shrunk scripts do the same are one fault.
            const auto same = byShape.find(shape);
            if (same != byShape.end()) {
                bySignature[signature] = same->second;
                ++result.findings[same->second].count;
            } else {
                bySignature[signature] = byShape[shape] = result.findings.size();
                result.findings.push_back(std::move(found));
            }
        }
        if (!options.keepGoing) break;
    }
    return result;
}

bool printScript(std::ostream& out, const std::vector<Action>& actions,
                 const std::string& dictionary) {
    const Replay shown = replay(actions, dictionary, true);
    writeScript(out, actions, shown);
    return shown.divergedAt.has_value();
}

void writeScript(std::ostream& out, const std::vector<Action>& actions, const Replay& shown) {
    for (std::size_t i = 0; i < shown.lines.size(); ++i) {
        const std::string action = formatAction(actions[i]);
        out << action << std::string(std::max<std::size_t>(1, 16 - columns(action)), ' ') << "# ";
        if (!shown.effects[i].applied) out << "(skipped) ";
        if (!shown.words[i].empty())
            out << quoted(toolbox::utf8ForMessages(shown.words[i])) << " -> ";
        out << quoted(shown.lines[i]) << "\n";
    }
    if (shown.divergedAt) {
        out << "# the edit box " << quoted(shown.lines.back()) << ", the echo "
            << quoted(shown.echo) << "\n";
        if (shown.divergence.rfind("the edit box", 0) != 0)
            out << "# " << toolbox::utf8ForMessages(shown.divergence) << "\n";
    } else {
        out << "# no divergence on replay\n";
    }
}

void printResult(std::ostream& out, const FuzzOptions& options, const FuzzResult& result) {
    for (std::size_t i = 0; i < result.findings.size(); ++i) {
        const Finding& found = result.findings[i];
        out << "# divergence " << (i + 1) << " of " << result.findings.size() << ": "
            << found.signature << "; seen " << counted(found.count, "time")
            << ", first at action " << found.firstAt << "\n"
            << "# shrunk from " << found.originalLength << " to " << found.script.size()
            << " actions in " << found.probes << " replays"
            << (found.reproduced ? "" : " (it did not diverge again: not shrunk)") << "\n";
        out << found.printed << "\n";
    }
    if (result.divergences == 0) out << "# no divergence in " << result.actions << " actions\n";
    if (options.report) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "# %zu actions in %.1f s of typing: %.0f actions a second; shrinking %.1f s\n",
                      result.actions, result.typingSeconds,
                      result.typingSeconds > 0
                          ? static_cast<double>(result.actions) / result.typingSeconds
                          : 0.0,
                      result.shrinkingSeconds);
        out << line << "# " << counted(result.divergences, "divergence") << " found, "
            << counted(result.findings.size(), "kind") << "\n";
    }
}

}  // namespace fuzz
