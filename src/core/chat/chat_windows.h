#pragma once
// The two chat tool windows: the chat history `Talk` and the quick phrases
// `huifu`, each placed over the lower part of the table when it opens.

#include "app/client.h"

namespace vantry::chat {

// Shows the chat history over the table, or hides it when it is shown.
void ToggleChatHistory(app::Client& client);

// The quick-phrase pictures: hides the chat history and shows the quick-phrase
// window with list 1 or 2; a second click on the same picture hides it, a
// click on the other picture switches the list.
void ToggleQuickPhrases(app::Client& client, int list);

}  // namespace vantry::chat
