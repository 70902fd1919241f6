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

}  // namespace vantry::props
