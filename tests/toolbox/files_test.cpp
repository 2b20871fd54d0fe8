// Input files, folders and temporary folders fail with a message naming the
// file; a temporary folder goes away with what it holds.
#include "tools/toolbox/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tools/toolbox/temp_folder.h"
#include "tools/toolbox/tool_error.h"

namespace {

namespace fs = std::filesystem;

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(Files, UnusableInputsFailNamingTheFile) {
    toolbox::TempFolder folder;
    write(folder.file("binario.bin"), std::string("\x7F"
                                                  "ELF\0\0\1",
                                                  7));
    write(folder.file("fichero"), "x");
    struct Case {
        std::function<void()> use;
        std::string message;
    };
    const Case cases[] = {
        {[&] { toolbox::readFile(folder.file("falta.txt")); },
         "cannot read " + folder.file("falta.txt") + ": No such file or directory"},
        {[&] { toolbox::readFile(folder.path().string()); },
         folder.path().string() + " is a folder"},
        {[&] { toolbox::readTextFile(folder.file("binario.bin")); },
         folder.file("binario.bin") + " is not a text file"},
        {[&] { toolbox::makeFolder(folder.file("fichero")); },
         "cannot make the folder " + folder.file("fichero")},
        {[&] { toolbox::makeFolder(folder.file("fichero") + "/dentro"); },
         "cannot make the folder " + folder.file("fichero") + "/dentro"},
    };
    for (const Case& c : cases) {
        try {
            c.use();
            ADD_FAILURE() << "no failure: " << c.message;
        } catch (const toolbox::ToolError& failure) {
            EXPECT_EQ(std::string(failure.what()).rfind(c.message, 0), 0u) << failure.what();
        }
    }
}

TEST(Files, TextFilesAreReadAsWindows1252) {
    toolbox::TempFolder folder;
    write(folder.file("utf8.txt"),
          "\xEF\xBB\xBF"
          "canci\xC3\xB3n\n");
    const toolbox::DecodedText text = toolbox::readTextFile(folder.file("utf8.txt"));
    EXPECT_EQ(text.text, "canci\xF3n\n");
    EXPECT_TRUE(text.wasUtf8);
    toolbox::makeFolder(folder.file("a/b/c"));
    EXPECT_TRUE(fs::is_directory(folder.file("a/b/c")));
    toolbox::makeFolder(folder.file("a/b/c"));  // already there
}

TEST(TempFolder, IsFreshAndGoesAwayWithWhatItHolds) {
    fs::path kept;
    {
        toolbox::TempFolder one("pelvok-toolbox");
        const toolbox::TempFolder two("pelvok-toolbox");
        EXPECT_NE(one.path(), two.path());
        EXPECT_EQ(one.path().filename().string().rfind("pelvok-toolbox-", 0), 0u);
        EXPECT_TRUE(one.names().empty());
        fs::create_directories(one.path() / "sub");
        write(one.file("sub/f.txt"), "x");
        write(one.file("g.txt"), "y");
        EXPECT_EQ(one.names().size(), 2u);
        kept = one.path();
    }
    EXPECT_FALSE(fs::exists(kept));
}

}  // namespace
