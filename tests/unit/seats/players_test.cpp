// Player records from join frames, the seat labels, the information pop-up
// and the voices.

#include <gtest/gtest.h>

#include <string>

#include "app/players.h"
#include "fakes.h"
#include "text/gbk.h"

namespace vantry::test {
namespace {

void PutBytes(net::GameFrame& frame, std::size_t at, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        frame[at + i] = static_cast<std::uint8_t>(bytes[i]);
}

void PutU64(net::GameFrame& frame, std::size_t at, std::uint64_t value) {
    for (std::size_t k = 0; k < 8; ++k)
        frame[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

// A join frame for a player with every field filled.
net::GameFrame JoinFrame() {
    net::GameFrame f = net::MakeFrame(net::MessageType::PlayerJoin);
    PutBytes(f, 16, text::ToGbk("张三abc"));
    PutBytes(f, 48, "w10");
    f[64] = 1;
    PutBytes(f, 72, text::ToGbk("北京"));
    PutU64(f, 80, 1234);
    PutU64(f, 88, (std::uint64_t{1} << 40) + 5);  // beyond 32 bits
    PutU64(f, 96, 60000);
    PutBytes(f, 112, text::ToGbk("大将军"));
    f.PutU32Le(152, 70000);
    f.PutU32Le(156, 3);
    f.PutU32Le(160, 41);
    f.PutU32Le(164, 39);
    PutBytes(f, 168, "bob");
    PutBytes(f, 184, text::ToGbk("少侠"));
    PutBytes(f, 210, "12");
    PutBytes(f, 218, "20");
    return f;
}

TEST(DecodePlayer, ReadsEveryFieldOfAJoinFrame) {
    app::PlayerRecord r;
    app::DecodePlayer(JoinFrame(), r);
    EXPECT_EQ(r.nickname, "张三abc");
    EXPECT_EQ(r.avatarCode, "w10");
    EXPECT_EQ(r.sex, 1);
    EXPECT_EQ(r.location, "北京");
    EXPECT_EQ(r.score, 1234.0);
    EXPECT_EQ(r.credit, 1099511627781.0);
    EXPECT_EQ(r.coins, 60000.0);
    EXPECT_EQ(r.levelName, "大将军");
    EXPECT_EQ(r.loginCount, 70000u);
    EXPECT_EQ(r.disconnectCount, 3u);
    EXPECT_EQ(r.wins, 41u);
    EXPECT_EQ(r.losses, 39u);
    EXPECT_EQ(r.account, "bob");
    EXPECT_EQ(r.title, "少侠");
    EXPECT_EQ(r.voiceSet, "12");
    EXPECT_EQ(r.voiceVariant, "20");
}

TEST(DecodePlayer, ReadsTheLargestCoinAmountWithoutGoingNegative) {
    net::GameFrame f = JoinFrame();
    PutU64(f, 96, ~std::uint64_t{0});
    app::PlayerRecord r;
    app::DecodePlayer(f, r);
    EXPECT_EQ(r.coins, 18446744073709551615.0);
}

TEST(DecodePlayer, TakesALeadByteAtTheNicknameEndAsACharacterOfItsOwn) {
    net::GameFrame f = JoinFrame();
    PutBytes(f, 16, std::string(31, 'a'));
    f[47] = 0xB0;  // a GBK lead byte whose partner would be the avatar code's first byte
    app::PlayerRecord r;
    app::DecodePlayer(f, r);
    EXPECT_EQ(r.nickname, std::string(31, 'a') + "\xEF\xBF\xBD");
    EXPECT_EQ(r.avatarCode, "w10");
}

TEST(DecodePlayer, StopsTwoByteTextsAtAPairStartingWithZero) {
    net::GameFrame f = JoinFrame();
    PutBytes(f, 184, text::ToGbk("少侠"));
    f[188] = 0;
    f[189] = 0xB0;  // after the end: not read
    PutBytes(f, 48, std::string(16, '\0'));
    app::PlayerRecord r;
    app::DecodePlayer(f, r);
    EXPECT_EQ(r.title, "少侠");
    EXPECT_EQ(r.avatarCode, "m1");  // an empty avatar code stands for the first male avatar
}

TEST(AvatarIndex, MapsMaleAndFemaleCodesToTheTwentyAvatars) {
    struct Case {
        const char* code;
        int previous;
        int index;
    };
    const Case cases[] = {
        {"m1", 7, 0},   {"m10", 7, 9}, {"w1", 7, 10},
        {"w10", 7, 19}, {"m11", 7, 0},                // 10 and above fall back to the first avatar
        {"w11", 7, 10}, {"m0", 7, 0},  {"mx", 7, 0},  // no number 1..10 keeps the picture in range
        {"m123", 7, 7},                               // another length keeps the previous index
        {"w", 3, 13},   {"", 15, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::AvatarIndex(c.code, c.previous), c.index) << '"' << c.code << '"';
}

TEST(CoinTier, RisesAtTwentyAndSixtyThousand) {
    const std::pair<double, int> cases[] = {{0, 0},     {19999.5, 0}, {20000, 1},
                                            {59999, 1}, {60000, 2},   {1e12, 2}};
    for (auto [coins, tier] : cases)
        EXPECT_EQ(app::CoinTier(coins), tier) << coins;
}

struct SeatsTest : ::testing::Test {
    Harness h;
    app::Client& client = h.client;

    void PlaceMainWindow(int left, int top, int width, int height) {
        ui::Window& w = client.table.window;
        w.left = left;
        w.top = top;
        w.width = width;
        w.height = height;
        client.table.Pic1.Move(3, 5);
    }

    void Join(int position, const net::GameFrame& frame = JoinFrame()) {
        app::DecodePlayer(frame, client.players.records[static_cast<std::size_t>(position)]);
        client.tableState.seats[static_cast<std::size_t>(position)].name =
            client.players.records[static_cast<std::size_t>(position)].account;
        app::ShowPlayer(client, position);
    }
};

TEST_F(SeatsTest, ShowPlayerFillsTheLabelsAvatarReadyMarkAndJoinTable) {
    Join(2);
    const ui::TableWindow& t = client.table;
    EXPECT_EQ(t.Nid[2].caption, "[少侠] 张三abc");
    EXPECT_EQ(t.Cash[2].caption, "60000金币");
    EXPECT_EQ(t.Level[2].caption, "大将军");
    EXPECT_EQ(t.Tou[2].picture.resourceId, 240 + 19);
    EXPECT_EQ(t.OK[2].picture.resourceId, 282);
    EXPECT_FALSE(t.OK[2].visible);  // the picture is chosen; the server says when it shows
    EXPECT_GT(t.Nid[2].z, 0);
    EXPECT_GT(t.Level[2].z, t.Nid[2].z);
    EXPECT_EQ(client.players.joinTable[2].nickname, "张三abc");
    EXPECT_EQ(client.players.joinTable[2].avatarIndex, "19");
    EXPECT_EQ(client.score.ID[2].caption, "张三abc");
    EXPECT_EQ(client.hero.Tou[2].picture.resourceId, 259);
    EXPECT_TRUE(client.table.Nid[1].caption.empty());
}

TEST_F(SeatsTest, ClearPlayerEmptiesTheSeatOfAPlayerWhoLeft) {
    Join(3);
    client.table.OK[3].visible = true;
    app::ClearPlayer(client, 3);
    const ui::TableWindow& t = client.table;
    EXPECT_FALSE(t.OK[3].visible);
    EXPECT_TRUE(t.Tou[3].picture.Empty());
    EXPECT_EQ(t.Nid[3].caption, "");
    EXPECT_EQ(t.Cash[3].caption, "");
    EXPECT_EQ(t.Level[3].caption, "");
    EXPECT_EQ(client.tableState.seats[3].name, "");
    EXPECT_EQ(client.players.records[3].nickname, "");
    EXPECT_EQ(client.players.records[3].coins, 0);
    EXPECT_EQ(client.hero.ID[3].caption, "");
    EXPECT_EQ(client.hero.Tou[3].picture.resourceId, 0);
}

TEST_F(SeatsTest, ClearPlayerLeavesTheLocalSeatAlone) {
    Join(0);
    app::ClearPlayer(client, 0);
    EXPECT_EQ(client.table.Nid[0].caption, "[少侠] 张三abc");
}

TEST_F(SeatsTest, InformationShowsNothingForAnEmptySeat) {
    app::ShowPlayerInformation(client, 1);
    EXPECT_FALSE(client.information.window.visible);
}

TEST_F(SeatsTest, InformationShowsTheNineValuesAndStaysPutWhileOpen) {
    Join(1);
    client.players.records[1].sex = 7;  // any non-zero value shows as male
    PlaceMainWindow(100, 50, 1024, 768);
    app::ShowPlayerInformation(client, 1);
    const ui::InformationWindow& info = client.information;
    ASSERT_TRUE(info.window.visible);
    const std::array<std::string, 9> values = {"张三abc", "男", "北京", "1234", "1099511627781",
                                               "70000",   "3",  "41",   "39"};
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(info.Inf[i].caption, values[i]) << i;
    EXPECT_EQ(info.Caption[0].caption, "玩家昵称");
    EXPECT_EQ(info.window.opacity, 200);
    EXPECT_EQ(info.window.left, 103);  // 3 + 100 + 0 thirds
    EXPECT_EQ(info.window.top, 139);   // 5 + 50 + 0.11 x 768 = 139.48

    Join(2);
    app::ShowPlayerInformation(client, 2);
    EXPECT_EQ(info.window.left, 103);  // a second movement while it is open changes nothing
    app::HidePlayerInformation(client);
    app::ShowPlayerInformation(client, 2);
    EXPECT_EQ(info.window.left, 444);  // 103 + 1024 / 3 = 444.33
    EXPECT_EQ(info.window.top, 139);
}

TEST_F(SeatsTest, InformationForTheLocalSeatSitsLowerOnTheFullSizeTable) {
    Join(0);
    client.players.records[0].sex = 0;
    struct Case {
        float scale;
        int height;
        int top;
    };
    // 5 + 50 + 0.42 x 768 = 377.56; on a small screen 5 + 50 + 0.3 x 600 = 235.
    for (const Case& c : {Case{1.0f, 768, 378}, Case{0.78125f, 600, 235}}) {
        app::HidePlayerInformation(client);
        client.app.ScaleX = c.scale;
        PlaceMainWindow(100, 50, 1024, c.height);
        app::ShowPlayerInformation(client, 0);
        EXPECT_EQ(client.information.window.left, 103);
        EXPECT_EQ(client.information.window.top, c.top);
        EXPECT_EQ(client.information.Inf[1].caption, "女");
    }
}

TEST(AssignVoices, GivesFourMalesDistinctVoicesWhenEveryDrawIsTwo) {
    app::Players players;
    for (app::PlayerRecord& r : players.records)
        r.sex = 1;
    FakeRandom random;
    random.draws = {2, 2, 2, 2};
    app::AssignVoices(players, random);
    const std::array<std::string, 4> expected = {"30", "10", "20", "40"};
    for (std::size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(players.records[p].voiceVariant, expected[p]) << p;
        EXPECT_EQ(players.voiceVariant[p], expected[p]) << p;
        EXPECT_EQ(players.records[p].voiceSet, "27");
        EXPECT_EQ(players.records[p].voiceSexCode, 3);
    }
}

TEST(AssignVoices, KeepsTheSexesApartAndReceivedVoicesOfOtherSexValues) {
    app::Players players;
    const std::array<std::uint8_t, 4> sexes = {0, 1, 0, 5};
    for (std::size_t p = 0; p < 4; ++p) {
        players.records[p].sex = sexes[p];
        players.records[p].voiceSet = "99";
        players.records[p].voiceVariant = "77";
    }
    players.maleVoiceTaken = {true, true, true, true};  // cleared before the draws
    FakeRandom random;
    random.draws = {1, 1, 1};
    app::AssignVoices(players, random);
    EXPECT_EQ(players.records[0].voiceVariant, "20");
    EXPECT_EQ(players.records[0].voiceSexCode, 2);
    EXPECT_EQ(players.records[1].voiceVariant, "20");  // the male set is its own
    EXPECT_EQ(players.records[2].voiceVariant, "10");  // 1 is taken among the females
    EXPECT_EQ(players.records[3].voiceSet, "99");
    EXPECT_EQ(players.records[3].voiceVariant, "77");
    EXPECT_EQ(players.voiceVariant[3], "77");
    EXPECT_EQ(players.records[3].voiceSexCode, 3);
    EXPECT_EQ(random.next, 3u);  // no draw for the fourth
}

TEST_F(SeatsTest, ResetSeatHandsAlsoEndsTheDealAndRestartsTheJoinCount) {
    client.protocol.dealInProgress = true;
    client.players.joinCounter = 4;
    client.tableState.seats[1].count = 6;
    client.tableState.FinishCount = 2;
    app::ResetSeatHands(client);
    EXPECT_FALSE(client.protocol.dealInProgress);
    EXPECT_EQ(client.players.joinCounter, 0);
    EXPECT_EQ(client.tableState.seats[1].count, 0);
    EXPECT_EQ(client.tableState.FinishCount, 0);
}

}  // namespace
}  // namespace vantry::test
