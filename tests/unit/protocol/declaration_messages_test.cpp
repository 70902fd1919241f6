// Declaration turns, declaration broadcasts, the declaration clock and the
// declaration buttons.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "rules/cards.h"
#include "table/hand.h"

namespace vantry::test {
namespace {

using net::GameFrame;

constexpr std::uint8_t kOwn = 1;    // the local seat
constexpr std::uint8_t kLeft = 2;   // screen position 1
constexpr std::uint8_t kTop = 4;    // screen position 2
constexpr std::uint8_t kRight = 8;  // screen position 3

struct Card {
    int suit, rank, id;
};

GameFrame Turn(std::uint8_t seat, std::uint16_t optionSet, std::uint8_t seconds) {
    GameFrame f = net::MakeFrame(net::MessageType::Options);
    f[6] = seat;
    f.PutU16Be(8, optionSet);
    f[16] = seconds;
    return f;
}

GameFrame Broadcast(std::uint8_t seat, std::uint16_t code, std::vector<Card> givenUp = {}) {
    GameFrame f = net::MakeFrame(net::MessageType::Declaration);
    f[6] = seat;
    f.PutU16Be(8, code);
    f[17] = static_cast<std::uint8_t>(givenUp.size());
    for (std::size_t k = 0; k < givenUp.size() && k < 6; ++k) {  // id, -, rank, suit
        f[20 + 4 * k] = static_cast<std::uint8_t>(givenUp[k].id);
        f[22 + 4 * k] = static_cast<std::uint8_t>(givenUp[k].rank);
        f[23 + 4 * k] = static_cast<std::uint8_t>(givenUp[k].suit);
    }
    return f;
}

ui::MouseEvent Click() {
    ui::MouseEvent e;
    e.action = ui::MouseAction::Click;
    return e;
}

class Declarations : public ::testing::Test {
  protected:
    void SetUp() override {
        h.LogIn();
        h.client.tableState.seats[0].seatBit = kOwn;
        h.client.players.records[0].nickname = "本家";
        h.client.players.records[1].nickname = "左家";
        GameFrame deal = net::MakeFrame(net::MessageType::DealStart);
        deal[6] = kOwn;
        const Card hand[] = {{0, 17, 11}, {4, 6, 12},  {1, 6, 13},
                             {4, 9, 14},  {4, 12, 15}, {4, 13, 16}};
        for (std::size_t i = 0; i < 6; ++i) {  // suit, rank, tag, id
            deal[16 + 4 * i] = static_cast<std::uint8_t>(hand[i].suit);
            deal[17 + 4 * i] = static_cast<std::uint8_t>(hand[i].rank);
            deal[19 + 4 * i] = static_cast<std::uint8_t>(hand[i].id);
        }
        h.Receive(deal);
        h.socket.sent.clear();
        h.sound.played.clear();
    }
    void GiveVoice(int position, const std::string& variant, int sex, int sexCode) {
        app::PlayerRecord& r = h.client.players.records[static_cast<std::size_t>(position)];
        r.voiceSet = "27";
        r.voiceVariant = variant;
        r.sex = static_cast<std::uint8_t>(sex);
        r.voiceSexCode = static_cast<std::uint8_t>(sexCode);
    }
    void ClickButton(int i) { app::OnMouse(h.client, {"MainForm", "btnJiaofen", i}, Click()); }
    void Raise(int rank) {
        const rules::SeatDisplay& hand = h.client.tableState.seats[0];
        for (int s = 0; s < hand.count; ++s) {
            const rules::HandSlot& slot = hand.slots[static_cast<std::size_t>(s)];
            if (rules::RankValue(slot.card) == rank && !table::IsRaised(h.client, slot.image))
                return table::ToggleCard(h.client, slot.image);
        }
    }
    int CountPlayed(const std::string& ending) const {
        int n = 0;
        for (const std::string& path : h.sound.PlayedPaths())
            n += path.size() >= ending.size() &&
                 path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
        return n;
    }
    int Bubble(int index, int position) const {
        return h.client.pictures
            .bubble[static_cast<std::size_t>(3 * index + (position == 3 ? 2 : 1))];
    }
    // Bytes 8 and 9 of every frame sent so far.
    std::vector<int> SentCodes() const {
        std::vector<int> codes;
        for (const GameFrame& f : h.socket.SentFrames())
            codes.push_back(f.U16Be(8));
        return codes;
    }
    bool AnyBubbleShown() const {
        for (const ui::Control& s : h.client.table.Speak)
            if (s.visible)
                return true;
        return false;
    }
    Harness h;
};

TEST_F(Declarations, ATurnForAnotherSeatChangesNothing) {
    h.client.settle.ready = {true, 10, 0};  // the ready countdown between deals runs
    h.Receive(Turn(kLeft, 13, 8));
    EXPECT_FALSE(h.client.tableState.DeclareClockOn);
    EXPECT_TRUE(h.client.settle.ready.on);
    EXPECT_FALSE(h.client.table.Number.visible);
    for (const ui::Control& b : h.client.table.btnJiaofen)
        EXPECT_FALSE(b.visible);
}

TEST_F(Declarations, ASpreadOfferShowsThreeButtonsAndTheClock) {
    h.client.settle.ready = {true, 10, 0};  // the ready countdown between deals runs
    h.Receive(Turn(kOwn, 13, 1));           // fewer than 2 seconds: the default 8
    const ui::TableWindow& t = h.client.table;
    EXPECT_FALSE(h.client.settle.ready.on);
    EXPECT_EQ(t.Number.caption, "8");
    EXPECT_EQ(t.Number.foreColor, ui::kGreen);
    EXPECT_EQ(t.Time_Img.left, 800);
    EXPECT_EQ(t.Time_Img.top, 550);
    const int lefts[] = {400, 480, 560};
    const int kinds[] = {0, 1, 5};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(t.btnJiaofen[i].visible && t.btnJiaofen[i].enabled);
        EXPECT_EQ(t.btnJiaofen[i].left, lefts[i]);
        EXPECT_EQ(h.client.tableView.ButtonAction[i], kinds[i]);
        EXPECT_EQ(t.btnJiaofen[i].picture.resourceId, h.client.pictures.declaration[2 * kinds[i]]);
    }
    EXPECT_FALSE(t.btnJiaofen[3].visible || t.btnJiaofen[3].enabled);
    EXPECT_FALSE(h.client.tableState.FollowOffer);
}

TEST_F(Declarations, AFollowOfferShowsThePassPictureOnItsSecondButton) {
    h.Receive(Turn(kOwn, 129, 8));
    EXPECT_TRUE(h.client.tableState.FollowOffer);
    EXPECT_EQ(h.client.tableView.ButtonAction[0], 7);
    EXPECT_EQ(h.client.tableView.ButtonAction[1], 5);
    EXPECT_EQ(h.client.table.btnJiaofen[1].picture.resourceId, h.client.pictures.operation[6]);
    EXPECT_FALSE(h.client.table.btnJiaofen[2].visible);
}

TEST_F(Declarations, WithTheBossKeyInForceTheClockStartsAtOne) {
    h.client.tableState.FastTurn = true;
    h.Receive(Turn(kOwn, 13, 8));
    EXPECT_EQ(h.client.table.Number.caption, "1");
}

TEST_F(Declarations, TheClockCountsDownEvery21TicksAndThenSaysNothingOnce) {
    h.Receive(Turn(kOwn, 13, 1));
    const ui::TableWindow& t = h.client.table;
    std::vector<std::string> shown;
    std::vector<ui::Color> colours;
    std::vector<int> ticksAt;
    std::vector<int> tickSounds;
    std::string last = t.Number.caption;
    for (int tick = 1; tick <= 9 * 21 && h.client.tableState.DeclareClockOn; ++tick) {
        h.Ticks(1);
        if (t.Number.caption != last) {
            last = t.Number.caption;
            shown.push_back(last);
            colours.push_back(t.Number.foreColor);
            ticksAt.push_back(tick);
            tickSounds.push_back(CountPlayed("music/tishi.wav"));
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"7", "6", "5", "4", "3", "2", "1", "0"}));
    const ui::Color g = ui::kGreen, r = ui::kRed;
    EXPECT_EQ(colours, (std::vector<ui::Color>{g, g, g, r, r, r, r, r}));
    EXPECT_EQ(tickSounds, (std::vector<int>{0, 0, 0, 1, 2, 3, 4, 5}));
    for (std::size_t i = 1; i < ticksAt.size(); ++i)
        EXPECT_EQ(ticksAt[i] - ticksAt[i - 1], 21);  // a step on every 21st tick of 50 ms
    h.Ticks(5 * 21);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][3], 3);
    EXPECT_EQ(sent[0][6], kOwn);
    EXPECT_EQ(sent[0][8], 0);
    EXPECT_EQ(sent[0][9], 1);
    EXPECT_FALSE(t.Number.visible || t.Time_Img.visible);
    for (const ui::Control& b : t.btnJiaofen)
        EXPECT_FALSE(b.visible || b.enabled);
}

