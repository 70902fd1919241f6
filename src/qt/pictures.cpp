#include "pictures.h"

#include <QDir>
#include <QResource>
#include <algorithm>

// The embedded pictures live in a static library; registering them by hand
// keeps the linker from dropping them.
static void RegisterEmbeddedPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace vantry::qt {
namespace {

QByteArray EmbeddedBytes(const QString& path) {
    RegisterEmbeddedPictures();
    QResource resource(path);
    if (!resource.isValid() || resource.size() == 0)
        return {};
    return resource.uncompressedData();
}

}  // namespace

QByteArray ResourcePictureBytes(int id) {
    return EmbeddedBytes(QStringLiteral(":/GIF/%1").arg(id));
}

QImage DecodeResourcePicture(int id) {
    const QByteArray bytes = ResourcePictureBytes(id);
    if (bytes.isEmpty())
        return {};
    return QImage::fromData(bytes, "GIF");
}

QImage DecodeWindowBitmap(std::string_view name) {
    const QByteArray bytes =
        EmbeddedBytes(QStringLiteral(":/bitmaps/") +
                      QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (bytes.isEmpty())
        return {};
    return QImage::fromData(bytes, "PNG");
}

std::vector<int> EmbeddedResourceIds() {
    RegisterEmbeddedPictures();
    std::vector<int> ids;
    for (const QString& entry : QDir(QStringLiteral(":/GIF")).entryList(QDir::Files)) {
        bool ok = false;
        const int id = entry.toInt(&ok);
        if (ok)
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

PictureCache::PictureCache() {
    RegisterEmbeddedPictures();
}

const QPixmap& PictureCache::Get(const ui::Picture& picture) {
    static const QPixmap none;
    if (picture.resourceId != 0) {
        auto it = byId_.find(picture.resourceId);
        if (it == byId_.end())
            it = byId_
                     .emplace(picture.resourceId,
                              QPixmap::fromImage(DecodeResourcePicture(picture.resourceId)))
                     .first;
        return it->second;
    }
    if (!picture.bitmap.empty()) {
        auto it = byName_.find(picture.bitmap);
        if (it == byName_.end())
            it =
                byName_
                    .emplace(picture.bitmap, QPixmap::fromImage(DecodeWindowBitmap(picture.bitmap)))
                    .first;
        return it->second;
    }
    return none;
}

}  // namespace vantry::qt
