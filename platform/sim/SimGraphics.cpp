#include "platform/sim/SimGraphics.h"

#include <map>
#include <utility>

#include "platform/raster/bmp.h"
#include "platform/raster/png.h"
#include "platform/sim/SimWindows.h"

namespace sim {

namespace {

// What a window shows where nothing has been painted: the dialog face colour.
constexpr platform::Color kDialogFace{240, 240, 240};

// A device context on an image: the composition's own, or the window's.
class SimSurface : public platform::Surface {
public:
    // A composition owning its image.
    SimSurface(SimGraphics& graphics, int width, int height)
        : graphics(graphics), own(width, height, raster::kBlack), target(&own) {}
    // Straight on the window's image.
    SimSurface(SimGraphics& graphics, raster::Image& window)
        : graphics(graphics), target(&window), onWindow(true) {}

    void copyPicture(const platform::Picture& picture) override {
        DrawRecord drawn = start(DrawRecord::Kind::CopyPicture);
        if (const auto* simPicture = dynamic_cast<const SimPicture*>(&picture)) {
            drawn.pictureId = simPicture->resourceId;
            target->blit(simPicture->image, 0, 0);
        }
        graphics.record(drawn);
    }

    void selectFont(const platform::FontSpec& fontSpec) override { font = raster::Font(fontSpec); }

    int textWidth(const std::string& text) override { return font.measure(text); }

    void textOut(int x, int y, const std::string& text) override {
        DrawRecord drawn = start(DrawRecord::Kind::TextOut);
        drawn.text = text;
        drawn.at = platform::Point{x, y};
        drawn.font = font.fontSpec();
        graphics.record(drawn);
        font.textOut(*target, x, y, text, raster::kBlack, raster::kWhite);
    }

    void drawText(const std::string& text, const platform::Rect& box, platform::Align align,
                  bool wordEllipsis) override {
        DrawRecord drawn = start(DrawRecord::Kind::DrawText);
        drawn.text = text;
        drawn.rect = box;
        drawn.font = font.fontSpec();
        drawn.align = align;
        drawn.wordEllipsis = wordEllipsis;
        graphics.record(drawn);
        font.drawText(*target, text, box, align, wordEllipsis, raster::kBlack, raster::kWhite);
    }

    void frameRect(const platform::Rect& rect, platform::Color color) override {
        recordRect(DrawRecord::Kind::FrameRect, rect, color);
        target->frameRect(rect, color);
    }

    void fillRect(const platform::Rect& rect, platform::Color color) override {
        recordRect(DrawRecord::Kind::FillRect, rect, color);
        target->fillRect(rect, color);
    }

    const raster::Image& image() const { return *target; }

private:
    DrawRecord start(DrawRecord::Kind kind) const {
        DrawRecord drawn;
        drawn.kind = kind;
        drawn.onWindow = onWindow;
        return drawn;
    }
    void recordRect(DrawRecord::Kind kind, const platform::Rect& rect, platform::Color color) {
        DrawRecord drawn = start(kind);
        drawn.rect = rect;
        drawn.color = color;
        graphics.record(drawn);
    }

    SimGraphics& graphics;
    raster::Image own;
    raster::Image* target;
    bool onWindow = false;
    // A new device context starts with the system font.
    raster::Font font{raster::systemFontSpec()};
};

}  // namespace

SimGraphics::SimGraphics(SimWindows& windows, std::string picturesFolder)
    : windows(windows), folder(std::move(picturesFolder)) {}

std::unique_ptr<platform::Picture> SimGraphics::loadPicture(int resourceId) {
    loads.push_back(resourceId);
    if (failingPictures.count(resourceId) != 0 || folder.empty()) return nullptr;
    // Every keyboard start loads all the pictures; decode each file once per process.
    static std::map<std::string, raster::Image> decoded;
    // The pictures of the larger display sets are PNG files.
    const std::string stem = folder + "/" + std::to_string(resourceId);
    const std::string path = stem + ".bmp";
    auto found = decoded.find(path);
    if (found == decoded.end()) {
        std::optional<raster::Image> image = raster::readBmp(path);
        if (!image) image = raster::readPng(stem + ".png");
        if (!image) return nullptr;
        found = decoded.emplace(path, std::move(*image)).first;
    }
    return std::make_unique<SimPicture>(resourceId, found->second);
}

std::unique_ptr<platform::Surface> SimGraphics::createComposition(int width, int height) {
    if (compositionFails) return nullptr;
    return std::make_unique<SimSurface>(*this, width, height);
}

void SimGraphics::present(platform::Surface& composition) {
    DrawRecord drawn;
    drawn.kind = DrawRecord::Kind::Present;
    drawn.onWindow = true;
    records.push_back(drawn);
    if (const auto* surface = dynamic_cast<const SimSurface*>(&composition)) {
        const raster::Image& source = surface->image();
        // A composition may be the window's own surface; copying it onto itself changes nothing.
        if (&source != &windowImage()) window.blit(source, 0, 0);
    }
}

std::unique_ptr<platform::Surface> SimGraphics::windowSurface() {
    windowImage();
    return std::make_unique<SimSurface>(*this, window);
}

int SimGraphics::defaultFontTextWidth(const std::string& text) {
    static const raster::Font systemFont(raster::systemFontSpec());
    return systemFont.measure(text);
}

void SimGraphics::setPictureFails(int resourceId, bool fails) {
    if (fails) {
        failingPictures.insert(resourceId);
    } else {
        failingPictures.erase(resourceId);
    }
}

const raster::Image& SimGraphics::windowImage() {
    // Follows the window's size; a grown window shows the face colour where
    // nothing has been painted yet. A closed window keeps its last picture.
    const SimWindow* keyboard = windows.window(windows.keyboardWindow());
    const platform::Rect rect = keyboard ? keyboard->rect : platform::Rect{};
    if (rect.width() != window.width() || rect.height() != window.height()) {
        raster::Image resized(rect.width(), rect.height(), kDialogFace);
        resized.blit(window, 0, 0);
        window = std::move(resized);
    }
    return window;
}

bool SimGraphics::snapshotPng(const std::string& path) {
    return raster::writePng(windowImage(), path);
}

}  // namespace sim
