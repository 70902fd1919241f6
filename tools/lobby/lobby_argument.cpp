#include "lobby_argument.h"

namespace vantry::lobby {

std::string BuildLaunchArgument(const Seating& s) {
    std::string arg;
    for (const std::string* field :
         {&s.account, &s.key, &s.server, &s.port, &s.room, &s.proxyType, &s.proxyHost, &s.proxyPort,
          &s.proxyUser, &s.proxyPassword, &s.customTitles, &s.lobbyTitle, &s.caption, &s.propSwitch,
          &s.propArg}) {
        arg += *field;
        arg += '$';
    }
    return arg;
}

}  // namespace vantry::lobby
