#include "plugin_loader.h"

#include <QLibrary>

namespace vantry::qt {

std::unique_ptr<props::PropPlugin> LoadPropPlugin(const QString& path, QString* error) {
    // The library stays loaded for the life of the process: the object's code
    // lives in it.
    QLibrary library(path);
    auto create = reinterpret_cast<props::CreatePropPlugin>(library.resolve(props::kFactoryName));
    if (!create) {
        if (error)
            *error = library.errorString();
        return nullptr;
    }
    std::unique_ptr<props::PropPlugin> plugin(create());
    if (!plugin && error)
        *error = QStringLiteral("the factory made no plugin");
    return plugin;
}

}  // namespace vantry::qt
