#include "plugin_loader.h"

#include <QFile>
#include <QLibrary>

namespace vantry::qt {

std::unique_ptr<props::PropPlugin> LoadPropPlugin(const QString& path, QString* error) {
    // The library stays loaded for the life of the process: the object's code
    // lives in it.
    // A library loaded once stays known by its path, so the file is checked
    // first: a plugin removed since then is not there.
    if (!QFile::exists(path)) {
        if (error)
            *error = QStringLiteral("no such file");
        return nullptr;
    }
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

std::unique_ptr<props::PropPlugin> QtPluginLoader::Load(const std::string& path) {
    QString error;
    auto plugin = LoadPropPlugin(QString::fromStdString(path), &error);
    if (!plugin)
        qInfo("vantry: no props plugin from %s: %s", path.c_str(), qPrintable(error));
    return plugin;
}

}  // namespace vantry::qt
