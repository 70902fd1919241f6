#include "window_link.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace vantry::link {
namespace {

constexpr std::string_view kPrefix = "vantry-window:";

// Builds an abstract-namespace address: a leading zero byte, then the name.
bool MakeAddress(std::string_view name, sockaddr_un& addr, socklen_t& len) {
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (name.size() + 1 > sizeof addr.sun_path)
        return false;
    addr.sun_path[0] = '\0';
    std::memcpy(addr.sun_path + 1, name.data(), name.size());
    len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return true;
}

std::string WindowName(std::string_view title) {
    return std::string(kPrefix) + std::string(title);
}

void PutU32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}
std::uint32_t GetU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

int ConnectTo(std::string_view title) {
    sockaddr_un addr{};
    socklen_t len = 0;
    if (!MakeAddress(WindowName(title), addr, len))
        return -1;
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int BindAbstract(std::string_view name, int type) {
    sockaddr_un addr{};
    socklen_t len = 0;
    if (!MakeAddress(name, addr, len))
        return -1;
    const int fd = socket(AF_UNIX, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

bool WindowExists(std::string_view title) {
    const int fd = ConnectTo(title);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool PostMessageTo(std::string_view title, const Message& message) {
    const int fd = ConnectTo(title);
    if (fd < 0)
        return false;
    unsigned char buf[kMessageSize];
    PutU32(buf, message.number);
    PutU32(buf + 4, message.wParam);
    PutU32(buf + 8, message.lParam);
    const ssize_t sent = send(fd, buf, sizeof buf, MSG_DONTWAIT | MSG_NOSIGNAL);
    close(fd);
    return sent == static_cast<ssize_t>(sizeof buf);
}

WindowEndpoint::~WindowEndpoint() {
    Close();
}

bool WindowEndpoint::Bind(std::string_view title) {
    Close();
    fd_ = BindAbstract(WindowName(title), SOCK_DGRAM);
    return fd_ >= 0;
}

void WindowEndpoint::Close() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

std::optional<Message> WindowEndpoint::Receive() {
    if (fd_ < 0)
        return std::nullopt;
    unsigned char buf[64];
    for (;;) {
        const ssize_t n = recv(fd_, buf, sizeof buf, 0);
        if (n < 0)
            return std::nullopt;
        // A datagram of another size is not a window message: skip it.
        if (n == static_cast<ssize_t>(kMessageSize))
            return Message{GetU32(buf), GetU32(buf + 4), GetU32(buf + 8)};
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        close(fd_);
}

bool InstanceLock::Acquire(std::string_view name) {
    if (fd_ >= 0)
        return true;
    fd_ = BindAbstract(name, SOCK_STREAM);
    return fd_ >= 0;
}

}  // namespace vantry::link
