#include "platform/win32/PngResource.h"

#include <wincodec.h>

namespace win32 {

namespace {

// Releases a COM pointer when it goes out of scope.
template <typename T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
};

// A bitmap of the decoded frame, 32 bits a pixel, top row first.
HBITMAP toBitmap(IWICBitmapSource* source, int& width, int& height) {
    UINT w = 0;
    UINT h = 0;
    if (FAILED(source->GetSize(&w, &h)) || w == 0 || h == 0) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(w);
    info.bmiHeader.biHeight = -static_cast<LONG>(h);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const UINT stride = w * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * h, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return bitmap;
}

}  // namespace

HBITMAP loadPngResource(int resourceId, int& width, int& height) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!data || size == 0) return nullptr;

    Held<IWICImagingFactory> factory;
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))) ||
        FAILED(factory.p->CreateStream(&stream.p)) ||
        FAILED(stream.p->InitializeFromMemory(static_cast<BYTE*>(data), size)) ||
        FAILED(factory.p->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                                  &decoder.p)) ||
        FAILED(decoder.p->GetFrame(0, &frame.p)) ||
        FAILED(factory.p->CreateFormatConverter(&converter.p)) ||
        FAILED(converter.p->Initialize(frame.p, GUID_WICPixelFormat32bppBGR,
                                       WICBitmapDitherTypeNone, nullptr, 0.0,
                                       WICBitmapPaletteTypeCustom))) {
        return nullptr;
    }
    return toBitmap(converter.p, width, height);
}

}  // namespace win32
