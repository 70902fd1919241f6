#include "protocol/dispatcher.h"

namespace vantry::protocol {

void DispatchFrame(app::Client& client, net::GameFrame& frame) {
    ProtocolState& state = client.protocol;
    ++state.framesDispatched;
    state.lastDispatchedType = frame.Type();
    if (!frame.Is(net::MessageType::ReconnectResult)) {
        client.net.linkToken[0] = frame[net::offset::kLinkToken];
        client.net.linkToken[1] = frame[net::offset::kLinkToken + 1];
    }
    // The message handlers are routed from here as they are built.
}

}  // namespace vantry::protocol
