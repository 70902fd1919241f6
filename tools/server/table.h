#pragma once
// One practice table: the human player and three bots, from the login to the
// end of the table. Plain C++: time comes in through Advance, frames go out
// through a callback, so tests run whole deals in-process and instantly.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cards.h"
#include "messages.h"

namespace vantry::server {

using Millis = std::chrono::milliseconds;

struct TableConfig {
    std::uint64_t seed = 1;
    int turnSeconds = 15;                // declaration and play turns
    int botDelayMs = 800;                // how long a bot thinks before it acts
    std::uint32_t wealthMultiplier = 0;  // 0: the room has none
    int unattendedLimit = 3;             // sent in the login result
    std::string adAddress;               // sent in the login result when not empty
    std::string badKey;                  // a login with this key is refused (when not empty)
    int readySeconds = 15;       // a deal starts this long after the table status at the latest
    int graceSeconds = 5;        // the server acts for a silent human this long after the turn time
    int reconnectSeconds = 120;  // a dropped table waits this long for its player
    std::uint32_t baseStake = 100;
    std::uint64_t humanCoins = 100000;
    std::uint64_t botCoinsMin = 3000;
    std::uint64_t botCoinsMax = 30000;
    int feePercent = 0;  // winners' fee; 0 sends no fee label
    int maxDeals = 0;    // the table closes after this many deals (0: never)
};

// What happens to frames that the table cannot use.
enum class Complaint { Malformed, Unexpected, Rejected };
const char* ComplaintName(Complaint c);

class Table {
  public:
    using Send = std::function<void(const GameFrame&)>;
    using Log = std::function<void(Complaint, const std::string&)>;

    Table(const TableConfig& config, std::uint64_t seed, Send send, Log log);

    // The login: false when it is refused (the result has been sent).
    bool Login(const LoginRequest& login);
    // Every later frame of the player's connection.
    void Receive(const GameFrame& frame);
    // Time passes; due bot actions, time-outs and deal starts run in order.
    void Advance(Millis elapsed);
    std::optional<Millis> TimeToNextEvent() const;

    // The connection was lost: the table pauses and keeps what it would send.
    void Detach();
    // A reconnection with this account and deal key takes the table back.
    bool Matches(const ReconnectRequest& request) const;
    void Reattach(Send send);
    bool Detached() const { return detached_; }

    bool Ended() const { return phase_ == Phase::Ended; }
    int DealsPlayed() const { return dealNumber_; }
    std::uint32_t DealKey() const { return dealKey_; }
    std::uint8_t HumanSeatBit() const { return SeatBit(human_); }
    std::uint64_t Coins(int seat) const {
        return seats_[static_cast<std::size_t>(seat)].info.coins;
    }

  private:
    // Closing: the player has been told the table is closed (or that their
    // coins ran out) and the connection stays open until they leave or hang
    // up, so the client does not take the hang-up for a lost link.
    enum class Phase { AwaitLogin, Seated, Declaring, Playing, Closing, Ended };
    enum class Stage {
        Contract,
        GiveUp,
        Challenge,
        CounterHold,
        Follow,
        Subsidy,
        FindFriend,
        FollowShow
    };

    struct SeatState {
        PlayerInfo info;
        bool bot = true;
        std::vector<Card> hand;
        int place = 0;  // finishing place in this deal, 0 while playing
        bool tookSubsidy = false;
        bool lostLead = false;
        int holds = 0;
    };
    struct Offer {
        int seat = 0;
        std::uint16_t options = 0;
    };
    struct Timed {
        Millis at;
        std::uint64_t order;
        std::function<void()> run;
    };

    static std::uint8_t SeatBit(int seat) { return static_cast<std::uint8_t>(1u << seat); }
    SeatState& At(int seat) { return seats_[static_cast<std::size_t>(seat)]; }

    void Out(GameFrame frame);
    void Complain(Complaint c, const std::string& what);
    void Schedule(Millis delay, std::function<void()> run);
    Millis BotDelay() const { return Millis(config_.botDelayMs); }
    Millis HumanLimit() const {
        return std::chrono::seconds(config_.turnSeconds + config_.graceSeconds);
    }

    PlayerInfo NewBot();
    void SendJoin(int seat);
    void SendBotReadyMarks();
    void AnnounceTableStatus();
    void ArmReadyFallback();

    void OnDeclaration(const GameFrame& frame);
    void OnLocalPlay(const GameFrame& frame);
    void OnTableStatus(const GameFrame& frame);
    void OnChat(const GameFrame& frame);

    void StartDeal();
    void StartStage(Stage stage);
    void NextOffer();
    void FinishStage();
    void Declared(int seat, std::uint16_t code, const std::vector<Card>& givenUp, int kind);
    void BotDeclare(int seat, std::uint16_t options);
    void RevealHand(int seat);

    void BeginPlay();
    void StartTurn(int seat);
    void Act(int seat, const std::vector<Card>& cards);
    void ActForSilentPlayer(int seat);
    int NextActive(int seat) const;
    void Settle();
    void ReplaceBrokeBots();
    void BotChat();

    TableConfig config_;
    Random rng_;
    Send send_;
    Log log_;
    std::vector<GameFrame> held_;  // frames kept while the connection is lost
    bool detached_ = false;
    Millis detachedFor_{0};

    Phase phase_ = Phase::AwaitLogin;
    std::vector<SeatState> seats_ = std::vector<SeatState>(4);
    int human_ = 0;
    std::uint16_t linkToken_ = 0;
    int botCounter_ = 0;
    Millis now_{0};
    std::uint64_t order_ = 0;
    std::vector<Timed> timed_;
    std::uint64_t turnSerial_ = 0;  // changes whenever a turn ends; stale events check it

    // The deal.
    int dealNumber_ = 0;
    std::uint32_t dealKey_ = 0;
    int leader_ = 0;
    Stage stage_ = Stage::Contract;
    std::deque<Offer> offers_;
    std::optional<Offer> current_;
    int declarer_ = -1;
    std::uint16_t contract_ = 0;
    int givenUp_ = 0;
    int challenger_ = -1;
    bool counterHold_ = false;
    bool findFriend_ = false;
    int friend_ = -1;
    bool followShow_ = false;

    // The play.
    int turn_ = -1;
    TablePlay onTable_;
    int lastPlayer_ = -1;
    int passes_ = 0;
    int finished_ = 0;
};

}  // namespace vantry::server
