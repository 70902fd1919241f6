#pragma once
// What the message handlers keep about the connection and the deal.

#include <array>
#include <cstdint>
#include <string>

namespace vantry::protocol {

struct ProtocolState {
    std::uint64_t framesDispatched = 0;  // diagnostics: frames handed to the dispatcher
    std::uint8_t lastDispatchedType = 0;

    bool loginAccepted = false;     // the table's clocks run only while set
    bool reconnectAllowed = false;  // a lost connection is answered by reconnecting
    bool reconnected = false;       // a reconnection result has been accepted
    bool dealInProgress = false;
    bool dealStartedSinceLogin = false;
    bool g_bTimeLimit = false;    // the next table status places the clock and notice
    int unattendedLimit = 0;      // play time-outs in a row before the boss key; 0 never
    std::uint32_t dealKey = 0;    // echoed by the reconnect frame
    std::string adAddress;        // first advertisement pane
    std::string secondAdAddress;  // the same + ".gamead"
    std::array<std::int32_t, 4> seatWealth{};  // the multiplier each seated player brought
};

}  // namespace vantry::protocol
