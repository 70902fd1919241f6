#pragma once
// The declaration buttons `btnJiaofen(0..3)` and the declaration clock: what a
// click sends, the give-up choice that follows 宣, 摊 and 摊报, and the clock
// the declaration turn and that choice share.

#include <cstdint>

#include "app/client.h"
#include "ui/input.h"

namespace vantry::table {

// A click on `btnJiaofen(i)`; false for other controls and other mouse events.
bool OnDeclarationButton(app::Client& client, const ui::ControlRef& control,
                         const ui::MouseEvent& event);

// The seconds a declaration clock starts from: the server's time, or 8 when it
// gives fewer than 2, so that a turn cannot lapse at once.
std::int16_t DeclarationSeconds(std::int16_t declareTime);

// The clock of a declaration turn at its fixed place, showing `TurnCountdown` in green.
void ShowDeclarationClock(app::Client& client);

// Hides and disables declaration buttons first..3.
void HideDeclarationButtons(app::Client& client, int first = 0);

// Queues the local player's declaration (type 3) with a code.
void SendDeclaration(app::Client& client, std::uint16_t code);

// The declaration voice of the player at a screen position.
void PlaySeatDeclarationVoice(app::Client& client, int position, std::uint16_t code);

}  // namespace vantry::table
