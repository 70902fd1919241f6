#include "app/launch_params.h"

#include <charconv>
#include <vector>

#include "text/gbk.h"

namespace vantry::app {
namespace {

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// The character count of a field as one unsigned byte, or nothing above 255.
std::optional<std::uint8_t> ByteLength(std::string_view field) {
    const std::size_t n = text::CharCount(field);
    if (n > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(n);
}

}  // namespace

std::optional<std::int16_t> ParseInt16(std::string_view field) {
    field = TrimSpaces(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

double LeadingNumber(std::string_view field) {
    field = TrimSpaces(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    return ec == std::errc() ? value : 0.0;
}

std::string LobbyTitleFromArgument(std::string_view argument) {
    std::vector<std::string_view> fields;
    std::string_view rest = TrimSpaces(argument);
    for (std::size_t dollar = rest.find('$');
         dollar != std::string_view::npos && fields.size() < 12; dollar = rest.find('$')) {
        fields.push_back(rest.substr(0, dollar));
        rest.remove_prefix(dollar + 1);
    }
    if (fields.size() == 12 && LeadingNumber(fields[10]) == 1)
        return std::string(fields[11]);
    return kDefaultLobbyTitle;
}

ParseResult ParseLaunchArgument(std::string_view argument) {
    argument = TrimSpaces(argument);
    if (argument.empty())
        return {std::nullopt, ArgumentError::Empty};

    constexpr int kFieldCount = 15;
    std::vector<std::string_view> fields;
    std::string_view rest = argument;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::size_t dollar = rest.find('$');
        if (dollar == std::string_view::npos)
            return {std::nullopt, ArgumentError::Malformed};
        fields.push_back(rest.substr(0, dollar));
        rest.remove_prefix(dollar + 1);
    }
    // Fields after the fifteenth are ignored, but the argument must still end with '$'.
    if (argument.back() != '$')
        return {std::nullopt, ArgumentError::Malformed};

    LaunchParams p;
    p.Account = fields[0];
    p.LoginKey = fields[1];
    p.ServerHost = fields[2];
    p.RoomName = fields[4];
    p.ProxyHost = fields[6];
    p.ProxyUser = fields[8];
    p.ProxyPassword = fields[9];
    p.CustomTitles = LeadingNumber(fields[10]) == 1;
    p.LobbyTitle = fields[11];
    p.WindowCaption = fields[12];

    const auto port = ParseInt16(fields[3]);
    const auto proxyType = ParseInt16(fields[5]);
    const auto proxyPort = ParseInt16(fields[7]);
    const auto propSwitch = ParseInt16(fields[13]);
    const auto propArg = ParseInt16(fields[14]);
    const auto userLength = ByteLength(p.ProxyUser);
    const auto passwordLength = ByteLength(p.ProxyPassword);
    if (!port || !proxyType || !proxyPort || !propSwitch || !propArg || !userLength ||
        !passwordLength) {
        return {std::nullopt, ArgumentError::Malformed};
    }
    p.ServerPort = *port;
    p.ProxyType = *proxyType;
    p.ProxyPort = *proxyPort;
    p.Prop_swicth = *propSwitch;
    p.PropInitArg = *propArg;
    p.ProxyUserLength = *userLength;
    p.ProxyPasswordLength = *passwordLength;
    return {std::move(p), ArgumentError::None};
}

}  // namespace vantry::app
