// Text files as the keyboard's Windows-1252, and text as the keyboard types it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/toolbox/text_codec.h"
#include "tools/typist/typeable_text.h"

namespace {

using toolbox::decodeText;
using typist::MakeTypeable;

TEST(DecodeText, Utf8IsConvertedAndWhatWindows1252HasNotIsDropped) {
    struct Case {
        std::string bytes;
        std::string text;
        bool utf8;
        std::size_t dropped;
    };
    const Case cases[] = {
        {"canci\xC3\xB3n \xE2\x82\xAC", "canci\xF3n \x80", true, 0},
        {"\xEF\xBB\xBFhola", "hola", true, 0},
        // A Greek letter and an emoji have no byte; the word keeps the rest.
        {"a\xCE\xB1"
         "b\xF0\x9F\x98\x80"
         "c",
         "abc", true, 2},
        // Not UTF-8: taken as Windows-1252 byte for byte.
        {"canci\xF3n", "canci\xF3n", false, 0},
        {"\xC3\x28", "\xC3\x28", false, 0},
        {"", "", true, 0},
    };
    for (const Case& c : cases) {
        const auto decoded = decodeText(c.bytes);
        ASSERT_TRUE(decoded) << c.bytes;
        EXPECT_EQ(decoded->text, c.text) << c.bytes;
        EXPECT_EQ(decoded->wasUtf8, c.utf8) << c.bytes;
        EXPECT_EQ(decoded->dropped, c.dropped) << c.bytes;
    }
    EXPECT_FALSE(decodeText(std::string("ab\0cd", 5)));
    EXPECT_FALSE(decodeText("\x01\x02\x03 binary"));
    EXPECT_TRUE(decodeText("line\r\n\tindented\f"));
    EXPECT_EQ(toolbox::utf8ForMessages("\xF1\x80\x81"), "\xC3\xB1\xE2\x82\xAC\xEF\xBF\xBD");
}

TEST(MakeTypeable, KeepsWhatTheKeyboardTypesAndOnlyThat) {
    struct Case {
        std::string text;
        std::vector<std::string> paragraphs;
        std::size_t removed;
        std::size_t replaced;
    };
    const Case cases[] = {
        {"\xBFQu\xE9 tal?\r\nBien, gracias.\n", {"\xBFQu\xE9 tal?", "Bien, gracias."}, 0, 0},
        // Blanks the keyboard takes back, doubled and at the ends.
        {"  hola  ,  mundo ; y - no ' s  ", {"hola, mundo; y- no' s"}, 10, 0},
        // Typographic characters as the plain ones; a tab as a blank.
        {"\x93s\xED\x94 \x96 \x85\tya", {"\"s\xED\"-... ya"}, 2, 5},
        // No key: the section sign, the pound, a lone dead-key accent.
        {"\xA7"
         "1 \xA3 a\xB4",
         {"1 a"},
         4,
         0},
        // The opening question mark after a letter would close a question.
        {"(\xBFs\xED?)", {"(s\xED?)"}, 1, 0},
        {"uno\n\ndos", {"uno", "", "dos"}, 0, 0},
    };
    for (const Case& c : cases) {
        const typist::TypeableText typeable = MakeTypeable(c.text);
        EXPECT_EQ(typeable.paragraphs, c.paragraphs) << c.text;
        EXPECT_EQ(typeable.removed, c.removed) << c.text;
        EXPECT_EQ(typeable.replaced, c.replaced) << c.text;
    }
}

}  // namespace
