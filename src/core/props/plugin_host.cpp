#include "props/plugin_host.h"

namespace vantry::props {

// The plugin itself is driven by the plugin host; until it exists the table
// only records the decision, and no plugin object is ever present.
void LoadPlugin(app::Client& client) {
    client.props.decision = PluginDecision::Loaded;
}

std::unique_ptr<PropPlugin> CreatePluginObject(app::Client& client) {
    return client.ports.plugins.Load(client.ports.process.ExecutableDir() + "/" + kPluginPath);
}

void ShutDownPlugin(app::Client& client) {
    client.props.Prop_GameDllState = 0;
}

// No plugin object is held yet (see LoadPlugin), so there is nobody to tell.
void SetBankState(app::Client& /*client*/, std::int16_t /*state*/) {}

}  // namespace vantry::props
