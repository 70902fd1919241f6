#include "protocol_player.h"

#include <algorithm>

namespace vantry::server::testing {

using net::MessageType;

GameFrame ProtocolPlayer::Login(const std::string& key) const {
    return BuildLoginRequest({account_, key});
}

GameFrame ProtocolPlayer::Reconnect() const {
    return BuildReconnectRequest({account_, "practice", linkToken_, dealKey_});
}

std::uint16_t ProtocolPlayer::ChooseDeclaration(std::uint16_t options) {
    if (!bold)
        return code::kSayNothing;
    std::vector<std::uint16_t> codes;
    for (std::uint16_t bit = 1; bit != 0 && bit <= options;
         bit = static_cast<std::uint16_t>(bit << 1))
        if (options & bit)
            codes.push_back(bit);
    return codes[rng_.Below(static_cast<std::uint32_t>(codes.size()))];
}

std::vector<GameFrame> ProtocolPlayer::Receive(const GameFrame& f) {
    ++framesReceived_;
    std::vector<GameFrame> out;
    if (!f.Is(MessageType::ReconnectResult))
        linkToken_ = f.U16Le(net::offset::kLinkToken);
    switch (static_cast<MessageType>(f.Type())) {
        case MessageType::Login: {
            const LoginResult r = ReadLoginResult(f);
            loggedIn_ = r.outcome == LoginOutcome::Accepted;
            refused_ = !loggedIn_;
            break;
        }
        case MessageType::PlayerJoin: {
            const PlayerJoin j = ReadPlayerJoin(f);
            if (seat_ == 0)
                seat_ = j.receiverSeat;
            if (j.receiverSeat != seat_)
                Error("a join names another receiving seat");
            break;
        }
        case MessageType::TableStatus: {
            const TableStatus s = ReadTableStatus(f);
            if (s.subCode == status_sub::kStatusOrLeave && !inDeal_ && active)
                out.push_back(BuildTableStatus({seat_, status_sub::kReady}));
            // Out of coins or told the table is closed, a player leaves.
            if (s.subCode == status_sub::kOutOfCoins && (s.seats & seat_)) {
                closed_ = true;
                out.push_back(Leave());
            }
            break;
        }
        case MessageType::DealStart: {
            const auto d = ReadDealStart(f);
            if (!d) {
                Error("a deal start with an unknown byte 11");
                break;
            }
            if (d->shownHand) {
                ++handsShown_;
                break;
            }
            if (inDeal_)
                Error("a deal start during a deal");
            inDeal_ = true;
            dealKey_ = d->dealKey;
            hand_ = d->cards;
            SortHand(hand_);
            onTable_ = {};
            settlements_ = 0;
            collecting_.clear();
            if (chatty && rng_.Below(4) == 0)
                out.push_back(BuildChat({seat_, true, 0, 'a', 2, account_ + "说道： 来张舒服的!"}));
            break;
        }
        case MessageType::Options: {
            const DeclarationTurn t = ReadDeclarationTurn(f);
            if (t.seat != seat_ || !active)
                break;
            offers_.push_back(t.optionSet);
            const std::uint16_t choice = ChooseDeclaration(t.optionSet);
            out.push_back(BuildDeclaration({seat_, choice, 0, {}}));
            // 宣, 摊 and 摊报 are followed at once by the give-up choice, as the client does.
            if (choice == code::kDeclare || choice == code::kSpread ||
                choice == code::kSpreadReport) {
                const std::vector<Card> giveUp = ChooseBotGiveUp(hand_);
                if (giveUp.empty())
                    out.push_back(BuildDeclaration({seat_, code::kSayNothing, 0, {}}));
                else
                    out.push_back(BuildDeclaration(
                        {seat_, code::kGiveUp,
                         static_cast<std::uint8_t>(ClassifyGiveUp(hand_, giveUp)), giveUp}));
            }
            break;
        }
        case MessageType::Declaration: {
            const Declaration d = ReadDeclaration(f);
            declarations_.push_back(d.code);
            if (d.code == code::kGiveUp) {
                if (d.cards.empty())
                    Error("a give-up without cards");
                if (d.seat == seat_)
                    RemoveCards(hand_, d.cards);
            }
            break;
        }
        case MessageType::Play: {
            const PlayBroadcast p = ReadPlayBroadcast(f);
            if (!inDeal_) {
                Error("a play outside a deal");
                break;
            }
            if (!p.cards.empty()) {
                if (p.size != ClassifyPlay(p.cards))
                    Error("a play whose size does not match its cards");
                if (p.seat == seat_) {
                    std::vector<std::uint8_t> ids;
                    for (const Card& c : p.cards)
                        ids.push_back(c.id);
                    std::vector<Card> mine;
                    if (!TakeByIds(hand_, ids, mine))
                        Error("the server played cards this player does not hold");
                    RemoveCards(hand_, p.cards);
                }
                onTable_ = {p.size, p.cards.front().rank};
            }
            if (p.subCode == play_sub::kNewTrick || p.subCode == 9 || p.subCode == 10)
                onTable_ = {};
            if (p.next == seat_ && p.subCode < 10 && active) {
                const std::vector<Card> play = ChooseBotPlay(hand_, onTable_);
                if (play.empty() && onTable_.size == 0)
                    Error("told to lead with an empty hand");
                LocalPlay answer;
                answer.seat = seat_;
                answer.subCode = play.empty() ? local_play::kPass : local_play::kPlay;
                answer.size = static_cast<std::uint8_t>(ClassifyPlay(play));
                for (const Card& c : play)
                    answer.ids.push_back(c.id);
                out.push_back(BuildLocalPlay(answer));
            }
            break;
        }
        case MessageType::Settlement: {
            collecting_.push_back(ReadSettlement(f));
            if (++settlements_ == 4) {
                settlement_ = collecting_;
                inDeal_ = false;
                ++dealsFinished_;
                if (!hand_.empty()) {
                    const auto& own = std::find_if(settlement_.begin(), settlement_.end(),
                                                   [&](auto& s) { return s.seat == seat_; });
                    if (own == settlement_.end() || own->remaining.size() != hand_.size())
                        Error("the settlement does not list this player's cards");
                }
            } else if (settlements_ > 4) {
                Error("more than four settlement records");
            }
            break;
        }
        case MessageType::TableClosed:
            closed_ = true;
            out.push_back(Leave());
            break;
        case MessageType::ReconnectResult:
            if (!ReadReconnectResult(f).accepted)
                refused_ = true;
            break;
        case MessageType::Chat:
        case MessageType::PlayerLeave:
        case MessageType::PlayerReady:
            break;
        default:
            Error("a frame of type " + std::to_string(f.Type()));
            break;
    }
    return out;
}

}  // namespace vantry::server::testing
