// The login result and the reconnection result.

#include "platform/ports.h"
#include "protocol/handlers.h"
#include "shell/lobby.h"

namespace vantry::protocol {
namespace {

constexpr int kKeepAliveMs = 5000;
constexpr const char* kPlatformWebAddress = "www.morvex.example";
constexpr std::size_t kAdOffset = 16;
constexpr std::size_t kAdEnd = 116;  // bytes 16..115
constexpr std::uint8_t kAccepted = 1;
constexpr std::uint8_t kGameStartRefused = 2;

// A text of one byte per character that ends at the first 0 byte.
std::string ByteText(const net::GameFrame& frame, std::size_t from, std::size_t end) {
    std::string text;
    for (std::size_t i = from; i < end && frame[i] != 0; ++i) {
        const auto c = static_cast<char32_t>(frame[i]);
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {  // Latin-1 to UTF-8
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

void RefuseAndEnd(app::Client& client, const char* reason) {
    shell::LobbyNotify(client, shell::msg::kConnect);
    ui::TableWindow::SetLine(client.table.Sysmsg[0], reason);
    shell::RestoreLobby(client);
    app::EndClient(client);
}

}  // namespace

void HandleLoginResult(app::Client& client, const net::GameFrame& frame) {
    ProtocolState& state = client.protocol;
    net::ConnectionState& net = client.net;
    client.ports.timers.Start(platform::TimerId::KeepAlive, kKeepAliveMs);
    for (net::HeldFrame& held : net.held)
        held = {};
    net.holdPlayerLeave = false;
    state.dealStartedSinceLogin = false;
    state.g_bTimeLimit = true;
    net.loginSent = false;
    client.tableState.FastTurn = false;

    const std::uint8_t result = frame[net::offset::kSubCode];
    if (result == kAccepted) {
        state.loginAccepted = true;
        shell::LobbyNotify(client, shell::msg::kLoginSent);
        state.unattendedLimit = frame[9];
        ui::TableWindow::SetLine(client.table.Sysmsg[0], "连接服务器成功！");
        ui::TableWindow::SetLine(client.table.Sysmsg[1],
                                 std::string("欢迎进入") + kPlatformWebAddress);
        state.reconnectAllowed = true;
        client.tableState.TurnTime = client.tableState.BossKeyMark ? 2 : frame[11];
        const std::string ad = ByteText(frame, kAdOffset, kAdEnd);
        if (!ad.empty()) {
            state.adAddress = ad;
            state.secondAdAddress = ad + ".gamead";
            client.table.WebBrowser1.caption = ad;
            client.table.WebBrowser1.visible = true;
        }
    } else if (result == kGameStartRefused) {
        RefuseAndEnd(client, "启动游戏失败，请重新在大厅就座后进入游戏！");
    } else {
        RefuseAndEnd(client, "验证错误，请重新在大厅就座后进入游戏！");
    }
}

void HandleReconnectResult(app::Client& client, const net::GameFrame& frame) {
    if (frame[net::offset::kSubCode] == kAccepted) {
        client.protocol.loginAccepted = true;
        client.protocol.reconnected = true;
        // The reconnect frame has had its answer: the lobby may close the
        // table again instead of being told that a login is awaited.
        client.net.loginSent = false;
        client.table.Sysmsg[1].rows.clear();
        ui::TableWindow::SetLine(client.table.Sysmsg[0], "正在重连服务器，请等待...！");
    } else {
        client.ports.messageBoxes.Show("重连服务器失败，退出后请重新入座！", ui::kDesignCaption);
        shell::RestoreLobby(client);
        app::EndClient(client);
    }
}

}  // namespace vantry::protocol
