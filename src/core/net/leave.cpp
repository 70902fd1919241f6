#include "net/leave.h"

#include "net/link.h"
#include "rules/table_state.h"
#include "table/layout.h"

namespace vantry::net {

void StopConnectionWork(app::Client& client) {
    ConnectionState& net = client.net;
    net.transmit.pending = false;
    net.receive.dataSeen = false;
    net.loginPending = false;
    client.chatFlash.on = false;
    net.linkCheck = false;
    net.linkCheckCounter = 0;
    client.tableState.PlayClockOn = false;
    client.settle.ready.on = false;
    // Whoever leaves the table does not want to be put back at it, and a
    // reconnection still under way would close the next connection the lobby
    // asks for.
    EndReconnectCycle(client);
    app::StopMainLoop(client);
    client.ports.timers.Stop(platform::TimerId::KeepAlive);
}

void LeaveTable(app::Client& client) {
    GameFrame leave = MakeFrame(MessageType::TableStatus);
    leave[offset::kSeat] = rules::OwnSeatBit(client.tableState);
    leave[offset::kSubCode] = 0;

    StopConnectionWork(client);
    if (client.ports.socket.State() == platform::SocketState::Connected)
        client.ports.socket.Send(leave.bytes);
    client.ports.timers.PumpWait(client.protocol.reconnected ? 0.8 : 0.4);
    client.protocol.reconnectAllowed = false;

    table::EndShuffleNotice(client);
    client.settle.noticePlaced = false;
    client.table.WebBrowser2.visible = false;
}

}  // namespace vantry::net
