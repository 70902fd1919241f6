#pragma once
// The play countdown of the current turn, run by the main-loop tick.

#include "app/client.h"

namespace vantry::protocol {

// One step of the tick: a second every 20 ticks; at time-out the client
// passes, or plays its lowest card when it must lead.
void StepPlayCountdown(app::Client& client);

}  // namespace vantry::protocol
