#include "net/connection.h"

#include "net/socks5.h"
#include "shell/lobby.h"

namespace vantry::net {

using platform::SocketState;

void ConnectDirect(app::Client& client) {
    const app::LaunchParams& p = client.app.launch;
    client.ports.socket.Connect(p.ServerHost, static_cast<std::uint16_t>(p.ServerPort));
    app::StartMainLoop(client);
    client.net.loginPending = true;
    client.net.loginPollCounter = 0;
}

void StepLoginPoll(app::Client& client) {
    ConnectionState& net = client.net;
    if (net.loginPollCounter < 4)
        return;
    if (net.loginPending) {
        shell::LobbyNotify(client, shell::msg::kConnect);
        if (client.ports.socket.State() == SocketState::Connected) {
            net.loginSent = true;
            shell::LobbyNotify(client, shell::msg::kLoginSent);
            client.ports.socket.Send(net.loginFrame.bytes);
            net.linkCheck = true;
            net.linkCheckCounter = 0;
            net.loginPending = false;
        }
    }
    net.loginPollCounter = 0;
}

bool ReadyForGameFrames(const app::Client& client) {
    const ConnectionState& net = client.net;
    return client.ports.socket.State() == SocketState::Connected && !net.loginPending &&
           net.toReceiveRing;
}

void OnBytesArrived(app::Client& client, std::span<const std::uint8_t> bytes) {
    if (client.app.ended)
        return;
    if (!client.net.toReceiveRing) {
        OnProxyBytes(client, bytes);
        return;
    }
    ReceiveRing& ring = client.net.receive;
    for (std::uint8_t b : bytes) {
        if (!ring.Append(b)) {
            // The game has fallen 128 frames behind: give the seat back to the lobby.
            shell::RestoreLobby(client);
            app::EndClient(client);
            return;
        }
    }
    ring.dataSeen = true;
    ring.counter = 0;
}

void OnSocketClosedByPeer(app::Client& client) {
    client.ports.socket.Close();
    // A proxy that hangs up during the handshake has refused it.
    if (!client.net.toReceiveRing)
        OnProxyClosed(client);
}

}  // namespace vantry::net
