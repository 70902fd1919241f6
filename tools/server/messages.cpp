#include "messages.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

#include "text/gbk.h"

namespace vantry::server {

namespace {

using net::MessageType;

// A text of one byte per character (accounts, keys, voice fields, addresses).
void PutBytes(GameFrame& f, std::size_t at, std::size_t width, std::string_view bytes) {
    const std::size_t n = std::min(width, bytes.size());
    for (std::size_t i = 0; i < n; ++i)
        f[at + i] = static_cast<std::uint8_t>(bytes[i]);
}

std::string ReadBytes(const GameFrame& f, std::size_t at, std::size_t width) {
    std::string out;
    for (std::size_t i = at; i < at + width && i < net::kFrameSize && f[i] != 0; ++i)
        out.push_back(static_cast<char>(f[i]));
    return out;
}

// A GBK text cut to the field without splitting a two-byte character.
void PutGbk(GameFrame& f, std::size_t at, std::size_t width, std::string_view utf8) {
    std::size_t used = 0;
    for (const text::GbkChar& c : text::GbkChars(utf8)) {
        if (used + c.bytes.size() > width)
            break;
        PutBytes(f, at + used, c.bytes.size(), c.bytes);
        used += c.bytes.size();
    }
}

std::string ReadGbk(const GameFrame& f, std::size_t at, std::size_t width) {
    return text::FromGbk(ReadBytes(f, at, width));
}

std::uint8_t SeatOf(std::uint8_t byte) {
    return byte & 0x0F;
}

// Cards low byte first: suit, rank, 0, id.
void PutCardLe(GameFrame& f, std::size_t at, const Card& c) {
    f[at] = c.suit;
    f[at + 1] = c.rank;
    f[at + 2] = 0;
    f[at + 3] = c.id;
}
Card ReadCardLe(const GameFrame& f, std::size_t at) {
    return {f[at], f[at + 1], f[at + 3]};
}

// Cards high byte first (given-up lists): id, 0, rank, suit.
void PutCardBe(GameFrame& f, std::size_t at, const Card& c) {
    f[at] = c.id;
    f[at + 1] = 0;
    f[at + 2] = c.rank;
    f[at + 3] = c.suit;
}
Card ReadCardBe(const GameFrame& f, std::size_t at) {
    return {f[at + 3], f[at + 2], f[at]};
}

constexpr std::size_t kMaxCards = 6;

std::size_t CardCount(std::size_t n) {
    return std::min(n, kMaxCards);
}

}  // namespace

GameFrame BuildLoginRequest(const LoginRequest& m) {
    GameFrame f = net::MakeFrame(MessageType::Login);
    f[14] = 1;
    PutBytes(f, 16, 16, m.account);
    PutBytes(f, 32, 228, m.key);
    return f;
}
LoginRequest ReadLoginRequest(const GameFrame& f) {
    return {ReadBytes(f, 16, 16), ReadBytes(f, 32, 228)};
}

GameFrame BuildLoginResult(const LoginResult& m) {
    GameFrame f = net::MakeFrame(MessageType::Login);
    f[9] = m.unattendedLimit;
    f[11] = m.turnSeconds;
    f[15] = static_cast<std::uint8_t>(m.outcome);
    PutBytes(f, 16, 99, m.adAddress);  // byte 115 stays 0 so the address always ends
    return f;
}
LoginResult ReadLoginResult(const GameFrame& f) {
    return {f[9], f[11], static_cast<LoginOutcome>(f[15]), ReadBytes(f, 16, 100)};
}

GameFrame BuildReconnectRequest(const ReconnectRequest& m) {
    GameFrame f = BuildLoginRequest({m.account, m.key});
    f.SetType(MessageType::Reconnect);
    f.PutU16Le(net::offset::kLinkToken, m.linkToken);
    f.PutU32Le(net::offset::kDealKey, m.dealKey);
    return f;
}
ReconnectRequest ReadReconnectRequest(const GameFrame& f) {
    return {ReadBytes(f, 16, 16), ReadBytes(f, 32, 228), f.U16Le(net::offset::kLinkToken),
            f.U32Le(net::offset::kDealKey)};
}

GameFrame BuildReconnectResult(const ReconnectResult& m) {
    GameFrame f = net::MakeFrame(MessageType::ReconnectResult);
    f[15] = m.accepted ? 1 : 2;
    return f;
}
ReconnectResult ReadReconnectResult(const GameFrame& f) {
    return {f[15] == 1};
}

GameFrame BuildDealStart(const DealStart& m) {
    GameFrame f = net::MakeFrame(MessageType::DealStart);
    f[6] = m.seat;
    f[11] = m.shownHand ? 1 : 0;
    for (std::size_t i = 0; i < CardCount(m.cards.size()); ++i)
        PutCardLe(f, 16 + 4 * i, m.cards[i]);
    f[40] = m.feeLabelOnly ? 1 : 0;
    PutGbk(f, 41, 20, m.feeLabel);
    f.PutU32Le(net::offset::kDealKey, m.dealKey);
    return f;
}
std::optional<DealStart> ReadDealStart(const GameFrame& f) {
    if (f[11] > 1)
        return std::nullopt;
    DealStart m;
    m.seat = SeatOf(f[6]);
    m.shownHand = f[11] == 1;
    for (std::size_t i = 0; i < kMaxCards; ++i)
        m.cards.push_back(ReadCardLe(f, 16 + 4 * i));
    m.feeLabelOnly = f[40] == 1;
    m.feeLabel = ReadGbk(f, 41, 20);
    m.dealKey = f.U32Le(net::offset::kDealKey);
    return m;
}

GameFrame BuildDeclarationTurn(const DeclarationTurn& m) {
    GameFrame f = net::MakeFrame(MessageType::Options);
    f[6] = m.seat;
    f.PutU16Be(8, m.optionSet);
    f[16] = m.seconds;
    return f;
}
DeclarationTurn ReadDeclarationTurn(const GameFrame& f) {
    return {SeatOf(f[6]), f.U16Be(8), f[16]};
}

GameFrame BuildDeclaration(const Declaration& m) {
    GameFrame f = net::MakeFrame(MessageType::Declaration);
    f[6] = m.seat;
    f.PutU16Be(8, m.code);
    f[16] = m.giveUpKind;
    const std::size_t n = CardCount(m.cards.size());
    f[17] = static_cast<std::uint8_t>(n);
    for (std::size_t k = 0; k < n; ++k)
        PutCardBe(f, 20 + 4 * k, m.cards[k]);
    return f;
}
Declaration ReadDeclaration(const GameFrame& f) {
    Declaration m;
    m.seat = SeatOf(f[6]);
    m.code = f.U16Be(8);
    m.giveUpKind = f[16];
    for (std::size_t k = 0; k < CardCount(f[17]); ++k)
        m.cards.push_back(ReadCardBe(f, 20 + 4 * k));
    return m;
}

GameFrame BuildPlayBroadcast(const PlayBroadcast& m) {
    GameFrame f = net::MakeFrame(MessageType::Play);
    f[6] = m.seat;
    f[11] = m.next;
    f[15] = m.subCode;
    const std::size_t n = CardCount(m.cards.size());
    f[17] = static_cast<std::uint8_t>(n);
    f[18] = m.size;
    for (std::size_t k = 0; k < n; ++k)
        PutCardLe(f, 20 + 4 * k, m.cards[k]);
    f[255] = m.seconds;
    return f;
}
PlayBroadcast ReadPlayBroadcast(const GameFrame& f) {
    PlayBroadcast m;
    m.seat = SeatOf(f[6]);
    m.next = f[11];
    m.subCode = f[15];
    m.size = f[18];
    for (std::size_t k = 0; k < CardCount(f[17]); ++k)
        m.cards.push_back(ReadCardLe(f, 20 + 4 * k));
    m.seconds = f[255];
    return m;
}

GameFrame BuildLocalPlay(const LocalPlay& m) {
    GameFrame f = net::MakeFrame(MessageType::LocalPlay);
    f[6] = m.seat;
    f[15] = m.subCode;
    const std::size_t n = CardCount(m.ids.size());
    f[17] = static_cast<std::uint8_t>(n);
    f[18] = m.size;
    for (std::size_t k = 0; k < n; ++k)
        f[20 + k] = m.ids[k];
    return f;
}
LocalPlay ReadLocalPlay(const GameFrame& f) {
    LocalPlay m;
    m.seat = SeatOf(f[6]);
    m.subCode = f[15];
    m.size = f[18];
    // The count is the client's word: more than six cards is never a play, and
    // it is kept as stated (capped at what the frame can hold) so the table
    // can refuse it.
    const std::size_t n = std::min<std::size_t>(f[17], 20);
    for (std::size_t k = 0; k < n; ++k)
        m.ids.push_back(f[20 + k]);
    return m;
}

GameFrame BuildSettlement(const Settlement& m) {
    GameFrame f = net::MakeFrame(MessageType::Settlement);
    f[6] = m.seat;
    f.PutU32Be(8, m.baseStake);
    f[15] = m.goldCoins ? 1 : 2;
    const std::size_t n = CardCount(m.remaining.size());
    f[16] = static_cast<std::uint8_t>(n);
    for (std::size_t j = 0; j < n; ++j)
        PutCardLe(f, 20 + 4 * j, m.remaining[j]);
    f[44] = m.place;
    f[45] = m.winner ? 1 : 0;
    f.PutI64Le(46, static_cast<std::int64_t>(m.subtotal));
    f[54] = m.coinResult;
    f.PutI64Le(55, static_cast<std::int64_t>(m.finalAmount));
    f[63] = m.level;
    f[64] = m.friendSeat;
    f[66] = m.findFriend ? 1 : 0;
    f[67] = m.showedRedAce ? 1 : 0;
    f[68] = m.tookSubsidy ? 1 : 0;
    f[69] = m.declared ? 1 : 0;
    f[70] = m.spread ? 1 : 0;
    f[71] = m.reported ? 1 : 0;
    f[72] = m.givenUp;
    f[73] = m.holds;
    f[75] = m.counterHolds;
    f[76] = m.lostLead ? 1 : 0;
    f[77] = m.spreadReported ? 1 : 0;
    f[78] = m.capped ? 1 : 0;
    f[79] = m.feePercent;
    f[80] = m.friendDrawn ? 1 : 0;
    return f;
}
Settlement ReadSettlement(const GameFrame& f) {
    Settlement m;
    m.seat = SeatOf(f[6]);
    m.baseStake = f.U32Be(8);
    m.goldCoins = f[15] == 1;
    for (std::size_t j = 0; j < CardCount(f[16]); ++j)
        m.remaining.push_back(ReadCardLe(f, 20 + 4 * j));
    m.place = f[44];
    m.winner = f[45] == 1;
    m.subtotal = static_cast<std::uint64_t>(f.I64Le(46));
    m.coinResult = f[54];
    m.finalAmount = static_cast<std::uint64_t>(f.I64Le(55));
    m.level = f[63];
    m.friendSeat = SeatOf(f[64]);
    m.findFriend = f[66] == 1;
    m.showedRedAce = f[67] == 1;
    m.tookSubsidy = f[68] == 1;
    m.declared = f[69] == 1;
    m.spread = f[70] == 1;
    m.reported = f[71] == 1;
    m.givenUp = f[72];
    m.holds = f[73];
    m.counterHolds = f[75];
    m.lostLead = f[76] > 0;
    m.spreadReported = f[77] > 0;
    m.capped = f[78] == 1;
    m.feePercent = f[79];
    m.friendDrawn = f[80] != 0;
    return m;
}

GameFrame BuildTableStatus(const TableStatus& m) {
    GameFrame f = net::MakeFrame(MessageType::TableStatus);
    f[6] = m.seats;
    f[11] = m.byte11;
    f[13] = m.showShuffleNotice ? 1 : 0;
    f[15] = m.subCode;
    f.PutU32Le(16, m.wealthMultiplier);
    return f;
}
TableStatus ReadTableStatus(const GameFrame& f) {
    return {SeatOf(f[6]), f[15], f[11], f[13] == 1, f.U32Le(16)};
}

GameFrame BuildChat(const Chat& m) {
    GameFrame f = net::MakeFrame(MessageType::Chat);
    f[6] = m.seat;
    f[9] = m.voice ? 1 : 0;
    f[11] = m.addressee;
    f[13] = m.voiceLetter;
    f[15] = m.voiceNumber;
    PutGbk(f, 16, 200, m.text);
    return f;
}
Chat ReadChat(const GameFrame& f) {
    return {SeatOf(f[6]), f[9] == 1, f[11], f[13], f[15], ReadGbk(f, 16, 200)};
}

GameFrame BuildPlayerJoin(const PlayerJoin& m) {
    GameFrame f = net::MakeFrame(MessageType::PlayerJoin);
    const PlayerInfo& p = m.player;
    f[6] = m.receiverSeat;
    PutGbk(f, 16, 32, p.nickname);
    PutBytes(f, 48, 16, p.avatar);
    f[64] = p.sex;
    PutGbk(f, 72, 8, p.location);
    f.PutI64Le(80, static_cast<std::int64_t>(p.score));
    f.PutI64Le(88, static_cast<std::int64_t>(p.credit));
    f.PutI64Le(96, static_cast<std::int64_t>(p.coins));
    PutGbk(f, 112, 16, p.levelName);
    f.PutU32Le(152, p.logins);
    f.PutU32Le(156, p.disconnects);
    f.PutU32Le(160, p.wins);
    f.PutU32Le(164, p.losses);
    PutBytes(f, 168, 16, p.account);
    PutGbk(f, 184, 24, p.title);
    f[208] = m.ready ? 1 : 0;
    PutBytes(f, 210, 8, p.voiceSet);
    PutBytes(f, 218, 8, p.voiceVariant);
    f[226] = m.seat;
    f.PutU32Le(234, m.wealthMultiplier);
    f[255] = m.noPlugin ? 1 : 0;
    return f;
}
PlayerJoin ReadPlayerJoin(const GameFrame& f) {
    PlayerJoin m;
    PlayerInfo& p = m.player;
    m.receiverSeat = SeatOf(f[6]);
    p.nickname = ReadGbk(f, 16, 32);
    p.avatar = ReadBytes(f, 48, 16);
    p.sex = f[64];
    p.location = ReadGbk(f, 72, 8);
    p.score = static_cast<std::uint64_t>(f.I64Le(80));
    p.credit = static_cast<std::uint64_t>(f.I64Le(88));
    p.coins = static_cast<std::uint64_t>(f.I64Le(96));
    p.levelName = ReadGbk(f, 112, 16);
    p.logins = f.U32Le(152);
    p.disconnects = f.U32Le(156);
    p.wins = f.U32Le(160);
    p.losses = f.U32Le(164);
    p.account = ReadBytes(f, 168, 16);
    p.title = ReadGbk(f, 184, 24);
    m.ready = f[208] == 1;
    p.voiceSet = ReadBytes(f, 210, 8);
    p.voiceVariant = ReadBytes(f, 218, 8);
    m.seat = SeatOf(f[226]);
    m.wealthMultiplier = f.U32Le(234);
    m.noPlugin = f[255] != 0;
    return m;
}

GameFrame BuildPlayerLeave(const PlayerLeave& m) {
    GameFrame f = net::MakeFrame(MessageType::PlayerLeave);
    f[11] = m.tenSecondCountdown ? 1 : 0;
    PutBytes(f, 16, 16, m.account);
    return f;
}
PlayerLeave ReadPlayerLeave(const GameFrame& f) {
    std::string account = ReadBytes(f, 16, 16);
    if (f[8] == 1 && !account.empty())
        account[0] = static_cast<char>(account[0] - 1);
    return {account, f[11] == 1};
}

GameFrame BuildTableClosed(const TableClosed& m) {
    GameFrame f = net::MakeFrame(MessageType::TableClosed);
    PutGbk(f, 16, 199, m.text);
    return f;
}
TableClosed ReadTableClosed(const GameFrame& f) {
    return {ReadGbk(f, 16, 200)};
}

GameFrame BuildPlayerReady(const PlayerReady& m) {
    GameFrame f = net::MakeFrame(MessageType::PlayerReady);
    f[15] = m.ready ? 1 : 0;
    PutBytes(f, 16, 16, m.account);
    return f;
}
PlayerReady ReadPlayerReady(const GameFrame& f) {
    return {f[15] == 1, ReadBytes(f, 16, 16)};
}

GameFrame BuildKeepAlive(const KeepAlive& m) {
    GameFrame f = net::MakeFrame(MessageType::KeepAlive);
    f[6] = m.seat;
    return f;
}
KeepAlive ReadKeepAlive(const GameFrame& f) {
    return {SeatOf(f[6])};
}

std::string LevelName(int level) {
    static const std::array<const char*, 10> kDigits = {"",   "一", "二", "三", "四",
                                                        "五", "六", "七", "八", "九"};
    level = std::clamp(level, 1, 40);
    std::string name = "第";
    const int tens = level / 10;
    const int ones = level % 10;
    if (tens > 1)
        name += kDigits[static_cast<std::size_t>(tens)];
    if (tens > 0)
        name += "十";
    name += kDigits[static_cast<std::size_t>(ones)];
    return name + "级";
}

namespace {

std::string CardText(const Card& c) {
    static const char* kRanks[] = {"?", "?",  "?", "3", "4", "5", "6", "7",  "8",
                                   "9", "10", "J", "Q", "K", "A", "2", "sj", "BJ"};
    std::string s = c.rank < 18 ? kRanks[c.rank] : "?";
    switch (c.suit) {
        case 1:
            s += "d";
            break;
        case 2:
            s += "c";
            break;
        case 4:
            s += "h";
            break;
        case 8:
            s += "s";
            break;
        default:
            break;
    }
    return s + "#" + std::to_string(c.id);
}

std::string CardsText(const std::vector<Card>& cards) {
    std::string s = "[";
    for (std::size_t i = 0; i < cards.size(); ++i)
        s += (i ? " " : "") + CardText(cards[i]);
    return s + "]";
}

std::string Printable(const std::string& bytes) {
    std::string s;
    for (char ch : bytes) {
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 0x20 && u < 0x7F) {
            s.push_back(ch);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", u);
            s += hex;
        }
    }
    return s;
}

}  // namespace

