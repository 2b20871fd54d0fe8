#include "platform/win32/Win32Graphics.h"

#include "platform/win32/PngResource.h"
#include "platform/win32/Win32Framework.h"

namespace win32 {

namespace {

// A memory bitmap and its context, compatible with the keyboard window's.
class CompositionSurface final : public Win32Surface {
public:
    CompositionSurface(HDC dc, HBITMAP bitmap, int width, int height)
        : Win32Surface(dc), bitmap_(bitmap), width_(width), height_(height) {
        originalBitmap_ = SelectObject(dc, bitmap);
    }
    ~CompositionSurface() override {
        releaseFont();
        SelectObject(dc(), originalBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc());
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    HBITMAP bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_;
    int height_;
};

// The keyboard window's client area through GetDC.
class WindowSurface final : public Win32Surface {
public:
    explicit WindowSurface(HWND window) : Win32Surface(GetDC(window)), window_(window) {}
    ~WindowSurface() override {
        releaseFont();
        ReleaseDC(window_, dc());
    }

private:
    HWND window_;
};

// The paint context while WM_PAINT is handled, otherwise the window's own.
class ReferenceDc {
public:
    explicit ReferenceDc(Win32Framework& framework)
        : window_(framework.window()), dc_(framework.paintDc()) {
        if (!dc_) {
            dc_ = GetDC(window_);
            owned_ = true;
        }
    }
    ~ReferenceDc() {
        if (owned_) ReleaseDC(window_, dc_);
    }
    ReferenceDc(const ReferenceDc&) = delete;
    ReferenceDc& operator=(const ReferenceDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    bool owned_ = false;
};

}  // namespace

Win32Picture::Win32Picture(HBITMAP bitmap, int width, int height)
    : bitmap_(bitmap), width_(width), height_(height) {}

Win32Picture::~Win32Picture() { DeleteObject(bitmap_); }

Win32Surface::Win32Surface(HDC dc) : dc_(dc) {}

Win32Surface::~Win32Surface() = default;

void Win32Surface::releaseFont() {
    if (!font_) return;
    SelectObject(dc_, originalFont_);
    DeleteObject(font_);
    font_ = nullptr;
}

void Win32Surface::copyPicture(const platform::Picture& picture) {
    const auto& source = static_cast<const Win32Picture&>(picture);
    HDC pictureDc = CreateCompatibleDC(dc_);
    if (!pictureDc) return;
    HGDIOBJ original = SelectObject(pictureDc, source.bitmap());
    StretchBlt(dc_, 0, 0, source.width(), source.height(), pictureDc, 0, 0, source.width(),
               source.height(), SRCCOPY);
    SelectObject(pictureDc, original);
    DeleteDC(pictureDc);
}

void Win32Surface::selectFont(const platform::FontSpec& font) {
    HFONT created = CreateFontA(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                font.antialiased ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY,
                                DEFAULT_PITCH, "Arial");
    if (!created) return;
    HGDIOBJ previous = SelectObject(dc_, created);
    if (font_) {
        DeleteObject(font_);
    } else {
        originalFont_ = previous;
    }
    font_ = created;
}

int Win32Surface::textWidth(const std::string& text) {
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void Win32Surface::textOut(int x, int y, const std::string& text) {
    TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void Win32Surface::drawText(const std::string& text, const platform::Rect& box,
                            platform::Align align, bool wordEllipsis) {
    RECT rect = {box.left, box.top, box.right, box.bottom};
    UINT format = DT_SINGLELINE | DT_VCENTER;
    format |= align == platform::Align::Right ? DT_RIGHT : DT_CENTER;
    if (wordEllipsis) format |= DT_WORD_ELLIPSIS;
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &rect, format);
}

void Win32Surface::brushRect(const platform::Rect& rect, platform::Color color,
                             int(WINAPI* draw)(HDC, const RECT*, HBRUSH)) {
    HBRUSH brush = CreateSolidBrush(RGB(color.red, color.green, color.blue));
    if (!brush) return;
    RECT box = {rect.left, rect.top, rect.right, rect.bottom};
    draw(dc_, &box, brush);
    DeleteObject(brush);
}

void Win32Surface::frameRect(const platform::Rect& rect, platform::Color color) {
    brushRect(rect, color, FrameRect);
}

void Win32Surface::fillRect(const platform::Rect& rect, platform::Color color) {
    brushRect(rect, color, FillRect);
}

Win32Graphics::Win32Graphics(Win32Framework& framework) : framework_(framework) {}

std::unique_ptr<platform::Picture> Win32Graphics::loadPicture(int resourceId) {
    HBITMAP bitmap = LoadBitmapA(moduleInstance(), MAKEINTRESOURCEA(resourceId));
    if (!bitmap) {
        // The pictures of the larger display sets are PNG files.
        int width = 0;
        int height = 0;
        bitmap = loadPngResource(resourceId, width, height);
        if (!bitmap) return nullptr;
        return std::make_unique<Win32Picture>(bitmap, width, height);
    }
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof(info), &info)) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return std::make_unique<Win32Picture>(bitmap, info.bmWidth, info.bmHeight);
}

std::unique_ptr<platform::Surface> Win32Graphics::createComposition(int width, int height) {
    ReferenceDc reference(framework_);
    if (!reference.get()) return nullptr;
    HDC dc = CreateCompatibleDC(reference.get());
    if (!dc) return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(reference.get(), width, height);
    if (!bitmap) {
        DeleteDC(dc);
        return nullptr;
    }
    return std::make_unique<CompositionSurface>(dc, bitmap, width, height);
}

void Win32Graphics::present(platform::Surface& composition) {
    auto* source = dynamic_cast<CompositionSurface*>(&composition);
    if (!source) return;
    ReferenceDc target(framework_);
    BitBlt(target.get(), 0, 0, source->width(), source->height(), source->dc(), 0, 0, SRCCOPY);
}

std::unique_ptr<platform::Surface> Win32Graphics::windowSurface() {
    // Without a window the drawing goes to a scratch bitmap, never the screen.
    if (!framework_.window()) return createComposition(1, 1);
    return std::make_unique<WindowSurface>(framework_.window());
}

int Win32Graphics::defaultFontTextWidth(const std::string& text) {
    HWND window = framework_.window();
    HDC dc = GetDC(window);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    ReleaseDC(window, dc);
    return size.cx;
}

}  // namespace win32
