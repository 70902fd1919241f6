#include "plugin_loader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fakes.h"
#include "props/plugin_host.h"

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

TEST(PluginLoader, TheClientMakesItsPluginFromPropDllInPluginToolsBesideItsExecutable) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("vantry-plugin-" + std::to_string(getpid()));
    fs::create_directories(dir / "plugin" / "tools");
    fs::copy_file(VANTRY_TEST_PLUGIN, dir / "plugin" / "tools" / "PropDll.so",
                  fs::copy_options::overwrite_existing);

    test::Harness h;
    h.process.executableDir = dir.string();
    QtPluginLoader loader;
    app::Client client(app::Ports{h.socket, h.timers, h.windows, h.messageBoxes, h.process,
                                  h.random, h.sound, loader});
    auto plugin = props::CreatePluginObject(client);
    fs::remove_all(dir);
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->CheckSendBuff(), 0);
    plugin->ClearUser(1);
    EXPECT_EQ(plugin->CheckSendBuff(), 1);

    // Without the file there is no plugin, and no failure either.
    EXPECT_FALSE(props::CreatePluginObject(client));
}

}  // namespace
}  // namespace vantry::qt
