#include "seated_client.h"

#include <algorithm>
#include <cstring>

#include "messages.h"

namespace vantry::fuzz {
namespace {

using server::Card;

// The local hand: the five of hearts up to the king of spades.
const std::vector<Card> kHand = {{4, 5, 11}, {8, 6, 12},  {2, 6, 13},
                                 {1, 9, 14}, {4, 12, 15}, {8, 13, 16}};

server::PlayerInfo Player(const std::string& account, const std::string& nickname) {
    server::PlayerInfo p;
    p.account = account;
    p.nickname = nickname;
    p.avatar = "m3";
    p.location = "北京";
    p.score = 1200;
    p.credit = 100;
    p.coins = 5000;
    p.levelName = server::LevelName(3);
    p.title = "新手";
    p.voiceSet = "27";
    p.voiceVariant = "20";
    return p;
}

net::GameFrame Join(std::uint8_t seat, const std::string& account, const std::string& nickname) {
    server::PlayerJoin join;
    join.receiverSeat = kOwnSeat;
    join.player = Player(account, nickname);
    join.ready = seat != kOwnSeat;
    join.seat = seat;
    join.wealthMultiplier = 2;
    return server::BuildPlayerJoin(join);
}

net::GameFrame Play(std::uint8_t seat, std::uint8_t next, std::uint8_t subCode,
                    std::vector<Card> cards, std::uint8_t seconds = 3) {
    server::PlayBroadcast play;
    play.seat = seat;
    play.next = next;
    play.subCode = subCode;
    play.size = static_cast<std::uint8_t>(cards.size());
    play.cards = std::move(cards);
    play.seconds = seconds;
    return server::BuildPlayBroadcast(play);
}

net::GameFrame Settlement(std::uint8_t seat, std::uint8_t place, bool winner) {
    server::Settlement s;
    s.seat = seat;
    s.baseStake = 100;
    s.remaining = winner ? std::vector<Card>{} : std::vector<Card>{{1, 7, 40}, {2, 3, 41}};
    s.place = place;
    s.winner = winner;
    s.subtotal = 200;
    s.coinResult = winner ? 1 : 0;
    s.finalAmount = 200;
    s.level = 3;
    s.friendSeat = 4;
    s.declared = seat == 2;
    s.givenUp = seat == 2 ? 2 : 0;
    s.feePercent = 5;
    return server::BuildSettlement(s);
}

net::GameFrame Status(std::uint8_t subCode, std::uint8_t seats, std::uint32_t wealth) {
    server::TableStatus status;
    status.subCode = subCode;
    status.seats = seats;
    status.wealthMultiplier = wealth;
    return server::BuildTableStatus(status);
}

Step At(net::GameFrame frame, std::uint8_t ticks = kJustDispatch, std::uint8_t input = kNoInput) {
    return {ticks, input, frame};
}

}  // namespace

std::vector<net::GameFrame> SeatingFrames() {
    server::LoginResult login;
    login.turnSeconds = 10;
    login.adAddress = "http://127.0.0.1/ad";
    server::DealStart deal;
    deal.seat = kOwnSeat;
    deal.cards = kHand;
    deal.feeLabel = "服务费";
    deal.dealKey = 0x01020304;
    return {server::BuildLoginResult(login), Join(1, "alice", "爱丽丝"),
            Join(2, "bot1", "左"),           Join(4, "bot2", "上"),
            Join(8, "bot3", "右"),           server::BuildDealStart(deal)};
}

int TicksAfter(std::uint8_t ticksByte) {
    const int n = ticksByte & 0x1F;
    return 2 + ((ticksByte & 0x80) != 0 ? 21 * n : n);
}

std::vector<std::uint8_t> Encode(const std::vector<Step>& steps) {
    std::vector<std::uint8_t> bytes;
    for (const Step& step : steps) {
        bytes.push_back(step.ticks);
        bytes.push_back(step.input);
        bytes.insert(bytes.end(), step.frame.bytes.begin(), step.frame.bytes.end());
    }
    return bytes;
}

std::vector<Step> Decode(std::span<const std::uint8_t> input) {
    std::vector<Step> steps;
    for (std::size_t at = 0; at < input.size(); at += kStepSize) {
        const std::span<const std::uint8_t> rest = input.subspan(at);
        Step step;
        step.ticks = rest[0];
        step.input = rest.size() > 1 ? rest[1] : kNoInput;
        if (rest.size() > 2) {
            const std::size_t n = std::min(net::kFrameSize, rest.size() - 2);
            std::memcpy(step.frame.bytes.data(), rest.data() + 2, n);
        }
        steps.push_back(step);
    }
    return steps;
}

std::vector<Seed> SeedInputs() {
    std::vector<Seed> seeds;
    auto add = [&](std::string name, std::vector<Step> steps) {
        seeds.push_back({std::move(name), Encode(steps)});
    };
    const std::vector<net::GameFrame> seating = SeatingFrames();

    add("login_result", {At(seating[0])});
    add("join_again", {At(Join(2, "bot4", "新"), TicksByte(10))});
    add("deal_start", {At(seating.back(), TicksByte(5))});
    {
        server::DealStart shown;
        shown.seat = 4;
        shown.shownHand = true;
        shown.cards = {{8, 14, 60}, {4, 14, 61}, {2, 10, 62}, {1, 10, 63}, {0, 16, 64}, {8, 3, 65}};
        add("hand_shown", {At(server::BuildDealStart(shown))});
    }
    // A declaration turn for the local player left to run out: 8 steps of 21 ticks.
    add("declaration_turn_timeout",
        {At(server::BuildDeclarationTurn({kOwnSeat, server::options::kDeclareSpread, 1}),
            CountdownSteps(9))});
    add("declaration_turn_clicked",
        {At(server::BuildDeclarationTurn({kOwnSeat, server::options::kDeclareReport, 5}),
            TicksByte(3), kDeclare0)});
    {
        server::Declaration declare{2, server::code::kDeclare, 0, {}};
        server::Declaration giveUp{2, server::code::kGiveUp, 1, {{1, 3, 70}, {2, 4, 71}}};
        add("declaration_give_up", {At(server::BuildDeclaration(declare), TicksByte(25)),
                                    At(server::BuildDeclaration(giveUp), TicksByte(25))});
    }
    add("play_lead_timeout", {At(Play(8, kOwnSeat, 1, {}, 2), CountdownSteps(4))});
    add("play_pass_timeout", {At(Play(8, kOwnSeat, 2, {{1, 4, 80}}, 2), CountdownSteps(4))});
    add("play_clicked", {At(Play(8, kOwnSeat, 2, {{1, 4, 80}}), TicksByte(1), kRaiseCard0 + 2),
                         At(Play(8, kOwnSeat, 2, {{1, 4, 80}}), TicksByte(1), kPlayButton)});
    add("trick_round", {At(Play(8, 2, 1, {}), TicksByte(4)),
                        At(Play(2, 4, 2, {{1, 7, 81}, {4, 7, 82}}), TicksByte(4)),
                        At(Play(4, 8, 2, {}), TicksByte(4)),
                        At(Play(8, kOwnSeat, 2, {}), TicksByte(2), kHintButton),
                        At(Play(1, 2, 1, {}), TicksByte(2), kPassButton)});
    add("settlement", {At(Settlement(1, 1, true)), At(Settlement(2, 2, false)),
                       At(Settlement(4, 3, true)), At(Settlement(8, 4, false), TicksByte(20))});
    add("table_status", {At(Status(0, 0, 3), TicksByte(10), kStartButton)});
    add("out_of_coins", {At(Status(3, 2, 0), TicksByte(4))});
    return seeds;
}

}  // namespace vantry::fuzz
