#pragma once
// Qt implementations of the core's ports. Each adapter only translates: events
// go to the host's callbacks, calls go to Qt.

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "platform/ports.h"
#include "window_link.h"

class QSocketNotifier;

namespace vantry::qt {

class QtSocket final : public QObject, public platform::Socket {
    Q_OBJECT
  public:
    QtSocket(std::function<void(std::span<const std::uint8_t>)> onBytes,
             std::function<void()> onClosedByPeer);
    void Connect(const std::string& host, std::uint16_t port) override;
    void Close() override;
    platform::SocketState State() const override;
    void Send(std::span<const std::uint8_t> bytes) override;

  private:
    QTcpSocket socket_;
    bool closing_ = false;
    std::function<void(std::span<const std::uint8_t>)> onBytes_;
    std::function<void()> onClosedByPeer_;
};

class QtTimers final : public platform::Timers {
  public:
    explicit QtTimers(std::function<void(platform::TimerId)> onFire);
    void Start(platform::TimerId id, int intervalMs) override;
    void Stop(platform::TimerId id) override;
    bool IsRunning(platform::TimerId id) const override;
    std::int64_t NowMs() const override;
    platform::TimeOfDay LocalTime() const override;
    void PumpWait(double seconds) override;

  private:
    QTimer& TimerFor(platform::TimerId id);
    std::map<platform::TimerId, std::unique_ptr<QTimer>> timers_;
    std::function<void(platform::TimerId)> onFire_;
};

class QtWindowSystem final : public platform::WindowSystem {
  public:
    explicit QtWindowSystem(std::function<void(const platform::WindowMessage&)> onMessage);
    ~QtWindowSystem() override;
    bool WindowExists(std::string_view title) override;
    bool Post(std::string_view title, const platform::WindowMessage& message) override;
    void Listen(std::string_view ownTitle) override;
    void StartWindowDrag(std::string_view windowName) override;
    // How a drag of one of our windows is started (set by the host, which owns them).
    std::function<void(std::string_view)> onStartDrag;

  private:
    link::WindowEndpoint endpoint_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void(const platform::WindowMessage&)> onMessage_;
};

class QtMessageBoxes final : public platform::MessageBoxes {
  public:
    void Show(std::string_view text, std::string_view title) override;
};

class QtRandom final : public platform::Random {
  public:
    int Below(int n) override;
};

class QtProcess final : public platform::Process {
  public:
    bool AcquireInstanceLock() override;
    void Quit() override;
    std::string ExecutableDir() const override;
    void OpenAddress(const std::string& address) override;

  private:
    link::InstanceLock lock_;
};

}  // namespace vantry::qt
