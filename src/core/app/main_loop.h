#pragma once
// The 50 ms main-loop tick `TimerBong`: paces the rings and runs every clock.

#include "app/client.h"

namespace vantry::app {

void TimerBongTick(Client& client);

// Steps of the tick, in the order the tick runs them.
void AdvancePacingCounters(Client& client);
void StepTransmit(Client& client);
void StepReceive(Client& client);
// True when the watchdog gave the table up.
bool StepReceiveWatchdog(Client& client);
void StepChatFlash(Client& client);
void StepDeclarationClock(Client& client);
void StepPlayClock(Client& client);
void StepReadyClock(Client& client);
void StepLinkCheck(Client& client);
void StepSpeechBubble(Client& client);
void StepPluginPoll(Client& client);

// A received chat line from another player starts the chat-button flash.
void StartChatFlash(Client& client);

}  // namespace vantry::app
