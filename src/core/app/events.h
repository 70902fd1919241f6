#pragma once
// The entry points of every event into the core. The Qt layer and the tests
// call these and nothing else that changes state.

#include <span>
#include <string_view>

#include "app/client.h"
#include "ui/input.h"

namespace vantry::app {

void OnTimer(Client& client, platform::TimerId id);
void OnBytesArrived(Client& client, std::span<const std::uint8_t> bytes);
void OnSocketClosedByPeer(Client& client);
void OnWindowMessage(Client& client, const platform::WindowMessage& message);
// Mouse input on a control, and a key pressed while `focus` has the keyboard.
void OnMouse(Client& client, const ui::ControlRef& control, const ui::MouseEvent& event);
void OnKey(Client& client, const ui::ControlRef& focus, const ui::KeyEvent& event);

}  // namespace vantry::app
