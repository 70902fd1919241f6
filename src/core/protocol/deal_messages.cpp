// The deal start, and a seat's hand turned face up.

#include "net/send_frame.h"
#include "protocol/handlers.h"
#include "rules/table_state.h"
#include "shell/lobby.h"
#include "table/layout.h"
#include "table/played_cards.h"
#include "text/gbk.h"

namespace vantry::protocol {
namespace {

constexpr std::uint8_t kNewDeal = 0;
constexpr std::uint8_t kHandShown = 1;
constexpr std::size_t kFeeLabelOnly = 40;
constexpr std::size_t kFeeLabelFrom = 41;
constexpr std::size_t kFeeLabelEnd = 61;

std::string FeeLabel(const net::GameFrame& frame) {
    return text::FromGbk(net::TextBytes(frame, kFeeLabelFrom, kFeeLabelEnd));
}

void StartDeal(app::Client& client, const net::GameFrame& frame) {
    net::ConnectionState& net = client.net;
    // The plugin frames kept back at the end of the last deal go first.
    for (net::HeldFrame& held : net.held) {
        if (held.frame.Type() == 0 || held.hold)
            continue;
        net::SendFrame(net, held.frame);
        held.frame[net::offset::kType] = 0;
    }
    net.holdPlayerLeave = false;
    net.held[1].hold = false;
    client.protocol.dealStartedSinceLogin = true;

    settle::DealSnapshot& snapshot = client.settle.snapshot;
    for (std::size_t p = 0; p < 4; ++p)
        snapshot.cashCaptions[p] = client.table.Cash[p].caption;
    rules::TableState& state = client.tableState;
    state.AnnouncedKind = 0;
    state.PlayMessageCount = 0;
    table::ClearTable(client);
    client.props.PropsLines = {};
    client.props.PropsBonus = {};

    shell::LobbyNotify(client, shell::msg::kDealStarted);
    if (client.table.window.minimized && !state.FastTurn) {
        client.table.window.minimized = false;
        shell::MinimizeLobby(client);
        if (client.app.ended)
            return;
    }
    for (std::size_t p = 1; p < 4; ++p)
        snapshot.accountNames[p - 1] = state.seats[p].name;
    client.protocol.dealKey = frame.U32Le(net::offset::kDealKey);
    client.protocol.g_bTimeLimit = true;
    client.ports.timers.Stop(platform::TimerId::KeepAlive);

    client.settle.ready.on = false;
    state.PlayClockOn = false;
    for (ui::Control& mark : client.table.OK)
        mark.visible = false;
    rules::ResetForNewDeal(state);
    snapshot.FeeLabelOnly = frame[kFeeLabelOnly] == 1;
    snapshot.FeeLabel = FeeLabel(frame);

    table::ShowDealtHand(client, frame);

    client.protocol.dealInProgress = true;
    state.RevealedSeat = rules::kNoRevealedSeat;
    state.MustLead = false;
    snapshot.DealWealthText =
        client.settle.WealthMultiplier != 0 ? client.table.lbwealth.caption : "1";
}

}  // namespace

void HandleDealStart(app::Client& client, const net::GameFrame& frame) {
    client.tableState.MyTurn = false;
    switch (frame[11]) {
        case kNewDeal:
            return StartDeal(client, frame);
        case kHandShown: {
            rules::TableState& state = client.tableState;
            const int p =
                rules::ScreenPosition(frame[net::offset::kSeat], rules::OwnSeatBit(state));
            state.RevealedSeat = static_cast<std::int16_t>(p);
            if (p != 0)
                table::ShowTurnedUpHand(client, frame, p);
            return;
        }
        default:
            return;
    }
}

}  // namespace vantry::protocol
