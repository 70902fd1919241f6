#include "table/pictures.h"

namespace vantry::table {

void BuildPictureTables(PictureTables& tables, float scaleX) {
    const bool small = scaleX != 1.0f;
    for (int i = 0; i < static_cast<int>(tables.bottomBar.size()); ++i) {
        tables.bottomBar[static_cast<std::size_t>(i)] = (small && i >= 2) ? 281 + i : 150 + i;
    }
}

bool SetResourcePicture(ui::Control& control, int id) {
    if (id <= 0)
        return false;
    control.picture = ui::Picture{id, {}};
    return true;
}

}  // namespace vantry::table
