// vantry-server: the practice game server. Each player who logs in gets a
// table with three bot players.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <chrono>
#include <cstdio>

#include "transport.h"

namespace {

bool ReadNumber(const QCommandLineParser& parser, const char* name, long long min, long long max,
                long long& out) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const long long v = parser.value(name).toLongLong(&ok);
    if (!ok || v < min || v > max) {
        std::fprintf(stderr, "vantry-server: --%s must be a number from %lld to %lld\n", name, min,
                     max);
        return false;
    }
    out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vantry-server");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Practice game server: every player who logs in gets a table with three bots.");
    parser.addHelpOption();
    parser.addOptions({
        {"port", "TCP port (0 picks a free one; at most 32767). Default 24680.", "port"},
        {"listen", "address to listen on. Default 127.0.0.1.", "address"},
        {"seed", "seed of the deals and bots (same seed, same deals). Default: from the clock.",
         "number"},
        {"turn-time", "seconds of a declaration or play turn. Default 15.", "seconds"},
        {"bot-delay", "how long a bot thinks, in milliseconds. Default 800.", "ms"},
        {"wealth-multiplier", "the room's wealth multiplier; 0 for none. Default 0.", "n"},
        {"ad-address", "advertisement address sent with the login result.", "address"},
        {"bad-key", "a login key that is refused.", "key"},
        {"unattended-limit", "time-outs before the client hides itself; 0 never. Default 3.", "n"},
        {"ready-time", "a deal starts at the latest this long after the table status. Default 15.",
         "seconds"},
        {"fee", "percent of the winnings taken as the table fee. Default 0.", "percent"},
        {"max-deals", "close each table after this many deals; 0 never. Default 0.", "n"},
        {"coins", "the player's coins at the start. Default 100000.", "n"},
        {"reconnect-wait", "seconds a table waits for a dropped player. Default 120.", "seconds"},
        {"grace",
         "seconds after the turn time before the server acts for a silent player. "
         "Default 5.",
         "seconds"},
        {"verbose", "log every frame in and out in readable form."},
    });
    parser.process(app);

    vantry::server::TableConfig config;
    config.seed = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF);
    long long port = 24680, seed = static_cast<long long>(config.seed), turn = config.turnSeconds,
              botDelay = config.botDelayMs, wealth = 0, limit = config.unattendedLimit,
              ready = config.readySeconds, fee = 0, maxDeals = 0,
              coins = static_cast<long long>(config.humanCoins),
              reconnect = config.reconnectSeconds, grace = config.graceSeconds;
    const bool ok = ReadNumber(parser, "port", 0, 32767, port) &&
                    ReadNumber(parser, "seed", 0, 0x7FFFFFFFFFFFFFFFll, seed) &&
                    ReadNumber(parser, "turn-time", 2, 255, turn) &&
                    ReadNumber(parser, "bot-delay", 0, 60000, botDelay) &&
                    ReadNumber(parser, "wealth-multiplier", 0, 1000000, wealth) &&
                    ReadNumber(parser, "unattended-limit", 0, 255, limit) &&
                    ReadNumber(parser, "ready-time", 1, 3600, ready) &&
                    ReadNumber(parser, "fee", 0, 50, fee) &&
                    ReadNumber(parser, "max-deals", 0, 1000000, maxDeals) &&
                    ReadNumber(parser, "coins", 0, 1'000'000'000'000ll, coins) &&
                    ReadNumber(parser, "reconnect-wait", 1, 3600, reconnect) &&
                    ReadNumber(parser, "grace", 0, 60, grace);
    if (!ok)
        return 2;
    config.seed = static_cast<std::uint64_t>(seed);
    config.turnSeconds = static_cast<int>(turn);
    config.botDelayMs = static_cast<int>(botDelay);
    config.wealthMultiplier = static_cast<std::uint32_t>(wealth);
    config.unattendedLimit = static_cast<int>(limit);
    config.readySeconds = static_cast<int>(ready);
    config.feePercent = static_cast<int>(fee);
    config.maxDeals = static_cast<int>(maxDeals);
    config.humanCoins = static_cast<std::uint64_t>(coins);
    config.reconnectSeconds = static_cast<int>(reconnect);
    config.graceSeconds = static_cast<int>(grace);
    config.adAddress = parser.value("ad-address").toStdString();
    config.badKey = parser.value("bad-key").toStdString();
    if (config.adAddress.size() > 99) {
        std::fprintf(stderr, "vantry-server: --ad-address is longer than 99 characters\n");
        return 2;
    }

    const QString listen = parser.isSet("listen") ? parser.value("listen") : "127.0.0.1";
    QHostAddress address;
    if (!address.setAddress(listen)) {
        std::fprintf(stderr, "vantry-server: --listen needs an IP address, not \"%s\"\n",
                     listen.toUtf8().constData());
        return 2;
    }

    vantry::server::TcpTransport transport(config, parser.isSet("verbose"));
    if (!transport.Listen(address, static_cast<quint16>(port))) {
        std::fprintf(stderr, "vantry-server: cannot listen on %s:%lld\n",
                     listen.toUtf8().constData(), port);
        return 1;
    }
    std::printf("vantry-server listening on %s:%u seed %llu\n", listen.toUtf8().constData(),
                transport.Port(), static_cast<unsigned long long>(config.seed));
    std::fflush(stdout);
    return app.exec();
}
