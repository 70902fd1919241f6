#pragma once
// The seated players: decoding a player-join frame, the seat labels and
// avatars, the information pop-up and the voices.

#include <string_view>

#include "app/client.h"
#include "net/frame.h"
#include "platform/ports.h"

namespace vantry::app {

inline constexpr int kAvatarPictureBase = 240;     // + avatar index 0..19
inline constexpr int kReadyMarkPictureBase = 280;  // + coin tier 0..2

// Fills `record` from the player data of a join frame.
void DecodePlayer(const net::GameFrame& frame, PlayerRecord& record);

// The avatar index of an avatar code: m1..m10 give 0..9 and w1..w10 give
// 10..19; a code of another length keeps the previous index.
int AvatarIndex(std::string_view avatarCode, int previous);

// 0 below 20000 coins, 1 from 20000, 2 from 60000.
int CoinTier(double coins);

// Shows the record of a position on the table: ready-mark picture, avatar,
// name, coins and level labels, the records boards' entries and the join table.
void ShowPlayer(Client& client, int position);

// Empties the seat of a player who left (positions 1..3).
void ClearPlayer(Client& client, int position);

// The information pop-up for the player at a position; nothing happens while
// it is open or when the seat is empty.
void ShowPlayerInformation(Client& client, int position);
void HidePlayerInformation(Client& client);

// Gives the seated players distinct voices of their sex, drawing each from
// `random` and taking the lowest free one when the draw is taken.
void AssignVoices(Players& players, platform::Random& random);

// Empties the four seats' hands for a new deal (see rules::ResetSeatHands)
// and ends the deal in progress; the join counter starts again.
void ResetSeatHands(Client& client);

}  // namespace vantry::app
