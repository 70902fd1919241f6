#pragma once
// What the client keeps about the props plugin between calls.

#include <array>
#include <string>

namespace vantry::props {

enum class PluginDecision { Undecided, NeverLoad, Loaded };

struct PropsState {
    PluginDecision decision = PluginDecision::Undecided;
    int Prop_GameDllState = 0;  // above 0 while the plugin is loaded
    int ChestRecordCount = 0;   // settlement records counted while the plugin runs
    int ShowState = 0;          // 1: the board waits for the chest show; 2: shown
    bool ShowPending = false;
    bool CloseAfterBoard = false;  // shut the plugin down once the board is built
    std::array<double, 4> PropsBonus{};
    std::array<std::string, 4> PropsLines;  // "text|text..." per position
    std::string ChestTexts;
};

}  // namespace vantry::props
