// Play broadcasts: who played what, who acts next, and the turn's countdown.

#include "protocol/play_messages.h"

#include <algorithm>

#include "net/send_frame.h"
#include "protocol/handlers.h"
#include "rules/table_state.h"
#include "sound/sound.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/pictures.h"
#include "table/play_submission.h"
#include "table/played_cards.h"

namespace vantry::protocol {
namespace {

constexpr int kTicksPerSecond = 20;
constexpr int kMaxImage = 6;  // entries outside 0..6 are skipped when hiding

bool OpensTrick(std::uint8_t subCode) {
    return subCode == 1 || subCode == 9 || subCode == 10;
}

void HideCards(app::Client& client, int position, const rules::PositionCards& cards) {
    auto& images = client.table.CardImages(position);
    const int count = std::clamp<int>(cards.count, 0, static_cast<int>(cards.images.size()));
    for (int r = 0; r < count; ++r) {
        const int image = cards.images[static_cast<std::size_t>(r)];
        if (image >= 0 && image < kMaxImage && image < static_cast<int>(images.size()))
            images[static_cast<std::size_t>(image)].visible = false;
    }
}

// The local player's last play leaves the table and becomes the previous trick.
void MoveOwnPlayToPrevious(app::Client& client) {
    rules::TableState& state = client.tableState;
    HideCards(client, 0, state.PreviousTrickCards[0]);
    const rules::PositionCards& current = state.CurrentTrickCards[0];
    rules::PositionCards& previous = state.PreviousTrickCards[0];
    previous.count = std::clamp<std::int16_t>(current.count, 0, 27);
    for (int r = 0; r < previous.count; ++r) {
        const std::int16_t image = current.images[static_cast<std::size_t>(r)];
        if (image < 0 || image > kMaxImage)
            continue;
        if (image < 6)
            client.table.CardImages(0)[static_cast<std::size_t>(image)].visible = false;
        previous.images[static_cast<std::size_t>(r)] = image;
    }
}

void ShowOperationButtons(app::Client& client, std::uint8_t subCode) {
    ui::TableWindow& t = client.table;
    for (int i = 0; i < 3; ++i) {
        ui::Control& b = t.Operation[static_cast<std::size_t>(i)];
        b.enabled = b.visible = true;
        t.zorder.BringToFront(b);
    }
    if (subCode == 1 || subCode == 9) {
        client.tableState.MustLead = true;
        t.Operation[2].enabled = t.Operation[2].visible = false;
    }
    client.tableState.HintCursor = 0;
    client.tableState.HintGiven = false;
}

void ShowPassBubble(app::Client& client, int p) {
    rules::TableState& state = client.tableState;
    ui::TableWindow& t = client.table;
    if (state.BubblePosition >= 0 && state.BubblePosition < 4 && state.BubblePosition != p)
        t.Speak[static_cast<std::size_t>(state.BubblePosition)].visible = false;
    state.BubblePosition = static_cast<std::int16_t>(p);
    if (state.PlayMessageCount <= 1)
        return;
    ui::Control& bubble = t.Speak[static_cast<std::size_t>(p)];
    table::SetResourcePicture(bubble, client.pictures.passBubble[static_cast<std::size_t>(p - 1)]);
    bubble.visible = true;
    t.zorder.BringToFront(bubble);
}

void StartCountdown(app::Client& client, std::uint8_t seconds) {
    rules::TableState& state = client.tableState;
    state.PlayClockOn = true;
    state.PlayTicks = 0;
    state.TurnCountdown = state.FastTurn ? 1 : seconds < 2 ? state.TurnTime : seconds;
    ui::TableWindow& t = client.table;
    t.Number.caption = std::to_string(state.TurnCountdown);
    t.Number.foreColor = ui::kGreen;
    t.Number.visible = t.Time_Img.visible = true;
    t.zorder.BringToFront(t.Time_Img);
    t.zorder.BringToFront(t.Number);
}

// The local player's turn ran out: pass, or play the lowest card when leading.
void ActAtTimeout(app::Client& client) {
    rules::TableState& state = client.tableState;
    table::TableViewState& view = client.tableView;
    if (!view.BossKeyStop) {
        ++view.timeoutsInARow;
        const int limit = client.protocol.unattendedLimit;
        if (limit > 0 && view.timeoutsInARow >= limit)
            table::BossKey(client, table::KeySource::Pic1);
    }
    if (!state.MustLead) {
        table::SendPass(client);
        return;
    }
    const rules::SeatDisplay& hand = state.seats[0];
    const int count = rules::HandCount(hand);
    if (count == 0)
        return;
    table::LowerRaisedCards(client);
    auto& images = client.table.CardImages(0);
    const int last = hand.slots[static_cast<std::size_t>(count - 1)].image;
    if (last < 0 || last >= 6)
        return;
    ui::Control& card = images[static_cast<std::size_t>(last)];
    card.top = view.handTop - card.height / 5;
    table::SubmitPlay(client);
}

}  // namespace

void HandlePlay(app::Client& client, const net::GameFrame& frame) {
    rules::TableState& state = client.tableState;
    ui::TableWindow& t = client.table;
    client.ChuPai.visible = false;
    ++state.PlayMessageCount;
    if (!state.DeclarePanelSet) {
        state.DeclarePanelSet = true;
        t.jiaoTypeLb.caption.clear();
        t.jiaoLb[0].caption.clear();
        t.jiaoLb[1].caption.clear();
        t.NoSpeakImg.visible = true;
    }
    state.MyTurn = false;
    const std::uint8_t own = rules::OwnSeatBit(state);
    const int p = rules::ScreenPosition(frame[net::offset::kSeat], own);
    const std::uint8_t subCode = frame[net::offset::kSubCode];
    const std::uint8_t cardCount = frame[17];
    if (OpensTrick(subCode))
        for (int q = 0; q < 4; ++q)
            HideCards(client, q, state.CurrentTrickCards[static_cast<std::size_t>(q)]);
    const rules::PositionCards& mine = state.CurrentTrickCards[static_cast<std::size_t>(p)];
    if (cardCount == 0 && mine.count >= 1 && mine.count <= 6)
        HideCards(client, p, mine);
    state.MustLead = false;

    const std::uint8_t next = frame[11];
    if (next == own) {
        MoveOwnPlayToPrevious(client);
        if (OpensTrick(subCode))
            state.LastPlayCount = 0;
        if (subCode < 10)
            ShowOperationButtons(client, subCode);
    }
    state.TimeoutWatch = false;
    const int q = rules::ScreenPosition(next, own);
    table::PlaceClock(client, q);
    if (q == 0)
        state.TimeoutWatch = state.MyTurn = state.ActionOwed = true;

    if (cardCount > 0)
        table::ShowPlay(client, frame);
    else if (p != 0)
        ShowPassBubble(client, p);

    StartCountdown(client, frame[255]);
    if (OpensTrick(subCode))
        state.LastPlayCount = 0;
}

void StepPlayCountdown(app::Client& client) {
    rules::TableState& state = client.tableState;
    if (state.PlayTicks < kTicksPerSecond)
        return;
    state.PlayTicks = 0;
    if (!client.protocol.loginAccepted || !state.PlayClockOn)
        return;
    ui::TableWindow& t = client.table;
    if (state.TurnCountdown > 0) {
        --state.TurnCountdown;
        t.Number.caption = std::to_string(state.TurnCountdown);
        const bool hurry = state.TurnCountdown <= 5;
        t.Number.foreColor = hurry ? ui::kRed : ui::kGreen;
        if (hurry)
            sound::PlayCountdownTick(client);
        return;
    }
    for (int i = 0; i < 3; ++i)
        t.Operation[static_cast<std::size_t>(i)].visible = false;
    if (state.TimeoutWatch)
        ActAtTimeout(client);
    state.ActionOwed = false;
    t.Time_Img.visible = t.Number.visible = false;
    state.TurnCountdown = state.TurnTime;
    state.PlayClockOn = false;
}

}  // namespace vantry::protocol
