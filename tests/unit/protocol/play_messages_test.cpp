// Play broadcasts, the play countdown and the play submission.

#include <gtest/gtest.h>

#include "app/events.h"
#include "fakes.h"
#include "rules/cards.h"
#include "table/hand.h"
#include "table/play_submission.h"

namespace vantry::test {
namespace {

using net::GameFrame;

GameFrame Deal(std::initializer_list<std::pair<int, int>> cards) {  // (rank, id), hearts
    GameFrame f = net::MakeFrame(net::MessageType::DealStart);
    f[6] = 1;
    std::size_t i = 0;
    for (auto [rank, id] : cards) {
        f[16 + 4 * i] = 4;
        f[17 + 4 * i] = static_cast<std::uint8_t>(rank);
        f[19 + 4 * i] = static_cast<std::uint8_t>(id);
        ++i;
    }
    return f;
}

GameFrame Play(std::uint8_t by, std::uint8_t next, std::uint8_t subCode,
               std::initializer_list<int> ranks = {}, std::uint8_t seconds = 3) {
    GameFrame f = net::MakeFrame(net::MessageType::Play);
    f[6] = by;
    f[11] = next;
    f[15] = subCode;
    f[17] = static_cast<std::uint8_t>(ranks.size());
    f[18] = static_cast<std::uint8_t>(ranks.size());
    std::size_t k = 0;
    for (int rank : ranks) {
        f[20 + 4 * k] = 1;
        f[21 + 4 * k] = static_cast<std::uint8_t>(rank);
        f[23 + 4 * k] = static_cast<std::uint8_t>(90 + k);
        ++k;
    }
    f[255] = seconds;
    return f;
}

class Plays : public ::testing::Test {
  protected:
    void SetUp() override {
        h.LogIn();
        h.client.tableState.seats[0].seatBit = 1;
        h.Receive(Deal({{5, 11}, {6, 12}, {6, 13}, {9, 14}, {12, 15}, {13, 16}}));
        h.socket.sent.clear();
    }
    // Ticks until the frames sent reach `count` or 20 seconds pass.
    std::vector<GameFrame> SentAfter(int seconds) {
        h.Ticks(seconds * 20 + 1);
        return h.socket.SentFrames();
    }
    void Raise(int rank) {
        const rules::SeatDisplay& hand = h.client.tableState.seats[0];
        for (int s = 0; s < hand.count; ++s)
            if (rules::RankValue(hand.slots[static_cast<std::size_t>(s)].card) == rank &&
                !table::IsRaised(h.client, hand.slots[static_cast<std::size_t>(s)].image))
                return table::ToggleCard(h.client, hand.slots[static_cast<std::size_t>(s)].image);
    }
    Harness h;
};

TEST_F(Plays, AnOrdinaryTurnLeftToRunOutSendsOnePass) {
    h.Receive(Play(8, 1, 2, {4}));
    EXPECT_TRUE(h.client.table.Operation[2].visible);
    EXPECT_EQ(h.client.table.Number.caption, "3");
    const auto sent = SentAfter(5);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][3], 7);
    EXPECT_EQ(sent[0][15], 1);
    EXPECT_EQ(sent[0][6], 1);
    EXPECT_FALSE(h.client.table.Number.visible);
}

TEST_F(Plays, LeadingAtTimeOutPlaysTheLowestCard) {
    h.Receive(Play(8, 1, 1));
    EXPECT_TRUE(h.client.tableState.MustLead);
    EXPECT_FALSE(h.client.table.Operation[2].visible);
    const auto sent = SentAfter(5);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][15], 2);
    EXPECT_EQ(sent[0][17], 1);
    EXPECT_EQ(sent[0][20], 11);  // the five, last in the sorted hand
    EXPECT_EQ(h.client.tableState.seats[0].count, 5);
}

TEST_F(Plays, APairOfSixesBeatsAPairOfFivesOnce) {
    h.Receive(Play(8, 1, 2, {5, 5}));
    Raise(6);
    Raise(6);
    // A right click on the table plays the raised cards; a second one in the
    // same turn sends nothing.
    const ui::MouseEvent rightDown{ui::MouseAction::Down, ui::kRightButton};
    app::OnMouse(h.client, {"MainForm", "Pic1"}, rightDown);
    app::OnMouse(h.client, {"MainForm", "Pic1"}, rightDown);
    h.Ticks(2);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][17], 2);
    EXPECT_EQ(sent[0][18], 2);
    EXPECT_EQ(h.client.tableState.seats[0].count, 4);
}

TEST_F(Plays, AnIllegalSelectionShowsTheNoticeAndSendsNothing) {
    h.Receive(Play(8, 1, 2, {5, 5}));
    Raise(12);
    Raise(13);
    table::SubmitPlay(h.client);
    h.Ticks(2);
    EXPECT_TRUE(h.client.ChuPai.visible);
    EXPECT_TRUE(h.socket.SentFrames().empty());
    EXPECT_EQ(h.client.tableState.seats[0].count, 6);
}

TEST_F(Plays, ASecondPlayMessagePassShowsThePassBubble) {
    h.Receive(Play(8, 2, 1, {7}));
    h.Receive(Play(2, 4, 2));  // the left seat passes
    EXPECT_TRUE(h.client.table.Speak[1].visible);
    EXPECT_EQ(h.client.table.Speak[1].picture.resourceId, h.client.pictures.passBubble[0]);
}

ui::MouseEvent Click() {
    ui::MouseEvent e;
    e.action = ui::MouseAction::Click;
    return e;
}

TEST_F(Plays, ThePassButtonSendsOnePassAndHidesThePlayButtons) {
    h.Receive(Play(8, 1, 2, {4}));
    app::OnMouse(h.client, {"MainForm", "Operation", 2}, Click());
    app::OnMouse(h.client, {"MainForm", "Operation", 0}, Click());  // after a pass: nothing
    h.Ticks(10 * 20);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][15], 1);
    EXPECT_FALSE(h.client.table.Operation[0].visible);
    EXPECT_FALSE(h.client.table.Number.visible);
}

TEST_F(Plays, ThePlayButtonPlaysTheRaisedCards) {
    h.Receive(Play(8, 1, 2, {4}));
    Raise(9);
    app::OnMouse(h.client, {"MainForm", "Operation", 0}, Click());
    h.Ticks(1);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][20], 14);  // the nine's id
}

TEST_F(Plays, TheStartButtonSaysReadyOnceBetweenDeals) {
    h.client.protocol.dealInProgress = false;
    for (int i = 0; i < 2; ++i)
        app::OnMouse(h.client, {"MainForm", "AnNiu", 2}, Click());
    h.Ticks(3);
    const auto sent = h.socket.SentFrames();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][3], 16);
    EXPECT_EQ(sent[0][15], 1);
    EXPECT_TRUE(h.client.table.OK[0].visible);
    EXPECT_TRUE(h.client.buttons.startDisabled);
}

}  // namespace
}  // namespace vantry::test
