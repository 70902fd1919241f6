#include "net/socks5.h"

#include <charconv>
#include <string_view>

#include "net/connection.h"
#include "shell/lobby.h"
#include "text/gbk.h"

namespace vantry::net {
namespace {

constexpr std::uint8_t kVersion = 5;
constexpr std::uint8_t kNoAuthentication = 0;
constexpr std::uint8_t kUserPassword = 2;
constexpr std::uint8_t kAuthVersion = 1;
constexpr std::uint8_t kAddressIpv4 = 1;
constexpr std::uint8_t kAddressDomain = 3;
constexpr std::uint8_t kAddressIpv6 = 4;

constexpr const char* kGreetingRefused = "请求代理失败！";
constexpr const char* kAuthRefused = "代理服务器用户验证失败！";
constexpr const char* kConnectRefused = "通过代理连接主站失败！";
constexpr const char* kProxyUnreachable = "无法连接代理服务器！";
constexpr const char* kProxyConnected = "连接代理服务器成功！";

void Send(app::Client& client, ProxyStep after, const std::vector<std::uint8_t>& message) {
    client.net.proxy.ring.Reset();
    client.net.proxy.ProxyState = after;
    client.ports.socket.Send(message);
}

// A refusal: the message, the socket closed, no retry.
void Refuse(app::Client& client, const char* message) {
    client.net.proxy.ProxyState = ProxyStep::Idle;
    client.ports.messageBoxes.Show(message, ui::kDesignCaption);
    client.ports.socket.Close();
}

void AppendBytes(std::vector<std::uint8_t>& out, std::string_view text, std::uint8_t length) {
    std::vector<unsigned char> bytes;
    text::ToSingleBytes(text, bytes);
    out.push_back(length);
    for (std::size_t i = 0; i < length; ++i)
        out.push_back(i < bytes.size() ? bytes[i] : 0);
}

// The relay is up: game data from here on, the login frame goes out.
void RelayConfirmed(app::Client& client) {
    ConnectionState& net = client.net;
    net.proxy.ProxyState = ProxyStep::Idle;
    net.toReceiveRing = true;
    shell::LobbyNotify(client, shell::msg::kLoginSent);
    ui::TableWindow::SetLine(client.table.Sysmsg[0], kProxyConnected);
    client.ports.socket.Send(net.loginFrame.bytes);
    app::StartMainLoop(client);
}

// Decides on the reply in the ring once it holds what the step needs.
void ReplyStep(app::Client& client) {
    ProxyHandshake& proxy = client.net.proxy;
    const ProxyRing& ring = proxy.ring;
    // Both bytes must belong to this reply; bytes left from an earlier,
    // longer reply must not decide it.
    if (ring.write < 2)
        return;
    const std::uint8_t b0 = ring.bytes[0];
    const std::uint8_t b1 = ring.bytes[1];
    switch (proxy.ProxyState) {
        case ProxyStep::GreetingSent:
            if (b0 != kVersion || (b1 != kNoAuthentication && b1 != kUserPassword))
                return Refuse(client, kGreetingRefused);
            if (b1 == kUserPassword) {
                proxy.ProxyState = ProxyStep::AuthToSend;
                return Send(client, ProxyStep::AuthSent, AuthMessage(client.app.launch));
            }
            proxy.ProxyState = ProxyStep::ConnectToSend;
            return Send(client, ProxyStep::ConnectSent, ConnectMessage(client.app.launch));
        case ProxyStep::AuthSent:
            if (b0 != kAuthVersion || b1 != 0)
                return Refuse(client, kAuthRefused);
            proxy.ProxyState = ProxyStep::ConnectToSend;
            return Send(client, ProxyStep::ConnectSent, ConnectMessage(client.app.launch));
        case ProxyStep::ConnectSent: {
            if (b0 != kVersion || b1 != 0)
                return Refuse(client, kConnectRefused);
            // The whole reply (bound address and port included) is the proxy's;
            // only what follows it is game data.
            const std::span<const std::uint8_t> received(ring.bytes.data(), ring.write);
            const int length = ConnectReplyLength(received);
            if (length < 0)
                return Refuse(client, kConnectRefused);
            if (length == 0 || ring.write < static_cast<std::size_t>(length))
                return;
            return RelayConfirmed(client);
        }
        default:
            return;
    }
}

}  // namespace

std::vector<std::uint8_t> GreetingMessage() {
    return {kVersion, 2, kNoAuthentication, kUserPassword};
}

std::vector<std::uint8_t> AuthMessage(const app::LaunchParams& p) {
    std::vector<std::uint8_t> message{kAuthVersion};
    AppendBytes(message, p.ProxyUser, p.ProxyUserLength);
    AppendBytes(message, p.ProxyPassword, p.ProxyPasswordLength);
    return message;
}

std::vector<std::uint8_t> ConnectMessage(const app::LaunchParams& p) {
    std::vector<std::uint8_t> message{kVersion, 1, 0, kAddressIpv4};
    std::string_view host = p.ServerHost;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = host.find('.');
        const std::string_view piece = host.substr(0, dot);
        int value = 0;
        std::from_chars(piece.data(), piece.data() + piece.size(), value);
        message.push_back(static_cast<std::uint8_t>(value));
        host = dot == std::string_view::npos ? std::string_view{} : host.substr(dot + 1);
    }
    const auto port = static_cast<std::uint16_t>(p.ServerPort);
    message.push_back(static_cast<std::uint8_t>(port >> 8));
    message.push_back(static_cast<std::uint8_t>(port));
    return message;
}

