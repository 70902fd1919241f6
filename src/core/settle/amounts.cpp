#include "settle/amounts.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace vantry::settle {

std::string FormatAmount(double value) {
    char buf[64];
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.0f", value);
    } else {
        std::snprintf(buf, sizeof buf, "%.15g", value);
    }
    std::string text = buf;
    if (text == "-0")
        text = "0";
    return text;
}

double LeadingValue(const std::string& text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() ? value : 0.0;
}

}  // namespace vantry::settle
