#pragma once
// Loading and shutting down the props plugin, as the table decides it.

#include "app/client.h"

namespace vantry::props {

// Loads the plugin beside the executable and marks it loaded.
void LoadPlugin(app::Client& client);
// Shuts the plugin down (nothing happens when it is not loaded).
void ShutDownPlugin(app::Client& client);

}  // namespace vantry::props
