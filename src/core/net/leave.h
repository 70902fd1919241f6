#pragma once

#include "app/client.h"

namespace vantry::net {

// Stops what keeps the connection going: the rings' pending work, the login
// poll, the link check, a reconnection under way, the main loop, the
// keep-alive, and the play and ready clocks.
void StopConnectionWork(app::Client& client);

// Tells the server the player leaves the table and stops the connection work.
void LeaveTable(app::Client& client);

}  // namespace vantry::net
