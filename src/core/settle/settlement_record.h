#pragma once
// One player's result of a deal, as the server sends it at the end of a deal
// (four per deal, one per player).

#include <array>
#include <cstdint>

#include "net/frame.h"

namespace vantry::settle {

struct SettlementRecord {
    std::uint8_t seatBits = 0;            // byte 6, low 4 bits: whose record this is
    std::uint32_t baseStake = 0;          // bytes 8..11, big-endian (read from the fourth record)
    bool goldCoins = false;               // byte 15 = 1: "金币", otherwise "金条"
    std::uint8_t cardCount = 0;           // byte 16: cards left in the hand
    std::array<std::int32_t, 6> cards{};  // bytes 20..43, little-endian card codes
    std::uint8_t place = 0;               // byte 44: tribute code or finishing place
    bool winningSide = false;             // byte 45 = 1
    std::uint64_t subtotal = 0;           // bytes 46..53, sign from byte 45
    std::uint8_t coinResult = 0;          // byte 54: 1 won, 0 lost, other neither
    std::uint64_t finalAmount = 0;        // bytes 55..62, sign from byte 54
    std::uint8_t level = 0;               // byte 63: 1..40
    std::uint8_t friendSeatBits = 0;      // byte 64 (low 4 bits give the friend's seat)
    std::uint8_t friendByte = 0;          // byte 64 as sent
    std::uint8_t findFriend = 0;          // byte 66
    std::uint8_t redAce = 0;              // byte 67
    std::uint8_t subsidy = 0;             // byte 68
    std::uint8_t declaredXuan = 0;        // byte 69: 宣
    std::uint8_t declaredTan = 0;         // byte 70: 摊
    std::uint8_t declaredBao = 0;         // byte 71: 报
    std::uint8_t giveUps = 0;             // byte 72: 舍 pieces
    std::uint8_t chuai = 0;               // byte 73: 揣 times
    std::uint8_t fanChuai = 0;            // byte 75: 反揣 times
    std::uint8_t lostLead = 0;            // byte 76
    std::uint8_t tanBao = 0;              // byte 77: 摊报
    std::uint8_t capped = 0;              // byte 78: winnings capped
    std::uint8_t feePercent = 0;          // byte 79
    std::uint8_t friendDrawn = 0;         // byte 80
};

SettlementRecord ReadSettlementRecord(const net::GameFrame& frame);

}  // namespace vantry::settle
