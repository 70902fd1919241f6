#pragma once
// The practice server's own cards and play rules. Kept apart from the table so
// that it can later be swapped for the shared rules of the core.

#include <cstdint>
#include <span>
#include <vector>

namespace vantry::server {

// Ranks: 3..10, 11 jack, 12 queen, 13 king, 14 ace, 15 the two, 16 small joker,
// 17 big joker. Suits: 1 diamonds, 2 clubs, 4 hearts, 8 spades, 0 on jokers.
inline constexpr std::uint8_t kTwo = 15;
inline constexpr std::uint8_t kSmallJoker = 16;
inline constexpr std::uint8_t kBigJoker = 17;

struct Card {
    std::uint8_t suit = 0;
    std::uint8_t rank = 0;
    std::uint8_t id = 0;  // unique within the pack, below 128
    friend bool operator==(const Card&, const Card&) = default;
};

// Two full 54-card packs: 108 cards with ids 0..107.
inline constexpr std::size_t kPackSize = 108;
std::vector<Card> PracticePack();

// A small deterministic generator (splitmix64): the same seed gives the same
// deals on every machine and library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in 0..bound-1 (bound > 0).
    std::uint32_t Below(std::uint32_t bound);
    template <typename T>
    void Shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(static_cast<std::uint32_t>(i))]);
    }

  private:
    std::uint64_t state_;
};

// Highest rank first; within a rank spades, hearts, clubs, diamonds (the
// order the client sorts a hand in).
void SortHand(std::vector<Card>& hand);

// The size of a play (its card count) when the cards form one: one card, or
// cards of one rank, or the two jokers as a pair. 0 when they do not.
int ClassifyPlay(std::span<const Card> cards);

// The play on the table; size 0 means the next player leads freely.
struct TablePlay {
    int size = 0;
    std::uint8_t rank = 0;  // rank of the first card of the play
};

// True when `cards` may be played on `onTable`: a valid play that either leads
// or has the same size and a strictly higher first-card rank.
bool IsLegalPlay(std::span<const Card> cards, const TablePlay& onTable);

// The give-up kind (1..3) of giving up `selection` out of `hand`, 0 when the
// selection may not be given up. `selection` must be part of `hand`.
int ClassifyGiveUp(std::span<const Card> hand, std::span<const Card> selection);

// Bots: the lowest group that may be played (lead: the lowest rank, all of
// its cards; follow: the lowest rank that beats, as many cards as needed).
// Empty when nothing beats. Big joker first in a joker pair.
std::vector<Card> ChooseBotPlay(std::span<const Card> hand, const TablePlay& onTable);

// The largest give-up a bot can make from its hand, empty when none.
std::vector<Card> ChooseBotGiveUp(std::span<const Card> hand);

// Cards of rank ace or higher: what the bots call a strong card.
int StrongCards(std::span<const Card> hand);

// The cards of `hand` whose ids are listed, in the listed order; nothing when
// an id is not in the hand or listed twice.
bool TakeByIds(std::span<const Card> hand, std::span<const std::uint8_t> ids,
               std::vector<Card>& out);

// Removes the given cards (by id) from the hand.
void RemoveCards(std::vector<Card>& hand, std::span<const Card> cards);

}  // namespace vantry::server
