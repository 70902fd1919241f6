#pragma once
// A started client at a chosen screen size, with helpers to deal hands and
// build play broadcasts.

#include <gtest/gtest.h>

#include <cmath>

#include <initializer_list>
#include <utility>

#include "fakes.h"
#include "rules/cards.h"
#include "table/layout.h"

namespace vantry::test {

class TableTest : public ::testing::Test {
  protected:
    void StartAt(app::ScreenSize screen) {
        h.Start(DirectArgument(), screen);
        table::ClearTable(h.client);
        // The local player sits at seat bit 1, so seat bit 2 is on the left,
        // 4 at the top and 8 on the right.
        h.client.tableState.seats[0].seatBit = 1;
    }

    ui::TableWindow& T() { return h.client.table; }
    rules::TableState& S() { return h.client.tableState; }

    // A deal frame (or a face-up hand) with six cards given as (suit, rank).
    static net::GameFrame HandFrame(std::initializer_list<std::pair<int, int>> cards) {
        net::GameFrame f;
        f[3] = 1;
        std::size_t at = 16;
        int id = 1;
        for (auto [suit, rank] : cards) {
            f[at] = static_cast<std::uint8_t>(suit);
            f[at + 1] = static_cast<std::uint8_t>(rank);
            f[at + 3] = static_cast<std::uint8_t>(id++);
            at += 4;
        }
        return f;
    }

    // A play broadcast by the seat with this seat bit; cards as (suit, rank, id).
    static net::GameFrame PlayFrame(int seatBit, std::initializer_list<std::array<int, 3>> cards,
                                    int size = 1) {
        net::GameFrame f;
        f[3] = 6;
        f[6] = static_cast<std::uint8_t>(seatBit);
        f[15] = 2;
        f[17] = static_cast<std::uint8_t>(cards.size());
        f[18] = static_cast<std::uint8_t>(size);
        std::size_t at = 20;
        for (const auto& c : cards) {
            f[at] = static_cast<std::uint8_t>(c[0]);
            f[at + 1] = static_cast<std::uint8_t>(c[1]);
            f[at + 3] = static_cast<std::uint8_t>(c[2]);
            at += 4;
        }
        return f;
    }

    // Ranks of the local hand in slot order.
    std::vector<int> HandRanks() {
        std::vector<int> ranks;
        const rules::SeatDisplay& hand = S().seats[0];
        for (int s = 0; s < hand.count; ++s)
            ranks.push_back(rules::RankValue(hand.slots[static_cast<std::size_t>(s)].card));
        return ranks;
    }

    Harness h;
};

}  // namespace vantry::test
