#include "transport.h"

#include <QTcpSocket>
#include <cstdio>

namespace vantry::server {

TcpTransport::TcpTransport(const TableConfig& config, bool verbose)
    : hall_(config, {
                        [this](ConnectionId id, const GameFrame& f) { Send(id, f); },
                        [this](ConnectionId id) { CloseConnection(id); },
                        [](ConnectionId id, Complaint c, const std::string& what) {
                            std::fprintf(stderr, "connection %llu: %s frame: %s\n",
                                         static_cast<unsigned long long>(id), ComplaintName(c),
                                         what.c_str());
                        },
                    }),
      verbose_(verbose) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Pump(); });
    connect(&server_, &QTcpServer::newConnection, this, [this] { OnNewConnection(); });
    clock_.start();
}

bool TcpTransport::Listen(const QHostAddress& address, quint16 port) {
    return server_.listen(address, port);
}

void TcpTransport::OnNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        const ConnectionId id = nextId_++;
        connections_[id] = {socket, {}};
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { OnReadyRead(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id] { OnDisconnected(id); });
        if (verbose_)
            std::printf("connection %llu: opened from %s\n", static_cast<unsigned long long>(id),
                        socket->peerAddress().toString().toUtf8().constData());
    }
}

void TcpTransport::OnReadyRead(ConnectionId id) {
    Pump();  // the tables' clocks catch up before the frame is handled
    auto it = connections_.find(id);
    if (it == connections_.end())
        return;
    it->second.pending += it->second.socket->readAll();
    while (true) {
        it = connections_.find(id);  // a handled frame may close this connection
        if (it == connections_.end() || it->second.pending.size() < qsizetype(net::kFrameSize))
            break;
        const QByteArray bytes = it->second.pending.left(net::kFrameSize);
        it->second.pending.remove(0, net::kFrameSize);
        const GameFrame frame = net::FrameFrom(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), net::kFrameSize));
        if (verbose_)
            std::printf("connection %llu: in  %s\n", static_cast<unsigned long long>(id),
                        Describe(frame).c_str());
        hall_.Received(id, frame);
    }
    Pump();
}

void TcpTransport::OnDisconnected(ConnectionId id) {
    const auto it = connections_.find(id);
    if (it == connections_.end())
        return;
    if (verbose_)
        std::printf("connection %llu: closed by the peer\n", static_cast<unsigned long long>(id));
    it->second.socket->deleteLater();
    connections_.erase(it);
    hall_.Closed(id);
    Pump();
}

void TcpTransport::Send(ConnectionId id, const GameFrame& frame) {
    const auto it = connections_.find(id);
    if (it == connections_.end())
        return;
    if (verbose_)
        std::printf("connection %llu: out %s\n", static_cast<unsigned long long>(id),
                    Describe(frame).c_str());
    it->second.socket->write(reinterpret_cast<const char*>(frame.bytes.data()), net::kFrameSize);
}

void TcpTransport::CloseConnection(ConnectionId id) {
    const auto it = connections_.find(id);
    if (it == connections_.end())
        return;
    QTcpSocket* socket = it->second.socket;
    connections_.erase(it);
    if (verbose_)
        std::printf("connection %llu: closed by the server\n", static_cast<unsigned long long>(id));
    socket->disconnect(this);
    // What was written still goes out first; the socket goes once it is closed.
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
}

void TcpTransport::Pump() {
    const qint64 now = clock_.elapsed();
    hall_.Advance(Millis(now - lastPump_));
    lastPump_ = now;
    if (verbose_)
        std::fflush(stdout);
    if (const auto next = hall_.TimeToNextEvent())
        timer_.start(static_cast<int>(std::min<qint64>(next->count(), 60'000)));
    else
        timer_.stop();
}

}  // namespace vantry::server
