#pragma once
// Opening the connection to the game server and the login step.

#include <span>

#include "app/client.h"

namespace vantry::net {

// Connects straight to the game server; the login poll sends the login frame
// once the socket is up.
void ConnectDirect(app::Client& client);

// A step of the main-loop tick: while the direct connection is being made,
// tells the lobby every 4 ticks, and writes the login frame once connected.
void StepLoginPoll(app::Client& client);

// Game frames may be written: the socket is connected, the login (or
// reconnect) frame has gone out first and no proxy handshake is running.
bool ReadyForGameFrames(const app::Client& client);

// The socket's data-arrival event: append to the receive ring.
void OnBytesArrived(app::Client& client, std::span<const std::uint8_t> bytes);

// The peer closed the connection: close our side; the link check notices.
void OnSocketClosedByPeer(app::Client& client);

}  // namespace vantry::net
