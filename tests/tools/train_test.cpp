// pelvok-train learns what typing the text on the keyboard learns, and the
// words before ':' and ';', and fails cleanly on bad input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "tests/tools/tool_files.h"
#include "tools/pelvok-train/trainer.h"
#include "tools/toolbox/text_codec.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace {

using tools_test::readBytes;
using tools_test::tableRows;
using tools_test::TempFolder;
using tools_test::writeBytes;

// UTF-8, with what makes typing it take more than one key a character:
// capitals, a run of them, accents, digits and signs, a closing question.
const char* const kParagraphs =
    "La canci\xC3\xB3n de Mar\xC3\xAD"
    "a, la que cant\xC3\xA1"
    "bamos en 1998, dec\xC3\xAD"
    "a: "
    "\xC2\xBFqui\xC3\xA9n sabe? Nadie lo sab\xC3\xAD"
    "a. ONU y \xC3\x81"
    "frica, "
    "l'home del d\xC3\xAD"
    "a (12%).\n"
    "Despu\xC3\xA9s, la canci\xC3\xB3n volvi\xC3\xB3: anti-a\xC3\xA9reo; ping\xC3\xBC"
    "ino.\n";

TEST(PelvokTrain, LearnsTheWordsAndPairsTypingLearns) {
    TempFolder folder;
    const std::string text = folder.file("texto.txt");
    writeBytes(text, kParagraphs);

    const std::string typed = folder.file("tecleado.dic");
    {
        typist::KeyboardSession session(typed, typist::KeyboardSession::Indexes::Ensure, false);
        session.keyboard().database.executeUpdate("PRAGMA synchronous = OFF;");
        typist::Typist typist(session, false);
        const auto decoded = toolbox::decodeText(kParagraphs);
        for (const std::string& p : typist::MakeTypeable(decoded->text).paragraphs)
            typist.typeParagraph(p);
    }

    pelvok_train::TrainOptions options;
    options.texts = {text};
    options.output = folder.file("aprendido.dic");
    const pelvok_train::TrainResult result = pelvok_train::Train(options);

    // Beyond what typing learns: the words before ':' (not the one after a
    // hyphen before ';'), and a pair across one blank.
    const std::string kDecia = "dec\xED"
                               "a|decia|1|";
    auto withLearned = [&](const char* table, std::vector<std::string> extra) {
        std::vector<std::string> rows = tableRows(typed, table);
        rows.insert(rows.end(), extra.begin(), extra.end());
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(tableRows(options.output, "palabras"),
              withLearned("palabras", {kDecia, "volvi\xF3|volvio|1|"}));
    EXPECT_EQ(tableRows(options.output, "siguientes"),
              withLearned("siguientes", {"canci\xF3n|volvi\xF3|volvio|1|"}));
    EXPECT_EQ(result.beforeColons, 2u);
    const std::vector<std::string> words = tableRows(options.output, "palabras");
    EXPECT_EQ(result.words, words.size());
    EXPECT_EQ(result.paragraphs, 2u);
    EXPECT_NE(std::find(words.begin(), words.end(), "canci\xF3n|cancion|2|"), words.end());
    EXPECT_EQ(result.dropped, 0u);
}

TEST(PelvokTrain, RankedWordsSeedTheCounts) {
    TempFolder folder;
    writeBytes(folder.file("texto.txt"), "hola mundo\n");
    // In Windows-1252; the third word adds to the count the text gave.
    writeBytes(folder.file("lista.txt"), "que\nde\nhola\nl'home\n");
    pelvok_train::TrainOptions options;
    options.texts = {folder.file("texto.txt")};
    options.wordList = folder.file("lista.txt");
    options.output = folder.file("d.dic");
    const pelvok_train::TrainResult result = pelvok_train::Train(options);
    EXPECT_EQ(result.seeded, 4u);
    EXPECT_EQ(tableRows(options.output, "palabras"),
              (std::vector<std::string>{"de|de|1|", "hola|hola|2|", "l!home|l!home|1|",
                                        "mundo|mundo|1|", "que|que|1|"}));
}

TEST(PelvokTrain, SeedsFollowTheLawTheTextsCountsFollow) {
    // Too few words the text counted: exponent 1, a tenth of the text's
    // words for the first.
    const pelvok_train::ZipfLaw fallback = pelvok_train::FitZipf({{1, 50}, {2, 20}}, 100000);
    EXPECT_EQ(fallback.count(1), 10000);
    EXPECT_EQ(fallback.count(3), 3333);
    EXPECT_EQ(fallback.count(20000), 1);

    std::vector<std::pair<std::size_t, int>> counts;
    for (std::size_t rank = 1; rank <= 200; rank += 3)
        counts.emplace_back(rank, static_cast<int>(5000 / std::pow(rank, 0.9)));
    const pelvok_train::ZipfLaw fitted = pelvok_train::FitZipf(counts, 100000);
    EXPECT_NEAR(fitted.exponent, 0.9, 0.01);
    EXPECT_NEAR(fitted.scale, 5000, 100);
    EXPECT_EQ(fitted.count(1000000), 1) << "never below 1";

    // Counts that grow with the rank are no law to follow.
    std::reverse(counts.begin(), counts.end());
    for (std::size_t i = 0; i < counts.size(); ++i) counts[i].first = i + 1;
    EXPECT_EQ(pelvok_train::FitZipf(counts, 100000).exponent, 1.0);
}

TEST(PelvokTrain, BadInputFailsAndLeavesAnExistingOutputAsItWas) {
    TempFolder folder;
    writeBytes(folder.file("bueno.txt"), "hola\n");
    writeBytes(folder.file("binario.bin"), std::string("\x7F"
                                                       "ELF\0\0\1",
                                                       7));
    const std::string existing = folder.file("viejo.dic");
    writeBytes(existing, "not touched");
    struct Case {
        std::vector<std::string> texts;
        std::string words;
        std::string output;
        const char* message;
    };
    const Case cases[] = {
        {{folder.file("falta.txt")}, "", existing, "cannot read"},
        {{folder.file("bueno.txt"), folder.file("binario.bin")}, "", existing, "not a text file"},
        {{folder.file("bueno.txt")}, folder.file("binario.bin"), existing, "not a text file"},
        {{folder.file("bueno.txt")}, "", folder.file("no/hay/carpeta.dic"), "cannot write"},
        {{folder.file("bueno.txt")}, "", folder.file(""), "cannot write"},
        // An input named as the output would be replaced by the dictionary.
        {{folder.file("bueno.txt")}, "", folder.file("bueno.txt"), "it is the input"},
        {{folder.file("bueno.txt")}, folder.file("viejo.dic"), existing, "it is the input"},
    };
    for (const Case& c : cases) {
        pelvok_train::TrainOptions options;
        options.texts = c.texts;
        options.wordList = c.words;
        options.output = c.output;
        try {
            pelvok_train::Train(options);
            ADD_FAILURE() << "no failure for " << c.output;
        } catch (const pelvok_train::TrainError& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.message), std::string::npos)
                << failure.what();
        }
        EXPECT_EQ(readBytes(existing), "not touched");
    }
    // No temporary file is left behind.
    std::vector<std::string> names = folder.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"binario.bin", "bueno.txt", "viejo.dic"}));
    EXPECT_EQ(readBytes(folder.file("bueno.txt")), "hola\n");
}