int ConnectReplyLength(std::span<const std::uint8_t> reply) {
    if (reply.size() < 4)
        return 0;
    switch (reply[3]) {
        case kAddressIpv4:
            return 4 + 4 + 2;
        case kAddressIpv6:
            return 4 + 16 + 2;
        case kAddressDomain:
            return reply.size() < 5 ? 0 : 4 + 1 + reply[4] + 2;
        default:
            return -1;
    }
}

void ConnectToSock5Server(app::Client& client) {
    ConnectionState& net = client.net;
    net.receive.ResetIndices();
    net.transmit.ResetIndices();
    net.toReceiveRing = false;
    const app::LaunchParams& p = client.app.launch;
    client.ports.socket.Connect(p.ProxyHost, static_cast<std::uint16_t>(p.ProxyPort));

    // Wait for the proxy, the rest of the client running meanwhile, but not forever.
    platform::Timers& timers = client.ports.timers;
    const std::int64_t deadline =
        timers.NowMs() + static_cast<std::int64_t>(kProxyConnectSeconds * 1000);
    while (client.ports.socket.State() != platform::SocketState::Connected) {
        if (client.app.ended)
            return;
        if (timers.NowMs() >= deadline)
            return Refuse(client, kProxyUnreachable);
        timers.PumpWait(0.05);
    }

    net.loginSent = true;
    net.proxy.ProxyState = ProxyStep::GreetingToSend;
    Send(client, ProxyStep::GreetingSent, GreetingMessage());
    net.linkCheck = true;
    net.linkCheckCounter = 0;
}

void OnProxyBytes(app::Client& client, std::span<const std::uint8_t> bytes) {
    ProxyRing& ring = client.net.proxy.ring;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        ring.bytes[ring.write] = bytes[i];
        ring.write = (ring.write + 1) % kProxyRingSize;
        if (ring.write == ring.read) {
            shell::RestoreLobby(client);
            app::EndClient(client);
            return;
        }
        // Once the relay is confirmed the rest of this arrival is game data.
        if (client.net.proxy.ProxyState == ProxyStep::ConnectSent) {
            const std::span<const std::uint8_t> held(ring.bytes.data(), ring.write);
            const int length = ConnectReplyLength(held);
            if (length > 0 && ring.write == static_cast<std::size_t>(length)) {
                ReplyStep(client);
                if (client.net.toReceiveRing) {
                    if (i + 1 < bytes.size())
                        OnBytesArrived(client, bytes.subspan(i + 1));
                    return;
                }
            }
        }
    }
    ReplyStep(client);
}

}  // namespace vantry::net
