#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sim/SimFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(FilesTest, WindowsPathsMapIntoTheHomeAndTheDrivesRoot) {
    sim::SimFiles files("", "C:\\Pelvok", "");
    const std::string home = files.home();
    struct Case {
        const char* windows;
        std::string host;
    };
    const Case cases[] = {
        {"C:\\Pelvok\\diccionarios\\default.dic", home + "/diccionarios/default.dic"},
        {"C:\\Pelvok", home},
        {"c:\\PELVOK\\a.dic", home + "/a.dic"},
        {"diccionarios\\default.dic", home + "/diccionarios/default.dic"},
        {"resultados1.txt", home + "/resultados1.txt"},
        {"C:\\Pelvok\\a\\..\\.\\b.dic", home + "/b.dic"},
        {"C:\\Pelvok\\\\diccionarios", home + "/diccionarios"},
        {"C:\\PelvokOther\\x", home + "/drives/C/PelvokOther/x"},
        {"D:\\Datos\\mi.dic", home + "/drives/D/Datos/mi.dic"},
        {"d:/Datos/mi.dic", home + "/drives/D/Datos/mi.dic"},
        {"C:\\..\\..\\x", home + "/drives/C/x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files.hostPath(c.windows), c.host) << c.windows;
    }
}

TEST(FilesTest, RelativePathsFollowTheCurrentDirectory) {
    sim::SimFiles files("", "", "");
    EXPECT_EQ(files.currentDirectory(), "C:\\Pelvok");
    files.setCurrentDirectory("D:\\Datos");
    EXPECT_EQ(files.currentDirectory(), "D:\\Datos");
    EXPECT_EQ(files.hostPath("mi.dic"), files.home() + "/drives/D/Datos/mi.dic");
    files.mapFolder("D:\\Datos", files.home() + "/datos");
    EXPECT_EQ(files.hostPath("mi.dic"), files.home() + "/datos/mi.dic");
}

TEST(FilesTest, CreateDirectoryMakesOneLevelAndMatchesExistingNamesInAnyCase) {
    sim::SimFiles files("", "", "");
    files.createDirectory("C:\\Pelvok\\diccionarios");
    files.createDirectory("C:\\Pelvok\\diccionarios");  // exists: no error
    files.createDirectory("C:\\Pelvok\\no\\such");      // parent missing: nothing
    EXPECT_TRUE(fs::is_directory(files.home() + "/diccionarios"));
    EXPECT_FALSE(fs::exists(files.home() + "/no"));
    EXPECT_EQ(files.hostPath("C:\\Pelvok\\DICCIONARIOS\\x.dic"),
              files.home() + "/diccionarios/x.dic");
    EXPECT_EQ(files.createdDirectories().size(), 3u);
}

TEST(FilesTest, TemporaryHomeGoesAwayWithTheFiles) {
    std::string home;
    {
        sim::SimFiles files("", "", "");
        home = files.home();
        EXPECT_TRUE(fs::is_directory(home));
    }
    EXPECT_FALSE(fs::exists(home));
}

TEST(FilesTest, ResolveAndFolderOf) {
    EXPECT_EQ(sim::SimFiles::resolve("C:\\Pelvok", "..\\x"), "C:\\x");
    EXPECT_EQ(sim::SimFiles::resolve("C:\\Pelvok", ".."), "C:\\");
    EXPECT_EQ(sim::SimFiles::resolve("D:\\a", "\\b"), "D:\\b");
    EXPECT_EQ(sim::SimFiles::folderOf("C:\\a.dic"), "C:\\");
    EXPECT_EQ(sim::SimFiles::folderOf("C:\\Datos\\a.dic"), "C:\\Datos");
}

}  // namespace
