#include "app/login_frame.h"

#include <vector>

#include "text/gbk.h"

namespace vantry::app {
namespace {

constexpr std::size_t kAccountOffset = 16;
constexpr std::size_t kKeyOffset = 32;

}  // namespace

std::optional<net::GameFrame> BuildLoginFrame(const LaunchParams& params) {
    std::vector<unsigned char> account;
    std::vector<unsigned char> key;
    if (!text::ToSingleBytes(params.Account, account) ||
        !text::ToSingleBytes(params.LoginKey, key)) {
        return std::nullopt;
    }
    if (account.size() > net::kFrameSize - kAccountOffset ||
        key.size() > net::kFrameSize - kKeyOffset) {
        return std::nullopt;
    }
    net::GameFrame frame = net::MakeFrame(net::MessageType::Login);
    frame[2] = 0;
    frame[14] = 1;
    for (std::size_t i = 0; i < account.size(); ++i)
        frame[kAccountOffset + i] = account[i];
    for (std::size_t i = 0; i < key.size(); ++i)
        frame[kKeyOffset + i] = key[i];
    return frame;
}

}  // namespace vantry::app
