#include "protocol/dispatcher.h"

#include "protocol/handlers.h"

namespace vantry::protocol {

using net::MessageType;

void DispatchFrame(app::Client& client, net::GameFrame& frame) {
    ProtocolState& state = client.protocol;
    ++state.framesDispatched;
    state.lastDispatchedType = frame.Type();
    if (!frame.Is(MessageType::ReconnectResult)) {
        client.net.linkToken[0] = frame[net::offset::kLinkToken];
        client.net.linkToken[1] = frame[net::offset::kLinkToken + 1];
    }
    switch (static_cast<MessageType>(frame.Type())) {
        case MessageType::DealStart:
            return HandleDealStart(client, frame);
        case MessageType::Options:
            return HandleDeclarationTurn(client, frame);
        case MessageType::Declaration:
            return HandleDeclarationBroadcast(client, frame);
        case MessageType::Play:
            return HandlePlay(client, frame);
        case MessageType::Settlement:
            return HandleSettlementRecord(client, frame);
        case MessageType::TableStatus:
            return HandleTableStatus(client, frame);
        case MessageType::Login:
            return HandleLoginResult(client, frame);
        case MessageType::Chat:
            return frame.IsChatFrame() ? HandleChat(client, frame)
                                       : HandlePluginFrame(client, frame);
        case MessageType::PlayerJoin:
            return HandlePlayerJoin(client, frame);
        case MessageType::PlayerLeave:
            return HandlePlayerLeave(client, frame);
        case MessageType::TableClosed:
            return HandleTableClosed(client, frame);
        case MessageType::PlayerReady:
            return HandlePlayerReady(client, frame);
        case MessageType::ReconnectResult:
            return HandleReconnectResult(client, frame);
        default:
            return HandlePluginFrame(client, frame);
    }
}

}  // namespace vantry::protocol
