#include "table/hand.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "rules/table_state.h"
#include "shell/lobby.h"
#include "table/layout.h"
#include "table/table_sound.h"

namespace vantry::table {
namespace {

using rules::CardCode;
using ui::Control;

constexpr int kEscape = 27;
constexpr int kF1 = 112;
constexpr int kAlt = 18;
constexpr int kKeyC = 67;

rules::SeatDisplay& Seat(app::Client& client, int position) {
    return client.tableState.seats[static_cast<std::size_t>(position)];
}

// The card image that shows a slot, or nothing when the slot has none.
Control* SlotImage(app::Client& client, int position, int slot) {
    const int image = Seat(client, position).slots[static_cast<std::size_t>(slot)].image;
    if (image < 0 || image >= rules::kHandSlots)
        return nullptr;
    return &client.table.CardImages(position)[static_cast<std::size_t>(image)];
}

// Exchanges the cards of two slots; in the local hand a raised card stays
// raised in its new slot.
void SwapSlots(app::Client& client, int position, int a, int b) {
    if (a == b)
        return;
    auto& slots = Seat(client, position).slots;
    std::swap(slots[static_cast<std::size_t>(a)].card, slots[static_cast<std::size_t>(b)].card);
    if (position != 0)
        return;
    Control* ia = SlotImage(client, 0, a);
    Control* ib = SlotImage(client, 0, b);
    if (ia && ib && ia->top != ib->top)
        std::swap(ia->top, ib->top);
}

// The range first..first+count-1 kept within the six slots.
struct Range {
    int first = 0;
    int end = 0;  // one past the last slot
};
Range SlotRange(int count, int first) {
    const int from = std::clamp(first, 0, rules::kHandSlots);
    return {from, std::clamp(first + count, from, rules::kHandSlots)};
}

void ExchangeSortDescending(app::Client& client, int position, Range r) {
    auto& slots = Seat(client, position).slots;
    for (int i = r.first; i < r.end - 1; ++i) {
        for (int j = i + 1; j < r.end; ++j) {
            if (rules::OrderKey(slots[static_cast<std::size_t>(i)].card) <
                rules::OrderKey(slots[static_cast<std::size_t>(j)].card))
                SwapSlots(client, position, i, j);
        }
    }
}

using Remembered = std::array<CardCode, rules::kHandSlots>;

Remembered RememberAndHide(app::Client& client, int position, Range r) {
    Remembered before{};
    for (int s = r.first; s < r.end; ++s) {
        before[static_cast<std::size_t>(s)] =
            Seat(client, position).slots[static_cast<std::size_t>(s)].card;
        if (position == 0) {
            if (Control* image = SlotImage(client, 0, s))
                image->visible = false;
        }
    }
    return before;
}

void RemovePointTags(app::Client& client, int position, Range r) {
    for (int s = r.first; s < r.end; ++s) {
        CardCode& card = Seat(client, position).slots[static_cast<std::size_t>(s)].card;
        const int rank = rules::RankValue(card);
        if (rank == 13 || rank == 10 || rank == 5)
            card &= ~0x00FF0000u;
    }
}

void Redraw(app::Client& client, int position, Range r, const Remembered& before) {
    ui::TableWindow& t = client.table;
    rules::SeatDisplay& seat = Seat(client, position);
    if (position == 0) {
        for (int s = r.first; s < r.end; ++s) {
            const rules::HandSlot& slot = seat.slots[static_cast<std::size_t>(s)];
            if (slot.card != before[static_cast<std::size_t>(s)])
                SetCardPicture(client, 0, slot.image, rules::PictureCode(slot.card));
        }
        for (int s = r.first; s < r.end; ++s) {
            if (Control* image = SlotImage(client, 0, s)) {
                t.zorder.BringToFront(*image);
                image->visible = true;
            }
        }
        if (r.end - r.first > 14) {
            t.zorder.BringToFront(t.imgLocation);
            t.zorder.BringToFront(t.Location);
        }
        return;
    }
    // Another seat's cards face up: a row centred near the seat's first origin.
    const double w = (static_cast<double>(r.end - r.first) * 0.11 + 0.39) * 90;
    const float sx = client.app.ScaleX;
    const int step = t.CardImages(position)[0].width;
    for (int s = r.first; s < r.end; ++s) {
        const rules::HandSlot& slot = seat.slots[static_cast<std::size_t>(s)];
        Control* image = SlotImage(client, position, s);
        if (!image)
            continue;
        SetCardPicture(client, position, slot.image, rules::PictureCode(slot.card));
        image->visible = false;
        image->top = seat.firstOrigin.y;
        image->left = static_cast<int>(seat.firstOrigin.x - w * sx + s * 0.22 * step * sx);
        t.zorder.BringToFront(*image);
        image->visible = true;
    }
}

bool IsBlack(int suit) {
    return suit == 2 || suit == 8 || (suit != 1 && suit != 4);
}

void HideWindows(app::Client& client, std::initializer_list<ui::Window*> windows) {
    for (ui::Window* w : windows)
        w->visible = false;
}

void ShowChatHistory(app::Client& client) {
    ui::Window& talk = client.Talk;
    const ui::Window& table = client.table.window;
    talk.topmost = true;
    talk.visible = true;
    talk.left = static_cast<int>(0.3 * table.width);
    talk.top = static_cast<int>(0.66 * table.height);
}

}  // namespace

void ToggleExitConfirmation(app::Client& client) {
    ui::Window& exit = client.frmExit;
    if (exit.visible) {
        exit.visible = false;
        return;
    }
    const ui::Window& table = client.table.window;
    exit.left = table.left + (table.width - exit.width) / 2;
    exit.top = table.top + (table.height - exit.height) / 2;
    client.tableView.exitWarningShown = client.protocol.dealInProgress;
    exit.visible = true;
}

bool SetCardPicture(app::Client& client, int position, int image, int pictureCode) {
    const int low = pictureCode & 0x0F;
    const int high = (pictureCode >> 4) & 0x0F;
    const bool impossible =
        pictureCode < 0 || pictureCode > 127 ||
        (low < 3 && (high == 0 || high == 2 || high == 3 || high == 4 || high == 6 || high == 7));
    if (impossible) {
        client.table.window.minimized = true;
        shell::RestoreLobby(client);
        return false;
    }
    if (position < 0 || position >= rules::kPositions || image < 0 || image >= rules::kHandSlots)
        return true;
    if (pictureCode < static_cast<int>(client.pictures.card.size())) {
        Control& c = client.table.CardImages(position)[static_cast<std::size_t>(image)];
        SetResourcePicture(c, client.pictures.card[static_cast<std::size_t>(pictureCode)]);
    }
    return true;
}

void SortAndShowPoints(app::Client& client, int position, int count, int first) {
    if (position < 0 || position >= rules::kPositions)
        return;
    const Range r = SlotRange(count, first);
    for (int s = r.first; s < r.end; ++s) {
        CardCode& card = Seat(client, position).slots[static_cast<std::size_t>(s)].card;
        switch (rules::RankValue(card)) {
            case 13:
                card |= 0x30000u;
                break;
            case 10:
                card |= 0x20000u;
                break;
            case 5:
                card |= 0x10000u;
                break;
            default:
                break;
        }
    }
    const Remembered before = RememberAndHide(client, position, r);
    ExchangeSortDescending(client, position, r);
    Redraw(client, position, r, before);
    RemovePointTags(client, position, r);
}

void SortAndShowPlain(app::Client& client, int position, int count, int first) {
    if (position < 0 || position >= rules::kPositions)
        return;
    const Range r = SlotRange(count, first);
    const Remembered before = RememberAndHide(client, position, r);
    auto& slots = Seat(client, position).slots;
    auto card = [&](int s) { return slots[static_cast<std::size_t>(s)].card; };

    std::array<int, 256> black{};
    std::array<int, 256> red{};
    for (int s = r.first; s < r.end; ++s) {
        const auto rank = static_cast<std::size_t>(rules::RankValue(card(s)));
        if (IsBlack(rules::SuitFlag(card(s))))
            ++black[rank];
        else
            ++red[rank];
    }

    int insert = r.first;
    auto moveFront = [&](auto&& matches) {
        for (int s = r.first; s < r.end; ++s) {
            if (s >= insert && matches(card(s))) {
                SwapSlots(client, position, s, insert);
                ++insert;
            }
        }
    };
    if (black[rules::kRankBigJoker] == 2 && black[rules::kRankSmallJoker] == 2) {
        moveFront([](CardCode c) {
            const int rank = rules::RankValue(c);
            return rank == rules::kRankBigJoker || rank == rules::kRankSmallJoker;
        });
    }
    for (int rank = rules::kRankTwo; rank >= 3; --rank) {
        if (black[static_cast<std::size_t>(rank)] == 4)
            moveFront([rank](CardCode c) {
                return rules::RankValue(c) == rank && IsBlack(rules::SuitFlag(c));
            });
        if (red[static_cast<std::size_t>(rank)] == 4)
            moveFront([rank](CardCode c) {
                return rules::RankValue(c) == rank && !IsBlack(rules::SuitFlag(c));
            });
    }
    ExchangeSortDescending(client, position, {insert, r.end});
    Redraw(client, position, r, before);
    RemovePointTags(client, position, r);
}

void DrawDealtHand(app::Client& client) {
    ui::TableWindow& t = client.table;
    rules::SeatDisplay& hand = Seat(client, 0);
    const int count = rules::HandCount(hand);
    const double step = client.app.ScaleX == 1.0f ? 0.22 : 0.3;
    const int width = t.cardImage0[0].width;
    for (int j = 0; j < count; ++j) {
        rules::HandSlot& slot = hand.slots[static_cast<std::size_t>(j)];
        slot.image = static_cast<std::int16_t>(j);
        Control& image = t.cardImage0[static_cast<std::size_t>(j)];
        image.stretch = true;
        SetCardPicture(client, 0, j, rules::PictureCode(slot.card));
        image.Move(static_cast<int>(std::lround((400 + j * step * width) * client.app.ScaleX)),
                   client.tableView.handTop);
        image.visible = true;
        t.zorder.BringToFront(image);
    }
    SortAndShowPlain(client, 0, count, 0);
    client.tableView.pointSortNext = true;
}

void LowerRaisedCards(app::Client& client) {
    const rules::SeatDisplay& hand = client.tableState.seats[0];
    auto& images = client.table.CardImages(0);
    for (int s = 0; s < rules::HandCount(hand); ++s) {
        const int image = hand.slots[static_cast<std::size_t>(s)].image;
        if (image >= 0 && image < 6)
            images[static_cast<std::size_t>(image)].top = client.tableView.handTop;
    }
}

bool IsRaised(const app::Client& client, int image) {
    if (image < 0 || image >= rules::kHandSlots)
        return false;
    return client.table.cardImage0[static_cast<std::size_t>(image)].top < client.tableView.handTop;
}

void ToggleCard(app::Client& client, int image) {
    if (!rules::IsHandImage(client.tableState, image))
        return;
    Control& card = client.table.cardImage0[static_cast<std::size_t>(image)];
    const int handTop = client.tableView.handTop;
    if (card.top >= handTop) {
        card.top = handTop - static_cast<int>(std::lround(card.height / 5.0));
        PlayTableSound(client, kRaiseSound);
    } else {
        card.top = handTop;
        PlayTableSound(client, kLowerSound);
    }
}

void BossKey(app::Client& client, KeySource source) {
    rules::TableState& state = client.tableState;
    state.BossKeyMark = true;
    state.TurnTime = 0;
    ui::Window& info = client.information.window;
    ui::Window& hero = client.hero.window;
    ui::Window& score = client.score.window;
    switch (source) {
        case KeySource::Pic1:
        case KeySource::Pic2:
        case KeySource::ChatBox:
            client.tableView.BossKeyStop = true;
            state.FastTurn = true;
            HideWindows(client, {&info, &client.Talk, &client.huifu, &client.VosSet,
                                 &client.frmExit, &hero, &score, &client.ChuPai});
            break;
        case KeySource::Pic3:
        case KeySource::Window:
            HideWindows(client, {&info, &client.Talk, &client.huifu, &client.VosSet,
                                 &client.frmExit, &hero, &score});
            break;
    }
    client.table.window.minimized = true;
    shell::MinimizeLobby(client);
}

bool OnTableMouse(app::Client& client, const ui::ControlRef& control, const ui::MouseEvent& event) {
    if (control.window != "MainForm" || event.action != ui::MouseAction::Down)
        return false;
    const rules::TableState& state = client.tableState;
    if (control.name == "cardImage0") {
        if (event.button == ui::kLeftButton) {
            ToggleCard(client, control.index);
        } else if (event.button == ui::kRightButton && state.MyTurn && state.ActionOwed &&
                   client.protocol.loginAccepted) {
            client.tableView.timeoutsInARow = 0;
            RequestPlay(client);
        }
        return true;
    }
    if (control.name == "Pic1") {
        client.huifu.visible = false;
        client.Talk.visible = false;
        if (event.button == ui::kRightButton && state.MyTurn && state.ActionOwed &&
            client.protocol.loginAccepted) {
            client.tableView.timeoutsInARow = 0;
            RequestPlay(client);
        }
        client.score.window.visible = false;
        client.hero.window.visible = false;
        return true;
    }
    if (control.name == "Pic2") {
        if (event.button == ui::kRightButton && state.MyTurn && state.ActionOwed)
            RequestPlay(client);
        return true;
    }
    return false;
}

bool OnTableKey(app::Client& client, const ui::ControlRef& focus, const ui::KeyEvent& event) {
    if (focus.window != "MainForm")
        return false;
    TableViewState& view = client.tableView;
    if (focus.name == "Pic1") {
        switch (event.keyCode) {
            case kEscape:
                ToggleExitConfirmation(client);
                break;
            case kF1:
                BossKey(client, KeySource::Pic1);
                break;
            default:
                break;
        }
        if (event.keyCode == kAlt) {
            view.altPressed = true;
        } else if (event.keyCode == kKeyC && view.altPressed) {
            view.altThenC = true;
        } else {
            view.altPressed = false;
            view.altThenC = false;
        }
        if (view.altPressed && view.altThenC) {
            view.altPressed = false;
            view.altThenC = false;
            ShowChatHistory(client);
        }
        return true;
    }
    if (event.keyCode != kF1)
        return false;
    if (focus.name == "Pic2")
        BossKey(client, KeySource::Pic2);
    else if (focus.name == "pic3" || focus.name == "pic4")
        BossKey(client, KeySource::Pic3);
    else if (focus.name == "Chat")
        BossKey(client, KeySource::ChatBox);
    else
        BossKey(client, KeySource::Window);
    return true;
}

}  // namespace vantry::table
