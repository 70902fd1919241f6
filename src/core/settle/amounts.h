#pragma once
// Reading numbers back from board captions and saved lines.

#include <string>

namespace vantry::settle {

// The numeric value at the start of a text (0 when there is none), as the
// boards read multiplier captions and saved counts.
double LeadingValue(const std::string& text);

}  // namespace vantry::settle
