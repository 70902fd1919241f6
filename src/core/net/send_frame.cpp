#include "net/send_frame.h"

#include "text/gbk.h"

namespace vantry::net {
namespace {

constexpr std::size_t kChatTextOffset = 16;
constexpr std::size_t kChatMaxChars = 100;

void WriteChatText(ConnectionState& net, GameFrame& frame) {
    const std::string text = text::FirstChars(net.pendingChatText, kChatMaxChars);
    std::size_t at = kChatTextOffset;
    for (const text::GbkChar& c : text::GbkChars(text)) {
        for (char b : c.bytes)
            frame[at++] = static_cast<std::uint8_t>(b);
    }
    // 100 double-byte characters end at byte 215, so the text never reaches
    // the length field; clearing up to 271 removes the length as well.
    for (; at < kFrameSize; ++at)
        frame[at] = 0;
    net.pendingChatText.clear();
}

}  // namespace

void SendFrame(ConnectionState& net, GameFrame& frame) {
    if (frame.IsChatFrame()) {
        if (net.pendingChatText.empty())
            return;
        WriteChatText(net, frame);
    }
    frame[offset::kLinkToken] = net.linkToken[0];
    frame[offset::kLinkToken + 1] = net.linkToken[1];
    net.transmit.Put(frame);
    net.transmit.pending = true;
    net.transmit.counter = 0;
}

}  // namespace vantry::net
