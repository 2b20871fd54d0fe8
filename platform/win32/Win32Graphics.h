// GDI drawing: bitmap resources, memory device contexts, fonts and frames.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32.h"

namespace win32 {

class Win32Framework;

class Win32Picture final : public platform::Picture {
public:
    Win32Picture(HBITMAP bitmap, int width, int height);
    ~Win32Picture() override;
    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;
    int width() const override { return width_; }
    int height() const override { return height_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    HBITMAP bitmap_;
    int width_;
    int height_;
};

// A device context with the font selected into it; the derived classes own
// the context itself.
class Win32Surface : public platform::Surface {
public:
    ~Win32Surface() override;
    Win32Surface(const Win32Surface&) = delete;
    Win32Surface& operator=(const Win32Surface&) = delete;

    void copyPicture(const platform::Picture& picture) override;
    void selectFont(const platform::FontSpec& font) override;
    int textWidth(const std::string& text) override;
    void textOut(int x, int y, const std::string& text) override;
    void drawText(const std::string& text, const platform::Rect& box, platform::Align align,
                  bool wordEllipsis) override;
    void frameRect(const platform::Rect& rect, platform::Color color) override;
    void fillRect(const platform::Rect& rect, platform::Color color) override;

    HDC dc() const { return dc_; }

protected:
    explicit Win32Surface(HDC dc);
    // Puts the context's own font back and deletes ours; the derived
    // destructors call it before they release the context.
    void releaseFont();

private:
    // FrameRect or FillRect with a brush of `color` made for the call.
    void brushRect(const platform::Rect& rect, platform::Color color,
                   int(WINAPI* draw)(HDC, const RECT*, HBRUSH));

    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
};

class Win32Graphics final : public platform::Graphics {
public:
    explicit Win32Graphics(Win32Framework& framework);

    std::unique_ptr<platform::Picture> loadPicture(int resourceId) override;
    std::unique_ptr<platform::Surface> createComposition(int width, int height) override;
    void present(platform::Surface& composition) override;
    std::unique_ptr<platform::Surface> windowSurface() override;
    int defaultFontTextWidth(const std::string& text) override;

private:
    Win32Framework& framework_;
};

}  // namespace win32
