#pragma once
// The props plugin as the table calls it. The plugin is a shared library,
// plugin/tools/PropDll.so beside the client, that exports one C function,
// `vantry_create_prop_plugin`, returning a new object of this interface.
// By-reference arguments may be changed by the plugin; the client reads them back.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantry::props {

inline constexpr const char* kPluginPath = "plugin/tools/PropDll.so";
inline constexpr const char* kFactoryName = "vantry_create_prop_plugin";

// Where the chests of the end-of-deal show go, in pixels of the table area.
struct ChestLayout {
    std::array<std::array<std::int32_t, 2>, 15> chestPlaces{};  // (left, top) of chest k
    std::array<std::int32_t, 2> centre{};                       // centre of the chest animation
    std::array<std::int32_t, 8> targets{};                      // x of position p at p, y at p + 4
    std::array<std::int32_t, 2> labelAnchor{};  // centre x and top y of the bonus label
    std::array<std::int16_t, 2> tally{};        // timer interval in ms, number of steps
    std::vector<std::uint8_t> closedChest;      // picture
    std::array<std::int32_t, 2> closedChestSize{};
    std::vector<std::uint8_t> openedChest;  // picture
    std::array<std::int32_t, 2> openedChestSize{};
};

// One request of the plugin to the table: a text, a timed label, a frame to
// send, a simulated click or key.
struct PluginRequest {
    std::vector<std::uint8_t> picture;  // not used
    std::string text;
    std::array<std::uint8_t, 272> frame{};
    std::int16_t kind = -1;
    std::array<std::int32_t, 4> geometry{};  // width, height, left, top
    std::array<std::int32_t, 5> style{};     // interval ms, ticks, font size, colour, alignment
};

class PropPlugin {
  public:
    virtual ~PropPlugin() = default;

    virtual bool Initdll(std::string& account, std::string& loginKey, const std::string& dll,
                         std::uint32_t window, const std::string& name, PropPlugin*& self,
                         std::int16_t& sizeMode, std::int16_t& initArg) = 0;
    virtual bool GetBaoInfo(ChestLayout& layout) = 0;
    virtual std::int16_t CheckSendBuff() = 0;
    virtual void GetSendBuff(PluginRequest& request) = 0;
    virtual void Rec_MSG(std::array<std::uint8_t, 272>& frame) = 0;
    virtual void InitShowEnd() = 0;
    virtual std::int16_t GetScoreInfo(std::array<std::string, 4>& lines,
                                      std::array<double, 4>& bonus,
                                      std::array<std::string, 4>& chestTexts) = 0;
    virtual void InitShowNext(bool dealStart) = 0;
    virtual void ShowGif(std::int16_t one, bool opening) = 0;
    virtual bool SetUserinfo(std::string& nickname, std::string& account, std::uint8_t& seatBit,
                             std::int16_t& position, bool creditNotZero, std::uint8_t& sex,
                             std::string& title, std::string& avatarCode) = 0;
    virtual void ClearUser(std::int16_t position) = 0;
    virtual void rec_state(std::int16_t kind, bool& flag) = 0;
    virtual void SetKeyDown(std::int16_t keyCode) = 0;
    virtual void setbankstate(std::int16_t state) = 0;
    virtual void FixBuffPos() = 0;
    virtual void UpdataMyProp(bool flag) = 0;
    virtual void InitExit(std::int16_t& closing) = 0;
};

// The signature of the exported factory.
using CreatePropPlugin = PropPlugin* (*)();

}  // namespace vantry::props
