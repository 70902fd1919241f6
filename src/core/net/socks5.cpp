#include "net/socks5.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "net/connection.h"
#include "shell/lobby.h"
#include "text/gbk.h"

namespace vantry::net {
namespace {

using app::Client;
using platform::SocketState;

constexpr const char* kBoxTitle = "警告";

constexpr std::uint8_t kVersion = 5;
constexpr std::uint8_t kMethodNone = 0;
constexpr std::uint8_t kMethodUserPassword = 2;
constexpr std::uint8_t kAuthVersion = 1;
constexpr std::uint8_t kSucceeded = 0;
constexpr std::uint8_t kCommandConnect = 1;
constexpr std::uint8_t kAddressIpv4 = 1;
constexpr std::uint8_t kAddressDomain = 3;
constexpr std::uint8_t kAddressIpv6 = 4;
constexpr std::size_t kConnectReplyHead = 4;  // version, status, reserved, address type
constexpr std::size_t kPortBytes = 2;

// Empties the proxy ring and sends one handshake message; the next reply is
// then read from offset 0.
void SendHandshake(Client& client, const std::vector<std::uint8_t>& message, ProxyState after) {
    client.net.proxyRing.Reset();
    client.net.proxyState = after;
    client.ports.socket.Send(message);
}

// The proxy said no (or could not be reached): the handshake ends, the socket
// is closed, and the user is told why. The socket is closed before the modal
// box so that nothing arriving while the box is open runs the handshake again.
void Refuse(Client& client, const char* message) {
    client.net.proxyState = ProxyState::Idle;
    client.net.proxyRing.Reset();
    client.ports.socket.Close();
    client.ports.messageBoxes.Show(message, kBoxTitle);
}

// The proxy relays: game data from here on goes to the receive ring.
void StartRelay(Client& client, std::size_t replyLength) {
    ConnectionState& net = client.net;
    ProxyRing& ring = net.proxyRing;
    // What came in the same arrival after the reply is already game data.
    std::vector<std::uint8_t> rest;
    for (std::size_t i = replyLength; i < ring.Waiting(); ++i)
        rest.push_back(ring.At(i));
    ring.Reset();
    net.proxyState = ProxyState::Idle;
    net.toReceiveRing = true;
    shell::LobbyNotify(client, shell::msg::kLoginSent);
    ui::TableWindow::SetLine(client.table.Sysmsg[0], kProxyConnected);
    client.ports.socket.Send(net.loginFrame.bytes);
    app::StartMainLoop(client);
    if (!rest.empty())
        OnBytesArrived(client, rest);
}

// The reply step: judges the reply once enough of it has arrived. Every byte
// it reads belongs to the current reply, because the ring is emptied before
// each message is sent and a step decides only on bytes that have arrived.
void StepProxyReply(Client& client) {
    ConnectionState& net = client.net;
    const ProxyRing& ring = net.proxyRing;
    if (ring.Waiting() < 2)
        return;
    const std::uint8_t b0 = ring.At(0);
    const std::uint8_t b1 = ring.At(1);
    switch (net.proxyState) {
        case ProxyState::GreetingSent:
            if (b0 == kVersion && b1 == kMethodUserPassword)
                SendHandshake(client, AuthMessage(client.app.launch), ProxyState::AuthSent);
            else if (b0 == kVersion && b1 == kMethodNone)
                SendHandshake(client, ConnectMessage(client.app.launch), ProxyState::ConnectSent);
            else
                Refuse(client, kProxyRefused);
            break;
        case ProxyState::AuthSent:
            if (b0 == kAuthVersion && b1 == kSucceeded)
                SendHandshake(client, ConnectMessage(client.app.launch), ProxyState::ConnectSent);
            else
                Refuse(client, kProxyAuthFailed);
            break;
        case ProxyState::ConnectSent: {
            if (b0 != kVersion || b1 != kSucceeded) {
                Refuse(client, kProxyConnectFailed);
                break;
            }
            // The bound address and port follow; all of it is consumed
            // before the data path switches, so none is read as game data.
            std::array<std::uint8_t, 5> head{};
            const std::size_t known = std::min(head.size(), ring.Waiting());
            for (std::size_t i = 0; i < known; ++i)
                head[i] = ring.At(i);
            const int length = ConnectReplyLength({head.data(), known});
            if (length < 0)
                Refuse(client, kProxyConnectFailed);
            else if (length > 0 && ring.Waiting() >= static_cast<std::size_t>(length))
                StartRelay(client, static_cast<std::size_t>(length));
            break;
        }
        default:
            break;
    }
}

std::uint8_t AddressPart(std::string_view part) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc{} || end != part.data() + part.size() || value > 255)
        return 0;
    return static_cast<std::uint8_t>(value);
}

}  // namespace