TEST_F(Declarations, TheOwnDeclarationFillsThePanelButShowsNoBubbleAndPlaysNoVoice) {
    h.Receive(Broadcast(kOwn, 4));
    EXPECT_EQ(h.client.table.jiaoTypeLb.caption, "宣  ");
    EXPECT_EQ(h.client.table.jiaoLb[0].caption, "本家");
    EXPECT_TRUE(h.client.tableState.DeclarePanelSet);
    EXPECT_FALSE(AnyBubbleShown());
    EXPECT_TRUE(h.sound.PlayedPaths().empty());
}

TEST_F(Declarations, AnotherSeatDeclaresAndThenGivesUpTwoCards) {
    GiveVoice(1, "10", 1, 3);
    h.Receive(Broadcast(kLeft, 4));
    const ui::TableWindow& t = h.client.table;
    EXPECT_TRUE(t.Speak[1].visible);
    EXPECT_EQ(t.Speak[1].picture.resourceId, Bubble(0, 1));  // 宣
    EXPECT_EQ(CountPlayed("/vantry/v2710134.wav"), 1);
    EXPECT_EQ(t.jiaoLb[0].caption, "左家");

    h.Receive(Broadcast(kLeft, 64, {{4, 9, 40}, {2, 12, 41}}));
    EXPECT_EQ(t.Speak[1].picture.resourceId, Bubble(10, 1));  // 宣舍
    EXPECT_EQ(CountPlayed("/vantry/v2710134.wav"), 1);
    EXPECT_EQ(CountPlayed("/vantry/v27101340.wav"), 1);
    EXPECT_EQ(t.jiaoTypeLb.caption, "宣  舍");
    const rules::TableState& s = h.client.tableState;
    EXPECT_EQ(s.seats[1].count, 4);
    EXPECT_EQ(s.GivenUpCount[1], 2);
    EXPECT_EQ(s.CurrentTrickCards[1].count, 2);
    const rules::Point16 origin = s.seats[1].firstOrigin;
    for (int k = 0; k < 2; ++k) {
        EXPECT_TRUE(t.cardImage1[k].visible);
        EXPECT_EQ(t.cardImage1[k].top, origin.y);
        EXPECT_EQ(t.cardImage1[k].width, 80);
    }
    EXPECT_EQ(t.cardImage1[0].left, origin.x);
    EXPECT_GT(t.cardImage1[1].left, origin.x);
    EXPECT_EQ(t.cardImage1[0].picture.resourceId, h.client.pictures.card[9 + 16 * 2]);
    EXPECT_EQ(t.shanImage[0].picture.resourceId, h.client.pictures.fan[0][3]);  // 4 cards
}

