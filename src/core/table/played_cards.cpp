#include "table/played_cards.h"

#include "rules/cards.h"
#include "rules/table_state.h"

namespace vantry::table {
namespace {

constexpr std::size_t kDealCards = 16;

}  // namespace

void ShowDealtHand(app::Client& client, const net::GameFrame& frame) {
    rules::TableState& state = client.tableState;
    rules::SeatDisplay& hand = state.seats[0];
    hand.count = 0;
    for (std::size_t i = 0; i < rules::kHandSlots; ++i) {
        hand.slots[i].card =
            rules::ReadCard(frame, kDealCards + 4 * i, rules::CardForm::LowByteFirst);
        hand.slots[i].image = static_cast<std::int16_t>(i);
        ++hand.count;
    }
    for (std::size_t p = 1; p < rules::kPositions; ++p) {
        state.seats[p].count = rules::kHandSlots;
        for (std::size_t i = 0; i < rules::kHandSlots; ++i)
            state.seats[p].slots[i].image = static_cast<std::int16_t>(i);
    }
}

void ShowTurnedUpHand(app::Client& client, const net::GameFrame& frame, int p) {
    if (p < 1 || p >= rules::kPositions)
        return;
    rules::TableState& state = client.tableState;
    rules::SeatDisplay& seat = state.seats[static_cast<std::size_t>(p)];
    for (std::size_t i = 0; i < rules::kHandSlots; ++i)
        seat.slots[i].card =
            rules::ReadCard(frame, kDealCards + 4 * i, rules::CardForm::LowByteFirst);
}

}  // namespace vantry::table
