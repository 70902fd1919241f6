#include "table/played_cards.h"

#include <algorithm>
#include <cmath>

#include "rules/table_state.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/table_sound.h"

namespace vantry::table {
namespace {

using rules::CardCode;
using ui::Control;

constexpr std::size_t kFirstCard = 16;  // deal and face-up hands: six cards from here

rules::SeatDisplay& Seat(app::Client& client, int position) {
    return client.tableState.seats[static_cast<std::size_t>(position)];
}

Control& Image(app::Client& client, int position, int image) {
    return client.table.CardImages(position)[static_cast<std::size_t>(image)];
}

// Left of card k of a turned-up hand at a position (the hand row layout).
int HandRowLeft(const app::Client& client, int position, int k, int w, bool firstTime,
                RedrawAfter after) {
    const double sx = client.app.ScaleX;
    const double offset = k * 0.2 * w;
    switch (position) {
        case 1:
            return static_cast<int>(std::lround((offset + (firstTime ? 10 : 50)) * sx));
        case 2:
            return static_cast<int>(std::lround((offset + 400) * sx));
        default:
            if (firstTime || after == RedrawAfter::GiveUp)
                return static_cast<int>(offset + (sx == 1.0 ? 800 : 600));
            return static_cast<int>(std::lround((offset + 800) * sx));
    }
}

int HandRowTop(const app::Client& client, int position) {
    return ScaledY(client, position == 2 ? 85 : 250);
}

void HideListed(app::Client& client, int position, const rules::PositionCards& cards) {
    const int rows = std::clamp<int>(cards.count, 0, 27);
    for (int r = 0; r < rows; ++r) {
        const int i = cards.images[static_cast<std::size_t>(r)];
        if (i >= 0 && i <= 5)
            Image(client, position, i).visible = false;
    }
}

// Gives a seat that has just emptied its hand the next finishing place.
void GiveFinishingBadge(app::Client& client, int position) {
    rules::TableState& state = client.tableState;
    if (state.FinishCount >= 3)
        return;
    Control& badge = client.table.first[static_cast<std::size_t>(position)];
    SetResourcePicture(badge,
                       client.pictures.finishingPlace[static_cast<std::size_t>(state.FinishCount)]);
    badge.visible = true;
    client.table.zorder.BringToFront(badge);
    ++state.FinishCount;
}

}  // namespace

void ShowFan(app::Client& client, int position) {
    if (position < 1 || position > 3)
        return;
    Control& fan = client.table.shanImage[static_cast<std::size_t>(position - 1)];
    const int count = rules::HandCount(Seat(client, position));
    if (count < 1) {
        fan.visible = false;
        return;
    }
    SetResourcePicture(fan, client.pictures.fan[static_cast<std::size_t>(position - 1)]
                                               [static_cast<std::size_t>(count - 1)]);
    fan.stretch = false;
    client.table.zorder.SendToBack(fan);
    fan.visible = true;
}

void RedrawTurnedUpHand(app::Client& client, int position, RedrawAfter after) {
    rules::TableState& state = client.tableState;
    int image = state.GivenUpCount[static_cast<std::size_t>(position)];
    int k = 0;
    for (const rules::RevealedCard& card : state.RevealedCards) {
        if (card.state != rules::RevealedCard::InHand)
            continue;
        if (image < 0 || image > 5)
            return;
        Control& c = Image(client, position, image);
        SetCardPicture(client, position, image, card.rank + 16 * rules::BitIndex(card.suit));
        c.Move(HandRowLeft(client, position, k, c.width, false, after),
               HandRowTop(client, position));
        c.stretch = false;
        c.visible = true;
        client.table.zorder.BringToFront(c);
        ++image;
        ++k;
    }
}

void CloseUpHand(app::Client& client) {
    rules::SeatDisplay& hand = Seat(client, 0);
    int s = 0;
    while (s < rules::HandCount(hand)) {
        if (IsRaised(client, hand.slots[static_cast<std::size_t>(s)].image)) {
            for (int j = s; j + 1 < rules::HandCount(hand); ++j)
                hand.slots[static_cast<std::size_t>(j)] =
                    hand.slots[static_cast<std::size_t>(j + 1)];
            --hand.count;
        } else {
            ++s;
        }
    }
    const double f = client.app.ScaleX == 1.0f ? 0.22 : 0.3;
    // The step of a card in the hand; image 0 may lie on the table at the
    // narrower size of a played card, so its current width is not used.
    const int width = ScaledX(client, 90);
    for (int i = 0; i < rules::HandCount(hand); ++i) {
        const int image = hand.slots[static_cast<std::size_t>(i)].image;
        if (image < 0 || image > 5)
            continue;
        Control& c = Image(client, 0, image);
        c.visible = false;
        c.left = static_cast<int>(std::lround((400 + i * f * width) * client.app.ScaleX));
        c.visible = true;
    }
}

void ShowDealtHand(app::Client& client, const net::GameFrame& frame) {
    PlayTableSound(client, kDealSound);
    rules::SeatDisplay& hand = Seat(client, 0);
    for (std::size_t i = 0; i < 6; ++i) {
        if (hand.count < 0)
            hand.count = 0;
        if (hand.count >= rules::kHandSlots)
            break;
        hand.slots[static_cast<std::size_t>(hand.count)].card =
            rules::ReadCard(frame, kFirstCard + 4 * i, rules::CardForm::LowByteFirst);
        ++hand.count;
    }
    DrawDealtHand(client);
    for (int p = 1; p < 4; ++p) {
        rules::SeatDisplay& seat = Seat(client, p);
        seat.count = 6;
        for (int i = 0; i < rules::kHandSlots; ++i)
            seat.slots[static_cast<std::size_t>(i)].image = static_cast<std::int16_t>(i);
        Control& fan = client.table.shanImage[static_cast<std::size_t>(p - 1)];
        SetResourcePicture(fan, client.pictures.fan[static_cast<std::size_t>(p - 1)][5]);
        fan.stretch = false;
        client.table.zorder.BringToFront(fan);
        fan.visible = true;
    }
}

void ShowTurnedUpHand(app::Client& client, const net::GameFrame& frame, int position) {
    if (position < 1 || position > 3)
        return;
    rules::TableState& state = client.tableState;
    rules::SeatDisplay& seat = Seat(client, position);
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t at = kFirstCard + 4 * i;
        seat.slots[i].card = rules::ReadCard(frame, at, rules::CardForm::LowByteFirst);
        state.RevealedCards[i] = {frame[at + 1], frame[at], frame[at + 3],
                                  rules::RevealedCard::InHand};
    }
    client.table.shanImage[static_cast<std::size_t>(position - 1)].visible = false;
    for (int i = 0; i < rules::HandCount(seat); ++i) {
        seat.slots[static_cast<std::size_t>(i)].image = static_cast<std::int16_t>(i);
        Control& c = Image(client, position, i);
        SetCardPicture(client, position, i,
                       rules::PictureCode(seat.slots[static_cast<std::size_t>(i)].card));
        c.Move(HandRowLeft(client, position, i, c.width, true, RedrawAfter::Play),
               HandRowTop(client, position));
        c.stretch = false;
        c.visible = true;
        client.table.zorder.BringToFront(c);
    }
}

