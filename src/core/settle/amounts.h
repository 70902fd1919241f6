#pragma once
// Coin amounts as the boards show them: plain decimal numbers, no grouping,
// no fraction for whole values.

#include <string>

namespace vantry::settle {

std::string FormatAmount(double value);

// The numeric value at the start of a text (0 when there is none), as the
// boards read multiplier captions and saved counts.
double LeadingValue(const std::string& text);

}  // namespace vantry::settle
