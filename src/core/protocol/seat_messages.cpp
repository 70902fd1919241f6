// Players joining and leaving, the table closed, players ready.

#include "app/players.h"
#include "platform/ports.h"
#include "props/plugin_host.h"
#include "protocol/handlers.h"
#include "protocol/wealth_display.h"
#include "rules/table_state.h"
#include "settle/board_input.h"
#include "settle/settlement.h"
#include "shell/lobby.h"
#include "table/layout.h"
#include "text/gbk.h"

namespace vantry::protocol {
namespace {

constexpr std::size_t kJoinSeat = 226;
constexpr std::size_t kJoinReady = 208;
constexpr std::size_t kJoinWealth = 234;
constexpr std::size_t kJoinNoPlugin = 255;
constexpr std::size_t kAccountFrom = 16;
constexpr std::size_t kAccountEnd = 32;  // bytes 16..31
constexpr int kKeepAliveMs = 5000;

// An account of one byte per character (GBK codes below 0x80 are ASCII).
std::string AccountAt(const net::GameFrame& f, std::size_t from, std::size_t end,
                      bool firstBytePlusOne = false) {
    std::string raw = net::TextBytes(f, from, end);
    if (firstBytePlusOne && !raw.empty())
        raw[0] = static_cast<char>(raw[0] - 1);
    return text::FromGbk(raw);
}

void StopShuffleNotice(app::Client& client) {
    table::EndShuffleNotice(client);
    client.table.WebBrowser2.visible = false;
}

bool OthersAllReady(const app::Client& client) {
    const auto& ok = client.table.OK;
    return ok[1].visible && ok[2].visible && ok[3].visible;
}

// The table is cleared for the first deal once it is full or everybody is ready.
void ClearForFirstDeal(app::Client& client) {
    table::ClearTable(client);
    app::ResetSeatHands(client);
    client.settle.TableCleared = true;
}

void RestoreTableWindow(app::Client& client) {
    client.table.window.minimized = false;
    shell::MinimizeLobby(client);
}

}  // namespace

void HandlePlayerJoin(app::Client& client, const net::GameFrame& frame) {
    StopShuffleNotice(client);
    app::PlayerRecord joined;
    app::DecodePlayer(frame, joined);
    ++client.players.joinCounter;

    rules::TableState& table = client.tableState;
    if (rules::OwnSeatBit(table) == 0)
        table.seats[0].seatBit = frame[net::offset::kSeat] & 0x0F;
    const int p = rules::ScreenPosition(frame[kJoinSeat], rules::OwnSeatBit(table));
    const auto at = static_cast<std::size_t>(p);
    if (p == 0)
        client.buttons.startDisabled = false;

    ++client.players.seatedCount;
    if (client.players.seatedCount == 4 && !client.protocol.dealStartedSinceLogin) {
        RestoreTableWindow(client);
        if (client.app.ended)
            return;
    }

    table.seats[at].name = joined.account;
    if (p != 0)
        table.seats[at].seatBit = frame[kJoinSeat] & 0x0F;
    client.players.records[at] = joined;

    props::PropsState& props = client.props;
    if (frame[kJoinNoPlugin] != 0 || client.app.launch.Prop_swicth != 1) {
        props.decision = props::PluginDecision::NeverLoad;
    } else if (props.decision == props::PluginDecision::Undecided) {
        props::LoadPlugin(client);
    }
    client.table.Tou[at].visible = true;

    if (frame[kJoinReady] == 1) {
        client.table.OK[at].visible = true;
        client.table.zorder.BringToFront(client.table.OK[at]);
    }
    if (OthersAllReady(client) && !client.protocol.dealStartedSinceLogin)
        ClearForFirstDeal(client);
    app::ShowPlayer(client, p);  // also gives OK(p) the ready mark of the coin tier

    if (client.players.seatedCount == 4 && !client.settle.TableCleared) {
        ClearForFirstDeal(client);
        ui::TableWindow::SetLine(client.table.Sysmsg[0], "游戏将在15秒内开始");
    }
    if (client.players.joinCounter == 3) {
        client.players.joinCounter = 4;
        app::AssignVoices(client.players, client.ports.random);
    }

    client.settle.WealthMultiplier = static_cast<std::int32_t>(frame.U32Le(kJoinWealth));
    if (client.settle.WealthMultiplier == 0) {
        HideWealthMultiplier(client);
        return;
    }
    client.table.lbfont[1].caption = "最少金币定倍数";
    client.table.lbfont[2].caption = "个人金币数封顶";
    client.table.lbfont[1].visible = client.table.lbfont[2].visible = true;
    client.protocol.seatWealth[at] = client.settle.WealthMultiplier;
    UpdateWealthDisplay(client);
}

void HandlePlayerLeave(app::Client& client, const net::GameFrame& frame) {
    StopShuffleNotice(client);
    const std::string account = AccountAt(frame, kAccountFrom, kAccountEnd, frame[8] == 1);
    rules::TableState& table = client.tableState;
    if (!account.empty() && account == table.seats[0].name) {
        app::EndClient(client);
        return;
    }
    for (std::size_t p = 1; p < 4 && !account.empty(); ++p) {
        if (table.seats[p].name != account)
            continue;
        client.settle.TableCleared = false;
        --client.players.seatedCount;
        const platform::TimeOfDay t = client.ports.timers.LocalTime();
        ui::TableWindow::SetLine(client.table.Sysmsg[1],
                                 client.players.records[p].nickname + "退出了游戏 " +
                                     std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
                                     std::to_string(t.second));
        client.table.Sysmsg[0].rows.clear();
        app::ClearPlayer(client, static_cast<int>(p));
        if (client.settle.WealthMultiplier != 0) {
            client.protocol.seatWealth[p] = 0;
            UpdateWealthDisplay(client);
        } else {
            HideWealthMultiplier(client);
        }
    }
    if (client.protocol.g_bTimeLimit) {
        client.protocol.g_bTimeLimit = false;
        client.buttons.startDisabled = false;
        client.protocol.dealInProgress = false;
        client.buttons.localReady = false;
        client.settle.TableCleared = false;
        const int seconds = client.tableState.FastTurn ? 1 : frame[11] == 1 ? 10 : 12;
        settle::StartReadyCountdown(client, seconds, ui::kBlack);
    }
    if (!client.ports.timers.IsRunning(platform::TimerId::KeepAlive))
        client.ports.timers.Start(platform::TimerId::KeepAlive, kKeepAliveMs);
    client.protocol.g_bTimeLimit = true;
}

void HandleTableClosed(app::Client& client, const net::GameFrame& frame) {
    client.protocol.dealInProgress = false;
    if (!client.tableState.FastTurn)
        settle::ShowCentred(client.table.window, client.hero.window);
    client.ports.timers.PumpWait(2.0);
    if (client.app.ended)
        return;
    const std::string gbk = net::TextBytes(frame, 16, 216);
    if (client.props.ShowState == 1)
        client.props.CloseAfterBoard = true;
    else if (client.props.Prop_GameDllState > 0)
        props::ShutDownPlugin(client);
    client.otherExit.Label1.caption = text::FromGbk(gbk);
    client.otherExit.window.topmost = true;
    settle::ShowCentred(client.table.window, client.otherExit.window);
}

void HandlePlayerReady(app::Client& client, const net::GameFrame& frame) {
    const std::string account = AccountAt(frame, kAccountFrom, kAccountEnd);
    if (frame[net::offset::kSubCode] == 1) {
        for (std::size_t p = 0; p < 4; ++p) {
            if (client.table.Nid[p].caption.empty() || client.tableState.seats[p].name != account)
                continue;
            client.table.OK[p].visible = true;
            client.table.zorder.BringToFront(client.table.OK[p]);
        }
    }
    if (OthersAllReady(client) && !client.protocol.dealStartedSinceLogin)
        ClearForFirstDeal(client);
}

}  // namespace vantry::protocol
