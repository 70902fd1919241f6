#pragma once
// The 272-byte message exchanged with the game server, and the list of
// message types. Pure data over bytes: no sockets, no timers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vantry::net {

inline constexpr std::size_t kFrameSize = 272;

// Message types (byte 3). S = server to client, C = client to server.
enum class MessageType : std::uint8_t {
    DealStart = 1,         // S: deal start; also a seat's hand shown face up
    Options = 2,           // S: declaration options offered to the local player
    Declaration = 3,       // S, C: a declaration
    Play = 6,              // S: a play broadcast
    LocalPlay = 7,         // C: the local play, pass or play time-out
    Settlement = 9,        // S: one settlement record
    TableStatus = 16,      // S, C: between-deal status; ready / leave
    Login = 18,            // S, C: login and login result
    Chat = 19,             // S, C: chat text or relayed plugin data
    PlayerJoin = 20,       // S
    PlayerLeave = 21,      // S
    TableClosed = 22,      // S
    PlayerReady = 23,      // S
    KeepAlive = 24,        // C
    Reconnect = 28,        // C
    ReconnectResult = 29,  // S
    PluginData44 = 44,     // S: props plugin traffic
    PluginData45 = 45,     // S, C: props plugin traffic
    PluginData46 = 46,     // S: props plugin traffic
    CoinChange91 = 91,     // S
    CoinChange92 = 92,     // S
};

namespace offset {
inline constexpr std::size_t kType = 3;
inline constexpr std::size_t kSeat = 6;
inline constexpr std::size_t kSubCode = 15;
inline constexpr std::size_t kChatLength = 236;  // type 19: 4 bytes, big-endian
inline constexpr std::size_t kLinkToken = 260;   // 2 bytes
inline constexpr std::size_t kDealKey = 268;     // types 1 and 28: 4 bytes, little-endian
}  // namespace offset

// A type-19 frame whose length field holds one of these carries plugin data.
inline constexpr std::uint32_t kPluginLength272 = 272;
inline constexpr std::uint32_t kPluginLength260 = 260;

struct GameFrame {
    std::array<std::uint8_t, kFrameSize> bytes{};

    std::uint8_t& operator[](std::size_t i) { return bytes[i]; }
    std::uint8_t operator[](std::size_t i) const { return bytes[i]; }

    std::uint8_t Type() const { return bytes[offset::kType]; }
    bool Is(MessageType t) const { return Type() == static_cast<std::uint8_t>(t); }
    void SetType(MessageType t) { bytes[offset::kType] = static_cast<std::uint8_t>(t); }

    std::uint16_t U16Le(std::size_t at) const;
    std::uint16_t U16Be(std::size_t at) const;
    std::uint32_t U32Le(std::size_t at) const;
    std::uint32_t U32Be(std::size_t at) const;
    std::int64_t I64Le(std::size_t at) const;
    double F64Le(std::size_t at) const;
    void PutU16Le(std::size_t at, std::uint16_t v);
    void PutU16Be(std::size_t at, std::uint16_t v);
    void PutU32Le(std::size_t at, std::uint32_t v);
    void PutU32Be(std::size_t at, std::uint32_t v);
    void PutI64Le(std::size_t at, std::int64_t v);
    void PutF64Le(std::size_t at, double v);

    // Type 19 only: chat, unless the length field marks relayed plugin data.
    bool IsChatFrame() const;

    std::span<const std::uint8_t> View() const { return bytes; }
    friend bool operator==(const GameFrame&, const GameFrame&) = default;
};

// The bytes of a text field: from `from` up to the first 0 byte or `end`.
std::string TextBytes(const GameFrame& frame, std::size_t from, std::size_t end);

// A frame of the given type, every other byte zero.
GameFrame MakeFrame(MessageType type);

// The first `count` bytes of a span as a frame (the span must hold at least 272).
GameFrame FrameFrom(std::span<const std::uint8_t> bytes);

}  // namespace vantry::net
