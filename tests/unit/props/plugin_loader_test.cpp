#include "plugin_loader.h"

#include <gtest/gtest.h>

namespace vantry::qt {
namespace {

TEST(PluginLoader, LoadsTheLibraryAndCallsThroughTheInterface) {
    QString error;
    auto plugin = LoadPropPlugin(QStringLiteral(VANTRY_TEST_PLUGIN), &error);
    ASSERT_TRUE(plugin) << error.toStdString();
    std::string account = "alice";
    std::string key = "k";
    props::PropPlugin* self = plugin.get();
    std::int16_t sizeMode = 1;
    std::int16_t initArg = 41;
    EXPECT_TRUE(plugin->Initdll(account, key, "DLL", 0, "pelquin", self, sizeMode, initArg));
    EXPECT_EQ(account, "alice-seen");  // by reference: the plugin's change is seen
    EXPECT_EQ(initArg, 42);
    plugin->ClearUser(2);
    EXPECT_EQ(plugin->CheckSendBuff(), 1);
}

TEST(PluginLoader, AMissingLibraryGivesNoPluginAndAReason) {
    QString error;
    EXPECT_FALSE(LoadPropPlugin(QStringLiteral("/nonexistent/PropDll.so"), &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace vantry::qt
