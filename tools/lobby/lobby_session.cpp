#include "lobby_session.h"

namespace vantry::lobby {

bool LobbySession::Open(const std::string& title) {
    if (!window_.Bind(title))
        return false;
    notifier_ = std::make_unique<QSocketNotifier>(window_.Fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &LobbySession::Drain);
    return true;
}

void LobbySession::Drain() {
    while (auto m = window_.Receive())
        Q_EMIT MessageReceived(m->number, m->wParam, m->lParam);
}

void LobbySession::StartClient(const QString& program, const std::string& argument,
                               const std::string& clientCaption) {
    clientCaption_ = clientCaption;
    if (!signalsConnected_) {
        signalsConnected_ = true;
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        connect(&process_, &QProcess::started, this,
                [this] { Q_EMIT ClientStarted(process_.processId()); });
        connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus s) {
            Drain();  // the last messages the client posted before it ended
            Q_EMIT ClientExited(code, s == QProcess::CrashExit);
        });
        connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                Q_EMIT ClientFailedToStart();
        });
    }
    process_.start(program, {QString::fromStdString(argument)});
}

bool LobbySession::PostToClient(std::uint32_t number) {
    return link::PostMessageTo(clientCaption_, {number, 0, 0});
}

}  // namespace vantry::lobby
