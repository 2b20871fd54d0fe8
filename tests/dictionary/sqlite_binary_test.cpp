#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dictionary/SqliteBinary.h"
#include "dictionary/SqliteBuffer.h"
#include "dictionary/SqliteDatabase.h"
#include "tests/dictionary/failure.h"

namespace {

using Bytes = std::vector<unsigned char>;

int capacityFor(int n) { return 3 + (257 * n) / 254; }

// The encoding, including its terminating NUL, written into a block of
// exactly the documented size.
Bytes encode(const Bytes& in) {
    Bytes out(capacityFor(static_cast<int>(in.size())), 0xEE);
    int length = encodeBinary(in.data(), static_cast<int>(in.size()), out.data());
    EXPECT_LT(length, static_cast<int>(out.size()));
    EXPECT_EQ(out[length], 0);
    out.resize(length);
    return out;
}

Bytes decode(const Bytes& text, int* result = nullptr) {
    Bytes in = text;
    in.push_back(0);
    Bytes out(in.size(), 0);
    int length = decodeBinary(in.data(), out.data());
    if (result) *result = length;
    out.resize(length < 0 ? 0 : length);
    return out;
}

struct EncodingCase {
    const char* what;
    Bytes raw;
    Bytes encoded;
};

const EncodingCase kEncodings[] = {
    {"empty", {}, {'x'}},
    {"one zero byte", {0x00}, {0x01, 0xFF}},
    // Offsets 1 and 2 would need escapes; 3 needs none.
    {"first offset without escapes", {0x01, 0x02, 0x28, 0x05}, {0x03, 0xFE, 0xFF, 0x25, 0x02}},
    // Offset 1 escapes as many bytes as there are, so it is no better than none.
    {"strictly fewer escapes", {0x01}, {0x02, 0xFF}},
    {"apostrophe", {'\''}, {0x01, 0x26}},
};

TEST(BinaryTextTest, FixedEncodings) {
    for (const EncodingCase& c : kEncodings) {
        EXPECT_EQ(encode(c.raw), c.encoded) << c.what;
        EXPECT_EQ(decode(c.encoded), c.raw) << c.what;
    }
}

TEST(BinaryTextTest, EveryByteValueNeedsEscapesWithTheBestOffset) {
    Bytes all;
    for (int v = 0; v < 256; ++v) all.push_back(static_cast<unsigned char>(v));
    const Bytes text = encode(all);
    // Every offset hits three values; the lowest wins the tie. Values 1, 2
    // and 40 land on 0, 1 and 39 and are escaped.
    const Bytes start = {0x01, 0xFF, 0x01, 0x01, 0x01, 0x02, 0x02, 0x03};
    EXPECT_EQ(Bytes(text.begin(), text.begin() + start.size()), start);
    EXPECT_EQ(Bytes(text.begin() + 41, text.begin() + 46), (Bytes{0x25, 0x26, 0x01, 0x03, 0x28}));
    EXPECT_EQ(text.size(), 1u + 256u + 3u);
    EXPECT_EQ(decode(text), all);
}

TEST(BinaryTextTest, RandomRoundTripsHaveNoNulAndNoApostrophe) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int trial = 0; trial < 300; ++trial) {
        Bytes raw(trial % 50 == 0 ? 2000 : trial, 0);
        // Some inputs are drawn from few values, to force many escapes.
        const int spread = trial % 3 == 0 ? 3 : 256;
        for (unsigned char& b : raw) b = static_cast<unsigned char>(byte(random) % spread * 39);
        const Bytes text = encode(raw);
        for (unsigned char c : text) {
            ASSERT_NE(c, 0);
            ASSERT_NE(c, '\'');
        }
        ASSERT_EQ(decode(text), raw) << "trial " << trial;
    }
}

