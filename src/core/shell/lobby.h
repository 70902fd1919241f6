#pragma once
// The lobby's main window, looked up by its title every time.

#include <cstdint>

#include "app/client.h"

namespace vantry::shell {

// Window messages exchanged with the lobby, in both directions.
namespace msg {
inline constexpr std::uint32_t kConnect = 0x16;
inline constexpr std::uint32_t kCloseRequest = 0x303;  // lobby -> client
inline constexpr std::uint32_t kLoginSent = 0x303;     // client -> lobby
inline constexpr std::uint32_t kLeave = 0x400;
inline constexpr std::uint32_t kStatusQuery = 0x465;
inline constexpr std::uint32_t kDealRunning = 0x465;
inline constexpr std::uint32_t kLoginAwaited = 0x466;
inline constexpr std::uint32_t kDealStarted = 0x467;
inline constexpr std::uint32_t kSysCommand = 0x0112;
inline constexpr std::uint32_t kScRestore = 0xF120;
inline constexpr std::uint32_t kScMinimize = 0xF020;
}  // namespace msg

// Restores the lobby window; ends the client when it is missing. Does nothing
// when the lobby title is empty.
void RestoreLobby(app::Client& client);
// The same with minimise.
void MinimizeLobby(app::Client& client);
// Posts a notification (both parameters 0) when the lobby window exists.
void LobbyNotify(app::Client& client, std::uint32_t number);
bool LobbyExists(app::Client& client);

}  // namespace vantry::shell
