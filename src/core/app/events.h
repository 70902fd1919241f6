#pragma once
// The entry points of every event into the core. The Qt layer and the tests
// call these and nothing else that changes state.

#include <span>
#include <string_view>

#include "app/client.h"

namespace vantry::app {

void OnTimer(Client& client, platform::TimerId id);
void OnBytesArrived(Client& client, std::span<const std::uint8_t> bytes);
void OnSocketClosedByPeer(Client& client);
void OnWindowMessage(Client& client, const platform::WindowMessage& message);

}  // namespace vantry::app
