#pragma once
// The one path by which a play leaves the client.

#include "app/client.h"

namespace vantry::table {

// Checks the raised cards against the rules; a legal play is sent once per
// turn, drawn on the table at once and taken out of the hand. An illegal one
// shows the notice and changes nothing.
void SubmitPlay(app::Client& client);

// Queues the pass of the local player (type 7, sub-code 1).
void SendPass(app::Client& client);

// The illegal-play notice over the table window.
void ShowIllegalPlayNotice(app::Client& client);

}  // namespace vantry::table
