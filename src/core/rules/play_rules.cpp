#include "rules/play_rules.h"

#include <algorithm>

namespace vantry::rules {
namespace {

bool IsJoker(int rank) {
    return rank >= kRankSmallJoker;
}

// The give-up kind and size of the raised cards; kind 0 when they form none.
struct GiveUp {
    int kind = 0;
    int count = 0;
};

GiveUp AnalyseGiveUp(const TableState& state, const RaisedSlots& raised, const Selection& sel) {
    const int bigJokers = CountRankInHand(state, kRankBigJoker);
    const int smallJokers = CountRankInHand(state, kRankSmallJoker);
    // Twos may only go together with exactly one joker of one kind in the hand.
    const bool oneJokerOfAKind = bigJokers == 1 || smallJokers == 1;
    std::array<int, kHandSlots> ranks{};
    int twos = 0;
    int jokers = 0;
    int sum = 0;
    for (int k = 0; k < sel.count; ++k) {
        const int rank = RankValue(sel.cards[static_cast<std::size_t>(k)]);
        ranks[static_cast<std::size_t>(k)] = rank;
        twos += rank == kRankTwo ? 1 : 0;
        jokers += rank > kRankTwo ? 1 : 0;
        sum += rank;
    }
    switch (sel.count) {
        case 1:
            if (ranks[0] == kRankBigJoker || (ranks[0] == kRankSmallJoker && bigJokers == 1))
                return {1, 1};
            return {};
        case 2:
            if (oneJokerOfAKind && twos == 2)
                return {1, 2};
            if (std::min(ranks[0], ranks[1]) == kRankSmallJoker &&
                std::max(ranks[0], ranks[1]) == kRankBigJoker)
                return {2, 2};
            return {};
        case 3:
            if (bigJokers == 1 && jokers == 1 && twos == 2)
                return {2, 3};
            return {};
        case 4: {
            // Keeping nothing but tens is never allowed.
            if (RestAllTens(state, raised))
                return {};
            if (twos == 4)
                return oneJokerOfAKind ? GiveUp{2, 4} : GiveUp{};
            // Both jokers with two twos: 17 + 16 + 15 + 15.
            if (sum == 63)
                return {3, 4};
            return {};
        }
        default:
            return {};
    }
}

}  // namespace

Selection RaisedCards(const SeatDisplay& hand, const RaisedSlots& raised) {
    Selection sel;
    const int count = HandCount(hand);
    for (int s = 0; s < count; ++s) {
        if (raised[static_cast<std::size_t>(s)])
            sel.cards[static_cast<std::size_t>(sel.count++)] =
                hand.slots[static_cast<std::size_t>(s)].card;
    }
    return sel;
}

bool SameRank(std::span<const CardCode> cards) {
    if (cards.size() <= 1)
        return true;
    if (cards.size() == 2 && RankValue(cards[0]) > kRankTwo && IsJoker(RankValue(cards[1])))
        return true;
    const int rank = RankValue(cards[0]);
    return std::all_of(cards.begin(), cards.end(),
                       [rank](CardCode c) { return RankValue(c) == rank; });
}

int ClassifyPlay(std::span<const CardCode> cards, SelectionResult& result) {
    const bool play = !cards.empty() && cards.size() <= result.cards.size() && SameRank(cards);
    result.size = play ? static_cast<std::int16_t>(cards.size()) : 0;
    if (play)
        std::copy(cards.begin(), cards.end(), result.cards.begin());
    return result.size;
}

bool Beats(std::span<const CardCode> newCards, int newResult,
           std::span<const std::int32_t> previousCards, int previousResult) {
    if (newCards.empty() || previousCards.empty() || newResult != previousResult)
        return false;
    return RankValue(newCards[0]) > RankValue(static_cast<CardCode>(previousCards[0]));
}

bool IsLegalPlay(TableState& state, std::span<const CardCode> selection) {
    const int result = ClassifyPlay(selection, state.selection);
    if (result <= 0)
        return false;
    if (state.LastPlayCount == 0)
        return true;
    // Only the first card of the play to beat is compared.
    return Beats(selection, result, state.LastPlayCards, state.LastPlayCount);
}

int CountRankInHand(const TableState& state, int rank) {
    const SeatDisplay& hand = state.seats[0];
    const int count = HandCount(hand);
    int n = 0;
    for (int s = 0; s < count; ++s)
        n += RankValue(hand.slots[static_cast<std::size_t>(s)].card) == rank ? 1 : 0;
    return n;
}

bool RestAllTens(const TableState& state, const RaisedSlots& raised) {
    RaisedSlots unraised{};
    for (std::size_t s = 0; s < unraised.size(); ++s)
        unraised[s] = !raised[s];
    const Selection rest = RaisedCards(state.seats[0], unraised);
    if (rest.count == 0)
        return false;
    return SameRank(rest.View()) &&
           RankValue(rest.cards[static_cast<std::size_t>(rest.count - 1)]) == kRankTen;
}

bool ClassifyGiveUp(TableState& state, const RaisedSlots& raised) {
    const Selection sel = RaisedCards(state.seats[0], raised);
    const GiveUp giveUp = AnalyseGiveUp(state, raised, sel);
    GiveUpSelection& out = state.giveUp;
    if (giveUp.kind == 0) {
        out.count = 0;
        return false;
    }
    for (int k = 0; k < sel.count; ++k) {
        const CardCode card = sel.cards[static_cast<std::size_t>(k)];
        const auto at = static_cast<std::size_t>(4 * k);
        out.cardValues[at] = static_cast<std::int16_t>(CardId(card));
        out.cardValues[at + 1] = 0;
        out.cardValues[at + 2] = static_cast<std::int16_t>(RankValue(card));
        out.cardValues[at + 3] = static_cast<std::int16_t>(SuitFlag(card));
    }
    out.kind = static_cast<std::int16_t>(giveUp.kind);
    out.count = static_cast<std::int16_t>(giveUp.count);
    return true;
}

}  // namespace vantry::rules
