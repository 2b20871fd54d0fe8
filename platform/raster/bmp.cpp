#include "platform/raster/bmp.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace raster {

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;
// Larger pictures are taken as damage rather than allocated.
constexpr std::int64_t kMaxSide = 1 << 15;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
std::uint32_t get16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t get32(const std::uint8_t* p) {
    return get16(p) | (static_cast<std::uint32_t>(get16(p + 2)) << 16);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Image& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width()) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.height());
    const std::uint32_t offset = kFileHeader + kInfoHeader;
    std::vector<std::uint8_t> out;
    out.reserve(offset + dataSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + dataSize);
    put32(out, 0);  // reserved
    put32(out, offset);
    put32(out, kInfoHeader);
    put32(out, static_cast<std::uint32_t>(image.width()));
    put32(out, static_cast<std::uint32_t>(image.height()));  // positive: bottom-up
    put16(out, 1);                                           // planes
    put16(out, 24);                                          // bits per pixel
    put32(out, 0);                                           // BI_RGB
    put32(out, dataSize);
    put32(out, 2835);  // 72 dots per inch, as pixels per metre
    put32(out, 2835);
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours
    for (int y = image.height() - 1; y >= 0; --y) {
        const Color* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(row[x].blue);
            out.push_back(row[x].green);
            out.push_back(row[x].red);
        }
        for (std::uint32_t pad = image.width() * 3u; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

std::optional<Image> decodeBmp(const std::uint8_t* data, size_t size) {
    if (data == nullptr || size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t offset = get32(data + 10);
    const std::uint32_t infoSize = get32(data + 14);
    if (infoSize < kInfoHeader || infoSize > size - kFileHeader) {
        return std::nullopt;
    }
    const std::int64_t width = static_cast<std::int32_t>(get32(data + 18));
    const std::int64_t rawHeight = static_cast<std::int32_t>(get32(data + 22));
    const std::uint32_t planes = get16(data + 26);
    const std::uint32_t bits = get16(data + 28);
    const std::uint32_t compression = get32(data + 30);
    const bool topDown = rawHeight < 0;
    const std::int64_t height = std::llabs(rawHeight);
    if (planes != 1 || (bits != 24 && bits != 32) || compression != 0 || width <= 0 ||
        height <= 0 || width > kMaxSide || height > kMaxSide) {
        return std::nullopt;
    }
    const std::int64_t bytesPerPixel = bits / 8;
    const std::int64_t stride = (width * bytesPerPixel + 3) & ~std::int64_t{3};
    if (offset > size || static_cast<std::int64_t>(size - offset) < stride * height) {
        return std::nullopt;
    }
    Image image(static_cast<int>(width), static_cast<int>(height));
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* in = data + offset + (topDown ? y : height - 1 - y) * stride;
        Color* row = image.row(static_cast<int>(y));
        for (std::int64_t x = 0; x < width; ++x, in += bytesPerPixel) {
            row[x] = Color{in[2], in[1], in[0]};
        }
    }
    return image;
}

bool writeBmp(const Image& image, const std::string& path) {
    const std::vector<std::uint8_t> bytes = encodeBmp(image);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::optional<Image> readBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    const std::streamoff size = in.tellg();
    if (size <= 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return decodeBmp(bytes.data(), bytes.size());
}

}  // namespace raster
