#include "protocol/wealth_display.h"

#include <algorithm>

namespace vantry::protocol {

void HideWealthMultiplier(app::Client& client) {
    client.table.Imgwealth.visible = false;
    client.table.lbwealth.visible = false;
}

void ShowWealthMultiplier(app::Client& client, std::int64_t value) {
    ui::Control& label = client.table.lbwealth;
    const float sx = client.app.ScaleX;
    const float sy = client.app.ScaleY;
    const float offset = kWealthOffset;
    label.caption = std::to_string(value);
    float left = 0;
    float top = 0;
    const bool wide = value > 99;
    if (sx >= 1) {
        left = wide ? 56 * sx - 4 * sx : 56 * sx;
        top = wide ? (619 - offset) * sy + 3 * sy : (618 - offset) * sy;
    } else {
        left = wide ? 56 * sx - 4 * sx + 10 : 56 * sx + 8;
        top = wide ? (616 - offset) * sy + 5 * sy : (620 - offset) * sy;
    }
    label.fontSize = wide ? 13 : 18;
    label.Move(static_cast<int>(left), static_cast<int>(top));
    client.table.Imgwealth.visible = true;
    label.visible = true;
}

void UpdateWealthDisplay(app::Client& client) {
    if (client.settle.WealthMultiplier == 0) {
        HideWealthMultiplier(client);
        return;
    }
    std::int64_t smallest = 0;
    for (std::int32_t v : client.protocol.seatWealth)
        if (v > 0 && (smallest == 0 || v < smallest))
            smallest = v;
    ShowWealthMultiplier(client, smallest);
}

}  // namespace vantry::protocol
