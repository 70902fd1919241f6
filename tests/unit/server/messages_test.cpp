#include "messages.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace vantry::server {
namespace {

const std::vector<Card> kSix = {{8, 17, 0},  {4, 14, 7},  {2, 10, 99},
                                {1, 3, 127}, {0, 16, 53}, {8, 15, 12}};

TEST(ServerMessages, LoginRequestAndResultRoundTrip) {
    const LoginRequest login{"alice", "k3y"};
    const GameFrame lf = BuildLoginRequest(login);
    EXPECT_EQ(lf[3], 18);
    EXPECT_EQ(lf[14], 1);
    EXPECT_EQ(ReadLoginRequest(lf).account, "alice");
    EXPECT_EQ(ReadLoginRequest(lf).key, "k3y");

    const LoginResult result{3, 12, LoginOutcome::Accepted, "http://127.0.0.1/ad"};
    const GameFrame rf = BuildLoginResult(result);
    EXPECT_EQ(rf[9], 3);
    EXPECT_EQ(rf[11], 12);
    EXPECT_EQ(rf[15], 1);
    const LoginResult back = ReadLoginResult(rf);
    EXPECT_EQ(back.adAddress, result.adAddress);
    EXPECT_EQ(back.turnSeconds, 12);
    EXPECT_EQ(back.outcome, LoginOutcome::Accepted);
}

TEST(ServerMessages, AnAdvertisementAddressTooLongForItsFieldStillEndsInsideIt) {
    const GameFrame f = BuildLoginResult({0, 10, LoginOutcome::Accepted, std::string(150, 'a')});
    EXPECT_EQ(f[115], 0);
    EXPECT_EQ(ReadLoginResult(f).adAddress.size(), 99u);
}

TEST(ServerMessages, ReconnectCarriesTheLinkTokenAndTheDealKeyLittleEndian) {
    const GameFrame f = BuildReconnectRequest({"bob", "key", 0x1234, 0x0102FF80});
    EXPECT_EQ(f[3], 28);
    EXPECT_EQ(f[260], 0x34);
    EXPECT_EQ(f[268], 0x80);
    EXPECT_EQ(f[269], 0xFF);
    EXPECT_EQ(f[271], 0x01);
    const ReconnectRequest r = ReadReconnectRequest(f);
    EXPECT_EQ(r.account, "bob");
    EXPECT_EQ(r.linkToken, 0x1234);
    EXPECT_EQ(r.dealKey, 0x0102FF80u);
    EXPECT_TRUE(ReadReconnectResult(BuildReconnectResult({true})).accepted);
    EXPECT_FALSE(ReadReconnectResult(BuildReconnectResult({false})).accepted);
}

TEST(ServerMessages, DealStartHoldsSixCardsLowByteFirstAndTheFeeLabel) {
    const DealStart deal{4, false, kSix, false, "台费", 0xDEADBEEF};
    const GameFrame f = BuildDealStart(deal);
    // The ace of hearts with id 7 is the bytes 4, 14, 0, 7.
    EXPECT_EQ(f[20], 4);
    EXPECT_EQ(f[21], 14);
    EXPECT_EQ(f[22], 0);
    EXPECT_EQ(f[23], 7);
    EXPECT_EQ(f.U32Le(268), 0xDEADBEEFu);
    const auto back = ReadDealStart(f);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->cards, kSix);
    EXPECT_EQ(back->feeLabel, "台费");
    EXPECT_FALSE(back->shownHand);
    EXPECT_TRUE(ReadDealStart(BuildDealStart({8, true, kSix, false, "", 1}))->shownHand);

    GameFrame odd = f;
    odd[11] = 2;
    EXPECT_FALSE(ReadDealStart(odd));
}

TEST(ServerMessages, OptionsAndDeclarationCodesAreHighByteFirst) {
    const GameFrame turn = BuildDeclarationTurn({2, options::kDeclareReport, 9});
    EXPECT_EQ(turn[8], 0x08);  // 2069 = 0x0815
    EXPECT_EQ(turn[9], 0x15);
    EXPECT_EQ(turn[16], 9);
    const DeclarationTurn t = ReadDeclarationTurn(turn);
    EXPECT_EQ(t.optionSet, 2069);
    EXPECT_EQ(t.seat, 2);

    const Declaration giveUp{8, code::kGiveUp, 1, {{0, 17, 7}, {8, 15, 9}}};
    const GameFrame d = BuildDeclaration(giveUp);
    EXPECT_EQ(d[9], 64);
    EXPECT_EQ(d[17], 2);
    // The given-up cards are high byte first: id, 0, rank, suit.
    EXPECT_EQ(d[20], 7);
    EXPECT_EQ(d[22], 17);
    EXPECT_EQ(d[27], 8);
    const Declaration back = ReadDeclaration(d);
    EXPECT_EQ(back.cards, giveUp.cards);
    EXPECT_EQ(back.giveUpKind, 1);
}

