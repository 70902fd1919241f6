#pragma once

#include "app/client.h"

namespace vantry::net {

// Tells the server the player leaves the table and stops the connection work.
void LeaveTable(app::Client& client);

}  // namespace vantry::net
