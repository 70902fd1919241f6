#pragma once
// Where every element of the table sits, and the reset of the table between
// deals.

#include "app/client.h"

namespace vantry::table {

// Clears the table for a new deal or a return to the lobby.
void ClearTable(app::Client& client);

// The notice that the room changes seats at random before the deal.
void StartShuffleNotice(app::Client& client);
void StopShuffleNotice(app::Client& client);

}  // namespace vantry::table
