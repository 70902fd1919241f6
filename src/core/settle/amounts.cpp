#include "settle/amounts.h"

#include <charconv>
#include <string_view>

namespace vantry::settle {

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
