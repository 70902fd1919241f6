#pragma once
// The cards of a seat on the table: pictures, the two sorts of the local
// hand, raising and lowering cards with the mouse, and the table's keys.

#include "app/client.h"
#include "ui/input.h"

namespace vantry::table {

// Puts the picture of a card (its picture code) on card image `image` of a
// position. A code that no card can have minimises the table and gives the
// seat back to the lobby; returns false then.
bool SetCardPicture(app::Client& client, int position, int image, int pictureCode);

// Sorts slots first..first+count-1 of a position and redraws them.
// Points: kings, tens and fives first, then the rest, larger first.
void SortAndShowPoints(app::Client& client, int position, int count, int first);
// Plain: a pair of black joker pairs and every four-of-a-colour first, then
// the rest, larger first.
void SortAndShowPlain(app::Client& client, int position, int count, int first);

// Draws the six dealt cards of the local hand and sorts them.
void DrawDealtHand(app::Client& client);

// True when the local card image stands above the hand top.
bool IsRaised(const app::Client& client, int image);

// Left click on a local card image: raises or lowers it.
void ToggleCard(app::Client& client, int image);

// Every raised card of the local hand back down to the hand top.
void LowerRaisedCards(app::Client& client);

// Starts the play submission with the raised cards.
void RequestPlay(app::Client& client);

// Where a key or a mouse press was taken, for the boss key.
enum class KeySource { Pic1, Pic2, Pic3, Window, ChatBox };

// The boss key: the table goes out of sight at once.
void BossKey(app::Client& client, KeySource source);

// Shows the exit confirmation centred over the table, its warning line only
// while a deal runs; hides it when it is shown.
void ToggleExitConfirmation(app::Client& client);

// Input on the table. Return true when the event was the table's.
bool OnTableMouse(app::Client& client, const ui::ControlRef& control, const ui::MouseEvent& event);
bool OnTableKey(app::Client& client, const ui::ControlRef& focus, const ui::KeyEvent& event);

}  // namespace vantry::table
