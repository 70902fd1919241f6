// The sectioned settings file beside the executable.

#include "app/ini_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace vantry::app {
namespace {

namespace fs = std::filesystem;

class IniFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vantry-ini-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        ini.SetPath(dir.string(), "info.qv");
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Raw() const {
        std::ifstream in(ini.INIFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    classIniFile ini;
};

TEST_F(IniFile, AMissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(ini.GetIniKey("juNum:1", "name( 0 )"), "");
    ini.WriteIniKey("juNum:1", "name( 0 )", "alice");
    EXPECT_EQ(ini.GetIniKey("juNum:2", "name( 0 )"), "");
    EXPECT_EQ(ini.GetIniKey("juNum:1", "name( 1 )"), "");
}

TEST_F(IniFile, WritesAndReadsKeysWithoutRegardToCase) {
    ini.WriteIniKey("juNum:7", "count( 0 )( 1 )", "  胜利 +120  ");
    ini.WriteIniKey("juNum:7", "name( 0 )", "alice");
    ini.WriteIniKey("JUNUM:7", "NAME( 0 )", "bob");  // replaces, does not add
    ini.WriteIniKey("chat", "num", "2");
    EXPECT_EQ(ini.GetIniKey("juNum:7", "count( 0 )( 1 )"), "胜利 +120");
    EXPECT_EQ(ini.GetIniKey("junum:7", "Name( 0 )"), "bob");
    EXPECT_EQ(ini.GetIniKey("chat", "num"), "2");
    // GBK on disk: 胜利 is four bytes, not six.
    EXPECT_NE(Raw().find("\xCA\xA4\xC0\xFB"), std::string::npos);
    EXPECT_EQ(Raw().find("bob"), Raw().rfind("bob"));
}

TEST_F(IniFile, ValuesAreCutTo1023Bytes) {
    ini.WriteIniKey("s", "exact", std::string(1023, 'x'));
    ini.WriteIniKey("s", "long", std::string(1024, 'y'));
    ini.WriteIniKey("s", "wide", std::string(1020, 'z') + "牌牌");  // 1024 bytes in GBK
    EXPECT_EQ(ini.GetIniKey("s", "exact"), std::string(1023, 'x'));
    EXPECT_EQ(ini.GetIniKey("s", "long"), std::string(1023, 'y'));
    EXPECT_EQ(ini.GetIniKey("s", "wide"), std::string(1020, 'z') + "牌");
}

TEST_F(IniFile, DeletesKeysAndSections) {
    ini.WriteIniKey("juNum:1", "a", "1");
    ini.WriteIniKey("juNum:1", "b", "2");
    ini.WriteIniKey("juNum:2", "a", "3");
    ini.DelIniKey("juNum:1", "A");
    EXPECT_EQ(ini.GetIniKey("juNum:1", "a"), "");
    EXPECT_EQ(ini.GetIniKey("juNum:1", "b"), "2");
    ini.DelIniSec("juNum:1");
    EXPECT_EQ(ini.GetIniKey("juNum:1", "b"), "");
    EXPECT_EQ(ini.GetIniKey("juNum:2", "a"), "3");
}

TEST_F(IniFile, TheJoinLeavesExactlyOneSeparator) {
    classIniFile f;
    f.SetPath("/opt/vantry\\\\", "\\\\info.qv");
    EXPECT_EQ(f.INIFileName, "/opt/vantry/info.qv");
    f.SetPath("/opt/vantry//", "//chat.txt");
    EXPECT_EQ(f.INIFileName, "/opt/vantry/chat.txt");
}

TEST_F(IniFile, AFailedWriteLeavesTheFileAsItWasAndLeavesNoTemporaryFile) {
    ini.WriteIniKey("s", "k", "kept");
    // A directory where the temporary file would go makes the write fail.
    fs::create_directory(ini.INIFileName + ".tmp");
    ini.WriteIniKey("s", "k", "lost");
    EXPECT_EQ(ini.GetIniKey("s", "k"), "kept");
    fs::remove(ini.INIFileName + ".tmp");

    classIniFile nowhere("/nonexistent-dir/info.qv");
    nowhere.WriteIniKey("s", "k", "v");
    EXPECT_EQ(nowhere.GetIniKey("s", "k"), "");
}

}  // namespace
}  // namespace vantry::app
