#include "shell/lobby.h"

#include <string_view>

namespace vantry::shell {
namespace {

std::string_view TrimmedTitle(const app::Client& client) {
    std::string_view t = client.app.launch.LobbyTitle;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return t;
}

void SendSystemCommand(app::Client& client, std::uint32_t command) {
    if (client.app.ended || TrimmedTitle(client).empty())
        return;
    const std::string& title = client.app.launch.LobbyTitle;
    if (!client.ports.windows.Post(title, {msg::kSysCommand, command, 0}))
        app::EndClient(client);
}

}  // namespace

void RestoreLobby(app::Client& client) {
    SendSystemCommand(client, msg::kScRestore);
}

void MinimizeLobby(app::Client& client) {
    SendSystemCommand(client, msg::kScMinimize);
}

void LobbyNotify(app::Client& client, std::uint32_t number) {
    client.ports.windows.Post(client.app.launch.LobbyTitle, {number, 0, 0});
}

bool LobbyExists(app::Client& client) {
    return client.ports.windows.WindowExists(client.app.launch.LobbyTitle);
}

}  // namespace vantry::shell
