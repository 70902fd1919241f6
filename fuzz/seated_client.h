#pragma once
// What the dispatch fuzz target and its seed writer share: the frames that
// seat a client at a full table with a dealt hand, and the form of one input.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "net/frame.h"

namespace vantry::fuzz {

// The local player sits at seat bit 1; the others are 2 (left), 4 (top), 8 (right).
inline constexpr std::uint8_t kOwnSeat = 1;

// Login accepted, the four players joining and a deal start with a known hand.
std::vector<net::GameFrame> SeatingFrames();

// An input is a list of steps. Each step is two control bytes and a frame:
//   byte 0  the ticks after the frame: 2 + (b & 0x1F), times 21 when b & 0x80
//           (21 ticks is one step of the declaration countdown)
//   byte 1  an input event before the ticks (see `InputEvent`); 0 for none
//   then    the 272 bytes of the frame (a short last frame is padded with zeros)
inline constexpr std::size_t kStepSize = 2 + net::kFrameSize;

// The input events a step can carry.
enum InputEvent : std::uint8_t {
    kNoInput = 0,
    kRaiseCard0 = 1,    // 1..6: left click on card image 0..5 of the hand
    kRightClick = 7,    // right click on card image 0: play the raised cards
    kPlayButton = 8,    // Operation(0)
    kHintButton = 9,    // Operation(1)
    kPassButton = 10,   // Operation(2)
    kSortButton = 11,   // Operation(3)
    kStartButton = 12,  // AnNiu(2), start / continue
    kDeclare0 = 13,     // 13..18: declaration button btnJiaofen(0..5)
};

struct Step {
    std::uint8_t ticks = 0;
    std::uint8_t input = kNoInput;
    net::GameFrame frame;
};

// Ticks after a frame, as the first control byte of a step.
inline constexpr std::uint8_t kJustDispatch = 0;  // 2 ticks
inline std::uint8_t TicksByte(int extraTicks) {   // 2 + extraTicks (0..31)
    return static_cast<std::uint8_t>(extraTicks & 0x1F);
}
inline std::uint8_t CountdownSteps(int steps) {  // 2 + 21 x steps (0..31)
    return static_cast<std::uint8_t>(0x80 | (steps & 0x1F));
}
int TicksAfter(std::uint8_t ticksByte);

std::vector<std::uint8_t> Encode(const std::vector<Step>& steps);
std::vector<Step> Decode(std::span<const std::uint8_t> input);

// Realistic inputs to start the fuzzing from, each with a file name.
struct Seed {
    std::string name;
    std::vector<std::uint8_t> bytes;
};
std::vector<Seed> SeedInputs();

}  // namespace vantry::fuzz
