// A stand-in keyboard window on the framework: a row of eight keys, a text
// line, the five private messages and the thread-input attachment, enough to
// check the framework and the platform end to end before the real keyboard
// exists. It shows its text line in its (invisible) window title, where the
// driver reads it.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

class StandInDialog final : public platform::DialogHandlers {
public:
    explicit StandInDialog(platform::Platform& platform);

    int OnCreate() override;
    bool OnInitDialog() override;
    void OnPaint() override;
    void PreTranslateMessage() override;
    int OnMouseActivate() override;
    void OnMouseMove() override;
    void OnLButtonUp(std::uint32_t flags, std::int32_t point) override;
    void OnRButtonUp(std::uint32_t flags, std::int32_t point) override;
    std::intptr_t OnPrivateMessage(int n, std::uintptr_t wParam) override;
    void OnCommand(int id) override;
    void OnClose() override;

private:
    int keyAt(int x, int y) const;
    platform::Rect keyRect(int key) const;
    void activate();
    void pointerToKey(int key);
    void append(const std::string& text);
    void showEcho();

    platform::Platform& platform_;
    std::unique_ptr<platform::Picture> picture_;
    std::string echo_;
    int current_ = 0;
    platform::WindowId lastTarget_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
};
