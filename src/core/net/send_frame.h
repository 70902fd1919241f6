#pragma once

#include "net/connection_state.h"

namespace vantry::net {

// Queues one frame for the main loop to send. A chat frame takes its text from
// the pending chat text (first 100 characters, GBK from byte 16) and queues
// nothing when there is none. Every frame gets the current link token.
void SendFrame(ConnectionState& net, GameFrame& frame);

}  // namespace vantry::net
