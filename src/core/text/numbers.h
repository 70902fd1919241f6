#pragma once
// Numbers as the client shows them.

#include <string>

namespace vantry::text {

// A number as plain decimal digits: whole numbers without a fraction or
// exponent ("20000"), others with the digits they need ("12.5").
std::string PlainNumber(double value);

}  // namespace vantry::text
