#include "window_link.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace vantry::link {
namespace {

std::string UniqueTitle(const char* what) {
    return std::string("link-test ") + what + " " + std::to_string(getpid());
}

TEST(WindowLink, AWindowExistsWhileItsEndpointIsBound) {
    const std::string title = UniqueTitle("exists");
    EXPECT_FALSE(WindowExists(title));
    {
        WindowEndpoint w;
        ASSERT_TRUE(w.Bind(title));
        EXPECT_TRUE(WindowExists(title));
        WindowEndpoint second;
        EXPECT_FALSE(second.Bind(title));
    }
    EXPECT_FALSE(WindowExists(title));
}

TEST(WindowLink, MessagesArriveAsTwelveByteDatagramsInOrder) {
    const std::string title = UniqueTitle("大厅 messages");
    WindowEndpoint w;
    ASSERT_TRUE(w.Bind(title));
    EXPECT_FALSE(w.Receive());
    ASSERT_TRUE(PostMessageTo(title, {0x112, 0xF120, 0}));
    ASSERT_TRUE(PostMessageTo(title, {0x303, 0, 0}));
    auto first = w.Receive();
    auto second = w.Receive();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->number, 0x112u);
    EXPECT_EQ(first->wParam, 0xF120u);
    EXPECT_EQ(second->number, 0x303u);
    EXPECT_FALSE(w.Receive());
    EXPECT_FALSE(PostMessageTo(UniqueTitle("nobody"), {1, 0, 0}));
}

TEST(WindowLink, OnlyOneHolderOfTheInstanceLock) {
    const std::string name = UniqueTitle("lock");
    InstanceLock a;
    InstanceLock b;
    EXPECT_TRUE(a.Acquire(name));
    EXPECT_FALSE(b.Acquire(name));
}

}  // namespace
}  // namespace vantry::link
