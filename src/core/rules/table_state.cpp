#include "rules/table_state.h"

#include <algorithm>

namespace vantry::rules {

int HandCount(const SeatDisplay& seat) {
    return std::clamp<int>(seat.count, 0, kHandSlots);
}

int ScreenPosition(std::uint8_t seatByte, std::uint8_t ownSeatBit) {
    const int seatIndex = BitIndex(seatByte & 0x0F);
    const int ownIndex = BitIndex(ownSeatBit & 0x0F);
    return (seatIndex + kPositions - ownIndex) % kPositions;
}

bool IsHandImage(const TableState& state, int imageIndex) {
    const SeatDisplay& hand = state.seats[0];
    const int count = HandCount(hand);
    for (int s = 0; s < count; ++s) {
        if (hand.slots[static_cast<std::size_t>(s)].image == imageIndex)
            return true;
    }
    return false;
}

void ResetSeatHands(TableState& state) {
    for (SeatDisplay& seat : state.seats) {
        for (HandSlot& slot : seat.slots)
            slot.image = kNoImage;
        seat.count = 0;
    }
    state.FinishCount = 0;
}

void ClearTableState(TableState& state) {
    state.RevealedSeat = kNoRevealedSeat;
    state.CurrentTrickCards = {};
    state.PreviousTrickCards = {};
    state.DeclareClockOn = false;
    state.DeclareTicks = 0;
    state.DeclareTime = 8;
    state.GivenUpCount = {};
    state.BubblePosition = 0;
    state.DeclarePanelSet = false;
}

void ResetForNewDeal(TableState& state) {
    state.MyTurn = false;
    state.AnnouncedKind = 0;
    state.PlayMessageCount = 0;
    state.PlayClockOn = false;
    for (SeatDisplay& seat : state.seats)
        seat.count = 0;
    state.RevealedSeat = kNoRevealedSeat;
    state.MustLead = false;
}

}  // namespace vantry::rules