TEST(ServerMessages, PlayBroadcastAndLocalPlayRoundTrip) {
    const PlayBroadcast play{1, 2, play_sub::kOrdinary, 2, {{8, 9, 1}, {4, 9, 60}}, 12};
    const GameFrame f = BuildPlayBroadcast(play);
    EXPECT_EQ(f[17], 2);
    EXPECT_EQ(f[18], 2);
    EXPECT_EQ(f[255], 12);
    const PlayBroadcast back = ReadPlayBroadcast(f);
    EXPECT_EQ(back.cards, play.cards);
    EXPECT_EQ(back.next, 2);
    EXPECT_EQ(back.subCode, play_sub::kOrdinary);

    const LocalPlay mine{4, local_play::kPlay, 3, {5, 6, 7}};
    const GameFrame m = BuildLocalPlay(mine);
    EXPECT_EQ(m[20], 5);
    EXPECT_EQ(m[22], 7);
    const LocalPlay lp = ReadLocalPlay(m);
    EXPECT_EQ(lp.ids, mine.ids);
    EXPECT_EQ(lp.size, 3);
}

TEST(ServerMessages, ALocalPlayClaimingManyCardsIsReadWithinTheFrame) {
    GameFrame f = BuildLocalPlay({1, local_play::kPlay, 0, {}});
    f[17] = 255;
    EXPECT_EQ(ReadLocalPlay(f).ids.size(), 20u);
}

TEST(ServerMessages, SettlementRoundTripsEveryField) {
    Settlement s;
    s.seat = 2;
    s.baseStake = 0x01020304;
    s.remaining = {{1, 5, 3}, {0, 17, 9}};
    s.place = 4;
    s.winner = true;
    s.subtotal = 1200;
    s.coinResult = 1;
    s.finalAmount = 1140;
    s.level = 13;
    s.friendSeat = 8;
    s.findFriend = s.showedRedAce = s.tookSubsidy = s.declared = s.spread = s.reported = true;
    s.givenUp = 2;
    s.holds = 1;
    s.counterHolds = 1;
    s.lostLead = s.spreadReported = s.capped = s.friendDrawn = true;
    s.feePercent = 5;
    const GameFrame f = BuildSettlement(s);
    EXPECT_EQ(f[8], 0x01);  // base stake high byte first
    EXPECT_EQ(f[11], 0x04);
    EXPECT_EQ(f.I64Le(46), 1200);
    EXPECT_EQ(f.I64Le(55), 1140);
    const Settlement b = ReadSettlement(f);
    EXPECT_EQ(b.baseStake, s.baseStake);
    EXPECT_EQ(b.remaining, s.remaining);
    EXPECT_EQ(b.place, 4);
    EXPECT_EQ(b.subtotal, 1200u);
    EXPECT_EQ(b.finalAmount, 1140u);
    EXPECT_EQ(b.level, 13);
    EXPECT_EQ(b.friendSeat, 8);
    EXPECT_TRUE(b.findFriend && b.showedRedAce && b.tookSubsidy && b.declared && b.spread &&
                b.reported && b.lostLead && b.spreadReported && b.capped && b.friendDrawn);
    EXPECT_EQ(b.givenUp, 2);
    EXPECT_EQ(b.holds, 1);
    EXPECT_EQ(b.counterHolds, 1);
    EXPECT_EQ(b.feePercent, 5);
}

