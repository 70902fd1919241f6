#pragma once
// One fake of each port, shared by all tests, and a harness that wires a
// client to them.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/client.h"
#include "app/events.h"
#include "net/frame.h"
#include "props/prop_plugin.h"

namespace vantry::test {

class FakeSocket final : public platform::Socket {
  public:
    void Connect(const std::string& host, std::uint16_t port) override;
    void Close() override;
    platform::SocketState State() const override { return state; }
    void Send(std::span<const std::uint8_t> bytes) override;

    // The frames written so far, split into 272-byte pieces.
    std::vector<net::GameFrame> SentFrames() const;

    platform::SocketState state = platform::SocketState::Closed;
    // What Connect leaves the socket in: still connecting, or at once connected or refused.
    platform::SocketState stateAfterConnect = platform::SocketState::Connecting;
    std::string host;
    std::uint16_t port = 0;
    int connectCount = 0;
    int closeCount = 0;
    std::vector<std::uint8_t> sent;
};

class FakeTimers final : public platform::Timers {
  public:
    void Start(platform::TimerId id, int intervalMs) override;
    void Stop(platform::TimerId id) override;
    bool IsRunning(platform::TimerId id) const override;
    std::int64_t NowMs() const override { return now; }
    platform::TimeOfDay LocalTime() const override { return localTime; }
    void PumpWait(double seconds) override { Advance(static_cast<std::int64_t>(seconds * 1000)); }

    // Moves time on, firing every timer that falls due on the way, in order.
    void Advance(std::int64_t ms);

    std::function<void(platform::TimerId)> onFire;
    std::int64_t now = 0;
    platform::TimeOfDay localTime{9, 5, 7};

  private:
    struct Running {
        int interval = 0;
        std::int64_t due = 0;
    };
    std::map<platform::TimerId, Running> running_;
};

class FakeWindows final : public platform::WindowSystem {
  public:
    bool WindowExists(std::string_view title) override;
    bool Post(std::string_view title, const platform::WindowMessage& message) override;
    void Listen(std::string_view ownTitle) override { listeningAs = ownTitle; }
    void StartWindowDrag(std::string_view windowName) override { dragged = windowName; }

    // Messages posted to one window, in order.
    std::vector<platform::WindowMessage> PostsTo(const std::string& title) const;
    int CountPosts(const std::string& title, std::uint32_t number) const;

    std::set<std::string> windows;
    std::vector<std::pair<std::string, platform::WindowMessage>> posts;
    std::string listeningAs;
    std::string dragged;
};

class FakeMessageBoxes final : public platform::MessageBoxes {
  public:
    void Show(std::string_view text, std::string_view title) override {
        shown.emplace_back(std::string(text), std::string(title));
    }
    std::vector<std::pair<std::string, std::string>> shown;  // text, title
};

class FakeProcess final : public platform::Process {
  public:
    bool AcquireInstanceLock() override { return lockFree; }
    void Quit() override { ++quitCount; }
    std::string ExecutableDir() const override { return executableDir; }
    void OpenAddress(const std::string& address) override { opened.push_back(address); }
    bool lockFree = true;
    std::string executableDir = "/opt/vantry/bin";  // no such folder: files beside it fail silently
    int quitCount = 0;
    std::vector<std::string> opened;  // web addresses opened, in order
};

// One channel like the real output: a new sound replaces the one before. Every
// call is also written to `calls` ("open", "play <path> once|loop", "stop",
// "attenuate <n>") so that tests can check the order.
class FakeSound final : public platform::SoundOutput {
  public:
    struct Sound {
        std::string path;
        bool looping = false;
        friend bool operator==(const Sound&, const Sound&) = default;
    };

    bool Open() override;
    platform::SoundResult Play(const std::string& path, bool looping) override;
    bool Stop() override;
    void SetAttenuation(int hundredthsOfDecibel) override;

    // The paths of the sounds that really started, in order.
    std::vector<std::string> PlayedPaths() const;

    bool deviceWorks = true;
    std::set<std::string> missingFiles;  // the empty path is always missing
    std::optional<Sound> channel;        // the sound loaded in the channel
    bool playing = false;                // the channel plays (stopped: false)
    int attenuation = 0;                 // of the sound in the channel
    std::vector<Sound> played;
    std::vector<std::string> calls;
};

// Hands out scripted draws in order (each taken modulo n), then 0s.
class FakeRandom final : public platform::Random {
  public:
    int Below(int n) override {
        const int draw = next < draws.size() ? draws[next++] : 0;
        return n > 0 ? draw % n : 0;
    }
    std::vector<int> draws;
    std::size_t next = 0;
};

// Hands out the object `make` returns and remembers the paths asked for.
class FakePluginLoader final : public platform::PluginLoader {
  public:
    std::unique_ptr<props::PropPlugin> Load(const std::string& path) override {
        paths.push_back(path);
        return make ? make() : nullptr;
    }
    std::function<std::unique_ptr<props::PropPlugin>()> make;
    std::vector<std::string> paths;
};

// A direct-connection argument for the server at 127.0.0.1:port.
std::string DirectArgument(int port = 6000, const std::string& account = "alice",
                           const std::string& key = "k3y");

// A client wired to fakes. Timer firings go to the client's timer handler.
struct Harness {
    Harness();

    // Startup with a screen of the given size; the lobby window exists.
    void Start(const std::string& argument, app::ScreenSize screen = {1024, 768});
    // Advances by whole main-loop ticks (50 ms each).
    void Ticks(int count) { timers.Advance(50LL * count); }
    void Arrive(std::span<const std::uint8_t> bytes) { app::OnBytesArrived(client, bytes); }
    void Arrive(const net::GameFrame& frame) { Arrive(frame.bytes); }
    // A frame from the server, dispatched: it arrives and two ticks pass.
    void Receive(const net::GameFrame& frame) {
        Arrive(frame);
        Ticks(2);
    }
    // Starts, connects, sends the login frame and receives an accepted login
    // result; what the client sent is then forgotten.
    void LogIn(const std::string& argument = DirectArgument());

    FakeSocket socket;
    FakeTimers timers;
    FakeWindows windows;
    FakeMessageBoxes messageBoxes;
    FakeProcess process;
    FakeRandom random;
    FakeSound sound;
    FakePluginLoader plugins;
    app::Client client;
};

inline constexpr const char* kLobby = "Morvex山庄";

}  // namespace vantry::test
