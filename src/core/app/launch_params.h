#pragma once
// The lobby starts the client with one argument of fifteen '$'-terminated
// fields. This is that argument taken apart.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantry::app {

inline constexpr const char* kDefaultLobbyTitle = "Morvex山庄";

enum class ProxyKind : std::int16_t { Direct = 0, Socks5 = 5 };

struct LaunchParams {
    std::string Account;
    std::string LoginKey;
    std::string ServerHost;
    std::int16_t ServerPort = 0;
    std::string RoomName;
    std::int16_t ProxyType = 0;  // 0 direct, 5 SOCKS5, anything else: no connection
    std::string ProxyHost;
    std::int16_t ProxyPort = 0;
    std::string ProxyUser;
    std::uint8_t ProxyUserLength = 0;  // characters
    std::string ProxyPassword;
    std::uint8_t ProxyPasswordLength = 0;
    bool CustomTitles = false;
    std::string LobbyTitle;
    std::string WindowCaption;
    std::int16_t Prop_swicth = 0;
    std::int16_t PropInitArg = 0;
};

enum class ArgumentError {
    None,
    Empty,      // nothing but spaces: the client was not started by the lobby
    Malformed,  // any other failure: restore the lobby and end silently
};

struct ParseResult {
    std::optional<LaunchParams> params;
    ArgumentError error = ArgumentError::None;
};

// Splits and converts the launch argument (texts in UTF-8). The lobby title
// is left as the argument gives it; startup applies the custom-titles rule.
ParseResult ParseLaunchArgument(std::string_view argument);

// The lobby title an argument names, as far as it can be read: field 12 when
// field 11 asks for custom titles, otherwise the design title. Startup uses it
// to give the seat back to the right lobby when the argument is unusable.
std::string LobbyTitleFromArgument(std::string_view argument);

// The 16-bit conversion of the numeric fields: an optional sign and decimal
// digits, surrounding spaces allowed, within -32768..32767.
std::optional<std::int16_t> ParseInt16(std::string_view field);

// The lenient conversion of field 11: the leading numeric value, 0 when there is none.
double LeadingNumber(std::string_view field);

}  // namespace vantry::app
