#pragma once
// The chat box under the table: sending its text, and addressing a private
// message to a player by clicking their avatar.

#include "app/client.h"

namespace vantry::chat {

// Sends the text of the chat box as a chat message and empties the box. An
// empty text, or one that holds only the address prefix, sends nothing.
void SendChatBoxText(app::Client& client);

// Starts a private message to the player at a screen position 1..3: the
// address prefix goes in front of the chat box text (replacing an earlier
// one) and the chat box takes the focus. Nothing happens for an empty seat.
void AddressChatTo(app::Client& client, int position);

}  // namespace vantry::chat
