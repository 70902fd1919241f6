// The practice table in-process: a hall wired to a protocol player, time
// advanced by hand.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "hall.h"
#include "protocol_player.h"

namespace vantry::server {
namespace {

using testing::ProtocolPlayer;
using namespace std::chrono_literals;

class PracticeTable : public ::testing::Test {
  protected:
    PracticeTable() {
        config.seed = 7;
        config.turnSeconds = 10;
        config.botDelayMs = 500;
        config.humanCoins = 1'000'000'000;  // the test player takes every risk offered
    }

    void Open() {
        hall = std::make_unique<Hall>(
            config, HallCallbacks{
                        [this](ConnectionId id, const GameFrame& f) { inbox[id].push_back(f); },
                        [this](ConnectionId id) { closed.insert(id); },
                        [this](ConnectionId, Complaint c, const std::string& what) {
                            complaints.push_back(std::string(ComplaintName(c)) + ": " + what);
                        },
                    });
    }

    // Hands the server's frames to the player and the player's answers back,
    // until both are quiet.
    void Deliver(ConnectionId id, ProtocolPlayer& player) {
        while (!inbox[id].empty()) {
            const GameFrame f = inbox[id].front();
            inbox[id].erase(inbox[id].begin());
            seen[id].push_back(f);
            for (const GameFrame& answer : player.Receive(f))
                if (!closed.count(id))
                    hall->Received(id, answer);
        }
    }

    void Run(ConnectionId id, ProtocolPlayer& player, Millis total, Millis step = 100ms) {
        Deliver(id, player);
        for (Millis t{0}; t < total; t += step) {
            hall->Advance(step);
            Deliver(id, player);
        }
    }

    // Plays until the player has finished `deals` deals (at most 300 s of table time each).
    void PlayDeals(ConnectionId id, ProtocolPlayer& player, int deals) {
        for (int i = 0; i < 3000 * deals && player.DealsFinished() < deals && !player.Closed(); ++i)
            Run(id, player, 100ms);
    }

    std::vector<GameFrame> FramesOfType(ConnectionId id, net::MessageType type) const {
        std::vector<GameFrame> out;
        const auto it = seen.find(id);
        if (it == seen.end())
            return out;
        for (const GameFrame& f : it->second)
            if (f.Is(type))
                out.push_back(f);
        return out;
    }

