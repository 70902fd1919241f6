#include "net/frame.h"

#include <gtest/gtest.h>

namespace vantry::net {
namespace {

TEST(GameFrame, ReadsAndWritesNumbersInBothByteOrders) {
    GameFrame f;
    f.PutU16Le(10, 0x1234);
    f.PutU16Be(20, 0x1234);
    f.PutU32Le(30, 0xA1B2C3D4);
    f.PutU32Be(40, 0xA1B2C3D4);
    f.PutF64Le(50, -1234.5);
    EXPECT_EQ(f[10], 0x34);
    EXPECT_EQ(f[11], 0x12);
    EXPECT_EQ(f[20], 0x12);
    EXPECT_EQ(f[21], 0x34);
    EXPECT_EQ(f[30], 0xD4);
    EXPECT_EQ(f[43], 0xD4);
    EXPECT_EQ(f.U16Le(10), 0x1234);
    EXPECT_EQ(f.U16Be(20), 0x1234);
    EXPECT_EQ(f.U32Le(30), 0xA1B2C3D4u);
    EXPECT_EQ(f.U32Be(40), 0xA1B2C3D4u);
    EXPECT_EQ(f.F64Le(50), -1234.5);
}

TEST(GameFrame, TypeNineteenIsChatUnlessTheLengthMarksPluginData) {
    struct Case {
        std::uint32_t length;
        bool chat;
    };
    for (const Case& c : {Case{0, true}, Case{100, true}, Case{272, false}, Case{260, false}}) {
        GameFrame f = MakeFrame(MessageType::Chat);
        f.PutU32Be(offset::kChatLength, c.length);
        EXPECT_EQ(f.IsChatFrame(), c.chat) << "length " << c.length;
    }
    EXPECT_FALSE(MakeFrame(MessageType::Login).IsChatFrame());
}

}  // namespace
}  // namespace vantry::net