TEST_F(Declarations, AGiveUpWithoutAnEarlierDeclarationShowsTheFirstBubble) {
    h.Receive(Broadcast(kOwn, 4));  // the local declaration does not count
    h.Receive(Broadcast(kRight, 64, {{8, 5, 50}}));
    EXPECT_TRUE(h.client.table.Speak[3].visible);
    EXPECT_EQ(h.client.table.Speak[3].picture.resourceId, Bubble(0, 3));
    EXPECT_EQ(h.client.tableState.seats[3].count, 5);
}

TEST_F(Declarations, ANewBubbleHidesTheOldOneAndABubbleLastsASecond) {
    h.Receive(Broadcast(kLeft, 16));
    EXPECT_EQ(h.client.table.Speak[1].picture.resourceId, Bubble(2, 1));  // 报
    h.Receive(Broadcast(kTop, 1));
    EXPECT_FALSE(h.client.table.Speak[1].visible);
    EXPECT_EQ(h.client.table.Speak[2].picture.resourceId, Bubble(5, 2));  // 不说话
    h.Ticks(17);  // 18 of its 20 ticks, counting the tick that showed it
    EXPECT_TRUE(h.client.table.Speak[2].visible);
    h.Ticks(2);
    EXPECT_FALSE(h.client.table.Speak[2].visible);
}

