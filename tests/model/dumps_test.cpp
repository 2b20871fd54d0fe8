#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/KeyboardLayout.h"
#include "model/key_codes.h"

namespace {

std::string captured(const std::function<void()>& dump) {
    testing::internal::CaptureStdout();
    dump();
    return testing::internal::GetCapturedStdout();
}

const std::string kRule = "-------------------------------------\n";

// How a key prints itself, written out independently of the model.
std::string keyText(int x1, int y1, int x2, int y2, int size, char code) {
    return "Punto1\nX: " + std::to_string(x1) + ", Y: " + std::to_string(y1) +
           "\nPunto2\nX: " + std::to_string(x2) + ", Y: " + std::to_string(y2) + "\n" + kRule +
           "Tama\xF1o: " + std::to_string(size) + "\nVirtual Key:" + std::string(1, code) + "\n" +
           kRule;
}

TEST(Dumps, PointPrintsBothCoordinates) {
    EXPECT_EQ(captured([] { KeyPoint(-4, 33).dump(); }), "X: -4, Y: 33\n");
}

TEST(Dumps, KeyPrintsCornersSizeAndRawCode) {
    const KeyboardLayout layout(startupTables());
    EXPECT_EQ(captured([&] { layout.line(3).keyAt(1).dump(); }), keyText(67, 129, 94, 156, 1, 'q'));
    EXPECT_EQ(captured([&] { layout.line(0).keyAt(0).dump(); }),
              keyText(3, 33, 63, 61, 2, direct::kEscape));
    // A dead cell prints its zero code byte as it is.
    EXPECT_EQ(captured([&] { layout.line(0).keyAt(1).dump(); }), keyText(67, 33, 94, 61, 0, '\0'));
}

TEST(Dumps, LayoutPrintsEveryRowUnderLineaZero) {
    const KeyboardLayout layout(symbolsTables());
    std::string expected;
    for (int r = 0; r < layout.lineCount(); ++r) {
        expected += "LINEA 0\n";
        const KeyLine& row = layout.line(r);
        for (int i = 0; i < row.keyCount(); ++i) {
            const Key key = row.keyAt(i);
            expected += keyText(key.getPoint1().getX(), key.getPoint1().getY(),
                                key.getPoint2().getX(), key.getPoint2().getY(), key.getSize(),
                                static_cast<char>(key.getVirtualKey()));
        }
    }
    const std::string printed = captured([&] { layout.dump(); });
    EXPECT_EQ(printed, expected);
    // The euro sign goes out as the single byte 0x80.
    EXPECT_NE(printed.find("Virtual Key:\x80\n"), std::string::npos);
}

}  // namespace
