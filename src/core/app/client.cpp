#include "app/client.h"

#include "sound/sound.h"

namespace vantry::app {

void EndClient(Client& client) {
    if (client.app.ended)
        return;
    sound::ShutdownSound(client);
    client.app.ended = true;
    client.ports.timers.Stop(platform::TimerId::Bong);
    client.ports.process.Quit();
}

}  // namespace vantry::app
