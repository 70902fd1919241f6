#pragma once
// The clock of the local player's declaration turn, run by the main-loop tick.

#include "app/client.h"

namespace vantry::protocol {

// One step of the tick: a second every 21 ticks; when the time runs out the
// buttons and the clock go away and the client says nothing (不说话) by itself.
void StepDeclarationCountdown(app::Client& client);

}  // namespace vantry::protocol
