#pragma once
// The platform's web host and the pages the table opens on it. The host is
// the one setting of the client that does not come from the launch argument.

namespace vantry::shell {

inline constexpr const char* kPlatformWebHost = "https://www.vantry.example";
inline constexpr const char* kRulesPagePath = "/gameinfo/vantry/index.php";

}  // namespace vantry::shell
