#include "net/rings.h"

#include <cstring>

namespace vantry::net {

void TransmitRing::Put(const GameFrame& frame) {
    for (std::uint8_t b : frame.bytes) {
        bytes[write] = b;
        write = (write + 1) % kRingSize;
    }
}

GameFrame TransmitRing::Take() {
    GameFrame frame;
    for (std::uint8_t& b : frame.bytes) {
        b = bytes[read];
        read = (read + 1) % kRingSize;
    }
    return frame;
}

bool ReceiveRing::Append(std::uint8_t byte) {
    bytes[write] = byte;
    write = (write + 1) % kRingSize;
    return write != read;
}

GameFrame ReceiveRing::Take() {
    // `read` is a multiple of 272 and the ring holds exactly 128 frames,
    // so the frame is contiguous.
    GameFrame frame;
    std::memcpy(frame.bytes.data(), bytes.data() + read, kFrameSize);
    read = (read + kFrameSize) % kRingSize;
    return frame;
}

}  // namespace vantry::net
