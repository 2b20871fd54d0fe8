#include "resources/pictures/keyboard_picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "model/KeyboardLayout.h"
#include "model/key_codes.h"
#include "model/sizes.h"
#include "platform/raster/bmp.h"
#include "platform/raster/png.h"
#include "resources/pictures/picture_list.h"
#include "resources/resource_ids.h"

namespace pictures {
// Test names and messages show the resource number.
void PrintTo(const PictureSpec& entry, std::ostream* out) { *out << entry.resourceId; }
}  // namespace pictures

namespace {

using pictures::Page;
using pictures::PictureSpec;
using raster::Color;
using raster::Image;
using raster::Rect;

// Every picture, drawn once for the whole suite.
const Image& picture(const PictureSpec& entry) {
    static std::map<int, Image> drawn;
    auto found = drawn.find(entry.resourceId);
    if (found == drawn.end()) {
        found = drawn.emplace(entry.resourceId, pictures::renderPicture(entry)).first;
    }
    return found->second;
}

float scaleOf(const PictureSpec& entry) { return pictures::pictureSize(entry.sizeStep).scale; }

// Calls `visit` with every key of the picture's table (dead cells included).
void forEachKey(const PictureSpec& entry, const std::function<void(const Key&, int row)>& visit) {
    const KeyboardLayout layout(pictures::pageTables(entry));
    for (int r = 0; r < layout.lineCount(); ++r) {
        for (int i = 0; i < layout.line(r).keyCount(); ++i) {
            visit(layout.line(r).keyAt(i), r);
        }
    }
}

// A point inside the key, clear of its outline, corners and label.
Color keyColour(const Image& image, const Key& key, float scale) {
    const Rect box = pictures::keyBox(key, scale);
    return image.pixel(box.left + 3, box.top + box.height() / 2);
}

// The pixels darker than mid-grey inside the key, clear of its rounded outline.
int inkInside(const Image& image, const Rect& box, float scale) {
    const int inset = static_cast<int>(4 * scale) + 1;
    int ink = 0;
    for (int y = box.top + inset; y < box.bottom - inset; ++y) {
        for (int x = box.left + inset; x < box.right - inset; ++x) {
            const Color c = image.pixel(x, y);
            ink += (c.red + c.green + c.blue) / 3 < 128;
        }
    }
    return ink;
}

class EveryPicture : public testing::TestWithParam<PictureSpec> {};

TEST_P(EveryPicture, FrameBackgroundAndTextStrip) {
    const PictureSpec entry = GetParam();
    const Image& image = picture(entry);
    const pictures::PictureSize size = pictures::pictureSize(entry.sizeStep);
    ASSERT_EQ(image.width(), size.width);
    ASSERT_EQ(image.height(), size.height);
    EXPECT_EQ(image.pixel(0, 0), pictures::kInk);
    EXPECT_EQ(image.pixel(size.width - 1, size.height / 2), pictures::kInk);
    EXPECT_EQ(image.pixel(size.width / 2, size.height - 1), pictures::kInk);
    EXPECT_EQ(image.pixel(1, 1), pictures::kBackground);
    EXPECT_EQ(image.pixel(size.width - 2, size.height - 2), pictures::kBackground);

    const Rect strip = pictures::textStripInside(size.scale);
    if (entry.sizeStep == 1) {
        EXPECT_EQ(strip.left, 5);
        EXPECT_EQ(strip.top, 6);
        EXPECT_EQ(strip.right, 414);
        EXPECT_EQ(strip.bottom, 27);
    }
    EXPECT_EQ(image.pixel(strip.left, strip.top), raster::kWhite);
    EXPECT_EQ(image.pixel(strip.right - 1, strip.bottom - 1), raster::kWhite);
    EXPECT_EQ(image.pixel(strip.left - 1, strip.top + 5), pictures::kInk);
    EXPECT_EQ(image.pixel(strip.right, strip.top + 5), pictures::kInk);
    EXPECT_EQ(image.pixel(strip.left + 20, strip.bottom), pictures::kInk);
}

TEST_P(EveryPicture, KeysHaveTheirColoursAndLabels) {
    const PictureSpec entry = GetParam();
    const Image& image = picture(entry);
    const float s = scaleOf(entry);
    const bool shiftLit = entry.page == Page::LowerShiftLit || entry.page == Page::UpperShiftLit;
    int suggestions = 0;
    forEachKey(entry, [&](const Key& key, int) {
        const Rect box = pictures::keyBox(key, s);
        const int code = key.getVirtualKey();
        if (key.getSize() == 0) {
            // Dead cells are not drawn.
            EXPECT_EQ(image.pixel(box.left + box.width() / 2, box.top + box.height() / 2),
                      pictures::kBackground);
            return;
        }
        EXPECT_EQ(image.pixel(box.left + box.width() / 2, box.top), pictures::kKeyOutline);
        EXPECT_EQ(image.pixel(box.left, box.top + box.height() / 2), pictures::kKeyOutline);
        Color expected = raster::kWhite;
        if (key.isCommand() && code == command::kExit) {
            expected = pictures::kPowerFill;
        } else if ((key.isCommand() && code == command::kForwardDelete) ||
                   (key.isDirect() && (code == direct::kHome || code == direct::kEnd))) {
            expected = pictures::kEditFill;
        } else if (key.isCommand() &&
                   (code == command::kCopy || code == command::kPaste || code == command::kCut)) {
            expected = pictures::kClipboardFill;
        } else if (key.isDirect() && code == direct::kShiftLatch && shiftLit) {
            expected = pictures::kShiftLitFill;
        }
        EXPECT_EQ(keyColour(image, key, s), expected) << "key " << code;

        const int ink = inkInside(image, box, s);
        if (pictures::isSuggestionKey(key, entry.page)) {
            ++suggestions;
            EXPECT_EQ(ink, 0) << "suggestion key " << code << " is not blank";
        } else {
            // A label worth reading: a few pixels at base size, more when larger.
            EXPECT_GE(ink, static_cast<int>(4 * s * s)) << "key " << code << " has no label";
        }
    });
    EXPECT_EQ(suggestions, entry.page == Page::Symbols ? 0 : 6);
}

// The build draws every picture into PELVOK_PICTURES_DIR; the file must be
// the picture itself.
TEST_P(EveryPicture, BuildFolderHoldsIt) {
    const PictureSpec entry = GetParam();
    const std::string path =
        std::string(PELVOK_PICTURES_DIR) + "/" + std::to_string(entry.resourceId) + ".bmp";
    const auto image = raster::readBmp(path);
    ASSERT_TRUE(image) << path;
    EXPECT_TRUE(*image == picture(entry)) << path;
}

std::vector<PictureSpec> specs() { return pictures::allPictures(); }

std::string specName(const testing::TestParamInfo<PictureSpec>& info) {
    return std::to_string(info.param.resourceId);
}

INSTANTIATE_TEST_SUITE_P(Pictures, EveryPicture, testing::ValuesIn(specs()), specName);

const PictureSpec& find(int id) {
    for (const PictureSpec& entry : pictures::allPictures()) {
        if (entry.resourceId == id) {
            return entry;
        }
    }
    throw std::out_of_range("no picture " + std::to_string(id));
}

Key keyAt(const PictureSpec& entry, int row, int column) {
    const KeyboardLayout layout(pictures::pageTables(entry));
    return layout.line(row).keyAtColumn(column);
}

TEST(KeyboardPictureTest, LetterPagesShowTheArrangementKeyAtRowZeroColumnTwo) {
    for (int id : {IDB_LOWER_1, IDB_UPPER_1, IDB_LOWER_SHIFT_1, IDB_UPPER_SHIFT_1, IDB_LOWER_4,
                   IDB_OPT_LOWER_1, IDB_OPT_UPPER_SHIFT_4}) {
        const PictureSpec& entry = find(id);
        const Key key = keyAt(entry, 0, 2);
        ASSERT_TRUE(key.isCommand());
        ASSERT_EQ(key.getVirtualKey(), command::kArrangement);
        const Rect box = pictures::keyBox(key, scaleOf(entry));
        const Image& image = picture(entry);
        EXPECT_EQ(keyColour(image, key, scaleOf(entry)), raster::kWhite) << id;
        EXPECT_GT(inkInside(image, box, scaleOf(entry)), 0) << id;
    }
}

TEST(KeyboardPictureTest, YellowShiftOnlyOnTheShiftLitPages) {
    struct Case {
        int id;
        bool lit;
    } cases[] = {{IDB_LOWER_1, false},          {IDB_UPPER_1, false},
                 {IDB_LOWER_SHIFT_1, true},     {IDB_UPPER_SHIFT_1, true},
                 {IDB_UPPER_SHIFT_4, true},     {IDB_OPT_UPPER_1, false},
                 {IDB_OPT_LOWER_SHIFT_1, true}, {IDB_OPT_UPPER_SHIFT_1, true}};
    for (const Case& c : cases) {
        const PictureSpec& entry = find(c.id);
        const Key shift = keyAt(entry, 4, 0);
        ASSERT_TRUE(shift.isDirect());
        ASSERT_EQ(shift.getVirtualKey(), direct::kShiftLatch);
        EXPECT_EQ(keyColour(picture(entry), shift, scaleOf(entry)) == pictures::kShiftLitFill,
                  c.lit)
            << c.id;
    }
}

// Case changes the letter labels and nothing else.
TEST(KeyboardPictureTest, UpperCasePagesDifferOnlyInLetterLabels) {
    struct Pair {
        int lower;
        int upper;
    } pairs[] = {{IDB_LOWER_1, IDB_UPPER_1},
                 {IDB_LOWER_SHIFT_1, IDB_UPPER_SHIFT_1},
                 {IDB_LOWER_4, IDB_UPPER_4},
                 {IDB_OPT_LOWER_1, IDB_OPT_UPPER_1}};
    for (const Pair& p : pairs) {
        const PictureSpec& entry = find(p.lower);
        const Image& lower = picture(entry);
        const Image& upper = picture(find(p.upper));
        const bool shiftDiffers =
            (entry.page == Page::LowerShiftLit) != (find(p.upper).page == Page::UpperShiftLit);
        forEachKey(entry, [&](const Key& key, int) {
            if (key.getSize() == 0) {
                return;
            }
            const Rect box = pictures::keyBox(key, scaleOf(entry));
            bool same = true;
            for (int y = box.top; y < box.bottom && same; ++y) {
                for (int x = box.left; x < box.right && same; ++x) {
                    same = lower.pixel(x, y) == upper.pixel(x, y);
                }
            }
            const int code = key.getVirtualKey();
            const bool letter = !key.isCommand() && !key.isDirect() &&
                                ((code >= 'a' && code <= 'z') || code == cp1252::kSmallCCedilla ||
                                 code == cp1252::kSmallNTilde);
            const bool caseKey =
                key.isDirect() && (code == direct::kSymbols || code == direct::kCapsLock);
            const bool shift = key.isDirect() && code == direct::kShiftLatch && shiftDiffers;
            EXPECT_EQ(same, !(letter || caseKey || shift))
                << p.lower << "/" << p.upper << " key " << code;
        });
    }
}

TEST(KeyboardPictureTest, LargerSizesAreDrawnNotScaled) {
    // At size 4 the outline stays one pixel wide.
    const PictureSpec& entry = find(IDB_LOWER_4);
    const Key esc = keyAt(entry, 0, 0);
    const Rect box = pictures::keyBox(esc, scaleOf(entry));
    EXPECT_EQ(box.left, 5);     // 3 × 1.855
    EXPECT_EQ(box.right, 117);  // 63 × 1.855 = 116.9, plus one
    const Image& image = picture(entry);
    const int y = box.top + box.height() / 2;
    EXPECT_EQ(image.pixel(box.left, y), pictures::kKeyOutline);
    EXPECT_EQ(image.pixel(box.left + 1, y), raster::kWhite);
    EXPECT_EQ(image.pixel(box.left - 1, y), pictures::kBackground);
}

// Screens of 150 % and 200 % get pictures drawn at their scale, not
// enlarged ones: each is in the build folder at the window's size, and the
// outline of a key stays one pixel wide.
TEST(KeyboardPictureTest, LargerDisplaySetsAreDrawnAtTheirScale) {
    const std::vector<PictureSpec>& larger = pictures::largerDisplayPictures();
    ASSERT_EQ(larger.size(), 2 * pictures::allPictures().size());
    for (const PictureSpec& entry : larger) {
        SCOPED_TRACE(entry.resourceId);
        const pictures::PictureSize size = pictures::pictureSize(entry.sizeStep, entry.displaySet);
        const float scale = (sizes::kIncrements[entry.sizeStep - 1] + 1.0f) *
                            sizes::kDisplayScales[entry.displaySet];
        EXPECT_EQ(size.width, static_cast<int>(sizes::kBaseWidth * scale));
        EXPECT_EQ(size.height, static_cast<int>(sizes::kBaseHeight * scale));
        const std::string path =
            std::string(PELVOK_PICTURES_DIR) + "/" + std::to_string(entry.resourceId) + ".png";
        const auto image = raster::readPng(path);
        ASSERT_TRUE(image) << path;
        EXPECT_EQ(image->width(), size.width);
        EXPECT_EQ(image->height(), size.height);
        if (entry.page != Page::Lower || entry.arrangement != pictures::Arrangement::Qwerty) {
            continue;
        }
        EXPECT_TRUE(*image == pictures::renderPicture(entry)) << path;
        const Rect box = pictures::keyBox(keyAt(entry, 0, 0), size.scale);
        const int y = box.top + box.height() / 2;
        EXPECT_EQ(image->pixel(box.left, y), pictures::kKeyOutline);
        EXPECT_EQ(image->pixel(box.left + 1, y), raster::kWhite);
    }
}

}  // namespace
