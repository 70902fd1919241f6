// The end of a deal: settlement records and the table status between deals.

#include "app/players.h"
#include "net/leave.h"
#include "props/plugin_host.h"
#include "protocol/handlers.h"
#include "protocol/wealth_display.h"
#include "rules/table_state.h"
#include "settle/board_input.h"
#include "settle/settlement.h"
#include "table/layout.h"

namespace vantry::protocol {

void HandleSettlementRecord(app::Client& client, const net::GameFrame& frame) {
    net::ConnectionState& net = client.net;
    // From the first record on, players leaving wait until the board is built
    // or the next deal starts, and the frames of the chest show are kept.
    if (!net.holdPlayerLeave) {
        for (net::HeldFrame& held : net.held)
            held = {net::GameFrame{}, true};
        net.holdPlayerLeave = true;
    }
    client.table.Time_Img.visible = client.table.Number.visible = false;
    client.tableState.PlayClockOn = false;
    client.tableState.PlayTicks = 0;
    for (ui::Control& list : client.score.State)
        list.rows.clear();

    props::PropsState& props = client.props;
    if (props.Prop_GameDllState <= 0) {
        settle::BuildSettlementBoard(client, frame);
    } else if (++props.ChestRecordCount < 4) {
        settle::BuildSettlementBoard(client, frame);
    } else {
        // The plugin shows its chests first; the board is built when it is done.
        for (ui::Control& list : client.score.State)
            list.rows.clear();
        props.ChestRecordCount = 0;
        props.ShowState = 1;
        props.ShowPending = true;
        props.PropsBonus = {};
        for (std::string& lines : props.PropsLines)
            lines.clear();
        props.ChestTexts.clear();
        client.settle.KeptRecord = frame;
    }
    client.players.seatedCount = 0;
}

namespace {

constexpr std::uint8_t kTableStatus = 0;

// The first table status after a deal start, a login or a player leaving puts
// the clock, the seat-change notice and the second pane beside the wealth picture.
void PlaceClockAndNotice(app::Client& client) {
    ui::TableWindow& t = client.table;
    const float sx = client.app.ScaleX;
    const float sy = client.app.ScaleY;
    auto at = [](float v) { return static_cast<int>(v); };
    t.Time_Img.Move(at(t.Imgwealth.left + t.Imgwealth.width - 50 * sy),
                    at(t.Imgwealth.top - 120 * sy));
    t.Number.Move(at(t.Time_Img.left + 48 * sx), at(t.Time_Img.top + 5 * sy));
    t.ImgShuffle.Move(at(t.Time_Img.left + t.Time_Img.width + 6 * sy), at(t.Number.top + 2 * sy));
    t.LblShuffle.Move(t.ImgShuffle.left, at(t.ImgShuffle.top + 6 * sy));
    t.WebBrowser2.Place(t.ImgShuffle.left, t.ImgShuffle.top + t.ImgShuffle.height,
                        t.ImgShuffle.width, 2 * t.ImgShuffle.height);
}

void ShowSecondPane(app::Client& client) {
    ui::Control& pane = client.table.WebBrowser2;
    pane.caption = client.protocol.secondAdAddress;
    pane.visible = true;
    client.table.zorder.BringToFront(pane);
}

void EmptySeat(app::Client& client, std::size_t p) {
    if (client.tableState.seats[p].name.empty())
        return;
    app::ClearPlayer(client, static_cast<int>(p));
    client.score.ID[p].caption.clear();
    client.score.Tou[p].picture = {};
}

// The local player has too few coins: the table is closed for them.
void LeaveForCoins(app::Client& client, std::uint8_t changeRoomSeats) {
    ui::Window& main = client.table.window;
    settle::ShowCentred(main, client.score.window);
    const bool changeRoom = (changeRoomSeats & rules::OwnSeatBit(client.tableState)) != 0;
    client.otherExit.Label1.caption = changeRoom ? "您的金币不够，请更换房间或充值后继续游戏！"
                                                 : "您的金币不够，请领取低保或充值后继续游戏！";
    if (!main.minimized) {
        client.otherExit.window.topmost = true;
        settle::ShowCentred(main, client.otherExit.window);
    }
    for (std::size_t p = 1; p < 4; ++p)
        EmptySeat(client, p);
    client.ports.timers.Stop(platform::TimerId::KeepAlive);
    client.settle.ready.on = false;
    client.net.linkCheck = false;
    client.net.linkCheckCounter = 0;
    client.protocol.dealInProgress = false;
    client.settle.TableCleared = false;

    client.ports.socket.Close();
    if (!main.minimized) {
        settle::ShowCentred(main, client.hero.window);
        settle::ShowCentred(main, client.score.window);
    }
    client.ports.timers.PumpWait(2.0);
    if (client.app.ended)
        return;
    client.net.receive.ResetIndices();
    client.net.transmit.ResetIndices();
    client.players.seatedCount = 0;
    client.otherExit.window.topmost = true;
    settle::ShowCentred(main, client.otherExit.window);

    net::LeaveTable(client);
    if (client.props.ShowState == 1)
        client.props.CloseAfterBoard = true;
    else if (client.props.Prop_GameDllState > 0)
        props::ShutDownPlugin(client);
}

}  // namespace

void HandleTableStatus(app::Client& client, const net::GameFrame& frame) {
    const std::uint8_t subCode = frame[net::offset::kSubCode];
    settle::SettleState& settle = client.settle;
    if (subCode == kTableStatus) {
        if (client.protocol.g_bTimeLimit) {
            client.protocol.g_bTimeLimit = false;
            if (frame[11] == 1)
                settle.randomSeating = true;
            PlaceClockAndNotice(client);
            settle.noticePlaced = true;
            if (frame[13] == 1) {
                table::StartShuffleNotice(client);
                ShowSecondPane(client);
            }
        }
        if (frame[13] == 1 || settle.WealthMultiplier == 0) {
            HideWealthMultiplier(client);
            return;
        }
        settle.WealthMultiplier = static_cast<std::int32_t>(frame.U32Le(16));
        ShowWealthMultiplier(client, settle.WealthMultiplier);
        return;
    }
    if (subCode == 1 || subCode == 2)
        return;

    table::EndShuffleNotice(client);
    settle.noticePlaced = false;
    client.table.WebBrowser2.visible = false;
    for (std::uint8_t bit : {1, 2, 4, 8}) {
        if ((frame[net::offset::kSeat] & bit) == 0)
            continue;
        const int p = rules::ScreenPosition(bit, rules::OwnSeatBit(client.tableState));
        ui::TableWindow::SetLine(client.table.Sysmsg[0],
                                 "玩家" +
                                     client.players.records[static_cast<std::size_t>(p)].nickname +
                                     "金币不够，退出游戏！");
        settle.TableCleared = false;
        client.protocol.dealInProgress = false;
        if (p == 0) {
            LeaveForCoins(client, frame[11]);
            return;
        }
    }
}

}  // namespace vantry::protocol
