#pragma once
// The declarations a player can make before the first card is played: one
// bit per kind on the wire, and the kind numbers the declaration buttons carry.

#include <array>
#include <cstdint>

namespace vantry::rules {

// A declaration as the frames carry it (bytes 8 and 9, high byte first).
enum DeclarationCode : std::uint16_t {
    SayNothing = 1,
    FindFriend = 2,
    Declare = 4,
    Spread = 8,
    Report = 16,
    TakeSubsidy = 32,
    GiveUp = 64,
    Hold = 128,
    CounterHold = 256,
    Follow = 512,
    FollowShow = 1024,
    SpreadReport = 2048,
};

// The kind a declaration button offers (its `ButtonAction`), 0..11.
enum DeclarationKind : std::int16_t {
    KindDeclare = 0,
    KindSpread = 1,
    KindReport = 2,
    KindFindFriend = 3,
    KindTakeSubsidy = 4,
    KindSayNothing = 5,
    KindFollowShow = 6,
    KindHold = 7,
    KindCounterHold = 8,
    KindFollow = 9,
    KindGiveUp = 10,
    KindSpreadReport = 11,
};
inline constexpr int kDeclarationKinds = 12;

// The code each kind sends, by kind.
inline constexpr std::array<std::uint16_t, kDeclarationKinds> kKindCodes = {
    Declare,    Spread, Report,      FindFriend, TakeSubsidy, SayNothing,
    FollowShow, Hold,   CounterHold, Follow,     GiveUp,      SpreadReport,
};

}  // namespace vantry::rules
