// The end of a deal: settlement records and the table status between deals.

#include "protocol/handlers.h"
#include "settle/settlement.h"

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

}  // namespace vantry::protocol
