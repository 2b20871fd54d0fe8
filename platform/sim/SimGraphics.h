// Pictures and painting on the simulated keyboard window: drawn into RGB
// images with the raster library, and recorded in a list that tests can read
// without looking at pixels.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/raster/font.h"
#include "platform/raster/image.h"

namespace sim {

class SimWindows;

struct DrawRecord {
    enum class Kind { CopyPicture, TextOut, DrawText, FrameRect, FillRect, Present };
    Kind kind = Kind::TextOut;
    bool onWindow = false;  // drawn straight on the window, not in a composition
    std::string text;
    platform::Point at;       // TextOut
    platform::Rect rect;      // DrawText box, FrameRect and FillRect rectangle
    platform::FontSpec font;  // TextOut, DrawText
    platform::Align align = platform::Align::Centre;
    bool wordEllipsis = false;
    platform::Color color;  // FrameRect, FillRect
    int pictureId = 0;      // CopyPicture
};

class SimPicture : public platform::Picture {
public:
    SimPicture(int resourceId, raster::Image image)
        : resourceId(resourceId), image(std::move(image)) {}
    int width() const override { return image.width(); }
    int height() const override { return image.height(); }

    const int resourceId;
    const raster::Image image;
};

class SimGraphics : public platform::Graphics {
public:
    SimGraphics(SimWindows& windows, std::string picturesFolder);

    std::unique_ptr<platform::Picture> loadPicture(int resourceId) override;
    std::unique_ptr<platform::Surface> createComposition(int width, int height) override;
    void present(platform::Surface& composition) override;
    std::unique_ptr<platform::Surface> windowSurface() override;
    int defaultFontTextWidth(const std::string& text) override;

    // For tests.
    void setPictureFails(int resourceId, bool fails);
    void setCompositionFails(bool fails) { compositionFails = fails; }
    const std::vector<int>& loadedPictures() const { return loads; }
    const std::vector<DrawRecord>& drawLog() const { return records; }
    void clearDrawLog() { records.clear(); }
    // The keyboard window's client area, at the window's current size.
    const raster::Image& windowImage();
    bool snapshotPng(const std::string& path);

    // For the surfaces.
    void record(const DrawRecord& drawn) { records.push_back(drawn); }

private:
    SimWindows& windows;
    std::string folder;
    std::set<int> failingPictures;
    bool compositionFails = false;
    std::vector<int> loads;
    std::vector<DrawRecord> records;
    raster::Image window;
};

}  // namespace sim
