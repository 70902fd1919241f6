#pragma once
// The two circular byte buffers between the socket and the game logic.
// The main-loop tick drains them at one frame per tick in each direction.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/frame.h"

namespace vantry::net {

inline constexpr std::size_t kRingSize = 34816;  // 128 frames

// Outgoing frames, queued by SendFrame and written to the socket one per tick.
struct TransmitRing {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kRingSize);
    std::size_t read = 0;
    std::size_t write = 0;
    bool pending = false;  // a frame may be waiting
    int counter = 0;       // ticks since the last transmit step

    std::size_t Queued() const { return (write + kRingSize - read) % kRingSize; }
    void Put(const GameFrame& frame);
    GameFrame Take();
    void ResetIndices() { read = write = 0; }
};

// Incoming bytes from the socket; frames are taken out 272 bytes at a time
// from a read index that is always a multiple of 272, so a frame never wraps.
struct ReceiveRing {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kRingSize);
    std::size_t read = 0;
    std::size_t write = 0;
    bool dataSeen = false;  // data has ever arrived on this connection
    int counter = 0;        // ticks since the last arrival or receive step

    std::size_t Waiting() const { return (write + kRingSize - read) % kRingSize; }
    bool HasFrame() const { return Waiting() > kFrameSize - 1; }
    // Stores one byte; returns false when the ring has become full.
    bool Append(std::uint8_t byte);
    GameFrame Take();
    // Puts the frame just taken back, so that it is first in the ring again.
    void Untake() { read = (read + kRingSize - kFrameSize) % kRingSize; }
    void ResetIndices() { read = write = 0; }
    // Forgets the bytes of a frame that never arrived whole, so that the next
    // connection's first frame starts on a frame boundary.
    void DropPartialFrame() { write = (read + Waiting() / kFrameSize * kFrameSize) % kRingSize; }
};

inline constexpr std::size_t kProxyRingSize = 1024;

// The proxy's replies during the SOCKS5 handshake. Both indices go back to 0
// before every handshake message is sent, so a reply is read from offset 0.
struct ProxyRing {
    std::array<std::uint8_t, kProxyRingSize> bytes{};
    std::size_t read = 0;
    std::size_t write = 0;

    std::size_t Waiting() const { return (write + kProxyRingSize - read) % kProxyRingSize; }
    // Stores one byte; returns false when the ring has become full.
    bool Append(std::uint8_t byte) {
        bytes[write] = byte;
        write = (write + 1) % kProxyRingSize;
        return write != read;
    }
    std::uint8_t At(std::size_t i) const { return bytes[(read + i) % kProxyRingSize]; }
    void Reset() { read = write = 0; }
};

}  // namespace vantry::net
