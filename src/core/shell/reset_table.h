#pragma once

#include "app/client.h"

namespace vantry::shell {

// Empties the table after leaving it or losing the server: the connection is
// closed, the main loop and the keep-alive stop, the seats, boards, records
// file and message lines are emptied, and the main window is minimised so
// that the lobby has control. The launch parameters and the permission to
// reconnect stay, so that the lobby can ask for a new connection.
void ResetTable(app::Client& client);

}  // namespace vantry::shell
