#pragma once
// Where every element of the table sits, the reset of the table between
// deals, and the table's two timed effects: the view of the previous trick
// and the seat-change notice.

#include "app/client.h"

namespace vantry::table {

// The four texts the seat-change notice cycles through.
inline constexpr const char* kShuffleTexts[4] = {"正在随机换座中..", "正在随机换座中...",
                                                 "正在随机换座中....", "正在随机换座中....."};
inline constexpr int kShuffleIntervalMs = 300;
inline constexpr int kPreviousTrickMs = 2000;

// A design-pixel length scaled by ScaleX (left, width) or ScaleY (top, height).
int ScaledX(const app::Client& client, double designPixels);
int ScaledY(const app::Client& client, double designPixels);

// The bars and seat markers of the full or the small layout.
void PlaceBarsAndMarkers(app::Client& client);

// First step of the layout, before the launch argument is read: avatars,
// seat labels, bottom-bar buttons, room panel, declaration panel, storage.
void LayoutTableStep1(app::Client& client);
// Second step, once the window is shown: cards, fans, bubbles, clock, action
// buttons, chat and the room notes.
void LayoutTableStep2(app::Client& client);

// Puts the countdown clock and its digits beside the seat whose turn it is.
void PlaceClock(app::Client& client, int position);

// Clears the table for a new deal or a return to the lobby.
void ClearTable(app::Client& client);

// The previous-trick button: shows the previous trick for two seconds.
void ShowPreviousTrick(app::Client& client);
// Timerformer: back to the current trick.
void OnFormerTimer(app::Client& client);

// Hides the seat-change notice and stops its timer (startup).
void ResetShuffleNotice(app::Client& client);
// Shows the seat-change notice while the room changes seats at random.
void StartShuffleNotice(app::Client& client);
void OnShuffleTimer(app::Client& client);
// The seats are settled: the notice goes.
void EndShuffleNotice(app::Client& client);

}  // namespace vantry::table
