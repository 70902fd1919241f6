#include "shell/reset_table.h"

#include "net/link.h"
#include "props/plugin_host.h"
#include "settle/board_input.h"
#include "settle/records.h"
#include "table/pictures.h"

namespace vantry::shell {
namespace {

constexpr int kStartPicture = 4;  // bottom-bar list: the start button, normal

void StopConnectionWork(app::Client& client) {
    net::ConnectionState& net = client.net;
    client.protocol.dealInProgress = false;
    client.buttons.startDisabled = true;
    net.transmit.pending = false;
    net.receive.dataSeen = false;
    net.loginPending = false;
    client.chatFlash.on = false;
    net.linkCheck = false;
    net.linkCheckCounter = 0;
    net.receiveWatchdog = 0;
    client.tableState.PlayClockOn = false;
    client.settle.ready.on = false;
    client.tableState.BubbleShown = false;
    // A reconnection still under way would close the next connection the
    // lobby asks for.
    net::EndReconnectCycle(client);
    app::StopMainLoop(client);
    client.ports.timers.Stop(platform::TimerId::KeepAlive);
    for (ui::Control& line : client.table.Sysmsg)
        line.rows.clear();
    // The socket is aborted, not shut down gracefully: it reports closed at
    // once, so there is nothing to wait for.
    client.ports.socket.Close();
    net.loginSent = false;
    net.holdPlayerLeave = false;
}

void EmptySeats(app::Client& client) {
    ui::TableWindow& t = client.table;
    for (std::size_t p = 0; p < 4; ++p) {
        t.Tou[p].picture = {};
        t.Nid[p].caption.clear();
        t.Cash[p].caption.clear();
        t.Level[p].caption.clear();
        client.tableState.seats[p].name.clear();
        client.tableState.seats[p].seatBit = 0;
        client.players.records[p] = app::PlayerRecord{};
        t.btnJiaofen[p].visible = false;
        t.Speak[p].visible = false;
        t.OK[p].visible = false;
    }
    settle::EmptyBoards(client.score, client.hero, client.records, settle::InfoFilePath(client));
    client.players.seatedCount = 0;
}

}  // namespace

void ResetTable(app::Client& client) {
    StopConnectionWork(client);
    EmptySeats(client);
    if (client.props.Prop_GameDllState > 0)
        props::ShutDownPlugin(client);

    ui::TableWindow& t = client.table;
    t.window.minimized = true;
    client.tableView.timeoutsInARow = 0;
    client.tableView.BossKeyStop = false;
    client.otherExit.window.visible = false;
    client.frmExit.visible = false;
    table::SetResourcePicture(t.AnNiu[2], client.pictures.bottomBar[kStartPicture]);
    client.buttons.startNotPressed = true;
    t.Imgwealth.visible = false;
    t.lbwealth.visible = false;
    client.protocol.seatWealth = {};
}

}  // namespace vantry::shell
