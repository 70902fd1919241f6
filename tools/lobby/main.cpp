// The stand-in lobby: owns the lobby window (an abstract-socket window of the
// lobby link), starts the client with a fifteen-field argument, prints every
// window message it receives and exits when the client has exited.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSocketNotifier>
#include <cstdio>

#include "lobby_argument.h"
#include "window_link.h"

namespace {

constexpr const char* kDefaultTitle = "Morvex山庄";

void Print(const char* format, auto... args) {
    std::printf(format, args...);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vantry-lobby");

    QCommandLineParser parser;
    parser.setApplicationDescription("Stand-in lobby: starts the Vantry table client.");
    parser.addHelpOption();
    struct Opt {
        const char* name;
        const char* help;
        std::string vantry::lobby::Seating::*field;
    };
    const Opt fields[] = {
        {"account", "account name", &vantry::lobby::Seating::account},
        {"key", "login key", &vantry::lobby::Seating::key},
        {"server", "game server address", &vantry::lobby::Seating::server},
        {"port", "game server port", &vantry::lobby::Seating::port},
        {"room", "room name", &vantry::lobby::Seating::room},
        {"proxy-type", "0 direct, 5 SOCKS5", &vantry::lobby::Seating::proxyType},
        {"proxy-host", "SOCKS5 proxy address", &vantry::lobby::Seating::proxyHost},
        {"proxy-port", "SOCKS5 proxy port", &vantry::lobby::Seating::proxyPort},
        {"proxy-user", "SOCKS5 user name", &vantry::lobby::Seating::proxyUser},
        {"proxy-password", "SOCKS5 password", &vantry::lobby::Seating::proxyPassword},
        {"prop-switch", "1 loads the props plugin", &vantry::lobby::Seating::propSwitch},
        {"prop-arg", "props plugin start-up argument", &vantry::lobby::Seating::propArg},
    };
    for (const Opt& o : fields)
        parser.addOption({QString::fromUtf8(o.name), QString::fromUtf8(o.help), "value"});
    parser.addOption({"title", "the lobby window's title (custom titles when given)", "title"});
    parser.addOption({"caption", "the client window's caption (with --title)", "caption"});
    parser.addOption({"client", "path of the client executable", "path"});
    parser.addOption({"argument", "pass this text to the client instead of building one", "text"});
    parser.process(app);

    vantry::lobby::Seating seating;
    for (const Opt& o : fields) {
        const QString name = QString::fromUtf8(o.name);
        if (parser.isSet(name))
            seating.*(o.field) = parser.value(name).toStdString();
    }
    std::string title = kDefaultTitle;
    if (parser.isSet("title")) {
        title = parser.value("title").toStdString();
        seating.customTitles = "1";
        seating.lobbyTitle = title;
        seating.caption =
            parser.isSet("caption") ? parser.value("caption").toStdString() : title + " 牌桌";
    }

    vantry::link::WindowEndpoint window;
    if (!window.Bind(title)) {
        Print("lobby: the window \"%s\" is already open\n", title.c_str());
        return 2;
    }
    QSocketNotifier notifier(window.Fd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        while (auto m = window.Receive())
            Print("message 0x%x 0x%x 0x%x\n", m->number, m->wParam, m->lParam);
    });

    const QString client = parser.isSet("client")
                               ? parser.value("client")
                               : QDir(QCoreApplication::applicationDirPath()).filePath("vantry");
    const std::string argument = parser.isSet("argument")
                                     ? parser.value("argument").toStdString()
                                     : vantry::lobby::BuildLaunchArgument(seating);

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&process, &QProcess::finished, [&](int code, QProcess::ExitStatus status) {
        // Take the last messages the client posted before it ended.
        while (auto m = window.Receive())
            Print("message 0x%x 0x%x 0x%x\n", m->number, m->wParam, m->lParam);
        Print("client exited %d%s\n", code, status == QProcess::CrashExit ? " (crashed)" : "");
        QCoreApplication::exit(status == QProcess::CrashExit ? 3 : 0);
    });
    QObject::connect(&process, &QProcess::errorOccurred, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            Print("lobby: cannot start %s\n", client.toLocal8Bit().constData());
            QCoreApplication::exit(4);
        }
    });
    QObject::connect(&process, &QProcess::started, [&] {
        Print("client pid %lld\n", static_cast<long long>(process.processId()));
    });
    Print("lobby: window \"%s\", starting client\n", title.c_str());
    process.start(client, {QString::fromStdString(argument)});
    return QCoreApplication::exec();
}
