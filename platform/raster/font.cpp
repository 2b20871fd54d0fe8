#include "platform/raster/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "platform/raster/cp1252.h"

#ifndef PELVOK_FONT_DIR
#define PELVOK_FONT_DIR "/usr/share/fonts/truetype/liberation"
#endif

namespace raster {

struct Font::Glyph {
    int left = 0;  // from the pen position to the bitmap's first column
    int top = 0;   // from the baseline up to the bitmap's first row
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<std::uint8_t> coverage;  // width × rows, 0 to 255
};

struct Font::GlyphSet {
    int height = 0;
    int ascent = 0;
    std::array<Glyph, 256> glyphs;
};

namespace {

// Cell height of a font made with height 0.
constexpr int kDefaultCellHeight = 16;

// The two faces, loaded once, and the glyphs of every font used so far.
class GlyphCache {
public:
    static GlyphCache& instance() {
        static GlyphCache cache;
        return cache;
    }

    std::shared_ptr<const Font::GlyphSet> get(const FontSpec& fontSpec) {
        std::lock_guard<std::mutex> lock(mutex_);
        const Key key{fontSpec.height, fontSpec.weight >= 600, fontSpec.antialiased};
        auto found = sets_.find(key);
        if (found != sets_.end()) {
            return found->second;
        }
        auto set = build(face(std::get<1>(key)), fontSpec.height, fontSpec.antialiased);
        sets_.emplace(key, set);
        return set;
    }

    ~GlyphCache() {
        for (FT_Face f : faces_) {
            if (f != nullptr) {
                FT_Done_Face(f);
            }
        }
        if (library_ != nullptr) {
            FT_Done_FreeType(library_);
        }
    }

    GlyphCache(const GlyphCache&) = delete;
    GlyphCache& operator=(const GlyphCache&) = delete;

private:
    using Key = std::tuple<int, bool, bool>;

    GlyphCache() = default;

    FT_Face face(bool bold) {
        FT_Face& f = faces_[bold ? 1 : 0];
        if (f != nullptr) {
            return f;
        }
        if (library_ == nullptr && FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            throw FontError("FreeType cannot be initialised");
        }
        const std::string path =
            std::string(PELVOK_FONT_DIR) +
            (bold ? "/LiberationSans-Bold.ttf" : "/LiberationSans-Regular.ttf");
        if (FT_New_Face(library_, path.c_str(), 0, &f) != 0) {
            f = nullptr;
            throw FontError("cannot load the font " + path);
        }
        return f;
    }

    static std::shared_ptr<Font::GlyphSet> build(FT_Face face, int height, bool antialiased) {
        // GDI maps a cell height onto winAscent + winDescent of the OS/2 table.
        int ascender = face->ascender;
        int descender = -face->descender;
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
            ascender = os2->usWinAscent;
            descender = os2->usWinDescent;
        }
        const double units = std::max(1, ascender + descender);
        double em = 0;
        int cell = 0;
        if (height < 0) {
            em = -height;
            cell = static_cast<int>(std::lround(em * units / face->units_per_EM));
        } else {
            cell = height == 0 ? kDefaultCellHeight : height;
            em = cell * face->units_per_EM / units;
        }
        auto set = std::make_shared<Font::GlyphSet>();
        set->height = cell;
        set->ascent = static_cast<int>(std::lround(cell * ascender / units));
        if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72) != 0) {
            throw FontError("cannot size the font");
        }
        for (int byte = 0; byte < 256; ++byte) {
            const FT_UInt index =
                FT_Get_Char_Index(face, cp1252ToUnicode(static_cast<std::uint8_t>(byte)));
            Font::Glyph& glyph = set->glyphs[byte];
            // Widths are the hinted ones of the normal target whatever the
            // quality; they come closest to GDI's rounded Arial widths.
            if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_NORMAL) == 0) {
                glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
            }
            const FT_Int32 flags = antialiased ? FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL
                                               : FT_LOAD_RENDER | FT_LOAD_TARGET_MONO;
            if (FT_Load_Glyph(face, index, flags) != 0) {
                continue;
            }
            const FT_GlyphSlot slot = face->glyph;
            const FT_Bitmap& bitmap = slot->bitmap;
            glyph.left = slot->bitmap_left;
            glyph.top = slot->bitmap_top;
            glyph.width = static_cast<int>(bitmap.width);
            glyph.rows = static_cast<int>(bitmap.rows);
            glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.rows, 0);
            const int pitch = std::abs(bitmap.pitch);
            for (int y = 0; y < glyph.rows; ++y) {
                const unsigned char* line = bitmap.buffer + static_cast<size_t>(y) * pitch;
                for (int x = 0; x < glyph.width; ++x) {
                    std::uint8_t value = 0;
                    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                        value = (line[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                    } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                        value = static_cast<std::uint8_t>(line[x] * 255 /
                                                          std::max(1, bitmap.num_grays - 1));
                    }
                    glyph.coverage[static_cast<size_t>(y) * glyph.width + x] = value;
                }
            }
        }
        return set;
    }

    std::mutex mutex_;
    FT_Library library_ = nullptr;
    FT_Face faces_[2] = {nullptr, nullptr};
    std::map<Key, std::shared_ptr<const Font::GlyphSet>> sets_;
};

}  // namespace

