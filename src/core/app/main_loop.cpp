#include "app/main_loop.h"

#include "net/connection.h"
#include "net/link.h"
#include "protocol/declaration_messages.h"
#include "protocol/dispatcher.h"
#include "protocol/play_messages.h"
#include "settle/settlement.h"
#include "shell/lobby.h"

namespace vantry::app {
namespace {

using net::GameFrame;
using net::kFrameSize;
using net::MessageType;

constexpr int kChatFlashTicks = 8;  // 8 x 50 ms = 400 ms per picture change
constexpr int kChatFlashChanges = 8;
constexpr int kBubbleTicks = 20;  // 20 x 50 ms: a bubble stays one second

// A type-45 frame of one of the held kinds is kept back instead of sent while
// its hold flag is set. Returns true when the frame was captured.
bool CaptureHeldFrame(net::ConnectionState& net, const GameFrame& frame) {
    if (!frame.Is(MessageType::PluginData45))
        return false;
    const int kind = frame.U16Be(8) / 8;
    for (std::size_t i = 0; i < net.held.size(); ++i) {
        if (kind == net::kHeldFrameKinds[i] && net.held[i].hold) {
            net.held[i].frame = frame;
            net.held[i].hold = false;
            return true;
        }
    }
    return false;
}

}  // namespace

void TimerBongTick(Client& client) {
    if (client.app.ended)
        return;
    client.ports.timers.Stop(platform::TimerId::Bong);
    AdvancePacingCounters(client);
    StepTransmit(client);
    if (client.app.ended)
        return;
    StepReceive(client);
    if (client.app.ended)
        return;
    net::StepLoginPoll(client);
    StepChatFlash(client);
    StepDeclarationClock(client);
    StepPlayClock(client);
    StepReadyClock(client);
    StepLinkCheck(client);
    StepSpeechBubble(client);
    StepPluginPoll(client);
    if (client.app.ended)
        return;
    if (client.app.mainLoopOn)
        client.ports.timers.Start(platform::TimerId::Bong, kMainLoopMs);
}

void AdvancePacingCounters(Client& client) {
    ++client.net.transmit.counter;
    ++client.net.receive.counter;
    ++client.net.loginPollCounter;
    ++client.chatFlash.counter;
    ++client.net.linkCheckCounter;
    ++client.settle.ready.ticks;
    ++client.tableState.PlayTicks;
}

void StepTransmit(Client& client) {
    net::TransmitRing& ring = client.net.transmit;
    if (ring.counter < 1)
        return;
    if (ring.pending) {
        if (ring.Queued() < kFrameSize) {
            ring.pending = false;
        } else if (net::ReadyForGameFrames(client)) {
            const GameFrame frame = ring.Take();
            if (!CaptureHeldFrame(client.net, frame)) {
                client.ports.socket.Send(frame.bytes);
                const bool leaving =
                    frame.Is(MessageType::TableStatus) && frame[net::offset::kSubCode] == 0;
                if (leaving) {
                    if (shell::LobbyExists(client)) {
                        client.table.window.minimized = true;
                        shell::RestoreLobby(client);
                    } else {
                        EndClient(client);
                    }
                }
            }
        }
    }
    ring.counter = 0;
}

void StepReceive(Client& client) {
    net::ReceiveRing& ring = client.net.receive;
    if (ring.counter < 2)
        return;
    if (!ring.dataSeen) {
        ring.counter = 0;
        return;
    }
    if (StepReceiveWatchdog(client))
        return;  // the table was given up: nothing of the lost connection is handled
    if (ring.HasFrame()) {
        client.net.receiveWatchdog = 0;
        GameFrame frame = ring.Take();
        if (frame.Is(MessageType::PlayerLeave) && client.net.holdPlayerLeave) {
            ring.Untake();
        } else {
            protocol::DispatchFrame(client, frame);
        }
    }
    ring.counter = ring.HasFrame() ? 1 : 0;
}

void StartChatFlash(Client& client) {
    client.chatFlash.count = kChatFlashChanges;
    client.chatFlash.on = true;
    client.chatFlash.counter = 0;
}

void StepChatFlash(Client& client) {
    ChatFlash& flash = client.chatFlash;
    if (flash.counter < kChatFlashTicks)
        return;
    if (flash.on) {
        const auto& bar = client.pictures.bottomBar;
        ui::Control& chatButton = client.table.AnNiu[1];
        if (flash.count < 1) {
            table::SetResourcePicture(chatButton, bar[2]);
            flash.on = false;
        } else {
            table::SetResourcePicture(chatButton, flash.count % 2 == 1 ? bar[2] : bar[3]);
            --flash.count;
        }
    }
    flash.counter = 0;
}

// The clocks below are filled in with the declaration, play, ready and link
// handling; each runs in this place of the tick.
void StepDeclarationClock(Client& client) {
    protocol::StepDeclarationCountdown(client);
}
void StepPlayClock(Client& client) {
    protocol::StepPlayCountdown(client);
}
void StepReadyClock(Client& client) {
    settle::StepReadyCountdown(client);
}
void StepLinkCheck(Client& client) {
    net::StepLinkCheck(client);
}
// A declaration bubble stays about a second (20 ticks). Once one has been
// shown, the tick also takes away whatever bubble stands at its position then.
void StepSpeechBubble(Client& client) {
    rules::TableState& state = client.tableState;
    ++state.BubbleTicks;
    if (state.BubbleTicks < kBubbleTicks || !state.BubbleShown)
        return;
    if (state.BubblePosition >= 0 && state.BubblePosition < rules::kPositions)
        client.table.Speak[static_cast<std::size_t>(state.BubblePosition)].visible = false;
    state.BubbleTicks = 0;
}
bool StepReceiveWatchdog(Client& client) {
    return net::StepReceiveWatchdog(client);
}
void StepPluginPoll(Client&) {}

}  // namespace vantry::app
