#pragma once
// Loading and shutting down the props plugin, as the table decides it.

#include <cstdint>
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
// Tells the plugin's storage panel to change state (2: a table window opened
// over it); nothing happens when the plugin is not loaded.
void SetBankState(app::Client& client, std::int16_t state);

}  // namespace vantry::props