FontSpec systemFontSpec() {
    FontSpec fontSpec;
    fontSpec.height = kDefaultCellHeight;
    fontSpec.weight = 700;
    fontSpec.antialiased = false;
    return fontSpec;
}

Font::Font(const FontSpec& fontSpec) : spec_(fontSpec), glyphs_(GlyphCache::instance().get(fontSpec)) {}

int Font::height() const { return glyphs_->height; }
int Font::ascent() const { return glyphs_->ascent; }
int Font::descent() const { return glyphs_->height - glyphs_->ascent; }

int Font::advance(std::uint8_t byte) const { return glyphs_->glyphs[byte].advance; }

int Font::measure(const std::string& text) const {
    int width = 0;
    for (char c : text) {
        width += advance(static_cast<std::uint8_t>(c));
    }
    return width;
}

void Font::textOut(Image& image, int x, int y, const std::string& text, Color color,
                   std::optional<Color> background, const Rect* clip) const {
    const Rect area = clip != nullptr ? intersect(*clip, image.bounds()) : image.bounds();
    if (background) {
        image.fillRect(intersect(Rect{x, y, x + measure(text), y + height()}, area), *background);
    }
    const int baseline = y + ascent();
    int pen = x;
    for (char c : text) {
        const Glyph& glyph = glyphs_->glyphs[static_cast<std::uint8_t>(c)];
        const int left = pen + glyph.left;
        const int top = baseline - glyph.top;
        for (int gy = 0; gy < glyph.rows; ++gy) {
            const int py = top + gy;
            if (py < area.top || py >= area.bottom) {
                continue;
            }
            for (int gx = 0; gx < glyph.width; ++gx) {
                const int px = left + gx;
                if (px >= area.left && px < area.right) {
                    image.blendPixel(px, py, color,
                                     glyph.coverage[static_cast<size_t>(gy) * glyph.width + gx]);
                }
            }
        }
        pen += glyph.advance;
    }
}

void Font::drawText(Image& image, const std::string& text, const Rect& box, Align align,
                    bool wordEllipsis, Color color, std::optional<Color> background) const {
    const std::string shown = wordEllipsis ? fitWithEllipsis(text, box.width()) : text;
    const int width = measure(shown);
    const int x = align == Align::Centre ? box.left + (box.width() - width) / 2 : box.right - width;
    const int y = box.top + (box.height() - height()) / 2;
    textOut(image, x, y, shown, color, background, &box);
}

std::string Font::fitWithEllipsis(const std::string& text, int width) const {
    if (text.empty() || measure(text) <= width) {
        return text;
    }
    const std::string ellipsis = "...";
    const int room = width - measure(ellipsis);
    size_t keep = 0;
    int used = 0;
    while (keep < text.size()) {
        const int next = used + advance(static_cast<std::uint8_t>(text[keep]));
        if (next > room) {
            break;
        }
        used = next;
        ++keep;
    }
    return text.substr(0, keep) + ellipsis;
}

}  // namespace raster
