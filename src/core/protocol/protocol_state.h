#pragma once

#include <cstdint>

namespace vantry::protocol {

struct ProtocolState {
    std::uint64_t framesDispatched = 0;  // diagnostics: frames handed to the dispatcher
    std::uint8_t lastDispatchedType = 0;
    bool reconnected = false;  // a reconnection result has been accepted
};

}  // namespace vantry::protocol
