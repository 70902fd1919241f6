#include "app/client.h"

namespace vantry::app {

void EndClient(Client& client) {
    if (client.app.ended)
        return;
    client.app.ended = true;
    client.ports.timers.Stop(platform::TimerId::Bong);
    client.ports.process.Quit();
}

}  // namespace vantry::app
