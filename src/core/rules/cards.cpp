#include "rules/cards.h"

namespace vantry::rules {

std::optional<std::int16_t> PowerOfTwo(int n) {
    if (n <= 0)
        return 1;
    if (n > 14)
        return std::nullopt;
    return static_cast<std::int16_t>(1 << n);
}

CardCode ReadCard(const net::GameFrame& frame, std::size_t at, CardForm form) {
    if (at > net::kFrameSize - 4)
        return 0;
    if (form == CardForm::LowByteFirst)
        return MakeCard(frame[at], frame[at + 1], frame[at + 3]);
    return MakeCard(frame[at + 3], frame[at + 2], frame[at]);
}

}  // namespace vantry::rules