TEST(BinaryTextTest, MalformedTextsDoNotDecode) {
    const Bytes malformed[] = {{0x05, 0x01, 0x04}, {0x05, 0x01}, {0x05, 0x41, 0x01, 0x00}, {}};
    for (const Bytes& text : malformed) {
        int result = 0;
        decode(text, &result);
        EXPECT_EQ(result, -1);
    }
}

TEST(SqliteBinaryTest, SwitchesBetweenRawAndEncoded) {
    const unsigned char bytes[] = {0x00, 0x01, 0x27, 0x80, 0xFF};
    SqliteBinary binary;
    binary.setRaw(bytes, 5);
    const std::string text(reinterpret_cast<const char*>(binary.encoded()));
    EXPECT_EQ(text.find('\''), std::string::npos);
    EXPECT_EQ(binary.rawLength(), 5);
    EXPECT_EQ(Bytes(binary.raw(), binary.raw() + 5), Bytes(bytes, bytes + 5));

    SqliteBinary fromText;
    fromText.setEncoded(reinterpret_cast<const unsigned char*>(text.c_str()));
    EXPECT_EQ(fromText.rawLength(), 5);
    EXPECT_EQ(Bytes(fromText.raw(), fromText.raw() + 5), Bytes(bytes, bytes + 5));
    // Encoding again after decoding gives the same text.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(fromText.encoded())), text);
}

TEST(SqliteBinaryTest, StandsInsideAQuotedLiteral) {
    Bytes raw;
    for (int v = 255; v >= 0; --v) raw.push_back(static_cast<unsigned char>(v));
    SqliteBinary binary;
    binary.setRaw(raw.data(), static_cast<int>(raw.size()));
    SqliteDatabase db;
    db.open(":memory:");
    db.executeUpdate("create table b(t text);");
    db.executeUpdate(std::string("insert into b values('") +
                     reinterpret_cast<const char*>(binary.encoded()) + "');");
    SqliteQuery q = db.runQuery("select t from b");
    SqliteBinary back;
    back.setEncoded(reinterpret_cast<const unsigned char*>(q.columnText(0)));
    ASSERT_EQ(back.rawLength(), 256);
    EXPECT_EQ(Bytes(back.raw(), back.raw() + 256), raw);
}

TEST(SqliteBinaryTest, AMalformedTextIsReportedAndKept) {
    const unsigned char text[] = {0x05, 0x41, 0x01, 0x04, 0x00};
    SqliteBinary binary;
    binary.setEncoded(text);
    EXPECT_EQ(failureOf([&] { binary.raw(); }), layerFailure("Cannot decode binary"));
    EXPECT_EQ(failureOf([&] { binary.rawLength(); }), layerFailure("Cannot decode binary"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(binary.encoded())), "\x05\x41\x01\x04");
}

TEST(SqliteBinaryTest, EmptyAndClearedStates) {
    SqliteBinary binary;
    EXPECT_STREQ(reinterpret_cast<const char*>(binary.encoded()), "x");
    EXPECT_EQ(binary.rawLength(), 0);
    binary.setEncoded(reinterpret_cast<const unsigned char*>("x"));
    binary.clear();
    EXPECT_EQ(binary.rawLength(), 0);
    EXPECT_NE(binary.allocate(254), nullptr);
    EXPECT_EQ(binary.rawLength(), 254);
    EXPECT_EQ(failureOf([&] { binary.allocate(-1); }), layerFailure("Cannot allocate memory"));
}

TEST(SqliteBufferTest, FormatsWithSqlitePrintf) {
    SqliteBuffer buffer;
    EXPECT_EQ(buffer.text(), nullptr);
    EXPECT_STREQ(buffer.format("name='%q' n=%d", "it's", 7), "name='it''s' n=7");
    EXPECT_STREQ(buffer.text(), "name='it''s' n=7");
    EXPECT_STREQ(buffer.format("%Q %Q", "a", static_cast<const char*>(nullptr)), "'a' NULL");
    buffer.clear();
    EXPECT_EQ(buffer.text(), nullptr);
}

}  // namespace
