#pragma once
// The room's wealth multiplier shown beside the local seat.

#include <cstdint>

#include "app/client.h"

namespace vantry::protocol {

// How far above its design place the wealth display sits.
inline constexpr float kWealthOffset = 100;

// Puts `value` on the wealth label, placed and sized for it, and shows it.
void ShowWealthMultiplier(app::Client& client, std::int64_t value);
void HideWealthMultiplier(app::Client& client);

// The smallest multiplier the seated players brought, or hidden without one.
void UpdateWealthDisplay(app::Client& client);

}  // namespace vantry::protocol
