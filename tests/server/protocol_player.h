#pragma once
// A small protocol client of the practice server: it logs in, declares, plays
// legal cards, continues after every deal and checks what the server tells it.
// Plain C++ over frames, so the same player drives the table in-process in the
// unit tests and over TCP in the load test.

#include <cstdint>
#include <string>
#include <vector>

#include "cards.h"
#include "messages.h"

namespace vantry::server::testing {

class ProtocolPlayer {
  public:
    ProtocolPlayer(std::string account, std::uint64_t seed)
        : account_(std::move(account)), rng_(seed) {}

    GameFrame Login(const std::string& key = "practice") const;
    GameFrame Reconnect() const;
    GameFrame KeepAlive() const { return BuildKeepAlive({seat_}); }
    GameFrame Leave() const { return BuildTableStatus({seat_, status_sub::kStatusOrLeave}); }

    // One frame from the server; the answers to send back, in order.
    std::vector<GameFrame> Receive(const GameFrame& frame);

    bool LoggedIn() const { return loggedIn_; }
    bool Refused() const { return refused_; }
    bool Closed() const { return closed_; }
    bool InDeal() const { return inDeal_; }
    int DealsFinished() const { return dealsFinished_; }
    int FramesReceived() const { return framesReceived_; }
    std::uint8_t Seat() const { return seat_; }
    const std::vector<Card>& Hand() const { return hand_; }
    // Everything the server said that a client could not follow.
    const std::vector<std::string>& Errors() const { return errors_; }
    // Option sets offered to this player, declaration codes seen, hands shown.
    const std::vector<std::uint16_t>& OffersSeen() const { return offers_; }
    const std::vector<std::uint16_t>& DeclarationsSeen() const { return declarations_; }
    int HandsShown() const { return handsShown_; }
    const std::vector<Settlement>& LastSettlement() const { return settlement_; }

    // When set, the player answers turns and continues; otherwise it stays silent.
    bool active = true;
    // When set, the player picks any offered declaration; otherwise it never declares.
    bool bold = true;
    // When set, every few deals the player also sends a chat line.
    bool chatty = false;

  private:
    std::uint16_t ChooseDeclaration(std::uint16_t options);
    void Error(const std::string& what) { errors_.push_back(what); }

    std::string account_;
    Random rng_;
    bool loggedIn_ = false;
    bool refused_ = false;
    bool closed_ = false;
    bool inDeal_ = false;
    std::uint8_t seat_ = 0;
    std::uint16_t linkToken_ = 0;
    std::uint32_t dealKey_ = 0;
    std::vector<Card> hand_;
    TablePlay onTable_;
    int settlements_ = 0;
    int dealsFinished_ = 0;
    int framesReceived_ = 0;
    int handsShown_ = 0;
    std::vector<std::string> errors_;
    std::vector<std::uint16_t> offers_;
    std::vector<std::uint16_t> declarations_;
    std::vector<Settlement> settlement_;
    std::vector<Settlement> collecting_;
};

}  // namespace vantry::server::testing
