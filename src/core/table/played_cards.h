#pragma once
// Cards leaving the hands, drawn on the table: the deal, a hand turned face
// up, another seat's play and the local player's give-up.

#include "app/client.h"
#include "net/frame.h"

namespace vantry::table {

// The local six cards of a deal start, drawn and sorted; the other seats get
// their six-card fans.
void ShowDealtHand(app::Client& client, const net::GameFrame& frame);
// Another seat's six cards, turned face up for everyone.
void ShowTurnedUpHand(app::Client& client, const net::GameFrame& frame, int position);
// A play broadcast with at least one card.
void ShowPlay(app::Client& client, const net::GameFrame& frame);
// The local player's valid give-up: the raised cards go to the table.
void ShowOwnGiveUp(app::Client& client);

// The fan of a seat for its card count, or hidden at 0; sent behind the cards.
void ShowFan(app::Client& client, int position);
// The remaining cards of the turned-up seat, redrawn from its next free image.
enum class RedrawAfter { Play, GiveUp };
void RedrawTurnedUpHand(app::Client& client, int position, RedrawAfter after);
// The local hand closes up over the cards that left it and is laid out again.
void CloseUpHand(app::Client& client);

}  // namespace vantry::table