void ShowPlay(app::Client& client, const net::GameFrame& frame) {
    rules::TableState& state = client.tableState;
    const int p = rules::ScreenPosition(frame[6], rules::OwnSeatBit(state));
    const int n = frame[17];
    const std::size_t pi = static_cast<std::size_t>(p);

    const int kind = frame[15];
    if (kind == 1 || kind == 9 || kind == 10)
        state.LastPlayCount = 0;
    PlayTableSound(client, kPlaySound);
    if (p == 0)
        return;  // the local play is drawn when it is sent

    // The seat's last cards become its previous trick.
    if (p != state.RevealedSeat)
        HideListed(client, p, state.PreviousTrickCards[pi]);
    rules::PositionCards& current = state.CurrentTrickCards[pi];
    rules::PositionCards& previous = state.PreviousTrickCards[pi];
    previous.count = current.count;
    const int rows = std::clamp<int>(current.count, 0, 27);
    for (int r = 0; r < rows; ++r) {
        const std::int16_t i = current.images[static_cast<std::size_t>(r)];
        if (i >= 0 && i <= 6) {
            if (i <= 5)
                Image(client, p, i).visible = false;
            previous.images[static_cast<std::size_t>(r)] = i;
        }
    }

    state.LastPlayCount = frame[18];
    state.LastPlayCardCount = static_cast<std::int16_t>(n);

    if (state.BubblePosition >= 0 && state.BubblePosition != p) {
        if (state.BubblePosition < 4)
            client.table.Speak[static_cast<std::size_t>(state.BubblePosition)].visible = false;
    }
    state.BubblePosition = static_cast<std::int16_t>(p);

    const int g = state.GivenUpCount[pi];
    const double sx = client.app.ScaleX;
    const rules::Point16 origin = Seat(client, p).firstOrigin;
    const int w = client.table.CardImages(p)[0].width;
    for (int k = 0; k < n && k < 27; ++k) {
        const int i = g + k;
        if (i < 0 || i >= 6)
            return;  // no image left: the rest of this play is not drawn
        const std::size_t at = 20 + 4 * static_cast<std::size_t>(k);
        const int suit = frame[at];
        const int rank = frame[at + 1];
        if (p == state.RevealedSeat) {
            for (rules::RevealedCard& card : state.RevealedCards)
                if (card.id == frame[at + 3])
                    card.state = rules::RevealedCard::Gone;
        }
        state.LastPlayCards[static_cast<std::size_t>(k)] = suit + 256 * rank;
        Control& c = Image(client, p, i);
        SetCardPicture(client, p, i, rank + 16 * rules::BitIndex(suit));
        c.Place(static_cast<int>(origin.x + 90 * sx * (0.39 + 0.11 * n) + 0.22 * k * w * sx),
                origin.y, ScaledX(client, 80), ScaledY(client, 108));
        c.visible = true;
        client.table.zorder.BringToFront(c);
        c.stretch = true;
        current.images[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(i);
    }

    current.count = static_cast<std::int16_t>(n);
    rules::SeatDisplay& seat = Seat(client, p);
    seat.count = static_cast<std::int16_t>(std::max(0, seat.count - n));
    state.GivenUpCount[pi] = static_cast<std::int16_t>(g + n);

    if (seat.count > 0) {
        if (p == state.RevealedSeat)
            RedrawTurnedUpHand(client, p, RedrawAfter::Play);
        else
            ShowFan(client, p);
        return;
    }
    GiveFinishingBadge(client, p);
    client.table.shanImage[pi - 1].visible = false;
}

void ShowOwnGiveUp(app::Client& client) {
    rules::TableState& state = client.tableState;
    rules::SeatDisplay& hand = Seat(client, 0);
    ui::TableWindow& t = client.table;
    int n = 0;
    for (int s = 0; s < rules::HandCount(hand); ++s)
        if (IsRaised(client, hand.slots[static_cast<std::size_t>(s)].image))
            ++n;
    const double sx = client.app.ScaleX;
    const rules::Point16 origin = hand.firstOrigin;
    int k = 0;
    for (int s = 0; s < rules::HandCount(hand); ++s) {
        const rules::HandSlot& slot = hand.slots[static_cast<std::size_t>(s)];
        if (!IsRaised(client, slot.image))
            continue;
        Control& c = Image(client, 0, slot.image);
        c.visible = false;
        c.width = t.cardImage1[0].width;
        c.height = t.cardImage1[0].height;
        c.top = origin.y - 60;
        c.left = static_cast<int>(origin.x - 90 * sx * (0.11 * n + 0.39) + 0.22 * k * c.width * sx);
        c.visible = true;
        SetCardPicture(client, 0, slot.image, rules::PictureCode(slot.card));
        t.zorder.BringToFront(c);
        state.CurrentTrickCards[0].images[static_cast<std::size_t>(k)] = slot.image;
        state.LastPlayCards[static_cast<std::size_t>(k)] = rules::ShortCard(slot.card);
        ++k;
    }
    state.CurrentTrickCards[0].count = static_cast<std::int16_t>(n);
    CloseUpHand(client);
}

}  // namespace vantry::table
