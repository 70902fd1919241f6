// A tiny props plugin for the tests: answers Initdll and counts ClearUser.

#include "props/prop_plugin.h"

namespace {

using namespace vantry::props;

class TestPlugin final : public PropPlugin {
  public:
    bool Initdll(std::string& account, std::string&, const std::string&, std::uint32_t,
                 const std::string&, PropPlugin*&, std::int16_t& sizeMode,
                 std::int16_t& initArg) override {
        account += "-seen";
        initArg = static_cast<std::int16_t>(initArg + sizeMode);
        return true;
    }
    bool GetBaoInfo(ChestLayout&) override { return false; }
    std::int16_t CheckSendBuff() override { return cleared_; }
    void GetSendBuff(PluginRequest&) override {}
    void Rec_MSG(std::array<std::uint8_t, 272>&) override {}
    void InitShowEnd() override {}
    std::int16_t GetScoreInfo(std::array<std::string, 4>&, std::array<double, 4>&,
                              std::array<std::string, 4>&) override {
        return 0;
    }
    void InitShowNext(bool) override {}
    void ShowGif(std::int16_t, bool) override {}
    bool SetUserinfo(std::string&, std::string&, std::uint8_t&, std::int16_t&, bool, std::uint8_t&,
                     std::string&, std::string&) override {
        return true;
    }
    void ClearUser(std::int16_t) override { ++cleared_; }
    void rec_state(std::int16_t, bool&) override {}
    void SetKeyDown(std::int16_t) override {}
    void setbankstate(std::int16_t) override {}
    void FixBuffPos() override {}
    void UpdataMyProp(bool) override {}
    void InitExit(std::int16_t&) override {}

  private:
    std::int16_t cleared_ = 0;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) PropPlugin* vantry_create_prop_plugin() {
    return new TestPlugin;
}
