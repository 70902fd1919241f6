#pragma once
// Loading and shutting down the props plugin, as the table decides it.

#include <memory>

#include "app/client.h"
#include "props/prop_plugin.h"

namespace vantry::props {

// Loads the plugin beside the executable and marks it loaded.
void LoadPlugin(app::Client& client);
// Makes the plugin object from plugin/tools/PropDll.so beside the executable;
// nothing when the library or its factory is missing.
std::unique_ptr<PropPlugin> CreatePluginObject(app::Client& client);
// Shuts the plugin down (nothing happens when it is not loaded).
void ShutDownPlugin(app::Client& client);

}  // namespace vantry::props
