#include "settle/settlement_record.h"

namespace vantry::settle {

SettlementRecord ReadSettlementRecord(const net::GameFrame& f) {
    SettlementRecord r;
    r.seatBits = f[6] & 0x0F;
    r.baseStake = f.U32Be(8);
    r.goldCoins = f[15] == 1;
    r.cardCount = f[16];
    for (std::size_t j = 0; j < r.cards.size(); ++j)
        r.cards[j] = static_cast<std::int32_t>(f.U32Le(20 + 4 * j));
    r.place = f[44];
    r.winningSide = f[45] == 1;
    r.subtotal = static_cast<std::uint64_t>(f.I64Le(46));
    r.coinResult = f[54];
    r.finalAmount = static_cast<std::uint64_t>(f.I64Le(55));
    r.level = f[63];
    r.friendByte = f[64];
    r.friendSeatBits = f[64] & 0x0F;
    r.findFriend = f[66];
    r.redAce = f[67];
    r.subsidy = f[68];
    r.declaredXuan = f[69];
    r.declaredTan = f[70];
    r.declaredBao = f[71];
    r.giveUps = f[72];
    r.chuai = f[73];
    r.fanChuai = f[75];
    r.lostLead = f[76];
    r.tanBao = f[77];
    r.capped = f[78];
    r.feePercent = f[79];
    r.friendDrawn = f[80];
    return r;
}

}  // namespace vantry::settle
