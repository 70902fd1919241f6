#pragma once
// What the server tells about each seated player, and what the client keeps
// beside it per screen position.

#include <array>
#include <cstdint>
#include <string>

namespace vantry::app {

struct PlayerRecord {
    std::string nickname;
    std::string avatarCode;  // `m` or `w` and a number 1..10; "m1" when the server sends none
    std::uint8_t sex = 0;    // 1 male, 0 female; any other non-zero value shows as male
    std::string location;
    double score = 0;
    double credit = 0;
    double coins = 0;
    std::string levelName;
    std::uint32_t loginCount = 0;
    std::uint32_t disconnectCount = 0;
    std::uint32_t wins = 0;
    std::uint32_t losses = 0;
    std::string account;
    std::string title;              // shown in brackets before the nickname
    std::string voiceSet;           // voice folder part
    std::string voiceVariant;       // "10", "20", "30" or "40"
    std::uint8_t voiceSexCode = 0;  // 3 male, 2 female
};

// A seat's entry in the join table, read by the settlement board and the records file.
struct JoinEntry {
    std::string nickname;
    std::string avatarIndex;  // as text
};

struct Players {
    std::array<PlayerRecord, 4> records;
    std::array<int, 4> avatarIndex{};  // 0..9 male, 10..19 female avatars
    std::array<JoinEntry, 4> joinTable;
    std::array<std::string, 4> voiceVariant;  // per position, for the voices
    std::array<bool, 4> maleVoiceTaken{};
    std::array<bool, 4> femaleVoiceTaken{};
    std::int16_t seatedCount = 0;
    std::int16_t joinCounter = 0;  // voices are assigned when it reaches 3
};

}  // namespace vantry::app
