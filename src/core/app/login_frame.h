#pragma once

#include <optional>

#include "app/launch_params.h"
#include "net/frame.h"

namespace vantry::app {

// The type-18 login frame: byte 14 = 1, the account one byte per character
// from byte 16 and the login key from byte 32 (an account longer than 16
// characters runs into the key's place and is overwritten by it). Nothing
// when a character does not fit one byte, the account is longer than 256
// characters or the key longer than 240.
std::optional<net::GameFrame> BuildLoginFrame(const LaunchParams& params);

}  // namespace vantry::app
