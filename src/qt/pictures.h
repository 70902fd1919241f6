#pragma once
// The pictures embedded in the client: resource pictures by id (GIF) and the
// bitmaps stored with the windows by name (PNG). Each is decoded once, from
// memory, and reused.

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <map>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace vantry::qt {

// The embedded GIF bytes of a resource picture; empty when there is none.
QByteArray ResourcePictureBytes(int id);

// A resource picture decoded with its transparent colour; null when there is none.
QImage DecodeResourcePicture(int id);

// A window bitmap by name; null when there is none.
QImage DecodeWindowBitmap(std::string_view name);

// Every resource id that has embedded bytes.
std::vector<int> EmbeddedResourceIds();

class PictureCache {
  public:
    PictureCache();

    // The pixmap of a picture reference, or a null pixmap when there is none.
    const QPixmap& Get(const ui::Picture& picture);

  private:
    std::map<int, QPixmap> byId_;
    std::map<std::string, QPixmap> byName_;
};

}  // namespace vantry::qt
