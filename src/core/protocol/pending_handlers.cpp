// Handlers of message families whose behaviour is not built yet: the frames
// are taken from the ring (and their link token recorded) and otherwise
// dropped. Each moves to its family's own source as it is built.

#include "protocol/handlers.h"

namespace vantry::protocol {

void HandleChat(app::Client&, const net::GameFrame&) {}
void HandlePluginFrame(app::Client&, const net::GameFrame&) {}

}  // namespace vantry::protocol
