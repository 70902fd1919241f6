#pragma once
// Decoded pictures for the renderer: each picture is made once and reused.

#include <QPixmap>
#include <map>
#include <string>

#include "ui/control.h"

namespace vantry::qt {

class PictureCache {
  public:
    // The pixmap of a picture reference, or a null pixmap when there is none.
    const QPixmap& Get(const ui::Picture& picture);

  private:
    QPixmap Make(const ui::Picture& picture) const;
    std::map<int, QPixmap> byId_;
    std::map<std::string, QPixmap> byName_;
};

}  // namespace vantry::qt
