#pragma once
// The handlers of received frames, one source per message family. The
// dispatcher calls exactly one of them per frame.

#include "app/client.h"
#include "net/frame.h"

namespace vantry::protocol {

// Connection messages.
void HandleLoginResult(app::Client& client, const net::GameFrame& frame);      // 18
void HandleReconnectResult(app::Client& client, const net::GameFrame& frame);  // 29
// The deal.
void HandleDealStart(app::Client& client, const net::GameFrame& frame);             // 1
void HandleDeclarationTurn(app::Client& client, const net::GameFrame& frame);       // 2
void HandleDeclarationBroadcast(app::Client& client, const net::GameFrame& frame);  // 3
void HandlePlay(app::Client& client, const net::GameFrame& frame);                  // 6
// The end of the deal.
void HandleSettlementRecord(app::Client& client, const net::GameFrame& frame);  // 9
void HandleTableStatus(app::Client& client, const net::GameFrame& frame);       // 16
// Seats.
void HandlePlayerJoin(app::Client& client, const net::GameFrame& frame);   // 20
void HandlePlayerLeave(app::Client& client, const net::GameFrame& frame);  // 21
void HandleTableClosed(app::Client& client, const net::GameFrame& frame);  // 22
void HandlePlayerReady(app::Client& client, const net::GameFrame& frame);  // 23
// Chat, and everything that belongs to the props plugin.
void HandleChat(app::Client& client, const net::GameFrame& frame);         // 19, chat
void HandlePluginFrame(app::Client& client, const net::GameFrame& frame);  // 19 data, others

}  // namespace vantry::protocol