TEST_F(Declarations, DeclaringOffersTheGiveUpWithAnEightSecondClockThatRunsOut) {
    GiveVoice(0, "20", 0, 2);
    h.Receive(Turn(kOwn, 13, 1));
    h.Ticks(30);
    ClickButton(0);
    const ui::TableWindow& t = h.client.table;
    EXPECT_EQ(CountPlayed("/vantry/v2720024.wav"), 1);
    EXPECT_EQ(h.client.tableView.ButtonAction[0], 10);
    EXPECT_EQ(t.btnJiaofen[0].picture.resourceId, h.client.pictures.declaration[20]);
    EXPECT_EQ(t.btnJiaofen[0].left, 440);
    EXPECT_EQ(h.client.tableView.ButtonAction[1], 5);
    EXPECT_EQ(t.btnJiaofen[1].picture.resourceId, h.client.pictures.operation[6]);
    EXPECT_EQ(t.btnJiaofen[1].left, 520);
    EXPECT_TRUE(t.btnJiaofen[0].visible && t.btnJiaofen[1].visible);
    EXPECT_FALSE(t.btnJiaofen[2].visible || t.btnJiaofen[2].enabled);
    EXPECT_TRUE(h.client.tableState.FollowOffer);
    EXPECT_EQ(t.Number.caption, "8");
    EXPECT_EQ(t.Time_Img.left, 800);
    EXPECT_EQ(t.Time_Img.top, 550);
    h.Ticks(8 * 21 + 2);  // 8 steps x 21 ticks, and a tick to send
    EXPECT_EQ(SentCodes(), (std::vector<int>{4, 1}));
    EXPECT_FALSE(t.btnJiaofen[0].visible);
}

TEST_F(Declarations, APlainDeclarationHidesEverythingAndIsSentOnce) {
    GiveVoice(0, "30", 1, 3);
    h.Receive(Turn(kOwn, 257, 8));
    ClickButton(0);  // 反揣
    ClickButton(0);  // hidden now: nothing more
    h.Ticks(20 * 21);
    EXPECT_EQ(SentCodes(), (std::vector<int>{256}));
    EXPECT_EQ(CountPlayed("/vantry/v273013100.wav"), 1);  // its own voice, as others hear it
    EXPECT_FALSE(h.client.table.btnJiaofen[1].visible);
    EXPECT_FALSE(h.client.table.Number.visible);
}

TEST_F(Declarations, AFaceUpHandGivesUpItsCardsAndShowsTheRestAfterThem) {
    GameFrame shown = net::MakeFrame(net::MessageType::DealStart);
    shown[6] = kLeft;
    shown[11] = 1;                         // a hand turned face up
    for (std::size_t i = 0; i < 6; ++i) {  // suit, rank, tag, id
        shown[16 + 4 * i] = 4;
        shown[17 + 4 * i] = static_cast<std::uint8_t>(3 + i);
        shown[19 + 4 * i] = static_cast<std::uint8_t>(60 + i);
    }
    h.Receive(shown);
    h.Receive(Broadcast(kLeft, 64, {{4, 5, 62}}));
    const rules::TableState& s = h.client.tableState;
    EXPECT_EQ(s.RevealedCards[2].state, rules::RevealedCard::Gone);
    EXPECT_EQ(s.RevealedCards[0].state, rules::RevealedCard::InHand);
    const ui::TableWindow& t = h.client.table;
    EXPECT_EQ(t.cardImage1[0].left, s.seats[1].firstOrigin.x);  // the given-up five
    EXPECT_EQ(t.cardImage1[0].picture.resourceId, h.client.pictures.card[5 + 16 * 2]);
    // The five cards left are redrawn from image 1 on, in record order: 3 4 6 7 8.
    EXPECT_EQ(t.cardImage1[1].picture.resourceId, h.client.pictures.card[3 + 16 * 2]);
    EXPECT_EQ(t.cardImage1[3].picture.resourceId, h.client.pictures.card[6 + 16 * 2]);
    EXPECT_EQ(t.cardImage1[1].left, 50);
    EXPECT_EQ(t.cardImage1[1].top, 250);
    EXPECT_FALSE(t.shanImage[0].visible);
}

class Discard : public Declarations {
  protected:
    void SetUp() override {
        Declarations::SetUp();
        h.Receive(Turn(kOwn, 13, 8));
        ClickButton(0);  // 宣
        h.Ticks(2);
        h.socket.sent.clear();
    }
};

