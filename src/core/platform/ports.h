#pragma once
// The outside world as the client logic sees it. Each port is as narrow as
// the behaviour needs; the Qt layer implements them for real and tests/support
// has one fake of each.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace vantry::props {
class PropPlugin;
}

namespace vantry::platform {

// --- TCP socket ------------------------------------------------------------
// Events from the socket (bytes arrived, closed by peer) reach the core through
// Client::OnBytesArrived and Client::OnSocketClosedByPeer.
enum class SocketState { Closed, Connecting, Connected };

class Socket {
  public:
    virtual ~Socket() = default;
    virtual void Connect(const std::string& host, std::uint16_t port) = 0;
    virtual void Close() = 0;
    virtual SocketState State() const = 0;
    virtual void Send(std::span<const std::uint8_t> bytes) = 0;
};

// --- Timers and time -------------------------------------------------------
// Named periodic timers; a firing reaches the core through Client::OnTimer.
enum class TimerId {
    Bong,            // the 50 ms main loop
    KeepAlive,       // 5000 ms between deals
    ReconnectRetry,  // 3000 ms
    Chat,            // 800 ms chat rate limit
    Prop,            // props plugin label animation
    Shuffle,         // 300 ms seat-change notice
    Former,          // 2000 ms previous-trick view
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Timers {
  public:
    virtual ~Timers() = default;
    virtual void Start(TimerId id, int intervalMs) = 0;
    virtual void Stop(TimerId id) = 0;
    virtual bool IsRunning(TimerId id) const = 0;
    // Milliseconds on a monotonic clock.
    virtual std::int64_t NowMs() const = 0;
    // The local wall-clock time of day, as the ticker shows it.
    virtual TimeOfDay LocalTime() const = 0;
    // Processes other events until `seconds` have passed (timer ticks, socket
    // events and input all keep running meanwhile).
    virtual void PumpWait(double seconds) = 0;
};

// --- Lobby link: top-level windows found by title, and window messages --------
struct WindowMessage {
    std::uint32_t number = 0;
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual bool WindowExists(std::string_view title) = 0;
    // Posts a message to the window with that title; false if there is none.
    virtual bool Post(std::string_view title, const WindowMessage& message) = 0;
    // Starts receiving messages addressed to the window with this title; they
    // reach the core through Client::OnWindowMessage.
    virtual void Listen(std::string_view ownTitle) = 0;
    // Lets the person drag one of the client's own windows with the mouse
    // until the button is released (the move-by-caption system command).
    virtual void StartWindowDrag(std::string_view windowName) = 0;
};

// --- Message boxes -----------------------------------------------------------
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal box with an OK button.
    virtual void Show(std::string_view text, std::string_view title) = 0;
};

// --- The process -------------------------------------------------------------
class Process {
  public:
    virtual ~Process() = default;
    // Takes the machine-wide lock that only one client may hold.
    virtual bool AcquireInstanceLock() = 0;
    // Ends the client once control returns to the event loop.
    virtual void Quit() = 0;
    // The folder of the client's executable: the data files live beside it.
    virtual std::string ExecutableDir() const = 0;
    // Opens a web address in the desktop's default browser.
    virtual void OpenAddress(const std::string& address) = 0;
};

// --- Random numbers ------------------------------------------------------------
class Random {
  public:
    virtual ~Random() = default;
    // A random integer 0..n-1 (n > 0).
    virtual int Below(int n) = 0;
};
// --- Sound output --------------------------------------------------------------
// One playback channel for WAV files: starting a sound releases the one before.
enum class SoundResult {
    Played,        // the file is loaded into the channel and plays
    FileFailed,    // missing or unreadable file; the channel is empty and silent
    DeviceFailed,  // there is no usable output device; the channel is empty
};

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Opens the output device; false when there is none.
    virtual bool Open() = 0;
    // Stops and releases the sound in the channel, then plays the WAV file
    // once or in a loop at full volume.
    virtual SoundResult Play(const std::string& path, bool looping) = 0;
    // Stops the sound in the channel and rewinds it; false when the device failed.
    virtual bool Stop() = 0;
    // Attenuation of the sound in the channel in hundredths of a decibel
    // (0 = full volume, -3000 = 30 dB down).
    virtual void SetAttenuation(int hundredthsOfDecibel) = 0;
};

// --- The props plugin library ---------------------------------------------------
class PluginLoader {
  public:
    virtual ~PluginLoader() = default;
    // Loads the shared library at `path` and returns the object its factory
    // makes; nothing when the file, the library or the factory is missing.
    // The library stays loaded for the life of the process.
    virtual std::unique_ptr<props::PropPlugin> Load(const std::string& path) = 0;
};

}  // namespace vantry::platform
