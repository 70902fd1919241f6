#pragma once
// Every message the practice server exchanges with a client, as plain structs
// with one builder and one reader each. The builders of client messages and
// the readers of server messages serve the test clients. Texts are UTF-8 here
// and GBK on the wire; readers never index past the frame.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cards.h"
#include "net/frame.h"

namespace vantry::server {

using net::GameFrame;

// Declaration codes (one bit per kind) and the option rows the client knows.
namespace code {
inline constexpr std::uint16_t kSayNothing = 1;
inline constexpr std::uint16_t kFindFriend = 2;
inline constexpr std::uint16_t kDeclare = 4;
inline constexpr std::uint16_t kSpread = 8;
inline constexpr std::uint16_t kReport = 16;
inline constexpr std::uint16_t kTakeSubsidy = 32;
inline constexpr std::uint16_t kGiveUp = 64;
inline constexpr std::uint16_t kHold = 128;
inline constexpr std::uint16_t kCounterHold = 256;
inline constexpr std::uint16_t kFollow = 512;
inline constexpr std::uint16_t kFollowShow = 1024;
inline constexpr std::uint16_t kSpreadReport = 2048;
}  // namespace code

namespace options {
inline constexpr std::uint16_t kDeclareReport = 2069;  // 宣 报 摊报 不说话
inline constexpr std::uint16_t kDeclareSpread = 13;    // 宣 摊 不说话
inline constexpr std::uint16_t kFindFriend = 3;
inline constexpr std::uint16_t kTakeSubsidy = 33;
inline constexpr std::uint16_t kFollowShow = 1025;
inline constexpr std::uint16_t kHold = 129;
inline constexpr std::uint16_t kFollow = 513;
inline constexpr std::uint16_t kCounterHold = 257;
}  // namespace options

// Type 18, client: the login.
struct LoginRequest {
    std::string account;  // one byte per character, bytes 16-31
    std::string key;      // one byte per character from byte 32
};
GameFrame BuildLoginRequest(const LoginRequest& m);
LoginRequest ReadLoginRequest(const GameFrame& f);

// Type 18, server: the login result.
enum class LoginOutcome : std::uint8_t { Accepted = 1, StartRefused = 2, VerificationFailed = 3 };
struct LoginResult {
    std::uint8_t unattendedLimit = 0;
    std::uint8_t turnSeconds = 10;
    LoginOutcome outcome = LoginOutcome::Accepted;
    std::string adAddress;  // up to 100 one-byte characters
};
GameFrame BuildLoginResult(const LoginResult& m);
LoginResult ReadLoginResult(const GameFrame& f);

// Type 28, client: reconnect (the login frame with the deal key and link token).
struct ReconnectRequest {
    std::string account;
    std::string key;
    std::uint16_t linkToken = 0;
    std::uint32_t dealKey = 0;
};
GameFrame BuildReconnectRequest(const ReconnectRequest& m);
ReconnectRequest ReadReconnectRequest(const GameFrame& f);

// Type 29, server: the reconnection result (1 accepted).
struct ReconnectResult {
    bool accepted = false;
};
GameFrame BuildReconnectResult(const ReconnectResult& m);
ReconnectResult ReadReconnectResult(const GameFrame& f);

// Type 1, server: a new deal with the receiver's six cards, or a hand shown face up.
struct DealStart {
    std::uint8_t seat = 0;    // the receiver's seat bit, or the seat whose hand is shown
    bool shownHand = false;   // byte 11 = 1
    std::vector<Card> cards;  // six cards
    bool feeLabelOnly = false;
    std::string feeLabel;  // up to 20 GBK bytes
    std::uint32_t dealKey = 0;
};
GameFrame BuildDealStart(const DealStart& m);
std::optional<DealStart> ReadDealStart(const GameFrame& f);  // nothing for byte 11 other than 0/1

// Type 2, server: declaration options offered to a seat.
struct DeclarationTurn {
    std::uint8_t seat = 0;
    std::uint16_t optionSet = 0;
    std::uint8_t seconds = 0;
};
GameFrame BuildDeclarationTurn(const DeclarationTurn& m);
DeclarationTurn ReadDeclarationTurn(const GameFrame& f);

// Type 3, both ways: a declaration; for a give-up also the kind and the cards.
struct Declaration {
    std::uint8_t seat = 0;
    std::uint16_t code = 0;
    std::uint8_t giveUpKind = 0;  // byte 16
    std::vector<Card> cards;      // given-up cards, at most 6
};
GameFrame BuildDeclaration(const Declaration& m);
Declaration ReadDeclaration(const GameFrame& f);

// Type 6, server: a play or pass and who acts next.
namespace play_sub {
inline constexpr std::uint8_t kNewTrick = 1;
inline constexpr std::uint8_t kOrdinary = 2;
inline constexpr std::uint8_t kNoButtons = 11;  // nobody acts: the deal is over
}  // namespace play_sub
struct PlayBroadcast {
    std::uint8_t seat = 0;
    std::uint8_t next = 0;
    std::uint8_t subCode = play_sub::kOrdinary;
    std::uint8_t size = 0;    // the play's size as classified
    std::vector<Card> cards;  // empty for a pass, at most 6
    std::uint8_t seconds = 0;
};
GameFrame BuildPlayBroadcast(const PlayBroadcast& m);
PlayBroadcast ReadPlayBroadcast(const GameFrame& f);

// Type 7, client: a play (sub-code 2) or a pass (sub-code 1).
namespace local_play {
inline constexpr std::uint8_t kPass = 1;
inline constexpr std::uint8_t kPlay = 2;
}  // namespace local_play
struct LocalPlay {
    std::uint8_t seat = 0;
    std::uint8_t subCode = local_play::kPass;
    std::uint8_t size = 0;
    std::vector<std::uint8_t> ids;  // at most 6 are read
};
GameFrame BuildLocalPlay(const LocalPlay& m);
LocalPlay ReadLocalPlay(const GameFrame& f);

// Type 9, server: one player's settlement.
struct Settlement {
    std::uint8_t seat = 0;
    std::uint32_t baseStake = 0;
    bool goldCoins = true;        // byte 15 = 1
    std::vector<Card> remaining;  // at most 6
    std::uint8_t place = 0;       // finishing place or tribute code
    bool winner = false;
    std::uint64_t subtotal = 0;
    std::uint8_t coinResult = 2;  // 1 won, 0 lost, other neither
    std::uint64_t finalAmount = 0;
    std::uint8_t level = 1;
    std::uint8_t friendSeat = 0;
    bool findFriend = false;
    bool showedRedAce = false;
    bool tookSubsidy = false;
    bool declared = false;
    bool spread = false;
    bool reported = false;
    std::uint8_t givenUp = 0;
    std::uint8_t holds = 0;
    std::uint8_t counterHolds = 0;
    bool lostLead = false;
    bool spreadReported = false;
    bool capped = false;
    std::uint8_t feePercent = 0;
    bool friendDrawn = false;
};
GameFrame BuildSettlement(const Settlement& m);
Settlement ReadSettlement(const GameFrame& f);

// Type 16, both ways. Server sub-codes: 0 table status, 3 players leave for lack
// of coins. Client sub-codes: 1 ready / continue, 0 leave.
namespace status_sub {
inline constexpr std::uint8_t kStatusOrLeave = 0;
inline constexpr std::uint8_t kReady = 1;
inline constexpr std::uint8_t kOutOfCoins = 3;
}  // namespace status_sub
struct TableStatus {
    std::uint8_t seats = 0;  // byte 6: sender (client) or seats leaving (sub-code 3)
    std::uint8_t subCode = 0;
    std::uint8_t byte11 = 0;         // sub-code 0: random seating; 3: seats offered a room change
    bool showShuffleNotice = false;  // byte 13
    std::uint32_t wealthMultiplier = 0;
};
GameFrame BuildTableStatus(const TableStatus& m);
TableStatus ReadTableStatus(const GameFrame& f);

// Type 19, both ways: chat (the length field 0).
struct Chat {
    std::uint8_t seat = 0;
    bool voice = false;
    std::uint8_t addressee = 0;
    std::uint8_t voiceLetter = 0;
    std::uint8_t voiceNumber = 0;
    std::string text;  // up to 200 GBK bytes
};
GameFrame BuildChat(const Chat& m);
Chat ReadChat(const GameFrame& f);

// Type 20, server: a player joins a seat.
struct PlayerInfo {
    std::string nickname;  // GBK, 32 bytes
    std::string avatar;    // "m1".."m10", "w1".."w10"
    std::uint8_t sex = 1;
    std::string location;  // GBK, 8 bytes
    std::uint64_t score = 0;
    std::uint64_t credit = 0;
    std::uint64_t coins = 0;
    std::string levelName;  // GBK, 16 bytes
    std::uint32_t logins = 0;
    std::uint32_t disconnects = 0;
    std::uint32_t wins = 0;
    std::uint32_t losses = 0;
    std::string account;  // one byte per character, 16
    std::string title;    // GBK, 24 bytes
    std::string voiceSet;
    std::string voiceVariant;
};
struct PlayerJoin {
    std::uint8_t receiverSeat = 0;
    PlayerInfo player;
    bool ready = false;
    std::uint8_t seat = 0;
    std::uint32_t wealthMultiplier = 0;
    bool noPlugin = true;
};
GameFrame BuildPlayerJoin(const PlayerJoin& m);
PlayerJoin ReadPlayerJoin(const GameFrame& f);

// Type 21, server: a player leaves.
struct PlayerLeave {
    std::string account;
    bool tenSecondCountdown = false;
};
GameFrame BuildPlayerLeave(const PlayerLeave& m);
PlayerLeave ReadPlayerLeave(const GameFrame& f);

// Type 22, server: the table is closed, with a message.
struct TableClosed {
    std::string text;
};
GameFrame BuildTableClosed(const TableClosed& m);
TableClosed ReadTableClosed(const GameFrame& f);

// Type 23, server: a player is ready.
struct PlayerReady {
    bool ready = true;
    std::string account;
};
GameFrame BuildPlayerReady(const PlayerReady& m);
PlayerReady ReadPlayerReady(const GameFrame& f);

// Type 24, client: keep-alive.
struct KeepAlive {
    std::uint8_t seat = 0;
};
GameFrame BuildKeepAlive(const KeepAlive& m);
KeepAlive ReadKeepAlive(const GameFrame& f);

// The level names the settlement board and the join frames use, 1..40.
std::string LevelName(int level);

// A frame in readable form for the log, one line.
std::string Describe(const GameFrame& f);

}  // namespace vantry::server