std::vector<std::uint8_t> GreetingMessage() {
    return {kVersion, 2, kMethodNone, kMethodUserPassword};
}

std::vector<std::uint8_t> AuthMessage(const app::LaunchParams& p) {
    std::vector<unsigned char> user;
    std::vector<unsigned char> password;
    text::ToSingleBytes(p.ProxyUser, user);  // a wide character leaves its byte 0
    text::ToSingleBytes(p.ProxyPassword, password);
    user.resize(p.ProxyUserLength);
    password.resize(p.ProxyPasswordLength);
    std::vector<std::uint8_t> message;
    message.push_back(kAuthVersion);
    message.push_back(p.ProxyUserLength);
    message.insert(message.end(), user.begin(), user.end());
    message.push_back(p.ProxyPasswordLength);
    message.insert(message.end(), password.begin(), password.end());
    return message;
}

std::vector<std::uint8_t> ConnectMessage(const app::LaunchParams& p) {
    std::vector<std::uint8_t> message = {kVersion, kCommandConnect, 0, kAddressIpv4};
    std::string_view host = p.ServerHost;
    for (int i = 0; i < 4; ++i) {
        const std::size_t dot = host.find('.');
        message.push_back(AddressPart(host.substr(0, dot)));
        host = dot == std::string_view::npos ? std::string_view{} : host.substr(dot + 1);
    }
    const auto port = static_cast<std::uint16_t>(p.ServerPort);
    message.push_back(static_cast<std::uint8_t>(port >> 8));
    message.push_back(static_cast<std::uint8_t>(port & 0xFF));
    return message;
}

int ConnectReplyLength(std::span<const std::uint8_t> reply) {
    if (reply.size() < kConnectReplyHead)
        return 0;
    switch (reply[3]) {
        case kAddressIpv4:
            return static_cast<int>(kConnectReplyHead + 4 + kPortBytes);
        case kAddressIpv6:
            return static_cast<int>(kConnectReplyHead + 16 + kPortBytes);
        case kAddressDomain:
            if (reply.size() < kConnectReplyHead + 1)
                return 0;
            return static_cast<int>(kConnectReplyHead + 1 + reply[4] + kPortBytes);
        default:
            return -1;
    }
}

void ConnectToSock5Server(Client& client) {
    ConnectionState& net = client.net;
    const app::LaunchParams& p = client.app.launch;
    net.receive.ResetIndices();
    net.transmit.ResetIndices();
    net.proxyRing.Reset();
    net.proxyState = ProxyState::Idle;
    net.toReceiveRing = false;
    client.ports.socket.Connect(p.ProxyHost, static_cast<std::uint16_t>(p.ProxyPort));

    // The wait is bounded: a proxy that never answers must not hold the
    // client for ever. A refused connection ends it at once.
    platform::Timers& timers = client.ports.timers;
    const std::int64_t deadline =
        timers.NowMs() + static_cast<std::int64_t>(kProxyConnectSeconds * 1000);
    while (client.ports.socket.State() == SocketState::Connecting && timers.NowMs() < deadline &&
           !client.app.ended) {
        timers.PumpWait(kProxyConnectStepSeconds);
    }
    if (client.app.ended)
        return;
    if (client.ports.socket.State() != SocketState::Connected) {
        Refuse(client, kProxyUnreachable);
        net.linkCheck = true;
        net.linkCheckCounter = 0;
        return;
    }

    net.loginSent = true;
    SendHandshake(client, GreetingMessage(), ProxyState::GreetingSent);
    net.linkCheck = true;
    net.linkCheckCounter = 0;
}

void OnProxyBytes(Client& client, std::span<const std::uint8_t> bytes) {
    ProxyRing& ring = client.net.proxyRing;
    for (std::uint8_t b : bytes) {
        if (!ring.Append(b)) {
            // A proxy that talks this much is not answering the handshake.
            shell::RestoreLobby(client);
            app::EndClient(client);
            return;
        }
    }
    StepProxyReply(client);
}

void OnProxyClosed(Client& client) {
    switch (client.net.proxyState) {
        case ProxyState::GreetingSent:
            Refuse(client, kProxyRefused);
            break;
        case ProxyState::AuthSent:
            Refuse(client, kProxyAuthFailed);
            break;
        case ProxyState::ConnectSent:
            Refuse(client, kProxyConnectFailed);
            break;
        default:
            break;
    }
}

}  // namespace vantry::net
