#pragma once
// Everything the transport keeps between events: the rings, the link token,
// the held frames, the login progress and the data path.

#include <array>
#include <cstdint>
#include <string>

#include "net/frame.h"
#include "net/rings.h"

namespace vantry::net {

// The step of the SOCKS5 handshake.
enum class ProxyState : std::uint8_t {
    Idle = 0,
    GreetingToSend = 1,
    GreetingSent = 2,
    AuthToSend = 3,
    AuthSent = 4,
    ConnectToSend = 5,
    ConnectSent = 6,
};

// A frame kept back at the end of a deal and sent at the next deal start.
struct HeldFrame {
    GameFrame frame;
    bool hold = false;  // the next matching frame is captured instead of sent
};

// The automatic reconnection after the link to the server was lost: one
// attempt on every tick of its 3000 ms retry timer, at most 21 of them.
inline constexpr int kReconnectAttempts = 21;
inline constexpr int kReconnectRetryMs = 3000;

struct ReconnectCycle {
    bool running = false;
    int attempts = 0;
};

// The two captured kinds of type-45 frames, by bytes 8-9 (big-endian) / 8.
inline constexpr std::array<std::uint16_t, 2> kHeldFrameKinds = {129, 386};

struct ConnectionState {
    TransmitRing transmit;
    ReceiveRing receive;
    std::array<std::uint8_t, 2> linkToken{};
    std::string pendingChatText;  // UTF-8; consumed by the next chat frame
    std::array<HeldFrame, 2> held;
    bool holdPlayerLeave = false;  // received type-21 frames wait in the ring

    GameFrame loginFrame;  // also rewritten into the reconnect frame
    bool loginPending = false;
    int loginPollCounter = 0;
    bool loginSent = false;  // login frame written, result not yet received
    bool linkCheck = false;
    int linkCheckCounter = 0;
    bool toReceiveRing = true;  // data path: false while the proxy handshake runs
    int receiveWatchdog = 0;    // receive steps without a frame during a deal
    ReconnectCycle reconnect;

    ProxyRing proxyRing;  // the proxy's replies; emptied before every message we send
    ProxyState proxyState = ProxyState::Idle;
};

}  // namespace vantry::net
