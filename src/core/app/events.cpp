#include "app/events.h"

#include "app/main_loop.h"
#include "net/connection.h"
#include "net/link.h"
#include "settle/board_input.h"
#include "table/action_buttons.h"
#include "table/bottom_bar.h"
#include "table/declaration_buttons.h"
#include "table/hand.h"
#include "table/hover.h"
#include "table/layout.h"

namespace vantry::app {

void OnTimer(Client& client, platform::TimerId id) {
    if (client.app.ended)
        return;
    switch (id) {
        case platform::TimerId::Bong:
            TimerBongTick(client);
            break;
        case platform::TimerId::KeepAlive:
            net::OnKeepAliveTimer(client);
            break;
        case platform::TimerId::ReconnectRetry:
            net::OnReconnectRetryTimer(client);
            break;
        case platform::TimerId::Shuffle:
            table::OnShuffleTimer(client);
            break;
        case platform::TimerId::Former:
            table::OnFormerTimer(client);
            break;
        default:
            break;
    }
}

void OnBytesArrived(Client& client, std::span<const std::uint8_t> bytes) {
    net::OnBytesArrived(client, bytes);
}

void OnSocketClosedByPeer(Client& client) {
    if (client.app.ended)
        return;
    net::OnSocketClosedByPeer(client);
}

void OnWindowMessage(Client& client, const platform::WindowMessage& message) {
    // The lobby's connect, close, leave and status messages are answered by
    // the window shell; until then they are received and dropped.
}

}  // namespace vantry::app

namespace vantry::app {

void OnMouse(Client& client, const ui::ControlRef& control, const ui::MouseEvent& event) {
    if (client.app.ended)
        return;
    if (settle::OnBoardMouse(client, control, event))
        return;
    if (table::OnActionButton(client, control, event))
        return;
    if (table::OnDeclarationButton(client, control, event) ||
        table::OnBottomBarClick(client, control, event) ||
        table::OnHoverMouse(client, control, event))
        return;
    if (table::OnTableMouse(client, control, event))
        return;
}

void OnKey(Client& client, const ui::ControlRef& focus, const ui::KeyEvent& event) {
    if (client.app.ended)
        return;
    table::OnTableKey(client, focus, event);
}

}  // namespace vantry::app
