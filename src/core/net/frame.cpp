#include "net/frame.h"

#include <bit>
#include <cstring>

namespace vantry::net {

std::uint16_t GameFrame::U16Le(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
std::uint16_t GameFrame::U16Be(std::size_t at) const {
    return static_cast<std::uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}
std::uint32_t GameFrame::U32Le(std::size_t at) const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
    return v;
}
std::uint32_t GameFrame::U32Be(std::size_t at) const {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v = (v << 8) | bytes[at + i];
    return v;
}
std::int64_t GameFrame::I64Le(std::size_t at) const {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
    return static_cast<std::int64_t>(v);
}
double GameFrame::F64Le(std::size_t at) const {
    return std::bit_cast<double>(static_cast<std::uint64_t>(I64Le(at)));
}
void GameFrame::PutU16Le(std::size_t at, std::uint16_t v) {
    bytes[at] = static_cast<std::uint8_t>(v);
    bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void GameFrame::PutU16Be(std::size_t at, std::uint16_t v) {
    bytes[at] = static_cast<std::uint8_t>(v >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(v);
}
void GameFrame::PutU32Le(std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void GameFrame::PutU32Be(std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * (3 - i)));
}
void GameFrame::PutI64Le(std::size_t at, std::int64_t v) {
    const auto u = static_cast<std::uint64_t>(v);
    for (std::size_t i = 0; i < 8; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
void GameFrame::PutF64Le(std::size_t at, double v) {
    PutI64Le(at, static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(v)));
}

bool GameFrame::IsChatFrame() const {
    if (!Is(MessageType::Chat))
        return false;
    const std::uint32_t length = U32Be(offset::kChatLength);
    return length != kPluginLength272 && length != kPluginLength260;
}

std::string TextBytes(const GameFrame& frame, std::size_t from, std::size_t end) {
    std::string bytes;
    for (std::size_t i = from; i < end && i < kFrameSize && frame[i] != 0; ++i)
        bytes += static_cast<char>(frame[i]);
    return bytes;
}

GameFrame MakeFrame(MessageType type) {
    GameFrame f;
    f.SetType(type);
    return f;
}

GameFrame FrameFrom(std::span<const std::uint8_t> bytes) {
    GameFrame f;
    std::memcpy(f.bytes.data(), bytes.data(), kFrameSize);
    return f;
}

}  // namespace vantry::net