TEST(ServerMessages, TableStatusChatJoinLeaveClosedReadyKeepAliveRoundTrip) {
    const TableStatus st =
        ReadTableStatus(BuildTableStatus({6, status_sub::kOutOfCoins, 2, true, 50}));
    EXPECT_EQ(st.seats, 6);
    EXPECT_EQ(st.subCode, 3);
    EXPECT_EQ(st.byte11, 2);
    EXPECT_TRUE(st.showShuffleNotice);
    EXPECT_EQ(st.wealthMultiplier, 50u);

    const Chat chat{4, true, 1, 'a', 100, "翠花说道： 泥儿他!"};
    const GameFrame cf = BuildChat(chat);
    EXPECT_TRUE(cf.IsChatFrame());
    const Chat c = ReadChat(cf);
    EXPECT_EQ(c.text, chat.text);
    EXPECT_EQ(c.voiceNumber, 100);
    EXPECT_EQ(c.voiceLetter, 'a');
    EXPECT_EQ(c.addressee, 1);

    PlayerJoin join;
    join.receiverSeat = 2;
    join.player = {"黑旋风", "m7", 1,  "天津", 10,     100,        25000, "第三级",
                   5,        1,    40, 30,     "bot3", "江湖好手", "27",  "20"};
    join.ready = true;
    join.seat = 8;
    join.wealthMultiplier = 20;
    const GameFrame jf = BuildPlayerJoin(join);
    EXPECT_EQ(jf[208], 1);
    EXPECT_EQ(jf[226], 8);
    EXPECT_EQ(jf[255], 1);
    const PlayerJoin j = ReadPlayerJoin(jf);
    EXPECT_EQ(j.player.nickname, "黑旋风");
    EXPECT_EQ(j.player.location, "天津");
    EXPECT_EQ(j.player.levelName, "第三级");
    EXPECT_EQ(j.player.title, "江湖好手");
    EXPECT_EQ(j.player.account, "bot3");
    EXPECT_EQ(j.player.coins, 25000u);
    EXPECT_EQ(j.player.wins, 40u);
    EXPECT_EQ(j.player.voiceVariant, "20");
    EXPECT_EQ(j.wealthMultiplier, 20u);

    EXPECT_EQ(ReadPlayerLeave(BuildPlayerLeave({"bot3", true})).account, "bot3");
    EXPECT_TRUE(ReadPlayerLeave(BuildPlayerLeave({"bot3", true})).tenSecondCountdown);
    EXPECT_EQ(ReadTableClosed(BuildTableClosed({"练习结束"})).text, "练习结束");
    EXPECT_EQ(ReadPlayerReady(BuildPlayerReady({true, "bot1"})).account, "bot1");
    EXPECT_EQ(ReadKeepAlive(BuildKeepAlive({4})).seat, 4);
}

TEST(ServerMessages, ALeaveWhoseFirstByteIsShiftedIsReadBack) {
    GameFrame f = BuildPlayerLeave({"bc", false});
    f[8] = 1;
    EXPECT_EQ(ReadPlayerLeave(f).account, "ac");
}

TEST(ServerMessages, LongTextsAreCutWithoutSplittingACharacter) {
    // 17 two-byte characters do not fit the 32-byte nickname: 16 are kept.
    PlayerJoin join;
    join.player.nickname = std::string();
    for (int i = 0; i < 17; ++i)
        join.player.nickname += "牌";
    EXPECT_EQ(text::CharCount(ReadPlayerJoin(BuildPlayerJoin(join)).player.nickname), 16u);
}

TEST(ServerMessages, LevelNamesCountInChinese) {
    EXPECT_EQ(LevelName(1), "第一级");
    EXPECT_EQ(LevelName(10), "第十级");
    EXPECT_EQ(LevelName(11), "第十一级");
    EXPECT_EQ(LevelName(20), "第二十级");
    EXPECT_EQ(LevelName(40), "第四十级");
}

TEST(ServerMessages, ReadersAndTheLogSurviveRandomFrames) {
    Random rng(5);
    for (int i = 0; i < 2000; ++i) {
        GameFrame f;
        for (auto& b : f.bytes)
            b = static_cast<std::uint8_t>(rng.Next());
        f[3] = static_cast<std::uint8_t>(i % 32);
        (void)ReadDealStart(f);
        (void)ReadDeclaration(f);
        (void)ReadPlayBroadcast(f);
        (void)ReadLocalPlay(f);
        (void)ReadSettlement(f);
        (void)ReadChat(f);
        (void)ReadPlayerJoin(f);
        (void)ReadLoginRequest(f);
        (void)ReadReconnectRequest(f);
        EXPECT_FALSE(Describe(f).empty());
    }
}

}  // namespace
}  // namespace vantry::server
