#include "app/client.h"

#include "sound/sound.h"

namespace vantry::app {

void EndClient(Client& client) {
    if (client.app.ended)
        return;
    sound::ShutdownSound(client);
    client.app.ended = true;
    StopMainLoop(client);
    client.ports.process.Quit();
}

void StartMainLoop(Client& client) {
    client.app.mainLoopOn = true;
    client.ports.timers.Start(platform::TimerId::Bong, kMainLoopMs);
}

void StopMainLoop(Client& client) {
    client.app.mainLoopOn = false;
    client.ports.timers.Stop(platform::TimerId::Bong);
}

}  // namespace vantry::app
