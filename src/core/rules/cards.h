#pragma once
// Cards as the client holds them, the forms in which they travel in frames,
// and the small arithmetic on suit and seat bits.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "net/frame.h"

namespace vantry::rules {

// One card in four bytes, lowest first: suit flag (1 diamonds, 2 clubs,
// 4 hearts, 8 spades, 0 on the jokers), rank (3..10, 11 jack, 12 queen,
// 13 king, 14 ace, 15 the two, 16 small joker, 17 big joker), point tag (set
// only while the point sort runs) and the server's id of the physical card.
// Held unsigned so that every id byte the server may send, 128 and above
// included, stays whole.
using CardCode = std::uint32_t;

inline constexpr int kRankTwo = 15;
inline constexpr int kRankSmallJoker = 16;
inline constexpr int kRankBigJoker = 17;
inline constexpr int kRankTen = 10;

constexpr CardCode MakeCard(int suitFlag, int rank, int cardId, int pointTag = 0) {
    return (static_cast<CardCode>(suitFlag) & 0xFFu) | (static_cast<CardCode>(rank) & 0xFFu) << 8 |
           (static_cast<CardCode>(pointTag) & 0xFFu) << 16 |
           (static_cast<CardCode>(cardId) & 0xFFu) << 24;
}

constexpr int SuitFlag(CardCode card) {
    return static_cast<int>(card & 0x0Fu);
}
constexpr int RankValue(CardCode card) {
    return static_cast<int>((card >> 8) & 0xFFu);
}
constexpr int PointTag(CardCode card) {
    return static_cast<int>((card >> 16) & 0xFFu);
}
constexpr int CardId(CardCode card) {
    return static_cast<int>(card >> 24);
}

// What every ordering of cards compares: tag, rank and suit, larger first.
// At equal tag and rank the suit decides: spades, hearts, clubs, diamonds.
constexpr std::int32_t OrderKey(CardCode card) {
    return static_cast<std::int32_t>(card & 0xFFFFFFu);
}

// A card without id and tag, as the play to beat is kept. Its rank sits in
// the same byte as a CardCode's, so RankValue reads both.
constexpr std::int32_t ShortCard(CardCode card) {
    return RankValue(card) * 256 + SuitFlag(card);
}

// How often a value can be halved while it is above 1: 0, 1, 2, 3 for the
// bits 1, 2, 4, 8; 0 for 0, 1 and negative values.
constexpr int BitIndex(int value) {
    int n = 0;
    while (value > 1) {
        value /= 2;
        ++n;
    }
    return n;
}

// 2 to the power n (1 for n <= 0) as the 16-bit number the settlement shows;
// empty when the result does not fit 16 bits (n above 14).
std::optional<std::int16_t> PowerOfTwo(int n);

// The picture number of a card: the rank in the row of its suit (diamonds,
// clubs, hearts, spades); the jokers land on 16 and 17.
constexpr int PictureCode(CardCode card) {
    return RankValue(card) + 16 * BitIndex(SuitFlag(card));
}
inline constexpr int kCardBackPicture = 18;

// The two full forms of a card in frames.
enum class CardForm {
    LowByteFirst,   // suit, rank, tag (not read), id: deals, face-up hands, play broadcasts
    HighByteFirst,  // id, one byte not read, rank, suit: lists of given-up cards
};

// Reads the card whose first byte is at `at`; the tag is always 0. A card
// that would reach past the end of the frame reads as 0 (no card).
CardCode ReadCard(const net::GameFrame& frame, std::size_t at, CardForm form);

}  // namespace vantry::rules
