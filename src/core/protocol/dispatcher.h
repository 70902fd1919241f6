#pragma once

#include "app/client.h"
#include "net/frame.h"

namespace vantry::protocol {

// Takes one received frame: records the link token, then routes by type.
void DispatchFrame(app::Client& client, net::GameFrame& frame);

}  // namespace vantry::protocol
