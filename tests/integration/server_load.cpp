// Load test of the practice server: many protocol players, each at its own
// table, play deals at the same time against a real vantry-server on loopback.
// Reports the deals played and the server's CPU time and memory; fails on any
// frame the server complained about, any error a player saw, or a player that
// lost its connection or finished no deal.
//
//   server_load [--players 200] [--seconds 60] [--bot-delay 100] [--server PATH]

#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "protocol_player.h"

namespace {

using vantry::server::testing::ProtocolPlayer;
namespace net = vantry::net;

struct Seat {
    std::unique_ptr<ProtocolPlayer> player;
    QTcpSocket* socket = nullptr;
    QByteArray pending;
    bool lost = false;
};

void Write(QTcpSocket* socket, const net::GameFrame& f) {
    socket->write(reinterpret_cast<const char*>(f.bytes.data()), net::kFrameSize);
}

// User plus system CPU seconds of a process.
double CpuSeconds(qint64 pid) {
    QFile f(QString("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = f.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // After the name: state is field 3, utime field 14, stime field 15.
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

QByteArray StatusLine(qint64 pid, const char* key) {
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(static_cast<qsizetype>(std::strlen(key))).trimmed();
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {"players", "simulated players, one table each", "n", "200"},
        {"seconds", "how long they play", "s", "60"},
        {"bot-delay", "the server's bot delay in ms", "ms", "100"},
        {"server", "path of vantry-server", "path",
         QDir(QCoreApplication::applicationDirPath()).filePath("vantry-server")},
    });
    parser.process(app);
    const int players = parser.value("players").toInt();
    const int seconds = parser.value("seconds").toInt();

    QProcess server;
    QByteArray serverErrors;
    server.setProgram(parser.value("server"));
    server.setArguments({"--port", "0", "--seed", "1", "--bot-delay", parser.value("bot-delay"),
                         "--turn-time", "15"});
    QObject::connect(&server, &QProcess::readyReadStandardError,
                     [&] { serverErrors += server.readAllStandardError(); });
    server.start();
    if (!server.waitForStarted(5000) || !server.waitForReadyRead(5000)) {
        std::fprintf(stderr, "server_load: vantry-server did not start\n");
        return 1;
    }
    const QByteArray banner = server.readAllStandardOutput();
    const int colon = banner.indexOf(':', banner.indexOf("listening on"));
    const quint16 port = static_cast<quint16>(banner.mid(colon + 1).split(' ').value(0).toUInt());
    std::printf("server_load: %s", banner.constData());

    std::vector<Seat> seats(static_cast<std::size_t>(players));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        Seat& seat = seats[i];
        seat.player = std::make_unique<ProtocolPlayer>("load" + std::to_string(i), i + 1);
        seat.player->chatty = true;
        seat.socket = new QTcpSocket(&app);
        QObject::connect(seat.socket, &QTcpSocket::connected,
                         [&seat] { Write(seat.socket, seat.player->Login()); });
        QObject::connect(seat.socket, &QTcpSocket::readyRead, [&seat] {
            seat.pending += seat.socket->readAll();
            while (seat.pending.size() >= qsizetype(net::kFrameSize)) {
                const net::GameFrame f = net::FrameFrom(
                    std::span(reinterpret_cast<const std::uint8_t*>(seat.pending.constData()),
                              net::kFrameSize));
                seat.pending.remove(0, net::kFrameSize);
                for (const net::GameFrame& answer : seat.player->Receive(f))
                    Write(seat.socket, answer);
            }
        });
        QObject::connect(seat.socket, &QTcpSocket::disconnected, [&seat] { seat.lost = true; });
        seat.socket->connectToHost("127.0.0.1", port);
    }

    QTimer keepAlive;
    QObject::connect(&keepAlive, &QTimer::timeout, [&] {
        for (Seat& seat : seats)
            if (seat.player->LoggedIn() && !seat.player->InDeal() && !seat.lost)
                Write(seat.socket, seat.player->KeepAlive());
    });
    keepAlive.start(5000);

    const double cpuBefore = CpuSeconds(server.processId());
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = CpuSeconds(server.processId()) - cpuBefore;
    const QByteArray rss = StatusLine(server.processId(), "VmRSS:");
    const QByteArray peak = StatusLine(server.processId(), "VmHWM:");

    int deals = 0, idle = 0, lost = 0, errors = 0, frames = 0;
    for (const Seat& seat : seats) {
        deals += seat.player->DealsFinished();
        frames += seat.player->FramesReceived();
        idle += seat.player->DealsFinished() == 0;
        lost += seat.lost && !seat.player->Closed();
        for (const std::string& e : seat.player->Errors()) {
            if (errors++ < 10)
                std::fprintf(stderr, "server_load: player error: %s\n", e.c_str());
        }
    }
    for (Seat& seat : seats) {
        seat.socket->disconnect();  // the sockets outlive the seats their handlers use
        seat.socket->abort();
    }
    server.terminate();
    server.waitForFinished(3000);
    serverErrors += server.readAllStandardError();
    const int complaints = static_cast<int>(serverErrors.count('\n'));
    if (complaints)
        std::fprintf(stderr, "server_load: the server complained:\n%s",
                     serverErrors.left(2000).constData());

    std::printf(
        "server_load: %d players, %.1f s: %d deals finished, %d frames received\n"
        "server_load: server CPU %.2f s (%.1f%% of one core), memory now %s, peak %s\n"
        "server_load: %d players without a finished deal, %d connections lost, %d player "
        "errors, %d server complaints\n",
        players, elapsed, deals, frames, cpu, 100.0 * cpu / elapsed, rss.constData(),
        peak.constData(), idle, lost, errors, complaints);
    return (idle || lost || errors || complaints) ? 1 : 0;
}
