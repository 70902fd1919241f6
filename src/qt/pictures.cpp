#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace vantry::qt {
namespace {

// The plain table felt shown until the generated artwork is embedded.
QPixmap FeltTable(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QRadialGradient felt(width / 2.0, height / 2.4, width * 0.7);
    felt.setColorAt(0.0, QColor(0x2f, 0x8a, 0x4a));
    felt.setColorAt(1.0, QColor(0x0f, 0x4a, 0x26));
    p.fillRect(pixmap.rect(), felt);
    return pixmap;
}

}  // namespace

const QPixmap& PictureCache::Get(const ui::Picture& picture) {
    static const QPixmap none;
    if (picture.resourceId != 0) {
        auto it = byId_.find(picture.resourceId);
        if (it == byId_.end())
            it = byId_.emplace(picture.resourceId, Make(picture)).first;
        return it->second;
    }
    if (!picture.bitmap.empty()) {
        auto it = byName_.find(picture.bitmap);
        if (it == byName_.end())
            it = byName_.emplace(picture.bitmap, Make(picture)).first;
        return it->second;
    }
    return none;
}

QPixmap PictureCache::Make(const ui::Picture& picture) const {
    if (picture.bitmap == "table")
        return FeltTable(1024, 768);
    if (picture.bitmap == "table-small")
        return FeltTable(800, 600);
    return {};
}

}  // namespace vantry::qt
