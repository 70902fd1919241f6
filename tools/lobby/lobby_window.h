#pragma once
// The lobby as a small window: rooms, a sit-down button, the lobby's messages
// to the client on buttons, and a log of the messages received.

#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>
#include <vector>

#include "lobby_argument.h"
#include "lobby_session.h"

namespace vantry::lobby {

struct Room {
    QString name;
    QString host;
    QString port;
};

class LobbyWindow : public QWidget {
  public:
    LobbyWindow(LobbySession& session, Seating seating, std::vector<Room> rooms,
                QString clientProgram, QString title);

  private:
    void SitDown();
    void Log(const QString& line);
    void OnMessage(quint32 number, quint32 wParam, quint32 lParam);

    LobbySession& session_;
    Seating seating_;
    std::vector<Room> rooms_;
    QString clientProgram_;
    QListWidget* roomList_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
};

}  // namespace vantry::lobby
