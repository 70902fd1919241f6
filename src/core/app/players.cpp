#include "app/players.h"

#include <cmath>
#include <string>

#include "rules/table_state.h"
#include "text/gbk.h"
#include "text/numbers.h"

namespace vantry::app {
namespace {

// Byte ranges of the player data in a join frame (first and last byte).
struct Field {
    std::size_t first;
    std::size_t last;
};
constexpr Field kNickname{16, 47};
constexpr Field kAvatarCode{48, 63};
constexpr std::size_t kSex = 64;
constexpr Field kLocation{72, 79};
constexpr std::size_t kScore = 80;
constexpr std::size_t kCredit = 88;
constexpr std::size_t kCoins = 96;
constexpr Field kLevelName{112, 127};
constexpr std::size_t kLoginCount = 152;
constexpr std::size_t kDisconnectCount = 156;
constexpr std::size_t kWins = 160;
constexpr std::size_t kLosses = 164;
constexpr Field kAccount{168, 183};
constexpr Field kTitle{184, 207};
constexpr Field kVoiceSet{210, 217};
constexpr Field kVoiceVariant{218, 225};

constexpr const char* kDefaultAvatarCode = "m1";
constexpr std::array<const char*, 4> kVoiceVariants = {"10", "20", "30", "40"};
constexpr const char* kAssignedVoiceSet = "27";

std::string Bytes(const net::GameFrame& frame, std::size_t at, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i)
        s += static_cast<char>(frame[at + i]);
    return s;
}

// One byte per character, up to the first 0 byte.
std::string SingleByteText(const net::GameFrame& frame, Field f) {
    std::string out;
    for (std::size_t i = f.first; i <= f.last && frame[i] != 0; ++i)
        out += text::FromGbk(Bytes(frame, i, 1));
    return out;
}

// GBK with single- and double-byte characters, up to the first 0 byte. A lead
// byte in the field's last place stands for itself and never takes the next
// field's first byte as its partner.
std::string GbkText(const net::GameFrame& frame, Field f) {
    std::string out;
    std::size_t i = f.first;
    while (i <= f.last && frame[i] != 0) {
        const std::size_t width = (frame[i] >= 0x80 && i < f.last) ? 2 : 1;
        for (char c : text::FromGbk(Bytes(frame, i, width))) {
            if (c != '\0')
                out += c;
        }
        i += width;
    }
    return out;
}

// GBK with every character in two bytes, up to a pair whose first byte is 0.
std::string GbkPairText(const net::GameFrame& frame, Field f) {
    std::string out;
    for (std::size_t i = f.first; i + 1 <= f.last && frame[i] != 0; i += 2) {
        for (char c : text::FromGbk(Bytes(frame, i, 2))) {
            if (c != '\0')
                out += c;
        }
    }
    return out;
}

double Unsigned64(const net::GameFrame& frame, std::size_t at) {
    double value = 0;
    for (std::size_t k = 8; k-- > 0;)
        value = value * 256 + frame[at + k];
    return value;
}

bool ValidPosition(int position) {
    return position >= 0 && position < rules::kPositions;
}

}  // namespace

void DecodePlayer(const net::GameFrame& frame, PlayerRecord& record) {
    record.nickname = GbkText(frame, kNickname);
    record.avatarCode = SingleByteText(frame, kAvatarCode);
    if (record.avatarCode.empty())
        record.avatarCode = kDefaultAvatarCode;
    record.sex = frame[kSex];
    record.location = GbkPairText(frame, kLocation);
    record.score = Unsigned64(frame, kScore);
    record.credit = Unsigned64(frame, kCredit);
    record.coins = Unsigned64(frame, kCoins);
    record.levelName = GbkPairText(frame, kLevelName);
    record.loginCount = frame.U32Le(kLoginCount);
    record.disconnectCount = frame.U32Le(kDisconnectCount);
    record.wins = frame.U32Le(kWins);
    record.losses = frame.U32Le(kLosses);
    record.account = SingleByteText(frame, kAccount);
    record.title = GbkPairText(frame, kTitle);
    record.voiceSet = SingleByteText(frame, kVoiceSet);
    record.voiceVariant = SingleByteText(frame, kVoiceVariant);
}

int AvatarIndex(std::string_view code, int previous) {
    auto digit = [&](std::size_t i) {
        const char c = code[i];
        return (c >= '0' && c <= '9') ? c - '0' : 0;
    };
    int index = previous;
    if (code.size() == 2)
        index = digit(1) - 1;
    else if (code.size() == 3)
        index = 10 * digit(1) + digit(2) - 1;
    // Numbers outside 1..10 (and a previous index of the other sex) fall back
    // to the first avatar, so the picture stays one of the twenty.
    if (index < 0 || index >= 10)
        index = 0;
    if (!code.empty() && code[0] == 'w')
        index += 10;
    return index;
}

int CoinTier(double coins) {
    if (coins >= 60000)
        return 2;
    if (coins >= 20000)
        return 1;
    return 0;
}

