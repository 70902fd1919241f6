#pragma once
// Connecting through a SOCKS5 proxy: method negotiation, user name and
// password, and an IPv4 CONNECT to the game server. The handshake runs on the
// proxy ring; once the proxy relays, the data path goes back to the receive ring.

#include <cstdint>
#include <span>
#include <vector>

#include "app/client.h"

namespace vantry::net {

// How long the proxy gets to accept the TCP connection.
inline constexpr double kProxyConnectSeconds = 15;
// The wait is pumped in steps this long, checking the socket between them.
inline constexpr double kProxyConnectStepSeconds = 0.1;

inline constexpr const char* kProxyRefused = "请求代理失败！";
inline constexpr const char* kProxyAuthFailed = "代理服务器用户验证失败！";
inline constexpr const char* kProxyConnectFailed = "通过代理连接主站失败！";
inline constexpr const char* kProxyUnreachable = "无法连接代理服务器！";
inline constexpr const char* kProxyConnected = "连接代理服务器成功！";

// 5, 2, 0, 2: version 5, two methods: none and user name/password.
std::vector<std::uint8_t> GreetingMessage();
// 1, user length, user bytes, password length, password bytes. A character
// that does not fit in one byte is sent as 0.
std::vector<std::uint8_t> AuthMessage(const app::LaunchParams& p);
// 5, 1, 0, 1, the four parts of the dotted server address, the port high byte first.
std::vector<std::uint8_t> ConnectMessage(const app::LaunchParams& p);

// The length of a whole CONNECT reply as far as its first bytes tell: 0 while
// more bytes are needed to know, -1 for an address type that does not exist.
int ConnectReplyLength(std::span<const std::uint8_t> reply);

// Opens the connection through the proxy and sends the greeting. Waits, while
// other events run, until the proxy accepts the connection or the wait runs out.
void ConnectToSock5Server(app::Client& client);

// Bytes that arrive while the data path is the proxy ring: stored, then the
// reply step runs.
void OnProxyBytes(app::Client& client, std::span<const std::uint8_t> bytes);

// The proxy closed the connection while the handshake was under way.
void OnProxyClosed(app::Client& client);

}  // namespace vantry::net
