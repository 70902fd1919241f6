#pragma once
// The itemised settlement of a deal: the eight lists of the settlement board
// built from the four records, and each player's result.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settle/settlement_record.h"
#include "ui/control.h"

namespace vantry::settle {

// What the board reads besides the records.
struct BoardInputs {
    std::array<std::string, 4> startCoinCaptions;  // each position's coins at deal start
    std::array<std::string, 4> nicknames;          // by position
    std::string dealWealthText = "1";              // the room's multiplier at deal start
    std::int32_t wealthMultiplier = 0;             // 0: the room has none
    std::string feeLabel;
    bool feeLabelOnly = false;
    std::array<std::string, 4> propsLines;  // plugin lines by position: "text|text..."
    std::array<double, 4> propsBonus{};     // plugin bonus added to the final amount
    // The table position of a set of seat bits.
    std::function<int(std::uint8_t seatBits)> positionOf;
};

// One player's outcome, in arrival order of the records.
struct PlayerOutcome {
    int position = 0;
    double finalAmount = 0;  // F: the final amount plus the plugin bonus
    std::uint8_t coinResult = 0;
    std::string summary;    // the line of the one-line list
    std::string heroEntry;  // the records-board row: F, or "-" + F for a loss
};

struct Board {
    std::array<std::vector<std::string>, 8> State;  // 0..3 details, 4..7 summaries
    std::array<ui::Color, 4> stateColor{};          // text colours of lists 0..3
    std::array<PlayerOutcome, 4> outcomes;
};

inline constexpr std::array<const char*, 41> kLevelNames = {
    "",           "第一级",     "第二级",     "第三级",     "第四级",     "第五级",
    "第六级",     "第七级",     "第八级",     "第九级",     "第十级",     "第十一级",
    "第十二级",   "第十三级",   "第十四级",   "第十五级",   "第十六级",   "第十七级",
    "第十八级",   "第十九级",   "第二十级",   "第二十一级", "第二十二级", "第二十三级",
    "第二十四级", "第二十五级", "第二十六级", "第二十七级", "第二十八级", "第二十九级",
    "第三十级",   "第三十一级", "第三十二级", "第三十三级", "第三十四级", "第三十五级",
    "第三十六级", "第三十七级", "第三十八级", "第三十九级", "第四十级"};

Board BuildBoard(const std::array<SettlementRecord, 4>& records, const BoardInputs& in);

// Colour values in plugin lines hold red in the low byte, then green, then blue.
ui::Color ColorFromValue(std::uint32_t bgr);
std::uint32_t ValueFromColor(ui::Color rgb);

}  // namespace vantry::settle
