#include "cards.h"

#include <algorithm>
#include <array>

namespace vantry::server {

std::vector<Card> PracticePack() {
    std::vector<Card> pack;
    pack.reserve(kPackSize);
    std::uint8_t id = 0;
    for (int copy = 0; copy < 2; ++copy) {
        for (std::uint8_t rank = 3; rank <= kTwo; ++rank)
            for (std::uint8_t suit : {1, 2, 4, 8})
                pack.push_back({suit, rank, id++});
        pack.push_back({0, kSmallJoker, id++});
        pack.push_back({0, kBigJoker, id++});
    }
    return pack;
}

std::uint64_t Random::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t Random::Below(std::uint32_t bound) {
    return static_cast<std::uint32_t>(Next() % bound);
}

namespace {

int OrderKey(const Card& c) {
    return c.rank * 256 + c.suit;
}

bool SameRank(std::span<const Card> cards) {
    if (cards.size() <= 1)
        return true;
    if (cards.size() == 2 && cards[0].rank >= kSmallJoker && cards[1].rank >= kSmallJoker)
        return true;
    return std::all_of(cards.begin(), cards.end(),
                       [&](const Card& c) { return c.rank == cards[0].rank; });
}

int CountRank(std::span<const Card> cards, std::uint8_t rank) {
    return static_cast<int>(
        std::count_if(cards.begin(), cards.end(), [&](const Card& c) { return c.rank == rank; }));
}

}  // namespace

void SortHand(std::vector<Card>& hand) {
    std::stable_sort(hand.begin(), hand.end(),
                     [](const Card& a, const Card& b) { return OrderKey(a) > OrderKey(b); });
}

int ClassifyPlay(std::span<const Card> cards) {
    if (cards.empty())
        return 0;
    return SameRank(cards) ? static_cast<int>(cards.size()) : 0;
}

bool IsLegalPlay(std::span<const Card> cards, const TablePlay& onTable) {
    const int size = ClassifyPlay(cards);
    if (size == 0)
        return false;
    if (onTable.size == 0)
        return true;
    return size == onTable.size && cards[0].rank > onTable.rank;
}

int ClassifyGiveUp(std::span<const Card> hand, std::span<const Card> selection) {
    const int bigJokers = CountRank(hand, kBigJoker);
    const int smallJokers = CountRank(hand, kSmallJoker);
    const bool oneJokerOfAKind = bigJokers == 1 || smallJokers == 1;
    const std::size_t n = selection.size();
    const int twos = CountRank(selection, kTwo);

    // The rest of the hand consists of tens only: then four cards may not be given up.
    std::vector<Card> rest;
    for (const Card& c : hand)
        if (std::find(selection.begin(), selection.end(), c) == selection.end())
            rest.push_back(c);
    const bool restAllTens = !rest.empty() && std::all_of(rest.begin(), rest.end(),
                                                          [](auto& c) { return c.rank == 10; });

    if (n == 1) {
        const std::uint8_t r = selection[0].rank;
        return (r == kBigJoker || (r == kSmallJoker && bigJokers == 1)) ? 1 : 0;
    }
    if (n == 2) {
        if (oneJokerOfAKind && twos == 2)
            return 1;
        const bool jokerPair =
            (selection[0].rank == kBigJoker && selection[1].rank == kSmallJoker) ||
            (selection[0].rank == kSmallJoker && selection[1].rank == kBigJoker);
        return jokerPair ? 2 : 0;
    }
    if (n == 3) {
        const int jokers = CountRank(selection, kSmallJoker) + CountRank(selection, kBigJoker);
        return (bigJokers == 1 && jokers == 1 && twos == 2) ? 2 : 0;
    }
    if (n == 4 && !restAllTens) {
        if (twos == 4)
            return oneJokerOfAKind ? 2 : 0;
        int sum = 0;
        for (const Card& c : selection)
            sum += c.rank;
        return sum == 63 ? 3 : 0;
    }
    return 0;
}

std::vector<Card> ChooseBotPlay(std::span<const Card> hand, const TablePlay& onTable) {
    std::vector<Card> sorted(hand.begin(), hand.end());
    SortHand(sorted);
    std::reverse(sorted.begin(), sorted.end());  // lowest first
    if (onTable.size == 0) {
        if (sorted.empty())
            return {};
        std::vector<Card> group;
        for (const Card& c : sorted)
            if (c.rank == sorted[0].rank)
                group.push_back(c);
        std::reverse(group.begin(), group.end());
        return group;
    }
    const auto need = static_cast<std::size_t>(onTable.size);
    for (std::uint8_t rank = onTable.rank + 1; rank <= kBigJoker; ++rank) {
        std::vector<Card> group;
        for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
            if (it->rank == rank && group.size() < need)
                group.push_back(*it);
        if (group.size() == need)
            return group;
    }
    // A small and a big joker also make a pair (it counts as the big joker's rank).
    if (need == 2 && onTable.rank < kBigJoker && CountRank(sorted, kBigJoker) >= 1 &&
        CountRank(sorted, kSmallJoker) >= 1) {
        const auto big =
            std::find_if(sorted.begin(), sorted.end(), [](auto& c) { return c.rank == kBigJoker; });
        const auto small = std::find_if(sorted.begin(), sorted.end(),
                                        [](auto& c) { return c.rank == kSmallJoker; });
        return {*big, *small};
    }
    return {};
}

std::vector<Card> ChooseBotGiveUp(std::span<const Card> hand) {
    std::vector<Card> best;
    const std::size_t n = hand.size();
    for (std::uint32_t mask = 1; mask < (1u << n); ++mask) {
        std::vector<Card> selection;
        for (std::size_t i = 0; i < n; ++i)
            if (mask & (1u << i))
                selection.push_back(hand[i]);
        if (selection.size() > best.size() && ClassifyGiveUp(hand, selection) > 0)
            best = selection;
    }
    return best;
}

int StrongCards(std::span<const Card> hand) {
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [](const Card& c) { return c.rank >= 14; }));
}

bool TakeByIds(std::span<const Card> hand, std::span<const std::uint8_t> ids,
               std::vector<Card>& out) {
    out.clear();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (std::find(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(i), ids[i]) !=
            ids.begin() + static_cast<std::ptrdiff_t>(i))
            return false;
        const auto it =
            std::find_if(hand.begin(), hand.end(), [&](const Card& c) { return c.id == ids[i]; });
        if (it == hand.end())
            return false;
        out.push_back(*it);
    }
    return true;
}

void RemoveCards(std::vector<Card>& hand, std::span<const Card> cards) {
    std::erase_if(hand, [&](const Card& c) {
        return std::any_of(cards.begin(), cards.end(), [&](const Card& x) { return x.id == c.id; });
    });
}

}  // namespace vantry::server
