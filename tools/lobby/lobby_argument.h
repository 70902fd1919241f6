#pragma once
// The fifteen-field launch argument the lobby hands to the client.

#include <string>

namespace vantry::lobby {

struct Seating {
    std::string account = "player1";
    std::string key = "practice-key";
    std::string server = "127.0.0.1";
    std::string port = "6000";
    std::string room = "练习室";
    std::string proxyType = "0";
    std::string proxyHost;
    std::string proxyPort = "0";
    std::string proxyUser;
    std::string proxyPassword;
    std::string customTitles = "0";
    std::string lobbyTitle;
    std::string caption;
    std::string propSwitch = "0";
    std::string propArg = "0";
};

std::string BuildLaunchArgument(const Seating& s);

}  // namespace vantry::lobby
