#include "window/settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/sim/SimFiles.h"
#include "platform/sim/SimSettings.h"

namespace {

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
        settings.createKey(kSettingsKey);
        settings.writeValue(kSettingsKey, settings::kDictionaryPath, path);
        settings.writeValue(kSettingsKey, "odd", awkward);
        settings.writeValue(kSettingsKey, "empty", "");
        settings.createKey("SOFTWARE\\Empty");
    }
    EXPECT_NE(readFile(file).find(std::string(kSettingsKey) + "\truta_BD\t" + path + "\n"),
              std::string::npos)
        << "plain bytes are written as they are";

    sim::SimSettings reloaded(file);
    EXPECT_TRUE(reloaded.openKey(kSettingsKey));
    EXPECT_TRUE(reloaded.openKey("SOFTWARE\\Empty"));
    EXPECT_EQ(reloaded.readValue(kSettingsKey, settings::kDictionaryPath), path);
    EXPECT_EQ(reloaded.readValue(kSettingsKey, "odd"), awkward);
    EXPECT_EQ(reloaded.readValue(kSettingsKey, "empty"), "");
    EXPECT_EQ(reloaded.readValue(kSettingsKey, "missing"), std::nullopt);
}

TEST_F(SettingsTest, LoadsAHandWrittenFile) {
    std::ofstream(file) << kSettingsKey << "\tZoom\t4\r\n" << kSettingsKey << "\tPosition\t6\n";
    sim::SimSettings settings(file);
    EXPECT_EQ(settings.readValue(kSettingsKey, settings::kZoom), "4");
    EXPECT_EQ(settings.readValue(kSettingsKey, settings::kPosition), "6");
}

TEST(SimSettingsTest, AnUnopenableKeyCanBeNeitherOpenedReadNorWritten) {
    sim::SimSettings settings;
    settings.setValue(kSettingsKey, settings::kZoom, "2");
    settings.setUnopenable(kSettingsKey, true);
    EXPECT_FALSE(settings.openKey(kSettingsKey));
    EXPECT_EQ(settings.readValue(kSettingsKey, settings::kZoom), std::nullopt);
    settings.writeValue(kSettingsKey, settings::kZoom, "3");
    settings.setUnopenable(kSettingsKey, false);
    EXPECT_EQ(settings.readValue(kSettingsKey, settings::kZoom), "2");
    EXPECT_TRUE(settings.writes().empty());
}

TEST(SimSettingsTest, MissingKeyIsNotCreatedByAWriteAndNamesIgnoreCase) {
    sim::SimSettings settings;
    EXPECT_FALSE(settings.openKey(kSettingsKey));
    settings.writeValue(kSettingsKey, settings::kZoom, "1");
    EXPECT_FALSE(settings.hasKey(kSettingsKey));

    settings.createKey(kSettingsKey);
    settings.writeValue(kSettingsKey, settings::kZoom, "1");
    EXPECT_TRUE(settings.openKey("software\\keyboardquorvel"));
    EXPECT_EQ(settings.readValue(kSettingsKey, "ZOOM"), "1");
    ASSERT_EQ(settings.writes().size(), 1u);
    EXPECT_EQ(settings.writes()[0].name, "Zoom");
}

}  // namespace
