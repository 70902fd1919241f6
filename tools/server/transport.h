#pragma once
// The practice server on TCP: accepts connections, cuts the byte stream into
// 272-byte frames, hands them to the hall and writes the hall's frames back.
// The hall's clock is driven by one single-shot timer.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <map>

#include "hall.h"

class QTcpSocket;

namespace vantry::server {

class TcpTransport : public QObject {
  public:
    TcpTransport(const TableConfig& config, bool verbose);
    bool Listen(const QHostAddress& address, quint16 port);
    quint16 Port() const { return server_.serverPort(); }

  private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        QByteArray pending;  // bytes of a frame not yet complete
    };

    void OnNewConnection();
    void OnReadyRead(ConnectionId id);
    void OnDisconnected(ConnectionId id);
    void Send(ConnectionId id, const GameFrame& frame);
    void CloseConnection(ConnectionId id);
    void Pump();

    Hall hall_;
    bool verbose_;
    QTcpServer server_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastPump_ = 0;
    ConnectionId nextId_ = 1;
    std::map<ConnectionId, Connection> connections_;
};

}  // namespace vantry::server