    TableConfig config;
    std::unique_ptr<Hall> hall;
    std::map<ConnectionId, std::vector<GameFrame>> inbox;
    std::map<ConnectionId, std::vector<GameFrame>> seen;
    std::set<ConnectionId> closed;
    std::vector<std::string> complaints;
};

TEST_F(PracticeTable, ALoginSeatsThePlayerWithThreeBotsAndAnnouncesTheTable) {
    config.wealthMultiplier = 20;
    config.adAddress = "http://127.0.0.1/ad";
    config.unattendedLimit = 4;
    Open();
    ProtocolPlayer alice("alice", 1);
    alice.active = false;
    hall->Received(1, alice.Login());
    Deliver(1, alice);

    ASSERT_TRUE(alice.LoggedIn());
    const LoginResult result = ReadLoginResult(FramesOfType(1, net::MessageType::Login).at(0));
    EXPECT_EQ(result.turnSeconds, 10);
    EXPECT_EQ(result.unattendedLimit, 4);
    EXPECT_EQ(result.adAddress, "http://127.0.0.1/ad");

    const auto joins = FramesOfType(1, net::MessageType::PlayerJoin);
    ASSERT_EQ(joins.size(), 4u);
    std::set<int> seats;
    for (const GameFrame& f : joins) {
        const PlayerJoin j = ReadPlayerJoin(f);
        seats.insert(j.seat);
        EXPECT_EQ(j.receiverSeat, alice.Seat());
        EXPECT_EQ(j.wealthMultiplier, 20u);
        EXPECT_FALSE(j.player.levelName.empty());
        if (j.seat != alice.Seat()) {
            EXPECT_TRUE(j.ready);
            EXPECT_GE(j.player.nickname.size(), 6u);  // two Chinese characters at least
            EXPECT_FALSE(j.player.title.empty());
        }
    }
    EXPECT_EQ(seats, (std::set<int>{1, 2, 4, 8}));
    EXPECT_EQ(ReadPlayerJoin(joins[0]).player.account, "alice");
    const auto status = FramesOfType(1, net::MessageType::TableStatus);
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(ReadTableStatus(status[0]).wealthMultiplier, 20u);

    Run(1, alice, 3s);
    EXPECT_EQ(FramesOfType(1, net::MessageType::PlayerReady).size(), 3u);
}

TEST_F(PracticeTable, TheConfiguredBadKeyIsRefusedAndTheConnectionClosed) {
    config.badKey = "wrong";
    Open();
    ProtocolPlayer bob("bob", 1);
    hall->Received(1, bob.Login("wrong"));
    Deliver(1, bob);
    EXPECT_TRUE(bob.Refused());
    EXPECT_EQ(ReadLoginResult(seen[1].at(0)).outcome, LoginOutcome::VerificationFailed);
    EXPECT_TRUE(closed.count(1));
    EXPECT_EQ(hall->TableCount(), 0u);
}

TEST_F(PracticeTable, FramesBeforeTheLoginAreLoggedAndIgnored) {
    Open();
    ProtocolPlayer bob("bob", 1);
    hall->Received(1, BuildKeepAlive({1}));
    EXPECT_EQ(complaints.size(), 1u);
    EXPECT_TRUE(inbox[1].empty());
}

TEST_F(PracticeTable, ManyDealsPlayOutWithoutAComplaint) {
    Open();
    ProtocolPlayer alice("alice", 3);
    alice.chatty = true;
    hall->Received(1, alice.Login());
    PlayDeals(1, alice, 40);

    EXPECT_EQ(alice.DealsFinished(), 40);
    EXPECT_TRUE(alice.Errors().empty()) << alice.Errors().front();
    EXPECT_TRUE(complaints.empty()) << complaints.front();
    EXPECT_EQ(FramesOfType(1, net::MessageType::Settlement).size(), 160u);
}

TEST_F(PracticeTable, OverSomeDealsEveryOptionRowAndEveryDeclarationComesUp) {
    std::set<std::uint16_t> offered, declared;
    int shown = 0;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        config.seed = seed;
        Open();
        ProtocolPlayer alice("alice", seed);
        hall->Received(1, alice.Login());
        PlayDeals(1, alice, 15);
        offered.insert(alice.OffersSeen().begin(), alice.OffersSeen().end());
        declared.insert(alice.DeclarationsSeen().begin(), alice.DeclarationsSeen().end());
        shown += alice.HandsShown();
        EXPECT_TRUE(complaints.empty()) << complaints.front();
        inbox.clear();
        seen.clear();
    }
    EXPECT_EQ(offered, (std::set<std::uint16_t>{2069, 13, 3, 33, 1025, 129, 513, 257}));
    EXPECT_EQ(declared,
              (std::set<std::uint16_t>{1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048}));
    EXPECT_GT(shown, 0);
}

TEST_F(PracticeTable, TheSameSeedGivesTheSameTable) {
    std::vector<std::vector<GameFrame>> runs;
    for (int run = 0; run < 2; ++run) {
        Open();
        seen.clear();
        ProtocolPlayer alice("alice", 9);
        hall->Received(1, alice.Login());
        PlayDeals(1, alice, 3);
        runs.push_back(seen[1]);
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(PracticeTable, SettlementsAgreeWithTheDeal) {
    Open();
    ProtocolPlayer alice("alice", 4);
    hall->Received(1, alice.Login());
    for (int deal = 1; deal <= 12; ++deal) {
        PlayDeals(1, alice, deal);
        const std::vector<Settlement>& records = alice.LastSettlement();
        ASSERT_EQ(records.size(), 4u);
        std::set<int> seats, places;
        int winners = 0, emptyHands = 0;
        for (const Settlement& r : records) {
            seats.insert(r.seat);
            places.insert(r.place);
            winners += r.winner;
            emptyHands += r.remaining.empty();
            EXPECT_EQ(r.baseStake, config.baseStake);
            EXPECT_GE(r.level, 1);
            if (r.winner) {
                EXPECT_EQ(r.coinResult, 1);
            }
        }
        EXPECT_EQ(seats, (std::set<int>{1, 2, 4, 8}));
        EXPECT_EQ(places, (std::set<int>{1, 2, 3, 4})) << "places or tribute codes, each once";
        EXPECT_GE(emptyHands, 3);
        const bool solo = std::any_of(records.begin(), records.end(), [](const Settlement& r) {
            return r.declared || r.spread || r.reported || r.spreadReported;
        });
        if (solo) {
            EXPECT_TRUE(winners == 1 || winners == 3) << "deal " << deal;
        } else {
            EXPECT_TRUE(winners == 2 || winners == 0) << "deal " << deal;
        }
    }
}

TEST_F(PracticeTable, ASilentPlayerIsPlayedForAfterTheTurnTimeAndItsGrace) {
    Open();
    ProtocolPlayer alice("alice", 2);
    hall->Received(1, alice.Login());
    Deliver(1, alice);  // alice answers the first table status with ready
    alice.active = false;
    PlayDeals(1, alice, 1);
    EXPECT_EQ(alice.DealsFinished(), 1);
    EXPECT_TRUE(complaints.empty());
    // Without a ready the next deal still starts once the ready time is over.
    Run(1, alice, std::chrono::seconds(config.readySeconds) + 1s);
    EXPECT_TRUE(alice.InDeal());
}

TEST_F(PracticeTable, AnIllegalPlayIsRefusedAndTakenAsAPassOrTheLowestLead) {
    Open();
    ProtocolPlayer alice("alice", 5);
    hall->Received(1, alice.Login());
    Deliver(1, alice);
    alice.active = false;
    // Wait for alice's first play turn.
    for (int i = 0; i < 600; ++i) {
        Run(1, alice, 100ms);
        const auto plays = FramesOfType(1, net::MessageType::Play);
        if (!plays.empty() && ReadPlayBroadcast(plays.back()).next == alice.Seat())
            break;
    }
    const PlayBroadcast turn = ReadPlayBroadcast(FramesOfType(1, net::MessageType::Play).back());
    ASSERT_EQ(turn.next, alice.Seat());
    const std::size_t before = FramesOfType(1, net::MessageType::Play).size();

    // Two cards of different ranks are never a play.
    const std::vector<Card>& hand = alice.Hand();
    ASSERT_GE(hand.size(), 2u);
    LocalPlay bad{alice.Seat(), local_play::kPlay, 2, {hand.front().id, hand.back().id}};
    if (hand.front().rank == hand.back().rank)
        bad.ids = {hand.front().id, 200};  // or a card the player does not hold
    hall->Received(1, BuildLocalPlay(bad));
    Deliver(1, alice);

    ASSERT_EQ(complaints.size(), 1u);
    EXPECT_NE(complaints[0].find("rejected"), std::string::npos);
    const auto plays = FramesOfType(1, net::MessageType::Play);
    ASSERT_EQ(plays.size(), before + 1);
    const PlayBroadcast answer = ReadPlayBroadcast(plays.back());
    EXPECT_EQ(answer.seat, alice.Seat());
    EXPECT_LE(answer.cards.size(), 1u);  // a pass, or the lowest card led

    alice.active = true;
    PlayDeals(1, alice, 1);
    const auto& records = alice.LastSettlement();
    const auto own = std::find_if(records.begin(), records.end(),
                                  [&](const Settlement& r) { return r.seat == alice.Seat(); });
    ASSERT_NE(own, records.end());
    EXPECT_TRUE(own->lostLead);
}

TEST_F(PracticeTable, FramesOutOfTurnOrOfUnknownShapeAreLoggedAndChangeNothing) {
    Open();
    ProtocolPlayer alice("alice", 6);
    hall->Received(1, alice.Login());
    Deliver(1, alice);
    alice.active = false;
    Run(1, alice, 200ms);
    const std::size_t frames = seen[1].size();

    hall->Received(1, BuildLocalPlay({alice.Seat(), local_play::kPass, 0, {}}));  // nobody asked
    hall->Received(1, BuildDeclaration({alice.Seat(), 3, 0, {}}));  // two codes at once
    GameFrame odd = net::MakeFrame(net::MessageType::TableStatus);
    odd[15] = 9;
    hall->Received(1, odd);
    hall->Received(1, net::MakeFrame(net::MessageType::PluginData45));
    Deliver(1, alice);
    EXPECT_EQ(complaints.size(), 4u);
    EXPECT_EQ(seen[1].size(), frames);

    // Random frames of every type do no harm either.
    Random rng(11);
    for (int i = 0; i < 3000; ++i) {
        GameFrame f;
        for (auto& b : f.bytes)
            b = static_cast<std::uint8_t>(rng.Next());
        const std::uint8_t types[] = {3, 7, 16, 19, 24, 45};
        f[3] = types[i % 6];
        if (f[3] == 16)
            f[15] = 1 + f[15] % 4;  // not a leave, so the table stays
        hall->Received(1, f);
        hall->Advance(10ms);
    }
    alice.active = true;
    complaints.clear();
    inbox[1].clear();
    PlayDeals(1, alice, alice.DealsFinished() + 2);
    EXPECT_GE(alice.DealsFinished(), 2);
}

TEST_F(PracticeTable, ChatIsRelayedFromThePlayersSeatWithItsVoiceBytes) {
    config.seed = 1;
    Open();
    ProtocolPlayer alice("alice", 1);
    alice.active = false;
    hall->Received(1, alice.Login());
    Deliver(1, alice);
    GameFrame chat = BuildChat({8, true, 0, 'a', 100, "alice说道： 泥儿他!"});
    chat[6] = 0x0F;  // whatever the client claims as its seat
    for (int i = 0; i < 6; ++i)
        hall->Received(1, chat);
    Run(1, alice, 2s);
    const auto chats = FramesOfType(1, net::MessageType::Chat);
    ASSERT_GE(chats.size(), 6u);
    const Chat relayed = ReadChat(chats[0]);
    EXPECT_EQ(relayed.seat, alice.Seat());
    EXPECT_TRUE(relayed.voice);
    EXPECT_EQ(relayed.voiceLetter, 'a');
    EXPECT_EQ(relayed.voiceNumber, 100);
    EXPECT_EQ(relayed.text, "alice说道： 泥儿他!");
    EXPECT_GT(chats.size(), 6u) << "a bot answers now and then";
    const Chat answer = ReadChat(chats.back());
    EXPECT_NE(answer.seat, alice.Seat());
    EXPECT_NE(answer.text.find("说道： "), std::string::npos);
}

TEST_F(PracticeTable, LeavingEndsTheTable) {
    Open();
    ProtocolPlayer alice("alice", 1);
    hall->Received(1, alice.Login());
    Deliver(1, alice);
    hall->Received(1, alice.Leave());
    EXPECT_TRUE(closed.count(1));
    EXPECT_EQ(hall->TableCount(), 0u);
}

TEST_F(PracticeTable, ABotOutOfCoinsLeavesAndANewBotTakesTheSeat) {
    config.botCoinsMin = config.botCoinsMax = 150;  // one lost stake and they are out
    Open();
    ProtocolPlayer alice("alice", 8);
    alice.bold = false;
    hall->Received(1, alice.Login());
    const auto outOfCoins = [](const GameFrame& f) {
        return f.Is(net::MessageType::TableStatus) &&
               ReadTableStatus(f).subCode == status_sub::kOutOfCoins;
    };
    for (int deal = 1; deal <= 10 && std::none_of(seen[1].begin(), seen[1].end(), outOfCoins);
         ++deal)
        PlayDeals(1, alice, deal);
    const auto statuses = FramesOfType(1, net::MessageType::TableStatus);
    const auto out = std::find_if(statuses.begin(), statuses.end(), outOfCoins);

    ASSERT_NE(out, statuses.end());
    EXPECT_EQ(ReadTableStatus(*out).seats & alice.Seat(), 0);
    EXPECT_FALSE(FramesOfType(1, net::MessageType::PlayerLeave).empty());
    EXPECT_GT(FramesOfType(1, net::MessageType::PlayerJoin).size(), 4u);
    EXPECT_TRUE(alice.Errors().empty());
}

TEST_F(PracticeTable, APlayerOutOfCoinsIsToldSoAndTheTableCloses) {
    config.humanCoins = 100;
    Open();
    for (std::uint64_t seed = 1; seed < 20 && !closed.count(seed); ++seed) {
        ProtocolPlayer alice("alice", seed);
        hall->Received(seed, alice.Login());
        PlayDeals(seed, alice, 1);
        if (alice.Closed()) {
            EXPECT_TRUE(closed.count(seed));
            return;
        }
    }
    FAIL() << "the player never lost a deal";
}

TEST_F(PracticeTable, MaxDealsClosesTheTableWithAMessage) {
    config.maxDeals = 2;
    Open();
    ProtocolPlayer alice("alice", 1);
    hall->Received(1, alice.Login());
    PlayDeals(1, alice, 3);
    EXPECT_EQ(alice.DealsFinished(), 2);
    EXPECT_TRUE(alice.Closed());
    EXPECT_EQ(FramesOfType(1, net::MessageType::TableClosed).size(), 1u);
    EXPECT_TRUE(closed.count(1));
}

TEST_F(PracticeTable, AClosedTableKeepsTheConnectionUntilThePlayerLeaves) {
    config.maxDeals = 1;
    Open();
    ProtocolPlayer alice("alice", 1);
    hall->Received(1, alice.Login());
    // Nobody answers: the clocks play the player's turns.
    for (int i = 0; i < 3000 && FramesOfType(1, net::MessageType::TableClosed).empty(); ++i) {
        hall->Advance(100ms);
        seen[1].insert(seen[1].end(), inbox[1].begin(), inbox[1].end());
        inbox[1].clear();
    }
    ASSERT_EQ(FramesOfType(1, net::MessageType::TableClosed).size(), 1u);
    hall->Advance(60s);
    EXPECT_FALSE(closed.count(1)) << "the player is still reading the notice";

    hall->Received(1, alice.Leave());
    EXPECT_TRUE(closed.count(1));
    EXPECT_EQ(hall->TableCount(), 0u);
}

TEST_F(PracticeTable, ADroppedPlayerReconnectsWithTheDealKeyAndTheDealGoesOn) {
    Open();
    ProtocolPlayer alice("alice", 3);
    hall->Received(1, alice.Login());
    for (int i = 0; i < 100 && FramesOfType(1, net::MessageType::Play).size() < 4; ++i)
        Run(1, alice, 100ms);
    ASSERT_TRUE(alice.InDeal());

    hall->Closed(1);
    hall->Advance(30s);  // the table waits for its player
    EXPECT_EQ(hall->TableCount(), 1u);

    // A wrong deal key is refused.
    GameFrame wrong = alice.Reconnect();
    wrong.PutU32Le(net::offset::kDealKey, wrong.U32Le(net::offset::kDealKey) + 1);
    hall->Received(2, wrong);
    ASSERT_FALSE(inbox[2].empty());
    EXPECT_FALSE(ReadReconnectResult(inbox[2][0]).accepted);
    EXPECT_TRUE(closed.count(2));

    hall->Received(3, alice.Reconnect());
    ASSERT_FALSE(inbox[3].empty());
    EXPECT_TRUE(inbox[3][0].Is(net::MessageType::ReconnectResult));
    EXPECT_TRUE(ReadReconnectResult(inbox[3][0]).accepted);
    PlayDeals(3, alice, 2);
    EXPECT_EQ(alice.DealsFinished(), 2);
    EXPECT_TRUE(alice.Errors().empty()) << alice.Errors().front();
}

TEST_F(PracticeTable, ATableWhosePlayerNeverComesBackIsClosed) {
    config.reconnectSeconds = 10;
    Open();
    ProtocolPlayer alice("alice", 3);
    hall->Received(1, alice.Login());
    Run(1, alice, 5s);
    hall->Closed(1);
    hall->Advance(11s);
    EXPECT_EQ(hall->TableCount(), 0u);
}

}  // namespace
}  // namespace vantry::server
