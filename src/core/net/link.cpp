#include "net/link.h"

#include "app/players.h"
#include "net/connection.h"
#include "net/send_frame.h"
#include "net/socks5.h"
#include "props/plugin_host.h"
#include "rules/table_state.h"
#include "settle/board_input.h"
#include "shell/lobby.h"
#include "shell/reset_table.h"
#include "table/layout.h"

namespace vantry::net {
namespace {

using platform::SocketState;
using platform::TimerId;

constexpr int kLinkCheckTicks = 2;  // 2 x 50 ms: the link is checked every 100 ms

// The table is given up: the lobby takes over and the table is emptied.
// False when the client ended instead (the lobby window has gone).
bool HandTableBackToLobby(app::Client& client) {
    client.table.window.minimized = true;
    shell::RestoreLobby(client);
    if (client.app.ended)
        return false;
    client.settle.TableCleared = false;
    shell::ResetTable(client);
    app::ResetSeatHands(client);
    table::ClearTable(client);
    return true;
}

// One reconnect attempt: the old socket is closed and a new connection opened
// the same way as at startup; the reconnect frame takes the place of the login frame.
void AttemptReconnect(app::Client& client) {
    ConnectionState& net = client.net;
    client.table.Sysmsg[1].rows.clear();
    ui::TableWindow::SetLine(client.table.Sysmsg[0], kReconnecting);
    net.loginFrame = MakeReconnectFrame(net.loginFrame, net.linkToken, client.protocol.dealKey);
    net.toReceiveRing = true;
    client.ports.socket.Close();
    if (client.app.launch.ProxyType == static_cast<std::int16_t>(app::ProxyKind::Socks5)) {
        // The proxy path starts from empty rings.
        net.loginPending = false;
        ConnectToSock5Server(client);
        return;
    }
    // Whole frames left from the lost connection are still the server's
    // frames and are kept; the start of one that never arrived whole is not,
    // and would put every frame of the new connection out of step.
    net.receive.DropPartialFrame();
    ConnectDirect(client);
}

void GiveUpReconnecting(app::Client& client) {
    EndReconnectCycle(client);
    if (client.props.Prop_GameDllState > 0)
        props::ShutDownPlugin(client);
    if (!HandTableBackToLobby(client))
        return;
    ui::OtherExitWindow& notice = client.otherExit;
    notice.Label1.caption = kNetworkGone;
    notice.window.topmost = true;
    settle::ShowCentred(client.table.window, notice.window);
}

}  // namespace

GameFrame MakeKeepAliveFrame(std::uint8_t ownSeatBit) {
    GameFrame frame = MakeFrame(MessageType::KeepAlive);
    frame[offset::kSeat] = ownSeatBit;
    return frame;
}

GameFrame MakeReconnectFrame(const GameFrame& loginFrame,
                             const std::array<std::uint8_t, 2>& linkToken, std::uint32_t dealKey) {
    GameFrame frame = loginFrame;
    frame.SetType(MessageType::Reconnect);
    frame[offset::kLinkToken] = linkToken[0];
    frame[offset::kLinkToken + 1] = linkToken[1];
    frame.PutU32Le(offset::kDealKey, dealKey);
    return frame;
}

void OnKeepAliveTimer(app::Client& client) {
    GameFrame frame = MakeKeepAliveFrame(rules::OwnSeatBit(client.tableState));
    SendFrame(client.net, frame);
}

bool StepReceiveWatchdog(app::Client& client) {
    ConnectionState& net = client.net;
    if (!client.protocol.dealInProgress)
        return false;
    if (++net.receiveWatchdog < kReceiveWatchdogLimit)
        return false;
    net.receiveWatchdog = 0;
    if (!shell::LobbyExists(client)) {
        app::EndClient(client);
        return true;
    }
    if (!HandTableBackToLobby(client))
        return true;
    // Written after the reset, which empties the message lines, so that the
    // player finds the reason when they come back to the table window.
    ui::TableWindow::SetLine(client.table.Sysmsg[0], kServerLost);
    return true;
}

void StepLinkCheck(app::Client& client) {
    ConnectionState& net = client.net;
    if (net.linkCheckCounter < kLinkCheckTicks)
        return;
    if (net.linkCheck && client.ports.socket.State() != SocketState::Connected) {
        if (!shell::LobbyExists(client)) {
            app::EndClient(client);
            return;
        }
        // Before the server accepted the login there is no seat to go back
        // to: the check just repeats.
        if (client.protocol.reconnectAllowed) {
            client.protocol.loginAccepted = false;
            net.linkCheck = false;
            StartReconnectCycle(client);
        }
    }
    net.linkCheckCounter = 0;
}

void StartReconnectCycle(app::Client& client) {
    ReconnectCycle& cycle = client.net.reconnect;
    if (cycle.running)
        return;
    cycle.running = true;
    cycle.attempts = 0;
    client.ports.timers.Start(TimerId::ReconnectRetry, kReconnectRetryMs);
}

void OnReconnectRetryTimer(app::Client& client) {
    ReconnectCycle& cycle = client.net.reconnect;
    platform::Timers& timers = client.ports.timers;
    if (!cycle.running) {
        timers.Stop(TimerId::ReconnectRetry);
        return;
    }
    if (client.ports.socket.State() == SocketState::Connected) {
        // The server answers the reconnect frame with the reconnection result.
        EndReconnectCycle(client);
        return;
    }
    if (cycle.attempts >= kReconnectAttempts) {
        GiveUpReconnecting(client);
        return;
    }
    ++cycle.attempts;
    // The proxy path waits for the proxy while other events run: no retry
    // tick may start a second attempt meanwhile. The next tick comes a full
    // interval after this attempt.
    timers.Stop(TimerId::ReconnectRetry);
    AttemptReconnect(client);
    if (cycle.running && !client.app.ended)
        timers.Start(TimerId::ReconnectRetry, kReconnectRetryMs);
}

void EndReconnectCycle(app::Client& client) {
    client.net.reconnect.running = false;
    client.ports.timers.Stop(TimerId::ReconnectRetry);
}

}  // namespace vantry::net
