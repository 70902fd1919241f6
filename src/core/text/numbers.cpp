#include "text/numbers.h"

#include <cmath>
#include <cstdio>

namespace vantry::text {

std::string PlainNumber(double value) {
    char buf[400];  // room for the largest whole double
    if (value == 0)
        return "0";  // also for -0
    if (std::isfinite(value) && std::trunc(value) == value) {
        std::snprintf(buf, sizeof buf, "%.0f", value);
    } else {
        std::snprintf(buf, sizeof buf, "%.15g", value);
    }
    return buf;
}

}  // namespace vantry::text
