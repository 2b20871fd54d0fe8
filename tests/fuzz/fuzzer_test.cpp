// The fuzzer on the real keyboard: a divergence buried in ordinary typing
// shrinks to the few actions that make it, a script replays as it was
// printed, and a seed gives the same run every time.
#include "tools/pelvok-fuzz/fuzzer.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tools/pelvok-fuzz/action_picker.h"
#include "tools/pelvok-fuzz/fuzz_keyboard.h"

namespace {

using fuzz::Action;

std::vector<Action> script(const std::string& text) { return fuzz::parseScript(text); }

// Ordinary typing, so that the shrinker has something to take away: two
// lines with words the dictionary learns.
const char* const kTyping =
    "key l\nkey a\nkey space\nkey c\nkey a\nkey s\nkey a\nkey space\nkey e\nkey s\nkey space\n"
    "key g\nkey r\nkey a\nkey n\nkey d\nkey e\nkey .\nkey ENTER\nkey SHIFT\nkey e\nkey l\n"
    "key space\nkey p\nkey e\nkey r\nkey r\nkey o\nkey space\nkey ENTER\n";

TEST(Fuzzer, APlantedFaultShrinksToTheActionsThatMakeIt) {
    // Faults of the test's own, so that this holds whatever the keyboard
    // does: the edit box holding some text.
    struct Case {
        const char* name;
        std::function<bool(const std::string&)> holds;
        const char* buried;  // between ordinary typing
        const char* shrunk;
    };
    const Case cases[] = {
        {"a z and, later, a q",
         [](const std::string& text) {
             const std::size_t z = text.find('z');
             return z != std::string::npos && text.find('q', z) != std::string::npos;
         },
         "key z\nkey o\nkey n\nkey a\nkey space\nkey ENTER\nkey q\nkey u\nkey e\n",
         "key z\nkey q\n"},
        {"an x at the start of a line",
         [](const std::string& text) { return text.find("\nx") != std::string::npos; },
         "key ENTER\nkey x\nkey space\n", "key ENTER\nkey x\n"},
    };
    const fuzz::StartingDictionary start("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fuzz::Judge planted = [&](fuzz::FuzzKeyboard& keyboard) -> std::optional<std::string> {
            if (!c.holds(keyboard.target().text())) return std::nullopt;
            return "planted";
        };
        std::vector<Action> buried = script(kTyping);
        const std::vector<Action> fault = script(c.buried);
        buried.insert(buried.end(), fault.begin(), fault.end());
        const std::vector<Action> more = script(kTyping);
        buried.insert(buried.end(), more.begin(), more.end());
        std::size_t probes = 0;
        EXPECT_EQ(fuzz::shrinkDivergence(buried, start.file(), 400, &probes, planted),
                  script(c.shrunk));
        EXPECT_LT(probes, 150u);
    }
}

TEST(Fuzzer, FaultsItFoundNoLongerDiverge) {
    // Faults of the keyboard the fuzzer found, each behind actions that type
    // nothing, so that they run from a keyboard that has done something.
    struct Case {
        const char* name;
        const char* actions;
    };
    const Case cases[] = {
        {"a suggestion with its own hyphen after bien-",
         "key -\nkey m\nkey e\nkey n\nkey t\nkey e\nkey space\nkey ENTER\n"
         "key b\nkey i\nkey e\nkey n\nkey -\nkey 1\n"},
        {"Up, then a suggestion", "key h\nkey o\nkey space\nkey ENTER\nkey UP\nkey h\nkey 1\n"},
        {"a dead key, then space", "key \xC2\xB4\nkey space\n"},
        {"a dead key, a blank suggestion key, then Backspace", "key a\nkey `\nkey 1\nkey BS\n"},
        {"a dead key, a blank suggestion key, then a vowel", "key \xC2\xA8\nkey 1\nkey a\n"},
        {"a selection undone by Right, then space",
         "key a\nkey SHIFT\nkey LEFT\nkey RIGHT\nkey space\n"},
        {"a selection taken by a letter", "key SHIFT\nkey '\nkey LEFT\nkey a\n"},
        {"a selection taken by a suggestion",
         "key a\nkey space\nkey j\nkey SHIFT\nkey ENTER\nkey \xC2\xBF\nkey LEFT\nkey 2\n"},
        {"the line cleared by WM_USER+33", "key c\npost 33\n"},
        {"delete-word at the line start", "key a\nkey LEFT\nkey WORD\n"},
    };
    const std::string idle =
        "post 20 G\npost 20 G\npost 20 E\nkey SYM\nkey SYM\nkey SHIFT\nkey SHIFT\npost 20 A\n";
    const fuzz::StartingDictionary start("");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fuzz::Replay run = fuzz::replay(script(idle + c.actions), start.file());
        EXPECT_FALSE(run.divergedAt.has_value()) << "diverged at action " << *run.divergedAt;
    }
}

TEST(Fuzzer, AScriptReplaysAsItWasPrinted) {
    // Random actions of every kind, taken on a keyboard and kept.
    std::vector<Action> actions;
    {
        fuzz::FuzzKeyboard keyboard("");
        fuzz::ActionPicker picker(3);
        for (int i = 0; i < 400; ++i) {
            actions.push_back(picker.next(keyboard));
            keyboard.apply(actions.back());
        }
    }
    const fuzz::StartingDictionary start("");
    std::ostringstream printed;
    fuzz::printScript(printed, actions, start.file());
    const std::vector<Action> read = fuzz::parseScript(printed.str());
    // Up to the first divergence, where the printed script ends.
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read, std::vector<Action>(actions.begin(), actions.begin() + read.size()));
    std::ostringstream again;
    fuzz::printScript(again, read, start.file());
    EXPECT_EQ(again.str(), printed.str());
}

TEST(Fuzzer, ASeedGivesTheSameRunEveryTime) {
    fuzz::FuzzOptions options;
    options.seed = 5;
    options.keys = 3000;
    options.restartEvery = 1000;
    options.keepGoing = true;
    const fuzz::FuzzResult first = fuzz::fuzz(options);
    const fuzz::FuzzResult second = fuzz::fuzz(options);
    EXPECT_EQ(first.actions, 3000u);
    EXPECT_EQ(second.divergences, first.divergences);
    ASSERT_EQ(second.findings.size(), first.findings.size());
    for (std::size_t i = 0; i < first.findings.size(); ++i) {
        EXPECT_EQ(second.findings[i].signature, first.findings[i].signature);
        EXPECT_EQ(second.findings[i].count, first.findings[i].count);
        EXPECT_EQ(second.findings[i].firstAt, first.findings[i].firstAt);
        EXPECT_EQ(second.findings[i].printed, first.findings[i].printed);
    }

    // The actions themselves, and what they leave in the edit box.
    std::vector<std::vector<Action>> taken(2);
    std::vector<std::string> texts;
    for (std::vector<Action>& actions : taken) {
        fuzz::FuzzKeyboard keyboard("");
        fuzz::ActionPicker picker(11);
        for (int i = 0; i < 500; ++i) {
            actions.push_back(picker.next(keyboard));
            keyboard.apply(actions.back());
        }
        texts.push_back(keyboard.target().text());
    }
    EXPECT_EQ(taken[0], taken[1]);
    EXPECT_EQ(texts[0], texts[1]);
}

}  // namespace
