#include "app/startup.h"

#include "app/login_frame.h"
#include "net/connection.h"
#include "net/socks5.h"
#include "shell/lobby.h"
#include "sound/sound.h"
#include "table/layout.h"
#include "text/gbk.h"

namespace vantry::app {
namespace {

constexpr const char* kWarningTitle = "警告";
constexpr const char* kNotFromLobby = "本游戏需从游戏大厅中启动！";
constexpr const char* kAlreadyRunning = "Vantry已经运行！";
constexpr const char* kConnecting = "正在连接服务器...";

// Any failure of startup gives the seat back to the lobby and ends the client.
void FailStartup(Client& client) {
    shell::RestoreLobby(client);
    EndClient(client);
}

void ResetConnectionState(Client& client) {
    client.net.receive.ResetIndices();
    client.net.transmit.ResetIndices();
    client.net.holdPlayerLeave = false;
    client.tableState.TurnTime = 10;
    client.tableState.BossKeyMark = false;
    client.tableState.FastTurn = false;
}

void ResetMainLoop(Client& client) {
    net::ConnectionState& net = client.net;
    net.transmit.pending = false;
    net.transmit.counter = 0;
    net.receive.counter = 0;
    net.loginPending = false;
    net.loginPollCounter = 0;
    net.linkCheck = false;
    net.linkCheckCounter = 0;
    client.chatFlash = {};
    client.protocol.reconnectAllowed = false;
    client.protocol.dealInProgress = false;
}

void OpenConnection(Client& client) {
    switch (client.app.launch.ProxyType) {
        case static_cast<std::int16_t>(ProxyKind::Direct):
            net::ConnectDirect(client);
            break;
        case static_cast<std::int16_t>(ProxyKind::Socks5):
            net::ConnectToSock5Server(client);
            break;
        default:
            break;
    }
}

}  // namespace

void SizeWindow(Client& client, ScreenSize screen) {
    const WindowGeometry g = ComputeWindowGeometry(screen);
    client.app.geometry = g;
    client.app.ScaleX = client.app.ScaleY = g.scale;
    ui::TableWindow& t = client.table;
    t.window.left = g.windowLeft;
    t.window.top = g.windowTop;
    t.window.width = g.windowWidth;
    t.window.height = g.windowHeight;
    t.window.framed = g.chrome;
    t.Pic1.Place(g.tableLeft, g.tableTop, g.tableWidth, g.tableHeight);
    if (g.scale < 1.0f) {
        t.Pic1.picture.bitmap = "table-small";
        for (ui::Control& line : t.Sysmsg)
            line.fontSize = 8;
    }
    table::PlaceBarsAndMarkers(client);
    // The message lines sit under the table, above the chat input.
    const float s = g.scale;
    const int lineHeight = s < 1.0f ? static_cast<int>((26 * s + 4) / 2) : 13;
    const int firstTop = s < 1.0f ? static_cast<int>(696 * s - 2) : 696;
    for (int i = 0; i < 2; ++i) {
        t.Sysmsg[static_cast<std::size_t>(i)].Place(static_cast<int>(312 * s),
                                                    firstTop + i * lineHeight,
                                                    static_cast<int>(281 * s), lineHeight);
    }
    t.Location.Place(static_cast<int>(760 * s), static_cast<int>(668 * s),
                     static_cast<int>(260 * s), static_cast<int>(20 * s));
}

void ShowRoomName(Client& client) {
    ui::Control& label = client.table.Location;
    if (client.app.ScaleX < 1.0f)
        label.fontSize = 10;
    if (text::CharCount(client.app.launch.RoomName) > 10)
        label.fontSize -= 2;
    label.caption = client.app.launch.RoomName;
    client.table.zorder.BringToFront(label);
}

void Startup(Client& client, std::string_view argument, ScreenSize screen) {
    // Until the argument is fully read, lobby look-ups use the title it names.
    client.app.launch.LobbyTitle = LobbyTitleFromArgument(argument);

    if (!client.ports.process.AcquireInstanceLock()) {
        client.ports.messageBoxes.Show(kAlreadyRunning, kWarningTitle);
        FailStartup(client);
        return;
    }
    ResetConnectionState(client);
    client.table.WebBrowser2.visible = false;
    SizeWindow(client, screen);
    ResetMainLoop(client);
    sound::StartSound(client);
    table::BuildPictureTables(client.pictures, client.app.ScaleX);
    table::LayoutTableStep1(client);
    table::ResetShuffleNotice(client);

    ParseResult parsed = ParseLaunchArgument(argument);
    if (parsed.error == ArgumentError::Empty) {
        client.ports.messageBoxes.Show(kNotFromLobby, kWarningTitle);
        EndClient(client);
        return;
    }
    if (!parsed.params) {
        FailStartup(client);
        return;
    }
    client.app.launch = std::move(*parsed.params);
    // Without custom titles field 12 is ignored and the lobby keeps its design title.
    if (!client.app.launch.CustomTitles)
        client.app.launch.LobbyTitle = kDefaultLobbyTitle;
    ShowRoomName(client);

    ui::TableWindow::SetLine(client.table.Sysmsg[0], kConnecting);

    StopMainLoop(client);
    client.net.toReceiveRing = true;

    const auto loginFrame = BuildLoginFrame(client.app.launch);
    if (!loginFrame) {
        FailStartup(client);
        return;
    }
    client.net.loginFrame = *loginFrame;

    OpenConnection(client);

    if (client.app.launch.CustomTitles) {
        client.table.window.caption = client.app.launch.WindowCaption;
        client.tableState.TurnTime = 1;
        client.tableState.BossKeyMark = false;
    } else {
        client.table.window.caption = ui::kDesignCaption;
    }

    shell::RestoreLobby(client);
    if (client.app.ended)
        return;

    client.table.window.visible = true;
    table::LayoutTableStep2(client);
    client.tableState.seats[0].seatBit = 0;
    client.protocol.reconnected = false;
    client.ports.windows.Listen(client.table.window.caption);
    client.app.started = true;
}

}  // namespace vantry::app
