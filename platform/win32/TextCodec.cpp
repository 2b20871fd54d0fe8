#include "platform/win32/TextCodec.h"

#include "platform/win32/win32.h"

namespace win32 {

namespace {

std::wstring toUtf16(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        length);
    return out;
}

}  // namespace

std::wstring utf16FromCp1252(const std::string& text) { return toUtf16(text, 1252); }

std::string utf8FromAnsi(const std::string& text) {
    std::wstring wide = toUtf16(text, CP_ACP);
    if (wide.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length,
                        nullptr, nullptr);
    return out;
}

}  // namespace win32
