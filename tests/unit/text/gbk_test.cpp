#include "text/gbk.h"

#include <gtest/gtest.h>

namespace vantry::text {
namespace {

TEST(Gbk, RoundTripsChineseAndAscii) {
    const std::string utf8 = "玩家A说：你好";
    const std::string gbk = ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 13u);  // six double-byte characters and one single
    EXPECT_EQ(FromGbk(gbk), utf8);
    EXPECT_EQ(ToGbk("牌"), "\xC5\xC6");
}

TEST(Gbk, CountsCharactersAndWidths) {
    EXPECT_EQ(CharCount("ab牌"), 3u);
    EXPECT_EQ(GbkWidth("ab牌"), 4u);
    EXPECT_EQ(FirstChars("牌ab牌", 3), "牌ab");
    EXPECT_EQ(FirstChars("ab", 5), "ab");
}

TEST(Gbk, CharactersWithoutAGbkFormBecomeAQuestionMark) {
    EXPECT_EQ(ToGbk("a😀b"), "a?b");
}

TEST(Gbk, ALoneLeadByteDecodesToAReplacementCharacter) {
    EXPECT_EQ(FromGbk("ab\xC5"), "ab\xEF\xBF\xBD");
}

TEST(Gbk, SingleByteCodes) {
    std::vector<unsigned char> out;
    EXPECT_TRUE(ToSingleBytes("abc", out));
    EXPECT_EQ(out, (std::vector<unsigned char>{'a', 'b', 'c'}));
    EXPECT_FALSE(ToSingleBytes("a牌", out));
    EXPECT_EQ(out, (std::vector<unsigned char>{'a', 0}));
}

}  // namespace
}  // namespace vantry::text
