#include "shell/reset_table.h"

#include "net/leave.h"
#include "props/plugin_host.h"
#include "settle/board_input.h"
#include "settle/records.h"
#include "table/pictures.h"

namespace vantry::shell {
namespace {

constexpr int kStartPicture = 4;  // bottom-bar list: the start button, normal

void StopTableWork(app::Client& client) {
    client.protocol.dealInProgress = false;
    client.buttons.startDisabled = true;
    net::StopConnectionWork(client);
    client.net.receiveWatchdog = 0;
    client.tableState.BubbleShown = false;
    for (ui::Control& line : client.table.Sysmsg)
        line.rows.clear();
    // The socket is aborted, not shut down gracefully: it reports closed at
    // once, so there is nothing to wait for.
    client.ports.socket.Close();
    client.net.loginSent = false;
    client.net.holdPlayerLeave = false;
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
    StopTableWork(client);
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
