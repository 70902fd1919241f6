#include "adapters.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTime>
#include <QUrl>

namespace vantry::qt {

using platform::SocketState;
using platform::TimerId;

// --- socket ------------------------------------------------------------------

QtSocket::QtSocket(std::function<void(std::span<const std::uint8_t>)> onBytes,
                   std::function<void()> onClosedByPeer)
    : onBytes_(std::move(onBytes)), onClosedByPeer_(std::move(onClosedByPeer)) {
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        const QByteArray data = socket_.readAll();
        onBytes_({reinterpret_cast<const std::uint8_t*>(data.constData()),
                  static_cast<std::size_t>(data.size())});
    });
    connect(&socket_, &QTcpSocket::disconnected, this, [this] {
        if (!closing_)
            onClosedByPeer_();
    });
}

void QtSocket::Connect(const std::string& host, std::uint16_t port) {
    socket_.connectToHost(QString::fromStdString(host), port);
}

void QtSocket::Close() {
    closing_ = true;
    socket_.abort();
    closing_ = false;
}

SocketState QtSocket::State() const {
    switch (socket_.state()) {
        case QAbstractSocket::ConnectedState:
            return SocketState::Connected;
        case QAbstractSocket::HostLookupState:
        case QAbstractSocket::ConnectingState:
            return SocketState::Connecting;
        default:
            return SocketState::Closed;
    }
}

void QtSocket::Send(std::span<const std::uint8_t> bytes) {
    socket_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// --- timers ------------------------------------------------------------------

QtTimers::QtTimers(std::function<void(TimerId)> onFire) : onFire_(std::move(onFire)) {}

QTimer& QtTimers::TimerFor(TimerId id) {
    auto& slot = timers_[id];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        slot->setTimerType(Qt::PreciseTimer);
        QObject::connect(slot.get(), &QTimer::timeout, [this, id] { onFire_(id); });
    }
    return *slot;
}

void QtTimers::Start(TimerId id, int intervalMs) {
    TimerFor(id).start(intervalMs);
}

void QtTimers::Stop(TimerId id) {
    if (auto it = timers_.find(id); it != timers_.end())
        it->second->stop();
}

bool QtTimers::IsRunning(TimerId id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

std::int64_t QtTimers::NowMs() const {
    static QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}

platform::TimeOfDay QtTimers::LocalTime() const {
    const QTime now = QTime::currentTime();
    return {now.hour(), now.minute(), now.second()};
}

void QtTimers::PumpWait(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// --- windows -----------------------------------------------------------------

QtWindowSystem::QtWindowSystem(std::function<void(const platform::WindowMessage&)> onMessage)
    : onMessage_(std::move(onMessage)) {}

QtWindowSystem::~QtWindowSystem() = default;

bool QtWindowSystem::WindowExists(std::string_view title) {
    return link::WindowExists(title);
}

bool QtWindowSystem::Post(std::string_view title, const platform::WindowMessage& m) {
    return link::PostMessageTo(title, {m.number, m.wParam, m.lParam});
}

void QtWindowSystem::Listen(std::string_view ownTitle) {
    notifier_.reset();
    if (!endpoint_.Bind(ownTitle)) {
        qWarning("vantry: cannot receive window messages as \"%s\"", std::string(ownTitle).c_str());
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(endpoint_.Fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        while (auto m = endpoint_.Receive())
            onMessage_({m->number, m->wParam, m->lParam});
    });
}

void QtWindowSystem::StartWindowDrag(std::string_view windowName) {
    if (onStartDrag)
        onStartDrag(windowName);
}

// --- message boxes and process -----------------------------------------------

void QtMessageBoxes::Show(std::string_view text, std::string_view title) {
    // Also on standard error, so that a run without a screen shows what was said.
    qWarning("vantry: message box: %.*s", static_cast<int>(text.size()), text.data());
    QMessageBox box(
        QMessageBox::Warning, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
    box.exec();
}

int QtRandom::Below(int n) {
    return n > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(n)) : 0;
}

bool QtProcess::AcquireInstanceLock() {
    return lock_.Acquire("vantry-instance");
}

void QtProcess::Quit() {
    QCoreApplication::exit(0);
}

std::string QtProcess::ExecutableDir() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

void QtProcess::OpenAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace vantry::qt
