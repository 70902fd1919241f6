#pragma once
// What the chat keeps between events: the chosen addressee of a private
// message and what the chat box asks of the renderer.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantry::chat {

struct ChatState {
    // "你对" + nickname + "说 ：" in front of the chat box text while a
    // private message is being written; empty otherwise.
    std::string ChatAddressPrefix;
    std::uint8_t ChatAddressee = 0;  // seat bit of the addressee, 0 for everybody

    // The caret of the chat box, in bytes of its text.
    std::size_t caret = 0;
    // Raised each time the chat box is to take the keyboard focus.
    int focusRequests = 0;
};

}  // namespace vantry::chat
