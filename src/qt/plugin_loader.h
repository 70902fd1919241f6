#pragma once
// Loads the props plugin from its shared library.

#include <QString>
#include <memory>

#include "platform/ports.h"
#include "props/prop_plugin.h"

namespace vantry::qt {

// The plugin object made by the library's factory, or nothing when the file,
// the library or its factory is missing. `error` tells why.
std::unique_ptr<props::PropPlugin> LoadPropPlugin(const QString& path, QString* error = nullptr);

// The plugin-loader port: the same, with the reason written to the log.
class QtPluginLoader final : public platform::PluginLoader {
  public:
    std::unique_ptr<props::PropPlugin> Load(const std::string& path) override;
};

}  // namespace vantry::qt
