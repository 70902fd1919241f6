#include "fakes.h"

#include <algorithm>

#include "app/startup.h"

namespace vantry::test {

void FakeSocket::Connect(const std::string& h, std::uint16_t p) {
    host = h;
    port = p;
    ++connectCount;
    state = stateAfterConnect;
}

void FakeSocket::Close() {
    ++closeCount;
    state = platform::SocketState::Closed;
}

void FakeSocket::Send(std::span<const std::uint8_t> bytes) {
    sent.insert(sent.end(), bytes.begin(), bytes.end());
}

std::vector<net::GameFrame> FakeSocket::SentFrames() const {
    std::vector<net::GameFrame> frames;
    for (std::size_t at = 0; at + net::kFrameSize <= sent.size(); at += net::kFrameSize)
        frames.push_back(net::FrameFrom({sent.data() + at, net::kFrameSize}));
    return frames;
}

void FakeTimers::Start(platform::TimerId id, int intervalMs) {
    running_[id] = Running{intervalMs, now + intervalMs};
}

void FakeTimers::Stop(platform::TimerId id) {
    running_.erase(id);
}

bool FakeTimers::IsRunning(platform::TimerId id) const {
    return running_.count(id) != 0;
}

void FakeTimers::Advance(std::int64_t ms) {
    const std::int64_t target = now + ms;
    for (;;) {
        auto next = std::min_element(running_.begin(), running_.end(),
                                     [](auto& a, auto& b) { return a.second.due < b.second.due; });
        if (next == running_.end() || next->second.due > target)
            break;
        const platform::TimerId id = next->first;
        now = next->second.due;
        next->second.due = now + next->second.interval;
        if (onFire)
            onFire(id);
    }
    now = target;
}

bool FakeWindows::WindowExists(std::string_view title) {
    return windows.count(std::string(title)) != 0;
}

bool FakeWindows::Post(std::string_view title, const platform::WindowMessage& message) {
    if (!WindowExists(title))
        return false;
    posts.emplace_back(std::string(title), message);
    return true;
}

std::vector<platform::WindowMessage> FakeWindows::PostsTo(const std::string& title) const {
    std::vector<platform::WindowMessage> out;
    for (const auto& [t, m] : posts)
        if (t == title)
            out.push_back(m);
    return out;
}

int FakeWindows::CountPosts(const std::string& title, std::uint32_t number) const {
    int n = 0;
    for (const auto& [t, m] : posts)
        n += (t == title && m.number == number) ? 1 : 0;
    return n;
}

bool FakeSound::Open() {
    calls.push_back("open");
    return deviceWorks;
}

platform::SoundResult FakeSound::Play(const std::string& path, bool looping) {
    calls.push_back("play " + path + (looping ? " loop" : " once"));
    channel.reset();
    playing = false;
    attenuation = 0;
    if (!deviceWorks)
        return platform::SoundResult::DeviceFailed;
    if (path.empty() || missingFiles.count(path) != 0)
        return platform::SoundResult::FileFailed;
    channel = Sound{path, looping};
    playing = true;
    played.push_back(*channel);
    return platform::SoundResult::Played;
}

bool FakeSound::Stop() {
    calls.push_back("stop");
    playing = false;
    return deviceWorks;
}

void FakeSound::SetAttenuation(int hundredthsOfDecibel) {
    calls.push_back("attenuate " + std::to_string(hundredthsOfDecibel));
    attenuation = hundredthsOfDecibel;
}

std::vector<std::string> FakeSound::PlayedPaths() const {
    std::vector<std::string> paths;
    for (const Sound& s : played)
        paths.push_back(s.path);
    return paths;
}

Harness::Harness()
    : client(app::Ports{socket, timers, windows, messageBoxes, process, random, sound, plugins}) {
    timers.onFire = [this](platform::TimerId id) { app::OnTimer(client, id); };
    windows.windows.insert(kLobby);
}

void Harness::Start(const std::string& argument, app::ScreenSize screen) {
    app::Startup(client, argument, screen);
}

void Harness::LogIn(const std::string& argument) {
    Start(argument);
    socket.state = platform::SocketState::Connected;
    Ticks(4);  // the login poll writes the login frame
    net::GameFrame accepted = net::MakeFrame(net::MessageType::Login);
    accepted[net::offset::kSubCode] = 1;
    Receive(accepted);
    socket.sent.clear();
}

std::string DirectArgument(int port, const std::string& account, const std::string& key) {
    return account + "$" + key + "$127.0.0.1$" + std::to_string(port) + "$练习室$0$$0$$$0$$$0$0$";
}

}  // namespace vantry::test
