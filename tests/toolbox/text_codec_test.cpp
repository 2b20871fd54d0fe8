// The one Windows-1252 codec: every byte survives a trip through UTF-8, and
// only well-formed UTF-8 of characters Windows-1252 has comes back.
#include "tools/toolbox/text_codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using toolbox::cp1252FromUtf8;
using toolbox::utf8ForMessages;
using toolbox::utf8FromCp1252;

TEST(TextCodec, EveryByteComesBackFromUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::optional<std::string> back = cp1252FromUtf8(utf8FromCp1252(one));
        ASSERT_TRUE(back) << byte;
        EXPECT_EQ(*back, one) << byte;
        all += one;
    }
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
}

TEST(TextCodec, EachByteHasItsCharacter) {
    struct Case {
        const char* cp1252;
        const char* utf8;
        const char* message;  // as a message shows it
    };
    const Case cases[] = {
        {"a", "a", "a"},
        {"\xF1", "\xC3\xB1", "\xC3\xB1"},          // n with tilde
        {"\x80", "\xE2\x82\xAC", "\xE2\x82\xAC"},  // euro sign
        {"\x9F", "\xC5\xB8", "\xC5\xB8"},          // Y with diaeresis
        {"\xA0", "\xC2\xA0", "\xC2\xA0"},          // no-break space
        // The five undefined bytes: their C1 controls, shown as U+FFFD.
        {"\x81", "\xC2\x81", "\xEF\xBF\xBD"},
        {"\x8D", "\xC2\x8D", "\xEF\xBF\xBD"},
        {"\x8F", "\xC2\x8F", "\xEF\xBF\xBD"},
        {"\x90", "\xC2\x90", "\xEF\xBF\xBD"},
        {"\x9D", "\xC2\x9D", "\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8FromCp1252(c.cp1252), c.utf8) << c.utf8;
        EXPECT_EQ(utf8ForMessages(c.cp1252), c.message) << c.utf8;
        EXPECT_EQ(cp1252FromUtf8(c.utf8), std::string(c.cp1252)) << c.utf8;
    }
}

TEST(TextCodec, NoBytesForWhatIsNotUtf8OrNotInWindows1252) {
    const char* const cases[] = {
        "\xC2\x80",          // U+0080: 0x80 is the euro sign
        "\xCE\xB1",          // Greek alpha
        "\xF0\x9F\x98\x80",  // an emoji
        "\xC3",              // cut sequence
        "\xC3\x28",          // a lead byte without its continuation
        "\xC1\xB1",          // overlong 'q'
        "\xE0\x80\xAF",      // overlong '/'
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // past U+10FFFF
        "\x80",              // a lone continuation byte
    };
    for (const char* text : cases) {
        EXPECT_FALSE(cp1252FromUtf8(std::string("ok ") + text)) << text;
    }
}

}  // namespace
