#pragma once
// The lobby's side of the lobby link: its own window endpoint, the client
// process it starts, and messages to the client's window.

#include <QObject>
#include <QProcess>
#include <QSocketNotifier>
#include <memory>
#include <string>

#include "window_link.h"

namespace vantry::lobby {

class LobbySession : public QObject {
    Q_OBJECT
  public:
    // Binds the lobby window; false when a window of that title exists already.
    bool Open(const std::string& title);
    // Starts the client with the launch argument; `clientCaption` is the
    // window the lobby's messages go to.
    void StartClient(const QString& program, const std::string& argument,
                     const std::string& clientCaption);
    bool ClientRunning() const { return process_.state() != QProcess::NotRunning; }
    // Posts a message to the client's window (both parameters 0).
    bool PostToClient(std::uint32_t number);

  Q_SIGNALS:
    void MessageReceived(quint32 number, quint32 wParam, quint32 lParam);
    void ClientStarted(qint64 pid);
    void ClientExited(int code, bool crashed);
    void ClientFailedToStart();

  private:
    void Drain();

    link::WindowEndpoint window_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QProcess process_;
    std::string clientCaption_;
    bool signalsConnected_ = false;
};

}  // namespace vantry::lobby
