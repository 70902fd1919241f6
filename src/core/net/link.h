#pragma once
// Keeping the link to the game server: the keep-alive between deals, the
// receive watchdog during a deal, the link check of the main loop and the
// automatic reconnection after the server has gone away.

#include <array>
#include <cstdint>

#include "app/client.h"
#include "net/frame.h"

namespace vantry::net {

inline constexpr int kKeepAliveMs = 5000;
// Receive steps without a frame during a deal before the table is given up.
// With no traffic the receive step runs every second tick: 5000 x 2 x 50 ms = 500 s.
inline constexpr int kReceiveWatchdogLimit = 5000;

inline constexpr const char* kServerLost = "已经与服务器断开连接，请重新入座！";
inline constexpr const char* kReconnecting = "正在重新连接服务器...";
inline constexpr const char* kNetworkGone = "网络已断开,请退出大厅重新登陆游戏";

// The keep-alive frame: type 24 and the own seat bit.
GameFrame MakeKeepAliveFrame(std::uint8_t ownSeatBit);

// The login frame turned into the reconnect frame: type 28, the link token in
// bytes 260-261 and the deal key of the last deal start in 268-271 (low byte first).
GameFrame MakeReconnectFrame(const GameFrame& loginFrame,
                             const std::array<std::uint8_t, 2>& linkToken, std::uint32_t dealKey);

// A tick of `TimerKeepAlive`: queues one keep-alive frame.
void OnKeepAliveTimer(app::Client& client);

// The first action of the main loop's receive step: counts the steps without
// a frame during a deal and gives the table up when the server has been
// silent too long. True when it gave the table up.
bool StepReceiveWatchdog(app::Client& client);

// A step of the main-loop tick, every 2 ticks while the link check is on:
// notices a socket that is no longer connected and, when the server accepted
// the login, starts the reconnection cycle.
void StepLinkCheck(app::Client& client);

// Starts the reconnection cycle; the first attempt comes one retry interval
// later. A cycle that is already running goes on with its own count.
void StartReconnectCycle(app::Client& client);

// A tick of the retry timer: ends the cycle once connected, else makes the
// next attempt, and gives up after the last one.
void OnReconnectRetryTimer(app::Client& client);

// Ends a running cycle without a further attempt (the player leaves the table).
void EndReconnectCycle(app::Client& client);

}  // namespace vantry::net