void ShowPlayer(Client& client, int position) {
    if (!ValidPosition(position))
        return;
    const auto p = static_cast<std::size_t>(position);
    Players& players = client.players;
    const PlayerRecord& record = players.records[p];
    ui::TableWindow& table = client.table;

    table.OK[p].picture = ui::Picture{kReadyMarkPictureBase + CoinTier(record.coins), {}};

    players.avatarIndex[p] = AvatarIndex(record.avatarCode, players.avatarIndex[p]);
    const int avatarPicture = kAvatarPictureBase + players.avatarIndex[p];
    table.Tou[p].picture = ui::Picture{avatarPicture, {}};

    table.Nid[p].caption = "[" + record.title + "] " + record.nickname;
    table.Cash[p].caption = text::PlainNumber(record.coins) + "金币";
    table.Level[p].caption = record.levelName;
    table.zorder.BringToFront(table.Nid[p]);
    table.zorder.BringToFront(table.Cash[p]);
    table.zorder.BringToFront(table.Level[p]);

    for (auto [id, tou] : {std::pair{&client.score.ID[p], &client.score.Tou[p]},
                           std::pair{&client.hero.ID[p], &client.hero.Tou[p]}}) {
        id->caption = record.nickname;
        tou->picture = ui::Picture{avatarPicture, {}};
    }
    players.joinTable[p] = JoinEntry{record.nickname, std::to_string(players.avatarIndex[p])};
}

void ClearPlayer(Client& client, int position) {
    if (position < 1 || position >= rules::kPositions)
        return;
    const auto p = static_cast<std::size_t>(position);
    ui::TableWindow& table = client.table;
    table.OK[p].visible = false;
    table.Tou[p].picture = {};
    table.Nid[p].caption.clear();
    table.Cash[p].caption.clear();
    table.Level[p].caption.clear();
    client.tableState.seats[p].name.clear();
    client.players.records[p] = PlayerRecord{};
    client.hero.ID[p].caption.clear();
    client.hero.Tou[p].picture = {};
}

void ShowPlayerInformation(Client& client, int position) {
    if (!ValidPosition(position))
        return;
    ui::InformationWindow& info = client.information;
    const PlayerRecord& record = client.players.records[static_cast<std::size_t>(position)];
    if (info.window.visible || record.nickname.empty())
        return;

    const ui::Window& main = client.table.window;
    const ui::Control& pic1 = client.table.Pic1;
    const double left = pic1.left + main.left;
    const double top = pic1.top + main.top;
    if (position == 0) {
        const double share = client.app.ScaleX < 1 ? 0.3 : 0.42;
        info.window.left = static_cast<int>(std::lround(left));
        info.window.top = static_cast<int>(std::lround(top + share * main.height));
    } else {
        // The three other seats share the width of the table in thirds, whole pixels.
        const long third = std::lround((position - 1) * static_cast<double>(main.width)) / 3;
        info.window.left = static_cast<int>(std::lround(left)) + static_cast<int>(third);
        info.window.top = static_cast<int>(std::lround(top + 0.11 * main.height));
    }

    const std::array<std::string, 9> values = {
        record.nickname,
        record.sex != 0 ? "男" : "女",
        record.location,
        text::PlainNumber(record.score),
        text::PlainNumber(record.credit),
        std::to_string(record.loginCount),
        std::to_string(record.disconnectCount),
        std::to_string(record.wins),
        std::to_string(record.losses),
    };
    for (std::size_t i = 0; i < values.size(); ++i)
        info.Inf[i].caption = values[i];
    info.window.visible = true;
}

void HidePlayerInformation(Client& client) {
    client.information.window.visible = false;
}

void AssignVoices(Players& players, platform::Random& random) {
    players.maleVoiceTaken = {};
    players.femaleVoiceTaken = {};
    for (std::size_t p = 0; p < players.records.size(); ++p) {
        PlayerRecord& record = players.records[p];
        if (record.sex == 0 || record.sex == 1) {
            std::array<bool, 4>& taken =
                record.sex == 1 ? players.maleVoiceTaken : players.femaleVoiceTaken;
            auto r = static_cast<std::size_t>(random.Below(4));
            if (r >= taken.size())
                r = 0;
            if (taken[r]) {
                for (std::size_t free = 0; free < taken.size(); ++free) {
                    if (!taken[free]) {
                        r = free;
                        break;
                    }
                }
            }
            taken[r] = true;
            record.voiceSet = kAssignedVoiceSet;
            record.voiceVariant = kVoiceVariants[r];
        }
        players.voiceVariant[p] = record.voiceVariant;
        record.voiceSexCode = record.sex != 0 ? 3 : 2;
    }
}

void ResetSeatHands(Client& client) {
    rules::ResetSeatHands(client.tableState);
    client.protocol.dealInProgress = false;
    client.players.joinCounter = 0;
}

}  // namespace vantry::app
