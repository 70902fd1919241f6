// The stand-in lobby. As a window (the default) it lists rooms and starts the
// table client when the player sits down. With --headless it starts the client
// at once, prints every window message it receives ("message NUMBER WPARAM
// LPARAM", hexadecimal) and exits when the client has exited: the form the
// tests use.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "lobby_argument.h"
#include "lobby_session.h"
#include "lobby_window.h"

namespace {

using vantry::lobby::Room;
using vantry::lobby::Seating;

constexpr const char* kDefaultTitle = "Morvex山庄";

void Print(const char* format, auto... args) {
    std::printf(format, args...);
    std::fflush(stdout);
}

struct Field {
    const char* name;
    const char* help;
    std::string Seating::*member;
};

constexpr Field kFields[] = {
    {"account", "account name", &Seating::account},
    {"key", "login key", &Seating::key},
    {"server", "game server address", &Seating::server},
    {"port", "game server port (at most 32767)", &Seating::port},
    {"room", "room name", &Seating::room},
    {"proxy-type", "0 direct, 5 SOCKS5", &Seating::proxyType},
    {"proxy-host", "SOCKS5 proxy address", &Seating::proxyHost},
    {"proxy-port", "SOCKS5 proxy port", &Seating::proxyPort},
    {"proxy-user", "SOCKS5 user name", &Seating::proxyUser},
    {"proxy-password", "SOCKS5 password", &Seating::proxyPassword},
    {"prop-switch", "1 loads the props plugin", &Seating::propSwitch},
    {"prop-arg", "props plugin start-up argument", &Seating::propArg},
};

// "name=host:port" entries separated by commas.
std::vector<Room> ParseRooms(const QString& text) {
    std::vector<Room> rooms;
    for (const QString& entry : text.split(',', Qt::SkipEmptyParts)) {
        const QStringList nameAndAddress = entry.split('=');
        if (nameAndAddress.size() != 2)
            continue;
        const QStringList hostAndPort = nameAndAddress[1].split(':');
        if (hostAndPort.size() != 2)
            continue;
        rooms.push_back(
            {nameAndAddress[0].trimmed(), hostAndPort[0].trimmed(), hostAndPort[1].trimmed()});
    }
    return rooms;
}

int RunHeadless(vantry::lobby::LobbySession& session, const QString& program,
                const std::string& argument, const std::string& caption, const std::string& title) {
    QObject::connect(
        &session, &vantry::lobby::LobbySession::MessageReceived,
        [](quint32 n, quint32 w, quint32 l) { Print("message 0x%x 0x%x 0x%x\n", n, w, l); });
    QObject::connect(&session, &vantry::lobby::LobbySession::ClientStarted,
                     [](qint64 pid) { Print("client pid %lld\n", static_cast<long long>(pid)); });
    QObject::connect(&session, &vantry::lobby::LobbySession::ClientExited,
                     [](int code, bool crashed) {
                         Print("client exited %d%s\n", code, crashed ? " (crashed)" : "");
                         QCoreApplication::exit(crashed ? 3 : 0);
                     });
    QObject::connect(&session, &vantry::lobby::LobbySession::ClientFailedToStart, [&] {
        Print("lobby: cannot start %s\n", program.toLocal8Bit().constData());
        QCoreApplication::exit(4);
    });
    Print("lobby: window \"%s\", starting client\n", title.c_str());
    session.StartClient(program, argument, caption);
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("vantry-lobby");
    QApplication::setQuitOnLastWindowClosed(true);

    QCommandLineParser parser;
    parser.setApplicationDescription("Stand-in lobby: starts the Vantry table client.");
    parser.addHelpOption();
    for (const Field& f : kFields)
        parser.addOption({QString::fromUtf8(f.name), QString::fromUtf8(f.help), "value"});
    parser.addOption({"title", "the lobby window's title (turns on custom titles)", "title"});
    parser.addOption({"caption", "the client window's caption (with --title)", "caption"});
    parser.addOption({"rooms", "rooms as name=host:port,... (window form)", "list"});
    parser.addOption({"client", "path of the client executable", "path"});
    parser.addOption({"headless", "start the client at once and print the messages received"});
    parser.addOption({"argument", "headless: pass this text to the client as it is", "text"});
    parser.process(app);

    Seating seating;
    for (const Field& f : kFields) {
        const QString name = QString::fromUtf8(f.name);
        if (parser.isSet(name))
            seating.*(f.member) = parser.value(name).toStdString();
    }
    std::string title = kDefaultTitle;
    std::string caption = "Vantry";
    if (parser.isSet("title")) {
        title = parser.value("title").toStdString();
        caption = parser.isSet("caption") ? parser.value("caption").toStdString() : title + " 牌桌";
        seating.customTitles = "1";
        seating.lobbyTitle = title;
        seating.caption = caption;
    }
    const QString program = parser.isSet("client")
                                ? parser.value("client")
                                : QDir(QCoreApplication::applicationDirPath()).filePath("vantry");

    vantry::lobby::LobbySession session;
    if (!session.Open(title)) {
        Print("lobby: the window \"%s\" is already open\n", title.c_str());
        return 2;
    }

    if (parser.isSet("headless")) {
        const std::string argument = parser.isSet("argument")
                                         ? parser.value("argument").toStdString()
                                         : vantry::lobby::BuildLaunchArgument(seating);
        return RunHeadless(session, program, argument, caption, title);
    }

    std::vector<Room> rooms = ParseRooms(parser.value("rooms"));
    if (rooms.empty()) {
        rooms.push_back({QString::fromStdString(seating.room),
                         QString::fromStdString(seating.server),
                         QString::fromStdString(seating.port)});
    }
    vantry::lobby::LobbyWindow window(session, seating, std::move(rooms), program,
                                      QString::fromStdString(title));
    window.show();
    return QApplication::exec();
}