// A run killed mid-way, by Ctrl+C, by SIGTERM or by SIGKILL, leaves nothing
// behind: neither its work folders nor the hidden output beside the output;
// the output it would have replaced stays as it was.
TEST(PelvokTrain, AKilledRunLeavesNothingBehind) {
    namespace fs = std::filesystem;
    const auto entries = [](const std::string& path) {
        return std::distance(fs::directory_iterator(path), fs::directory_iterator());
    };
    const auto waitFor = [](const std::function<bool()>& done, int seconds) {
        for (int i = 0; i < seconds * 100 && !done(); ++i) usleep(10000);
        return done();
    };
    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        SCOPED_TRACE(signal);
        TempFolder folder;
        const std::string tmp = folder.file("tmp");
        const std::string out = folder.file("salida");
        fs::create_directory(tmp);
        fs::create_directory(out);
        std::string text;
        for (int i = 0; i < 3000; ++i) text += "la casa de la canci\xF3n es muy bonita y grande\n";
        const std::string input = folder.file("texto.txt");
        writeBytes(input, text);
        const std::string output = out + "/d.dic";
        writeBytes(output, "viejo");

        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            setenv("TMPDIR", tmp.c_str(), 1);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execl(PELVOK_TRAIN_PROGRAM, "pelvok-train", input.c_str(), "--out", output.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        // The keyboard types once its work folder holds the desktop's home,
        // beside the hidden output.
        const auto started = [&] {
            std::error_code error;
            for (fs::recursive_directory_iterator it(tmp, error), end; !error && it != end;
                 it.increment(error))
                if (it->path().filename().string().rfind("pelvok-sim-", 0) == 0)
                    return entries(out) == 2;
            return false;
        };
        const bool typing = waitFor(started, 60);
        kill(pid, signal);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(typing);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_TRUE(waitFor([&] { return entries(tmp) == 0 && entries(out) == 1; }, 10));
        EXPECT_EQ(readBytes(output), "viejo");
    }
}

}  // namespace
