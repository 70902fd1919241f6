#include "table.h"

#include <algorithm>
#include <array>

namespace vantry::server {

namespace {

using net::MessageType;

constexpr std::size_t kHeldLimit = 64;         // well below the client's 128-frame receive ring
constexpr std::uint64_t kMultiplierCap = 256;  // the doublings of one deal stop here

struct BotName {
    const char* nickname;
    std::uint8_t sex;
};
constexpr std::array<BotName, 14> kBotNames = {{
    {"铁柱", 1},
    {"大刘", 1},
    {"老王", 1},
    {"阿强", 1},
    {"二虎", 1},
    {"石头", 1},
    {"黑旋风", 1},
    {"翠花", 0},
    {"小芳", 0},
    {"春妮", 0},
    {"燕子", 0},
    {"丫蛋", 0},
    {"玲玲", 0},
    {"秀兰", 0},
}};
constexpr std::array<const char*, 5> kTitles = {"牌坛新秀", "江湖好手", "扑克达人", "一代宗师",
                                                "常胜将军"};
constexpr std::array<const char*, 5> kPlaces = {"天津", "北京", "河北", "山东", "上海"};

// The voiced quick phrases, numbered from 1 as the client numbers them.
constexpr std::array<const char*, 15> kQuickPhrases = {
    "想跑了是吧,全国都解放了!",
    "愣嘛神,相面了?",
    "泥儿他!",
    "介是嘛路?",
    "江湖险恶我先撤!",
    "嘛钱不钱的，乐呵乐呵得了!",
    "管生不管养啊?",
    "探头蛤儿蟆!",
    "都一波儿的是吗？",
    "来张舒服的!",
    "打得就是假一!",
    "还有料吗？",
    "三老四严啊!",
    "走你的我后手!",
    "就做你了!",
};

int LevelFor(std::uint64_t coins) {
    return static_cast<int>(std::min<std::uint64_t>(40, 1 + coins / 10000));
}

bool IsSingleCode(std::uint16_t code) {
    return code != 0 && (code & (code - 1)) == 0;
}

int ContractFactor(std::uint16_t contract) {
    switch (contract) {
        case code::kDeclare:
            return 2;
        case code::kSpread:
            return 4;
        case code::kReport:
            return 4;
        case code::kSpreadReport:
            return 8;
        default:
            return 1;
    }
}

}  // namespace

const char* ComplaintName(Complaint c) {
    switch (c) {
        case Complaint::Malformed:
            return "malformed";
        case Complaint::Unexpected:
            return "unexpected";
        case Complaint::Rejected:
            return "rejected";
    }
    return "?";
}

Table::Table(const TableConfig& config, std::uint64_t seed, Send send, Log log)
    : config_(config), rng_(seed), send_(std::move(send)), log_(std::move(log)) {
    linkToken_ = static_cast<std::uint16_t>(1 + rng_.Below(0xFFFE));
}

void Table::Out(GameFrame frame) {
    frame.PutU16Le(net::offset::kLinkToken, linkToken_);
    if (detached_) {
        if (held_.size() < kHeldLimit)
            held_.push_back(frame);
        return;
    }
    send_(frame);
}

void Table::Complain(Complaint c, const std::string& what) {
    if (log_)
        log_(c, what);
}

void Table::Schedule(Millis delay, std::function<void()> run) {
    timed_.push_back({now_ + delay, order_++, std::move(run)});
}

void Table::Advance(Millis elapsed) {
    if (phase_ == Phase::Ended || phase_ == Phase::Closing)
        return;
    if (detached_) {
        detachedFor_ += elapsed;
        if (detachedFor_ >= std::chrono::seconds(config_.reconnectSeconds))
            phase_ = Phase::Ended;
        return;
    }
    const Millis target = now_ + elapsed;
    for (;;) {
        auto due =
            std::min_element(timed_.begin(), timed_.end(), [](const Timed& a, const Timed& b) {
                return a.at != b.at ? a.at < b.at : a.order < b.order;
            });
        if (due == timed_.end() || due->at > target || phase_ == Phase::Ended ||
            phase_ == Phase::Closing || detached_)
            break;
        Timed event = std::move(*due);
        timed_.erase(due);
        now_ = std::max(now_, event.at);
        event.run();
    }
    if (!detached_)
        now_ = target;
}

std::optional<Millis> Table::TimeToNextEvent() const {
    if (phase_ == Phase::Ended || phase_ == Phase::Closing)
        return std::nullopt;
    if (detached_)
        return std::chrono::seconds(config_.reconnectSeconds) - detachedFor_;
    std::optional<Millis> next;
    for (const Timed& t : timed_)
        if (!next || t.at - now_ < *next)
            next = std::max(Millis(0), t.at - now_);
    return next;
}

// ---- seats ---------------------------------------------------------------

PlayerInfo Table::NewBot() {
    PlayerInfo p;
    const BotName& name = kBotNames[rng_.Below(kBotNames.size())];
    p.nickname = name.nickname;
    p.sex = name.sex;
    p.avatar = std::string(name.sex ? "m" : "w") + std::to_string(1 + rng_.Below(10));
    p.location = kPlaces[rng_.Below(kPlaces.size())];
    p.title = kTitles[rng_.Below(kTitles.size())];
    p.score = 100 + rng_.Below(5000);
    p.credit = 100;
    const auto span = static_cast<std::uint32_t>(config_.botCoinsMax - config_.botCoinsMin + 1);
    p.coins = config_.botCoinsMin + rng_.Below(std::max<std::uint32_t>(span, 1));
    p.levelName = LevelName(LevelFor(p.coins));
    p.logins = 1 + rng_.Below(500);
    p.disconnects = rng_.Below(10);
    p.wins = rng_.Below(300);
    p.losses = rng_.Below(300);
    p.account = "bot" + std::to_string(++botCounter_);
    p.voiceSet = "27";
    p.voiceVariant = std::to_string(10 * (1 + rng_.Below(4)));
    return p;
}

void Table::SendJoin(int seat) {
    PlayerJoin join;
    join.receiverSeat = SeatBit(human_);
    join.player = At(seat).info;
    join.player.levelName = LevelName(LevelFor(join.player.coins));
    join.ready = At(seat).bot;
    join.seat = SeatBit(seat);
    join.wealthMultiplier = config_.wealthMultiplier;
    Out(BuildPlayerJoin(join));
}

void Table::SendBotReadyMarks() {
    for (int s = 0; s < 4; ++s) {
        if (s == human_)
            continue;
        const std::string account = At(s).info.account;
        Schedule(BotDelay() * (1 + (s + 4 - human_) % 4), [this, account] {
            if (phase_ == Phase::Seated)
                Out(BuildPlayerReady({true, account}));
        });
    }
}

void Table::AnnounceTableStatus() {
    TableStatus status;
    status.subCode = status_sub::kStatusOrLeave;
    status.wealthMultiplier = config_.wealthMultiplier;
    Out(BuildTableStatus(status));
}

void Table::ArmReadyFallback() {
    const int deal = dealNumber_;
    Schedule(std::chrono::seconds(config_.readySeconds), [this, deal] {
        if (phase_ == Phase::Seated && dealNumber_ == deal)
            StartDeal();
    });
}

bool Table::Login(const LoginRequest& login) {
    LoginResult result;
    result.unattendedLimit = static_cast<std::uint8_t>(config_.unattendedLimit);
    result.turnSeconds = static_cast<std::uint8_t>(config_.turnSeconds);
    result.adAddress = config_.adAddress;
    if (login.account.empty() || (!config_.badKey.empty() && login.key == config_.badKey)) {
        result.outcome = LoginOutcome::VerificationFailed;
        Out(BuildLoginResult(result));
        phase_ = Phase::Ended;
        return false;
    }
    Out(BuildLoginResult(result));

    human_ = static_cast<int>(rng_.Below(4));
    for (int s = 0; s < 4; ++s)
        At(s).info = NewBot();
    SeatState& me = At(human_);
    me.bot = false;
    me.info = {};
    me.info.nickname = login.account;
    me.info.account = login.account;
    me.info.avatar = "m1";
    me.info.sex = 1;
    me.info.location = "本地";
    me.info.title = "练习生";
    me.info.credit = 100;
    me.info.coins = config_.humanCoins;
    me.info.logins = 1;
    me.info.voiceSet = "27";
    me.info.voiceVariant = "10";

    SendJoin(human_);
    for (int k = 1; k < 4; ++k)
        SendJoin((human_ + k) % 4);
    AnnounceTableStatus();
    phase_ = Phase::Seated;
    SendBotReadyMarks();
    ArmReadyFallback();
    return true;
}

// ---- frames from the player ---------------------------------------------

void Table::Receive(const GameFrame& frame) {
    if (phase_ == Phase::Closing) {
        // Only the player's leave matters now; keep-alives and the rest wait
        // with the table for it.
        if (frame.Is(MessageType::TableStatus) &&
            ReadTableStatus(frame).subCode == status_sub::kStatusOrLeave)
            phase_ = Phase::Ended;
        return;
    }
    switch (static_cast<MessageType>(frame.Type())) {
        case MessageType::Declaration:
            OnDeclaration(frame);
            break;
        case MessageType::LocalPlay:
            OnLocalPlay(frame);
            break;
        case MessageType::TableStatus:
            OnTableStatus(frame);
            break;
        case MessageType::Chat:
            OnChat(frame);
            break;
        case MessageType::KeepAlive:
            break;
        case MessageType::Login:
        case MessageType::Reconnect:
            Complain(Complaint::Unexpected, "a second login on a seated connection");
            break;
        default:
            Complain(Complaint::Malformed,
                     "a frame of type " + std::to_string(frame.Type()) + " the table does not use");
            break;
    }
}

void Table::OnDeclaration(const GameFrame& frame) {
    const Declaration d = ReadDeclaration(frame);
    if (!IsSingleCode(d.code)) {
        Complain(Complaint::Malformed, "declaration code " + std::to_string(d.code));
        return;
    }
    if (phase_ != Phase::Declaring || !current_ || current_->seat != human_) {
        Complain(Complaint::Unexpected, "declaration " + std::to_string(d.code) + " out of turn");
        return;
    }
    if (!(current_->options & d.code)) {
        Complain(Complaint::Rejected, "declaration " + std::to_string(d.code) +
                                          " was not offered (options " +
                                          std::to_string(current_->options) + ")");
        return;
    }
    if (d.code != code::kGiveUp) {
        Declared(human_, d.code, {}, 0);
        return;
    }
    // A give-up names its cards by id; only the ids are believed.
    std::vector<std::uint8_t> ids;
    for (std::size_t k = 0; k < std::min<std::size_t>(frame[17], 6); ++k)
        ids.push_back(frame[20 + 4 * k]);
    std::vector<Card> cards;
    const int kind = (frame[17] >= 1 && frame[17] <= 6 && TakeByIds(At(human_).hand, ids, cards))
                         ? ClassifyGiveUp(At(human_).hand, cards)
                         : 0;
    if (kind == 0) {
        Complain(Complaint::Rejected, "a give-up the rules do not allow; taken as no give-up");
        Declared(human_, code::kSayNothing, {}, 0);
        return;
    }
    Declared(human_, code::kGiveUp, cards, kind);
}

void Table::OnLocalPlay(const GameFrame& frame) {
    const LocalPlay p = ReadLocalPlay(frame);
    if (p.subCode != local_play::kPass && p.subCode != local_play::kPlay) {
        Complain(Complaint::Malformed, "play sub-code " + std::to_string(p.subCode));
        return;
    }
    if (phase_ != Phase::Playing || turn_ != human_) {
        Complain(Complaint::Unexpected, "a play or pass out of turn");
        return;
    }
    SeatState& me = At(human_);
    std::vector<Card> cards;
    bool legal = false;
    if (p.subCode == local_play::kPass) {
        legal = onTable_.size != 0;
    } else {
        legal = !p.ids.empty() && p.ids.size() <= 6 && TakeByIds(me.hand, p.ids, cards) &&
                IsLegalPlay(cards, onTable_);
    }
    if (!legal) {
        // The client has already shown the play; the server has the last word:
        // the turn is taken as a pass, or, when the player must lead, the
        // lowest card is led for them, and the player loses the right to lead.
        Complain(Complaint::Rejected, "an illegal " +
                                          std::string(p.subCode == 1 ? "pass" : "play") +
                                          "; the server acts for the player");
        me.lostLead = true;
        ActForSilentPlayer(human_);
        return;
    }
    Act(human_, cards);
}

void Table::OnTableStatus(const GameFrame& frame) {
    const TableStatus s = ReadTableStatus(frame);
    if (s.subCode == status_sub::kStatusOrLeave) {
        phase_ = Phase::Ended;  // the player leaves: the table is done
        return;
    }
    if (s.subCode != status_sub::kReady) {
        Complain(Complaint::Malformed, "table status sub-code " + std::to_string(s.subCode));
        return;
    }
    if (phase_ != Phase::Seated) {
        Complain(Complaint::Unexpected, "ready during a deal");
        return;
    }
    StartDeal();
}

void Table::OnChat(const GameFrame& frame) {
    if (!frame.IsChatFrame()) {
        Complain(Complaint::Unexpected, "props data, but the practice table has no props");
        return;
    }
    // Relayed as it came (text, addressee and quick-phrase voice bytes), from
    // the player's own seat whatever the frame claims.
    GameFrame relay = net::MakeFrame(MessageType::Chat);
    std::copy(frame.bytes.begin() + 7, frame.bytes.begin() + 216, relay.bytes.begin() + 7);
    relay[6] = SeatBit(human_);
    Out(relay);
    if (rng_.Below(3) == 0)
        Schedule(BotDelay(), [this] { BotChat(); });
}

void Table::BotChat() {
    if (phase_ == Phase::Ended)
        return;
    int bot = static_cast<int>(rng_.Below(3));
    bot = (human_ + 1 + bot) % 4;
    const auto v = static_cast<std::uint8_t>(1 + rng_.Below(kQuickPhrases.size()));
    Chat chat;
    chat.seat = SeatBit(bot);
    chat.voiceLetter = 'a';
    if (v < 4) {
        chat.voice = true;
        chat.voiceNumber = v == 3 ? 100 : static_cast<std::uint8_t>(v * (1 + rng_.Below(3)));
    }
    chat.text = At(bot).info.nickname + "说道： " + kQuickPhrases[v - 1u];
    Out(BuildChat(chat));
}

// ---- declarations ---------------------------------------------------------

void Table::StartDeal() {
    phase_ = Phase::Declaring;
    ++dealNumber_;
    ++turnSerial_;
    dealKey_ = static_cast<std::uint32_t>(1 + rng_.Below(0xFFFFFFFEu));
    leader_ = dealNumber_ % 4;
    std::vector<Card> pack = PracticePack();
    rng_.Shuffle(pack);
    for (int s = 0; s < 4; ++s) {
        SeatState& seat = At(s);
        seat.hand.assign(pack.begin() + 6 * s, pack.begin() + 6 * s + 6);
        SortHand(seat.hand);
        seat.place = 0;
        seat.tookSubsidy = false;
        seat.lostLead = false;
        seat.holds = 0;
    }
    declarer_ = -1;
    contract_ = 0;
    givenUp_ = 0;
    challenger_ = -1;
    counterHold_ = false;
    findFriend_ = false;
    friend_ = -1;
    followShow_ = false;

    DealStart deal;
    deal.seat = SeatBit(human_);
    deal.cards = At(human_).hand;
    if (config_.feePercent > 0)
        deal.feeLabel = "台费";
    deal.dealKey = dealKey_;
    Out(BuildDealStart(deal));
    StartStage(Stage::Contract);
}

void Table::StartStage(Stage stage) {
    stage_ = stage;
    offers_.clear();
    current_.reset();
    auto offerFrom = [&](int first, std::uint16_t options, auto include) {
        for (int k = 0; k < 4; ++k) {
            const int s = (first + k) % 4;
            if (include(s))
                offers_.push_back({s, options});
        }
    };
    switch (stage) {
        case Stage::Contract:
            offerFrom(leader_, dealNumber_ % 2 ? options::kDeclareReport : options::kDeclareSpread,
                      [](int) { return true; });
            break;
        case Stage::GiveUp:
            // No offer goes out: after 宣, 摊 or 摊报 the client offers 舍 and 过 by itself.
            offers_.push_back({declarer_, code::kGiveUp | code::kSayNothing});
            break;
        case Stage::Challenge:
            offerFrom(declarer_ + 1, options::kHold, [&](int s) { return s != declarer_; });
            break;
        case Stage::CounterHold:
            offers_.push_back({declarer_, options::kCounterHold});
            break;
        case Stage::Follow:
            offerFrom(declarer_ + 1, options::kFollow,
                      [&](int s) { return s != declarer_ && s != challenger_; });
            break;
        case Stage::Subsidy:
            offerFrom(leader_, options::kTakeSubsidy, [&](int s) {
                return std::all_of(At(s).hand.begin(), At(s).hand.end(),
                                   [](const Card& c) { return c.rank <= 13; });
            });
            break;
        case Stage::FindFriend:
            offers_.push_back({leader_, options::kFindFriend});
            break;
        case Stage::FollowShow:
            offers_.push_back({friend_, options::kFollowShow});
            break;
    }
    NextOffer();
}

void Table::NextOffer() {
    if (offers_.empty()) {
        FinishStage();
        return;
    }
    current_ = offers_.front();
    offers_.pop_front();
    const std::uint64_t serial = ++turnSerial_;
    const int seat = current_->seat;
    const std::uint16_t options = current_->options;
    if (stage_ != Stage::GiveUp && seat == human_)
        Out(BuildDeclarationTurn(
            {SeatBit(seat), options, static_cast<std::uint8_t>(config_.turnSeconds)}));
    if (At(seat).bot) {
        Schedule(BotDelay(), [this, serial, seat, options] {
            if (turnSerial_ == serial)
                BotDeclare(seat, options);
        });
    } else {
        Schedule(HumanLimit(), [this, serial, seat] {
            if (turnSerial_ == serial)
                Declared(seat, code::kSayNothing, {}, 0);
        });
    }
}

void Table::FinishStage() {
    current_.reset();
    switch (stage_) {
        case Stage::Contract:
            StartStage(Stage::Subsidy);
            return;
        case Stage::GiveUp:
            StartStage(Stage::Challenge);
            return;
        case Stage::Challenge:
            if (challenger_ >= 0)
                StartStage(Stage::CounterHold);
            else
                BeginPlay();
            return;
        case Stage::CounterHold:
            StartStage(Stage::Follow);
            return;
        case Stage::Subsidy:
            StartStage(Stage::FindFriend);
            return;
        case Stage::FindFriend:
            if (findFriend_)
                StartStage(Stage::FollowShow);
            else
                BeginPlay();
            return;
        case Stage::Follow:
        case Stage::FollowShow:
            BeginPlay();
            return;
    }
}

void Table::Declared(int seat, std::uint16_t declared, const std::vector<Card>& givenUp, int kind) {
    ++turnSerial_;
    current_.reset();
    Declaration broadcast;
    broadcast.seat = SeatBit(seat);
    broadcast.code = declared;
    broadcast.giveUpKind = static_cast<std::uint8_t>(kind);
    broadcast.cards = givenUp;
    Out(BuildDeclaration(broadcast));

    switch (declared) {
        case code::kDeclare:
        case code::kSpread:
        case code::kSpreadReport:
            declarer_ = seat;
            contract_ = declared;
            if (declared != code::kDeclare)
                RevealHand(seat);
            StartStage(Stage::GiveUp);
            return;
        case code::kReport:
            declarer_ = seat;
            contract_ = declared;
            StartStage(Stage::Challenge);
            return;
        case code::kGiveUp:
            givenUp_ = static_cast<int>(givenUp.size());
            RemoveCards(At(seat).hand, givenUp);
            break;
        case code::kHold:
            challenger_ = seat;
            At(seat).holds = 1;
            offers_.clear();  // one challenger is enough
            break;
        case code::kCounterHold:
            counterHold_ = true;
            break;
        case code::kFollow:
            At(seat).holds = 1;
            break;
        case code::kTakeSubsidy:
            At(seat).tookSubsidy = true;
            break;
        case code::kFindFriend: {
            findFriend_ = true;
            // The friend is whoever of the other three holds the highest card.
            int best = -1;
            for (int k = 1; k < 4; ++k) {
                const int s = (seat + k) % 4;
                if (best < 0 || At(s).hand.front().rank * 256 + At(s).hand.front().suit >
                                    At(best).hand.front().rank * 256 + At(best).hand.front().suit)
                    best = s;
            }
            friend_ = best;
            break;
        }
        case code::kFollowShow:
            followShow_ = true;
            RevealHand(seat);
            break;
        default:
            break;
    }
    NextOffer();
}

void Table::BotDeclare(int seat, std::uint16_t options) {
    const std::vector<Card>& hand = At(seat).hand;
    const int strong = StrongCards(hand);
    std::uint16_t choice = code::kSayNothing;
    switch (options) {
        case options::kDeclareReport:
            choice = strong >= 5   ? code::kSpreadReport
                     : strong >= 4 ? code::kReport
                     : strong >= 3 ? code::kDeclare
                                   : code::kSayNothing;
            break;
        case options::kDeclareSpread:
            choice = strong >= 4 ? code::kSpread : strong >= 3 ? code::kDeclare : code::kSayNothing;
            break;
        case code::kGiveUp | code::kSayNothing: {
            const std::vector<Card> cards = ChooseBotGiveUp(hand);
            if (!cards.empty()) {
                Declared(seat, code::kGiveUp, cards, ClassifyGiveUp(hand, cards));
                return;
            }
            break;
        }
        case options::kHold:
        case options::kFollow:
            if (strong >= 2)
                choice = options & ~code::kSayNothing;
            break;
        case options::kCounterHold:
            if (strong >= 4)
                choice = code::kCounterHold;
            break;
        case options::kTakeSubsidy:
            choice = code::kTakeSubsidy;
            break;
        case options::kFindFriend:
            if (strong >= 2)
                choice = code::kFindFriend;
            break;
        case options::kFollowShow:
            if (strong >= 1)
                choice = code::kFollowShow;
            break;
        default:
            break;
    }
    Declared(seat, choice, {}, 0);
}

void Table::RevealHand(int seat) {
    DealStart shown;
    shown.seat = SeatBit(seat);
    shown.shownHand = true;
    shown.cards = At(seat).hand;
    shown.dealKey = dealKey_;
    Out(BuildDealStart(shown));
}

// ---- play -----------------------------------------------------------------

void Table::BeginPlay() {
    phase_ = Phase::Playing;
    onTable_ = {};
    lastPlayer_ = -1;
    passes_ = 0;
    finished_ = 0;
    // A player who gave up every card is out before the first trick.
    for (int s = 0; s < 4; ++s)
        if (At(s).hand.empty())
            At(s).place = ++finished_;
    int first = At(leader_).hand.empty() ? NextActive(leader_) : leader_;
    PlayBroadcast opening;
    opening.seat = SeatBit(first);
    opening.next = SeatBit(first);
    opening.subCode = play_sub::kNewTrick;
    opening.seconds = static_cast<std::uint8_t>(config_.turnSeconds);
    Out(BuildPlayBroadcast(opening));
    StartTurn(first);
}

int Table::NextActive(int seat) const {
    for (int k = 1; k <= 4; ++k) {
        const int s = (seat + k) % 4;
        if (!seats_[static_cast<std::size_t>(s)].hand.empty())
            return s;
    }
    return seat;
}

void Table::StartTurn(int seat) {
    turn_ = seat;
    const std::uint64_t serial = ++turnSerial_;
    if (At(seat).bot) {
        Schedule(BotDelay(), [this, serial, seat] {
            if (turnSerial_ == serial)
                Act(seat, ChooseBotPlay(At(seat).hand, onTable_));
        });
    } else {
        Schedule(HumanLimit(), [this, serial, seat] {
            if (turnSerial_ == serial)
                ActForSilentPlayer(seat);
        });
    }
}

void Table::ActForSilentPlayer(int seat) {
    if (onTable_.size != 0) {
        Act(seat, {});
        return;
    }
    Act(seat, {At(seat).hand.back()});  // the lowest card
}

void Table::Act(int seat, const std::vector<Card>& cards) {
    ++turnSerial_;
    SeatState& player = At(seat);
    if (!cards.empty()) {
        RemoveCards(player.hand, cards);
        onTable_ = {ClassifyPlay(cards), cards.front().rank};
        lastPlayer_ = seat;
        passes_ = 0;
        if (player.hand.empty())
            player.place = ++finished_;
    } else {
        ++passes_;
    }

    PlayBroadcast b;
    b.seat = SeatBit(seat);
    b.cards = cards;
    b.size = static_cast<std::uint8_t>(cards.empty() ? 0 : ClassifyPlay(cards));
    b.seconds = static_cast<std::uint8_t>(config_.turnSeconds);

    if (finished_ >= 3) {
        for (int s = 0; s < 4; ++s)
            if (At(s).place == 0)
                At(s).place = 4;
        b.next = 0;
        b.subCode = play_sub::kNoButtons;
        Out(BuildPlayBroadcast(b));
        Settle();
        return;
    }

    int othersActive = 0;
    for (int s = 0; s < 4; ++s)
        if (s != lastPlayer_ && !At(s).hand.empty())
            ++othersActive;
    int next = 0;
    if (lastPlayer_ >= 0 && passes_ >= othersActive) {
        next = At(lastPlayer_).hand.empty() ? NextActive(lastPlayer_) : lastPlayer_;
        onTable_ = {};
        lastPlayer_ = -1;
        passes_ = 0;
        b.subCode = play_sub::kNewTrick;
    } else {
        next = NextActive(seat);
        b.subCode = play_sub::kOrdinary;
    }
    b.next = SeatBit(next);
    Out(BuildPlayBroadcast(b));
    StartTurn(next);
}

// ---- settlement -----------------------------------------------------------

void Table::Settle() {
    phase_ = Phase::Seated;
    turn_ = -1;
    std::uint64_t multiplier = static_cast<std::uint64_t>(ContractFactor(contract_));
    multiplier <<= givenUp_;
    int holds = 0;
    for (const SeatState& s : seats_)
        holds += s.holds;
    multiplier <<= holds;
    multiplier <<= counterHold_ ? 1 : 0;
    multiplier <<= findFriend_ ? 1 : 0;
    multiplier <<= followShow_ ? 1 : 0;
    multiplier = std::min<std::uint64_t>(multiplier, kMultiplierCap);
    const std::uint64_t stake = multiplier * config_.baseStake;
    const std::uint64_t wealth = config_.wealthMultiplier ? config_.wealthMultiplier : 1;

    std::array<Settlement, 4> records;
    std::array<int, 4> teamOf{0, 1, 0, 1};  // partners sit opposite
    if (declarer_ < 0 && findFriend_ && friend_ >= 0 && friend_ != (leader_ + 2) % 4) {
        for (int s = 0; s < 4; ++s)
            teamOf[static_cast<std::size_t>(s)] = (s == leader_ || s == friend_) ? 0 : 1;
    }
    int firstOut = 0;
    for (int s = 0; s < 4; ++s)
        if (At(s).place == 1)
            firstOut = s;

    bool drawn = false;
    for (int s = 0; s < 4; ++s) {
        Settlement& r = records[static_cast<std::size_t>(s)];
        const SeatState& seat = At(s);
        r.seat = SeatBit(s);
        r.baseStake = config_.baseStake;
        r.remaining = seat.hand;
        r.tookSubsidy = seat.tookSubsidy;
        r.lostLead = seat.lostLead;
        r.holds = static_cast<std::uint8_t>(seat.holds);
        r.feePercent = static_cast<std::uint8_t>(config_.feePercent);
        if (declarer_ >= 0) {
            // One against three: the declarer must be the first out.
            const bool declarerWins = At(declarer_).place == 1;
            const bool inTheMud = At(declarer_).place == 4;
            const std::uint64_t mud = inTheMud ? 2 : 1;
            r.place = static_cast<std::uint8_t>(seat.place);
            if (s == declarer_) {
                r.winner = declarerWins;
                r.subtotal = 3 * stake * (declarerWins ? 1 : mud);
                r.declared = contract_ == code::kDeclare;
                r.spread = contract_ == code::kSpread;
                r.reported = contract_ == code::kReport;
                r.spreadReported = contract_ == code::kSpreadReport;
                r.givenUp = static_cast<std::uint8_t>(givenUp_);
                r.counterHolds = counterHold_ ? 1 : 0;
            } else {
                r.winner = !declarerWins;
                r.subtotal = stake * (declarerWins ? 1 : mud);
            }
        } else {
            // Two against two: the side of the first player out wins, unless its
            // other player is the last one out (a drawn deal).
            const int team = teamOf[static_cast<std::size_t>(s)];
            const int winningTeam = teamOf[static_cast<std::size_t>(firstOut)];
            int partner = s;
            for (int o = 0; o < 4; ++o)
                if (o != s && teamOf[static_cast<std::size_t>(o)] == team)
                    partner = o;
            for (int o = 0; o < 4; ++o)
                if (o != firstOut && teamOf[static_cast<std::size_t>(o)] == winningTeam)
                    drawn = At(o).place == 4;
            r.friendSeat = SeatBit(partner);
            r.findFriend = findFriend_;
            r.showedRedAce = followShow_ && s == friend_;
            r.winner = !drawn && team == winningTeam;
            // Tribute codes: 4 留家 (first out), 3 非留家 (its partner), 1 贡 (last
            // out), 2 非贡 (the last one's partner).
            if (seat.place == 1)
                r.place = 4;
            else if (seat.place == 4)
                r.place = 1;
            else
                r.place = At(partner).place == 1 ? 3 : 2;
            r.subtotal = drawn ? 0 : stake;
            r.friendDrawn = findFriend_ && drawn;
        }
    }

    for (int s = 0; s < 4; ++s) {
        Settlement& r = records[static_cast<std::size_t>(s)];
        SeatState& seat = At(s);
        std::uint64_t amount = r.subtotal * wealth;
        if (drawn && declarer_ < 0) {
            r.coinResult = 2;
            amount = 0;
        } else if (r.winner) {
            r.coinResult = 1;
            if (config_.wealthMultiplier && amount > seat.info.coins) {
                amount = seat.info.coins;  // winnings are capped at the player's own coins
                r.capped = true;
            }
            amount -= amount * static_cast<std::uint64_t>(config_.feePercent) / 100;
            seat.info.coins += amount;
            ++seat.info.wins;
        } else {
            r.coinResult = 0;
            if (seat.tookSubsidy)
                amount = 0;  // the subsidy covers a loss
            amount = std::min(amount, seat.info.coins);
            seat.info.coins -= amount;
            ++seat.info.losses;
        }
        r.finalAmount = amount;
        r.level = static_cast<std::uint8_t>(LevelFor(seat.info.coins));
    }
    for (const Settlement& r : records)
        Out(BuildSettlement(r));

    if (config_.maxDeals > 0 && dealNumber_ >= config_.maxDeals) {
        Out(BuildTableClosed({"练习结束，欢迎再来！"}));
        phase_ = Phase::Closing;
        return;
    }
    AnnounceTableStatus();

    const std::uint64_t minimum = config_.baseStake * wealth;
    if (At(human_).info.coins < minimum) {
        TableStatus out;
        out.subCode = status_sub::kOutOfCoins;
        out.seats = SeatBit(human_);
        out.byte11 = SeatBit(human_);
        Out(BuildTableStatus(out));
        phase_ = Phase::Closing;
        return;
    }
    ReplaceBrokeBots();
    if (rng_.Below(6) == 0)
        Schedule(BotDelay(), [this] { BotChat(); });
    SendBotReadyMarks();
    ArmReadyFallback();
}

void Table::ReplaceBrokeBots() {
    const std::uint64_t minimum =
        config_.baseStake * (config_.wealthMultiplier ? config_.wealthMultiplier : 1);
    std::uint8_t broke = 0;
    for (int s = 0; s < 4; ++s)
        if (s != human_ && At(s).info.coins < minimum)
            broke |= SeatBit(s);
    if (!broke)
        return;
    TableStatus out;
    out.subCode = status_sub::kOutOfCoins;
    out.seats = broke;
    Out(BuildTableStatus(out));
    for (int s = 0; s < 4; ++s) {
        if (!(broke & SeatBit(s)))
            continue;
        Out(BuildPlayerLeave({At(s).info.account, false}));
        At(s).info = NewBot();
        At(s).info.coins = std::max(At(s).info.coins, minimum * 10);
        SendJoin(s);
    }
}

// ---- reconnection ---------------------------------------------------------

void Table::Detach() {
    if (phase_ == Phase::Closing)
        phase_ = Phase::Ended;
    detached_ = true;
    detachedFor_ = Millis(0);
}

bool Table::Matches(const ReconnectRequest& request) const {
    return phase_ != Phase::Ended && phase_ != Phase::Closing && phase_ != Phase::AwaitLogin &&
           request.account == seats_[static_cast<std::size_t>(human_)].info.account &&
           request.dealKey == dealKey_;
}

void Table::Reattach(Send send) {
    send_ = std::move(send);
    detached_ = false;
    Out(BuildReconnectResult({true}));
    for (const GameFrame& f : held_)
        send_(f);
    held_.clear();
    // A turn of the player that was running gets its full time again.
    if (current_ && current_->seat == human_) {
        const std::uint64_t serial = ++turnSerial_;
        Schedule(HumanLimit(), [this, serial] {
            if (turnSerial_ == serial)
                Declared(human_, code::kSayNothing, {}, 0);
        });
    } else if (phase_ == Phase::Playing && turn_ == human_) {
        StartTurn(human_);
    }
}

}  // namespace vantry::server
