#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/raster/bmp.h"
#include "platform/sim/SimDesktop.h"
#include "resources/resource_ids.h"

namespace {

using sim::DrawRecord;

class GraphicsTest : public testing::Test {
protected:
    GraphicsTest() {
        raster::Image picture(40, 30, platform::Color{156, 207, 255});
        raster::writeBmp(picture, pictures.home() + "/" + std::to_string(IDB_SYMBOLS_1) + ".bmp");
        options.picturesFolder = pictures.home();
        desktop = std::make_unique<sim::SimDesktop>(options);
        keyboard = desktop->windows().createKeyboardWindow();
        desktop->windows().moveWindow(keyboard, 0, 0, 50, 30, false);
    }
    sim::SimFiles pictures{"", "", ""};  // a temporary folder for the picture files
    sim::SimOptions options;
    std::unique_ptr<sim::SimDesktop> desktop;
    platform::WindowId keyboard = 0;
};

TEST_F(GraphicsTest, PicturesLoadFromTheFolderOrFail) {
    platform::Graphics& graphics = desktop->platform().graphics;
    const auto picture = graphics.loadPicture(IDB_SYMBOLS_1);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 40);
    EXPECT_EQ(graphics.loadPicture(IDB_SYMBOLS_2), nullptr);
    desktop->graphics().setPictureFails(IDB_SYMBOLS_1, true);
    EXPECT_EQ(graphics.loadPicture(IDB_SYMBOLS_1), nullptr);
    EXPECT_EQ(desktop->graphics().loadedPictures(),
              (std::vector<int>{IDB_SYMBOLS_1, IDB_SYMBOLS_2, IDB_SYMBOLS_1}));
}

TEST_F(GraphicsTest, ACompositionReachesTheWindowWhenPresented) {
    platform::Graphics& graphics = desktop->platform().graphics;
    const auto picture = graphics.loadPicture(IDB_SYMBOLS_1);
    auto composition = graphics.createComposition(40, 30);
    ASSERT_NE(composition, nullptr);
    composition->copyPicture(*picture);
    composition->selectFont(platform::FontSpec{18, 900, true});
    composition->textOut(7, 7, "_");
    EXPECT_EQ(desktop->graphics().windowImage().pixel(0, 0), (platform::Color{240, 240, 240}))
        << "nothing on the window before present";

    graphics.present(*composition);
    EXPECT_EQ(desktop->graphics().windowImage().pixel(0, 0), (platform::Color{156, 207, 255}));
    EXPECT_EQ(desktop->graphics().windowImage().pixel(45, 0), (platform::Color{240, 240, 240}))
        << "the window is wider than the picture";

    graphics.windowSurface()->frameRect({1, 1, 5, 5}, platform::Color{0, 0, 255});
    EXPECT_EQ(desktop->graphics().windowImage().pixel(1, 3), (platform::Color{0, 0, 255}));

    const auto& log = desktop->graphics().drawLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].kind, DrawRecord::Kind::CopyPicture);
    EXPECT_EQ(log[0].pictureId, IDB_SYMBOLS_1);
    EXPECT_EQ(log[1].kind, DrawRecord::Kind::TextOut);
    EXPECT_EQ(log[1].font.height, 18);
    EXPECT_FALSE(log[1].onWindow);
    EXPECT_EQ(log[2].kind, DrawRecord::Kind::Present);
    EXPECT_EQ(log[3].kind, DrawRecord::Kind::FrameRect);
    EXPECT_TRUE(log[3].onWindow);
}

TEST_F(GraphicsTest, CompositionsCanBeMadeToFailAndSnapshotsAreWritten) {
    desktop->graphics().setCompositionFails(true);
    EXPECT_EQ(desktop->platform().graphics.createComposition(40, 30), nullptr);
    desktop->graphics().setCompositionFails(false);
    EXPECT_NE(desktop->platform().graphics.createComposition(40, 30), nullptr);

    const std::string png = desktop->files().home() + "/shot.png";
    EXPECT_TRUE(desktop->snapshotPng(png));
    EXPECT_GT(std::filesystem::file_size(png), 0u);
}

}  // namespace