TEST_F(Discard, NoRaisedCardOrSixRaisedCardsShowTheNoticeAndSendNothing) {
    for (int raised : {0, 6}) {
        SCOPED_TRACE(raised);
        for (int rank : {17, 6, 6, 9, 12, 13})
            if (raised == 6)
                Raise(rank);
        ClickButton(0);  // 舍
        h.Ticks(2);
        EXPECT_TRUE(h.client.ChuPai.visible);
        EXPECT_TRUE(h.socket.SentFrames().empty());
        EXPECT_TRUE(h.client.tableState.DeclareClockOn);
        EXPECT_TRUE(h.client.table.btnJiaofen[0].visible);
        EXPECT_EQ(h.client.tableState.seats[0].count, 6);
        h.client.ChuPai.visible = false;
    }
}

TEST_F(Discard, AValidGiveUpSendsItsCardsWithCode64) {
    Raise(17);  // the big joker alone
    ClickButton(0);
    h.Ticks(2);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][3], 3);
    EXPECT_EQ(sent[0][6], kOwn);
    EXPECT_EQ(sent[0].U16Be(8), 64);
    EXPECT_EQ(sent[0][16], 1);  // kind
    EXPECT_EQ(sent[0][17], 1);  // one card: id, 0, rank, suit
    EXPECT_EQ(sent[0][20], 11);
    EXPECT_EQ(sent[0][21], 0);
    EXPECT_EQ(sent[0][22], 17);
    EXPECT_EQ(sent[0][23], 0);
    EXPECT_FALSE(h.client.ChuPai.visible);
    EXPECT_FALSE(h.client.tableState.DeclareClockOn);
    EXPECT_FALSE(h.client.table.Number.visible);
    for (const ui::Control& b : h.client.table.btnJiaofen)
        EXPECT_FALSE(b.visible);
    EXPECT_EQ(h.client.tableState.seats[0].count, 5);
    h.Ticks(20 * 21);
    EXPECT_EQ(h.socket.SentFrames().size(), 1u);
}

// Frames no server of ours sends, which must leave the table as it was.
TEST_F(Declarations, MalformedBroadcastsAreIgnored) {
    GameFrame tooMany = Broadcast(kLeft, 64, {{4, 9, 40}});
    tooMany[17] = 7;  // more cards than a hand holds; the list would run past the frame
    GameFrame farTooMany = tooMany;
    farTooMany[17] = 255;
    const GameFrame cases[] = {
        tooMany,
        farTooMany,
        Broadcast(kLeft, 0x8004),  // no declaration has the high bit
        Broadcast(0x30, 4),        // no seat bit
        Broadcast(0, 64, {{4, 9, 40}}),
        Broadcast(kLeft | kTop, 4),  // two seats
    };
    for (const GameFrame& f : cases) {
        h.client.ChuPai.visible = true;
        h.Receive(f);
        EXPECT_TRUE(h.client.ChuPai.visible);
        EXPECT_FALSE(AnyBubbleShown());
        EXPECT_EQ(h.client.table.jiaoTypeLb.caption, "");
        EXPECT_TRUE(h.sound.PlayedPaths().empty());
        for (int p = 1; p < 4; ++p)
            EXPECT_EQ(h.client.tableState.seats[static_cast<std::size_t>(p)].count, 6);
    }
}

TEST_F(Declarations, GivingUpAllSixCardsHidesTheFan) {
    h.Receive(Broadcast(kTop, 8));
    h.Receive(
        Broadcast(kTop, 64, {{4, 3, 1}, {4, 4, 2}, {4, 5, 3}, {4, 6, 4}, {4, 7, 5}, {4, 8, 6}}));
    EXPECT_EQ(h.client.tableState.seats[2].count, 0);
    EXPECT_FALSE(h.client.table.shanImage[1].visible);
    EXPECT_EQ(h.client.table.Speak[2].picture.resourceId, Bubble(11, 2));  // 摊舍
    EXPECT_TRUE(h.client.table.cardImage2[5].visible);
}

TEST_F(Declarations, AnOptionSetWithTheHighBitShowsNoButtonButTheClockStillAnswers) {
    h.Receive(Turn(kOwn, 0x800D, 8));
    for (const ui::Control& b : h.client.table.btnJiaofen)
        EXPECT_FALSE(b.visible);
    h.Ticks(9 * 21);
    EXPECT_EQ(SentCodes(), (std::vector<int>{1}));
}

}  // namespace
}  // namespace vantry::test
