#pragma once
// Top-level windows that exchange messages, on Linux: a window that can
// receive messages is a Unix datagram socket bound in the abstract namespace
// to "vantry-window:" + its exact title (UTF-8, no terminating zero). A window
// exists when a datagram socket can connect to that name. A message is one
// 12-byte datagram: number, wParam, lParam, each 32-bit little-endian.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantry::link {

struct Message {
    std::uint32_t number = 0;
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
};

inline constexpr std::size_t kMessageSize = 12;

bool WindowExists(std::string_view title);
// Posts a message to the window with that title; false if there is none.
bool PostMessageTo(std::string_view title, const Message& message);

// The receiving end of one window. Non-blocking: Receive() returns nothing
// when no message is waiting.
class WindowEndpoint {
  public:
    WindowEndpoint() = default;
    ~WindowEndpoint();
    WindowEndpoint(const WindowEndpoint&) = delete;
    WindowEndpoint& operator=(const WindowEndpoint&) = delete;

    // Binds the window's name; false if another window holds it.
    bool Bind(std::string_view title);
    void Close();
    int Fd() const { return fd_; }
    std::optional<Message> Receive();

  private:
    int fd_ = -1;
};

// A lock that only one process on the machine can hold at a time: an abstract
// socket bound to a fixed name, released when the process ends.
class InstanceLock {
  public:
    ~InstanceLock();
    bool Acquire(std::string_view name);

  private:
    int fd_ = -1;
};

}  // namespace vantry::link
