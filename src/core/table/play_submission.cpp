#include "table/play_submission.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "net/send_frame.h"
#include "rules/cards.h"
#include "rules/play_rules.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/pictures.h"
#include "table/played_cards.h"

namespace vantry::table {
namespace {

constexpr std::uint8_t kPlaySubCode = 2;
constexpr std::size_t kCardIds = 20;

struct RaisedCard {
    rules::CardCode card = 0;
    int image = 0;
    bool used = false;
};

void EndTurnOnScreen(app::Client& client) {
    rules::TableState& state = client.tableState;
    state.TurnCountdown = state.TurnTime;
    state.MyTurn = false;
    state.PlayClockOn = false;
    ui::TableWindow& t = client.table;
    t.Number.visible = t.Time_Img.visible = false;
    for (int i = 0; i < 3; ++i) {
        t.Operation[static_cast<std::size_t>(i)].visible = false;
        t.Operation[static_cast<std::size_t>(i)].enabled = false;
    }
}

// The played card k on the table, left to right around the first origin.
void PlaceOnTable(app::Client& client, int k, int n, const RaisedCard& played) {
    ui::Control& image = client.table.CardImages(0)[static_cast<std::size_t>(played.image)];
    const rules::SeatDisplay& seat = client.tableState.seats[0];
    const float sx = client.app.ScaleX;
    image.visible = false;
    image.width = ScaledX(client, 80);
    image.height = ScaledY(client, 108);
    image.top = seat.firstOrigin.y;
    image.left = static_cast<int>(std::lround(seat.firstOrigin.x - 90 * sx * (0.11 * n + 0.39) +
                                              0.22 * k * image.width * sx));
    image.visible = true;
    SetCardPicture(client, 0, played.image, rules::PictureCode(played.card));
    client.table.zorder.BringToFront(image);
}

}  // namespace

void SendPass(app::Client& client) {
    net::GameFrame pass = net::MakeFrame(net::MessageType::LocalPlay);
    pass[net::offset::kSeat] = rules::OwnSeatBit(client.tableState);
    pass[net::offset::kSubCode] = 1;
    net::SendFrame(client.net, pass);
}

void ShowIllegalPlayNotice(app::Client& client) {
    ui::Window& notice = client.ChuPai;
    const ui::Window& main = client.table.window;
    notice.left = main.left + (main.width - notice.width) / 2;
    notice.top = main.top + (main.height - notice.height) / 2;
    notice.topmost = true;
    notice.visible = true;
}

void SubmitPlay(app::Client& client) {
    rules::TableState& state = client.tableState;
    const rules::SeatDisplay& hand = state.seats[0];
    std::vector<RaisedCard> raised;
    std::vector<rules::CardCode> cards;
    for (int s = 0; s < rules::HandCount(hand); ++s) {
        const rules::HandSlot& slot = hand.slots[static_cast<std::size_t>(s)];
        if (slot.image < 0 || slot.image > 5 || !IsRaised(client, slot.image))
            continue;
        raised.push_back({slot.card, slot.image});
        cards.push_back(slot.card);
    }
    if (raised.empty())
        return;

    const int size = rules::ClassifyPlay(cards, state.selection);
    const int onTable = std::clamp<int>(state.LastPlayCardCount, 0, 27);
    const bool beats = rules::Beats(
        cards, size, std::span<const std::int32_t>(state.LastPlayCards.data(), onTable),
        state.LastPlayCount);
    if (size == 0 || (state.LastPlayCount != 0 && !beats))
        return ShowIllegalPlayNotice(client);

    EndTurnOnScreen(client);
    const int n = static_cast<int>(raised.size());
    net::GameFrame frame = net::MakeFrame(net::MessageType::LocalPlay);
    frame[net::offset::kSeat] = rules::OwnSeatBit(state);
    frame[net::offset::kSubCode] = kPlaySubCode;
    frame[17] = static_cast<std::uint8_t>(n);
    frame[18] = static_cast<std::uint8_t>(size);
    // The cards in the order the classification gives them, each raised card used once.
    std::vector<RaisedCard> ordered;
    for (int k = 0; k < n; ++k) {
        const rules::CardCode wanted = state.selection.cards[static_cast<std::size_t>(k)];
        for (RaisedCard& r : raised) {
            if (r.used || rules::RankValue(r.card) != rules::RankValue(wanted) ||
                rules::SuitFlag(r.card) != rules::SuitFlag(wanted))
                continue;
            r.used = true;
            ordered.push_back(r);
            break;
        }
    }
    for (const RaisedCard& r : raised)
        if (!r.used)
            ordered.push_back(r);
    for (int k = 0; k < n; ++k)
        frame[kCardIds + static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(rules::CardId(ordered[static_cast<std::size_t>(k)].card));

    if (!state.ActionOwed)
        return;
    state.ActionOwed = false;
    net::SendFrame(client.net, frame);

    state.LastPlayCount = static_cast<std::int16_t>(size);
    state.LastPlayCardCount = static_cast<std::int16_t>(n);
    for (int k = 0; k < n; ++k) {
        const RaisedCard& played = ordered[static_cast<std::size_t>(k)];
        PlaceOnTable(client, k, n, played);
        state.CurrentTrickCards[0].images[static_cast<std::size_t>(k)] =
            static_cast<std::int16_t>(played.image);
        state.LastPlayCards[static_cast<std::size_t>(k)] = rules::ShortCard(played.card);
    }
    state.CurrentTrickCards[0].count = static_cast<std::int16_t>(n);
    CloseUpHand(client);

    if (rules::HandCount(state.seats[0]) == 0 && state.FinishCount < 3) {
        ui::Control& badge = client.table.first[0];
        SetResourcePicture(
            badge, client.pictures.finishingPlace[static_cast<std::size_t>(state.FinishCount)]);
        badge.visible = true;
        client.table.zorder.BringToFront(badge);
        ++state.FinishCount;
    }
    client.ChuPai.visible = false;
}

}  // namespace vantry::table
