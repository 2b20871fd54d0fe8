#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/sim/SimFiles.h"
#include "platform/sim/SimSettings.h"

namespace {

const std::string kKey = "SOFTWARE\\KeyBoardQuorvel";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SettingsTest : public testing::Test {
protected:
    sim::SimFiles folder{"", "", ""};  // a temporary home for the file
    std::string file = folder.home() + "/registry.txt";
};

TEST_F(SettingsTest, FileKeepsEveryValueByteForByteAcrossARestart) {
    const std::string path = "C:\\Pelvok\\diccionarios\\a\xF1o.dic";
    const std::string awkward = std::string("tab\there\nline\r%41 and NUL\0end", 30);
    {
        sim::SimSettings settings(file);
        settings.createKey(kKey);
        settings.writeValue(kKey, "ruta_BD", path);
        settings.writeValue(kKey, "odd", awkward);
        settings.writeValue(kKey, "empty", "");
        settings.createKey("SOFTWARE\\Empty");
    }
    EXPECT_NE(readFile(file).find(kKey + "\truta_BD\t" + path + "\n"), std::string::npos)
        << "plain bytes are written as they are";

    sim::SimSettings reloaded(file);
    EXPECT_TRUE(reloaded.openKey(kKey));
    EXPECT_TRUE(reloaded.openKey("SOFTWARE\\Empty"));
    EXPECT_EQ(reloaded.readValue(kKey, "ruta_BD"), path);
    EXPECT_EQ(reloaded.readValue(kKey, "odd"), awkward);
    EXPECT_EQ(reloaded.readValue(kKey, "empty"), "");
    EXPECT_EQ(reloaded.readValue(kKey, "missing"), std::nullopt);
}

TEST_F(SettingsTest, LoadsAHandWrittenFile) {
    std::ofstream(file) << kKey << "\tZoom\t4\r\n" << kKey << "\tPosition\t6\n";
    sim::SimSettings settings(file);
    EXPECT_EQ(settings.readValue(kKey, "Zoom"), "4");
    EXPECT_EQ(settings.readValue(kKey, "Position"), "6");
}

TEST(SimSettingsTest, AnUnopenableKeyCanBeNeitherOpenedReadNorWritten) {
    sim::SimSettings settings;
    settings.setValue(kKey, "Zoom", "2");
    settings.setUnopenable(kKey, true);
    EXPECT_FALSE(settings.openKey(kKey));
    EXPECT_EQ(settings.readValue(kKey, "Zoom"), std::nullopt);
    settings.writeValue(kKey, "Zoom", "3");
    settings.setUnopenable(kKey, false);
    EXPECT_EQ(settings.readValue(kKey, "Zoom"), "2");
    EXPECT_TRUE(settings.writes().empty());
}

TEST(SimSettingsTest, MissingKeyIsNotCreatedByAWriteAndNamesIgnoreCase) {
    sim::SimSettings settings;
    EXPECT_FALSE(settings.openKey(kKey));
    settings.writeValue(kKey, "Zoom", "1");
    EXPECT_FALSE(settings.hasKey(kKey));

    settings.createKey(kKey);
    settings.writeValue(kKey, "Zoom", "1");
    EXPECT_TRUE(settings.openKey("software\\keyboardquorvel"));
    EXPECT_EQ(settings.readValue(kKey, "ZOOM"), "1");
    ASSERT_EQ(settings.writes().size(), 1u);
    EXPECT_EQ(settings.writes()[0].name, "Zoom");
}

}  // namespace
