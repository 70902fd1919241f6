#pragma once
// Connecting through a SOCKS5 proxy: method negotiation, user name and
// password, and an IPv4 CONNECT to the game server.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "app/client.h"

namespace vantry::net {

inline constexpr double kProxyConnectSeconds = 15;

std::vector<std::uint8_t> GreetingMessage();
// 1, user length, user bytes, password length, password bytes; a character
// beyond one byte is sent as 0.
std::vector<std::uint8_t> AuthMessage(const app::LaunchParams& p);
// 5, 1, 0, 1, the four parts of the dotted server address, the port high byte first.
std::vector<std::uint8_t> ConnectMessage(const app::LaunchParams& p);

// The length of a whole CONNECT reply as far as its first bytes tell it:
// 0 while more bytes are needed to know, -1 for an address type there is none of.
int ConnectReplyLength(std::span<const std::uint8_t> reply);

// Opens the connection through the proxy and sends the greeting.
void ConnectToSock5Server(app::Client& client);

// Bytes that arrive while the handshake runs.
void OnProxyBytes(app::Client& client, std::span<const std::uint8_t> bytes);

}  // namespace vantry::net