std::string Describe(const GameFrame& f) {
    std::ostringstream o;
    o << "type " << static_cast<int>(f.Type()) << " token " << f.U16Le(net::offset::kLinkToken)
      << ": ";
    switch (static_cast<MessageType>(f.Type())) {
        case MessageType::DealStart:
            if (auto m = ReadDealStart(f))
                o << (m->shownHand ? "hand shown" : "deal start") << " seat " << int(m->seat)
                  << " cards " << CardsText(m->cards) << " key " << m->dealKey
                  << (m->feeLabel.empty() ? "" : " fee label " + m->feeLabel);
            else
                o << "deal start, unknown byte 11 = " << int(f[11]);
            break;
        case MessageType::Options: {
            auto m = ReadDeclarationTurn(f);
            o << "options " << m.optionSet << " to seat " << int(m.seat) << " for "
              << int(m.seconds) << " s";
            break;
        }
        case MessageType::Declaration: {
            auto m = ReadDeclaration(f);
            o << "declaration " << m.code << " by seat " << int(m.seat);
            if (m.code == code::kGiveUp)
                o << " gives up kind " << int(m.giveUpKind) << " " << CardsText(m.cards);
            break;
        }
        case MessageType::Play: {
            auto m = ReadPlayBroadcast(f);
            o << "play by seat " << int(m.seat) << " "
              << (m.cards.empty() ? "pass" : CardsText(m.cards)) << " size " << int(m.size)
              << ", next " << int(m.next) << " sub " << int(m.subCode) << " for " << int(m.seconds)
              << " s";
            break;
        }
        case MessageType::LocalPlay: {
            auto m = ReadLocalPlay(f);
            o << (m.subCode == local_play::kPass ? "pass" : "play") << " by seat " << int(m.seat)
              << " sub " << int(m.subCode) << " size " << int(m.size) << " ids";
            for (auto id : m.ids)
                o << " " << int(id);
            break;
        }
        case MessageType::Settlement: {
            auto m = ReadSettlement(f);
            o << "settlement seat " << int(m.seat) << " place " << int(m.place)
              << (m.winner ? " winner" : " loser") << " subtotal " << m.subtotal << " result "
              << int(m.coinResult) << " amount " << m.finalAmount << " level " << int(m.level)
              << " left " << CardsText(m.remaining);
            break;
        }
        case MessageType::TableStatus: {
            auto m = ReadTableStatus(f);
            o << "table status sub " << int(m.subCode) << " seats " << int(m.seats) << " wealth "
              << m.wealthMultiplier;
            break;
        }
        case MessageType::Login:
            if (f[14] == 1)  // the client's login frame
                o << "login account \"" << Printable(ReadBytes(f, 16, 16)) << "\"";
            else
                o << "login result " << int(f[15]) << " turn " << int(f[11]) << " s, limit "
                  << int(f[9]) << " ad \"" << Printable(ReadBytes(f, 16, 100)) << "\"";
            break;
        case MessageType::Chat: {
            if (!f.IsChatFrame()) {
                o << "plugin data, length " << f.U32Be(net::offset::kChatLength);
                break;
            }
            auto m = ReadChat(f);
            o << "chat from seat " << int(m.seat) << " to " << int(m.addressee)
              << (m.voice ? " voice " + std::string(1, static_cast<char>(m.voiceLetter)) +
                                std::to_string(m.voiceNumber)
                          : "")
              << " \"" << m.text << "\"";
            break;
        }
        case MessageType::PlayerJoin: {
            auto m = ReadPlayerJoin(f);
            o << "join seat " << int(m.seat) << " \"" << m.player.nickname << "\" account "
              << Printable(m.player.account) << " coins " << m.player.coins
              << (m.ready ? " ready" : "");
            break;
        }
        case MessageType::PlayerLeave:
            o << "leave " << Printable(ReadPlayerLeave(f).account);
            break;
        case MessageType::TableClosed:
            o << "table closed \"" << ReadTableClosed(f).text << "\"";
            break;
        case MessageType::PlayerReady: {
            auto m = ReadPlayerReady(f);
            o << "ready " << m.ready << " " << Printable(m.account);
            break;
        }
        case MessageType::KeepAlive:
            o << "keep-alive seat " << int(ReadKeepAlive(f).seat);
            break;
        case MessageType::Reconnect: {
            auto m = ReadReconnectRequest(f);
            o << "reconnect account \"" << Printable(m.account) << "\" key " << m.dealKey;
            break;
        }
        case MessageType::ReconnectResult:
            o << "reconnect result " << int(f[15]);
            break;
        default:
            o << "not a message of the practice table";
            break;
    }
    return o.str();
}

}  // namespace vantry::server
