#pragma once
// The sound effects of the table, by their path relative to the client's
// folder. Played once, at the table's effect volume, when effects are on.

#include "app/client.h"

namespace vantry::table {

void PlayTableSound(app::Client& client, const char* relativePath);

inline constexpr const char* kRaiseSound = "\\..\\common\\pk\\sys020.wav";
inline constexpr const char* kLowerSound = "\\..\\common\\pk\\sys030.wav";
inline constexpr const char* kDealSound = "\\..\\common\\voices\\sys010.wav";
inline constexpr const char* kPlaySound = "\\..\\common\\pk\\sys070.wav";

}  // namespace vantry::table
