#pragma once
// The shape rules the client checks before a play or a give-up leaves it: a
// play is one card or several cards of one rank (the two jokers also pair),
// and it beats the play on the table with the same number of cards and a
// strictly higher rank. Suits never matter. The server checks again.

#include <array>
#include <cstdint>
#include <span>

#include "rules/table_state.h"

namespace vantry::rules {

// Which slots of the local hand are raised (selected), by slot.
using RaisedSlots = std::array<bool, kHandSlots>;

// The raised cards of the local hand, in slot order.
struct Selection {
    std::array<CardCode, kHandSlots> cards{};
    int count = 0;
    std::span<const CardCode> View() const {
        return {cards.data(), static_cast<std::size_t>(count)};
    }
};
Selection RaisedCards(const SeatDisplay& hand, const RaisedSlots& raised);

// One card or fewer, every card of the first card's rank, or two cards
// of rank 16 or above.
bool SameRank(std::span<const CardCode> cards);

// The size of the play the cards form, 0 when they form none; kept in the
// selection result together with the cards.
int ClassifyPlay(std::span<const CardCode> cards, SelectionResult& result);

// True when the new play has the same size and its first card a strictly
// higher rank than the first card of the play to beat. Both card lists are
// read by rank only, so CardCodes and ShortCards may be mixed.
bool Beats(std::span<const CardCode> newCards, int newResult,
           std::span<const std::int32_t> previousCards, int previousResult);

// The selection may be played now: it is a play, and it beats the play on
// the table or the table is free.
bool IsLegalPlay(TableState& state, std::span<const CardCode> selection);

// The used slots of the local hand holding this rank, raised or not.
int CountRankInHand(const TableState& state, int rank);

// The cards left unraised are all of one rank and the last of them is a ten.
bool RestAllTens(const TableState& state, const RaisedSlots& raised);

// Analyses the raised cards as a give-up and fills the give-up selection.
// Returns true when they form a valid give-up; the caller then hands the
// cards to the give-up display. When they do not, only the count becomes 0
// and the rest of the selection keeps what it held.
bool ClassifyGiveUp(TableState& state, const RaisedSlots& raised);

}  // namespace vantry::rules
