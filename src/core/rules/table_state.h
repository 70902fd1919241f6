#pragma once
// The per-table state kept between two messages: the four seats' hands, the
// cards on the table, the play to beat, the last classification and the
// clocks and flags of the deal and play turns.

#include <array>
#include <cstdint>
#include <string>

#include "rules/cards.h"

namespace vantry::rules {

inline constexpr int kPositions = 4;
inline constexpr int kHandSlots = 6;
inline constexpr std::int16_t kNoRevealedSeat = 5;
inline constexpr std::int16_t kNoImage = -1;

struct Point16 {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct HandSlot {
    CardCode card = 0;
    std::int16_t image = kNoImage;  // index of the card image that shows it
};

// One seat as the table shows it, by screen position (0 is the local player).
// For the local player the slots are the real hand; for the others they are
// only filled while that hand lies face up, otherwise only the count matters.
struct SeatDisplay {
    std::string name;          // account name of the seat's player
    std::uint8_t seatBit = 0;  // 1, 2, 4 or 8; 0 until the server names it
    Point16 firstOrigin;       // where played and shown cards are drawn
    Point16 secondOrigin;
    std::array<HandSlot, kHandSlots> slots{};
    std::int16_t count = 0;  // slots 0..count-1 are in use
};

// Card images of one position lying on the table.
struct PositionCards {
    std::array<std::int16_t, 27> images{};
    std::int16_t count = 0;
};
using TrickCards = std::array<PositionCards, kPositions>;

// One card of the hand that lies face up for everyone.
struct RevealedCard {
    enum State : std::int16_t { InHand = 1, Gone = 2 };
    std::int16_t rank = 0;
    std::int16_t suit = 0;
    std::int16_t id = 0;
    std::int16_t state = 0;
};

// The last classification of a selection: its size (0 = not a play) and,
// when it is a play, the cards in selection order.
struct SelectionResult {
    std::int16_t size = 0;
    std::array<CardCode, 27> cards{};
};

// The last give-up analysed, ready to be sent: four values per card (id, 0,
// rank, suit), the kind of give-up and the card count (0 = not a valid give-up).
struct GiveUpSelection {
    std::array<std::int16_t, 20> cardValues{};
    std::int16_t kind = 0;
    std::int16_t count = 0;
};

struct TableState {
    std::array<SeatDisplay, kPositions> seats;
    TrickCards CurrentTrickCards{};
    TrickCards PreviousTrickCards{};

    std::int16_t RevealedSeat = 0;  // position whose hand lies face up; 5 = none
    std::array<RevealedCard, kHandSlots> RevealedCards{};
    // Card images of positions 1..3 used up in this deal by give-ups and plays;
    // the next cards of the seat are drawn from there on. Index 0 is unused.
    std::array<std::int16_t, kPositions> GivenUpCount{};

    std::int16_t LastPlayCount = 0;  // size of the play to beat; 0 = free lead
    std::int16_t LastPlayCardCount = 0;
    std::array<std::int32_t, 27> LastPlayCards{};  // ShortCards of the play to beat

    SelectionResult selection;
    GiveUpSelection giveUp;

    std::int16_t TurnCountdown = 0;  // seconds shown on the countdown clock
    std::int16_t TurnTime = 10;      // seconds of a play turn when the server gives fewer than 2
    bool FastTurn = false;           // the boss key is in force: every countdown starts at 1
    bool BossKeyMark = false;        // while set, a login result stores 2 s as TurnTime

    bool DeclareClockOn = false;
    std::int16_t DeclareTicks = 0;  // 50 ms ticks towards the next second
    std::int16_t DeclareTime = 0;   // seconds the server gives for a declaration
    bool PlayClockOn = false;
    int PlayTicks = 0;

    bool MyTurn = false;
    bool ActionOwed = false;    // a play or pass may still be sent in this turn
    bool MustLead = false;      // the local player opens a new trick: no pass
    bool TimeoutWatch = false;  // the running play clock is the local player's
    bool DeclarePanelSet = false;
    std::int16_t AnnouncedKind = 0;  // 4 declared, 8 spread, +64 when cards were given up
    bool FollowOffer = false;        // the second declaration button stands for a pass

    std::int16_t BubblePosition = 0;
    bool BubbleShown = false;
    int BubbleTicks = 0;

    std::uint8_t PlayMessageCount = 0;
    std::int16_t FinishCount = 0;  // finishing-place badges given in this deal

    std::int16_t HintCursor = 0;  // rank-list index where the next hint search starts
    bool HintGiven = false;
};

// The number of slots of a seat in use, kept within the six slots whatever
// a message has set.
int HandCount(const SeatDisplay& seat);

// The local player's seat bit, against which every seat byte is placed.
inline std::uint8_t OwnSeatBit(const TableState& state) {
    return state.seats[0].seatBit;
}

// Where a seat named by a frame byte sits on the screen, 0..3 (0 the local
// player, 1 left, 2 top, 3 right). Only the low four bits count; a byte
// without a seat bit lands like seat index 0.
int ScreenPosition(std::uint8_t seatByte, std::uint8_t ownSeatBit);

// True when one of the used slots of the local hand is shown by this card image.
bool IsHandImage(const TableState& state, int imageIndex);

// Empties the four seats' slots for a new deal: no slot keeps an image, every
// count and the finishing places go back to 0. Card values stay.
void ResetSeatHands(TableState& state);

// The part of clearing the table that belongs to the table state.
void ClearTableState(TableState& state);

// What every deal start resets besides clearing the table; runs before the
// new hand is read, since it empties every seat's count.
void ResetForNewDeal(TableState& state);

}  // namespace vantry::rules
