#include "table/action_buttons.h"

#include "app/players.h"
#include "net/send_frame.h"
#include "rules/hints.h"
#include "rules/table_state.h"
#include "sound/sound.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/pictures.h"
#include "table/play_submission.h"

namespace vantry::table {
namespace {

constexpr int kContinuePicture = 6;  // bottom-bar list: continue, normal

void HidePlayButtons(app::Client& client) {
    for (int i = 0; i < 3; ++i) {
        ui::Control& b = client.table.Operation[static_cast<std::size_t>(i)];
        b.visible = b.enabled = false;
    }
}

void StartOrContinue(app::Client& client) {
    if (client.buttons.startDisabled || !client.protocol.loginAccepted)
        return;
    ui::TableWindow& t = client.table;
    SetResourcePicture(t.AnNiu[2], client.pictures.bottomBar[kContinuePicture]);
    t.OK[0].visible = true;
    t.zorder.BringToFront(t.OK[0]);
    client.buttons.localReady = true;
    client.settle.ready.on = false;
    t.Time_Img.visible = t.Number.visible = false;
    client.buttons.startDisabled = true;
    if (!client.settle.TableCleared) {
        ClearTable(client);
        app::ResetSeatHands(client);
        client.settle.TableCleared = true;
    }
    if (!client.protocol.dealInProgress) {
        net::GameFrame ready = net::MakeFrame(net::MessageType::TableStatus);
        ready[net::offset::kSeat] = rules::OwnSeatBit(client.tableState);
        ready[net::offset::kSubCode] = 1;
        net::SendFrame(client.net, ready);
    }
    if (client.settle.randomSeating && client.settle.noticePlaced) {
        StartShuffleNotice(client);
        client.table.WebBrowser2.caption = client.protocol.secondAdAddress;
        client.table.WebBrowser2.visible = true;
        client.settle.randomSeating = client.settle.noticePlaced = false;
    }
}

void Hint(app::Client& client) {
    rules::TableState& state = client.tableState;
    LowerRaisedCards(client);
    const rules::HintOutcome outcome =
        state.LastPlayCount == 0 ? rules::HintLead(state) : rules::HintFollow(state, client.net);
    state.HintGiven = true;
    if (outcome.passed)
        return HidePlayButtons(client);
    const rules::SeatDisplay& hand = state.seats[0];
    auto& images = client.table.CardImages(0);
    for (int s = 0; s < rules::HandCount(hand); ++s) {
        const int image = hand.slots[static_cast<std::size_t>(s)].image;
        if (outcome.raise[static_cast<std::size_t>(s)] && image >= 0 && image < 6)
            images[static_cast<std::size_t>(image)].top = client.tableView.handTop - 20;
    }
}

void Pass(app::Client& client) {
    rules::TableState& state = client.tableState;
    sound::PlayEffect(client, sound::Effect::Pass);
    SendPass(client);
    state.PlayClockOn = false;
    client.table.Time_Img.visible = client.table.Number.visible = false;
    state.MyTurn = false;
    HidePlayButtons(client);
    LowerRaisedCards(client);
}

void OperationClick(app::Client& client, int i) {
    rules::TableState& state = client.tableState;
    if (!client.protocol.loginAccepted)
        return;
    if (i == 2) {
        state.TurnCountdown = state.TurnTime;
        state.PlayClockOn = false;
        client.table.Time_Img.visible = client.table.Number.visible = false;
    }
    client.ChuPai.visible = false;
    if (i <= 2) {
        if (!state.ActionOwed)
            return;
        client.tableView.timeoutsInARow = 0;
    }
    switch (i) {
        case 0:
            return SubmitPlay(client);
        case 1:
            return Hint(client);
        case 2:
            return Pass(client);
        case 3:
            if (!client.protocol.dealInProgress)
                return;
            if (client.tableView.pointSortNext) {
                client.tableView.pointSortNext = false;
                SortAndShowPoints(client, 0, rules::HandCount(state.seats[0]), 0);
            } else {
                client.tableView.pointSortNext = true;
                SortAndShowPlain(client, 0, rules::HandCount(state.seats[0]), 0);
            }
            return;
        case 4:
            if (client.protocol.dealInProgress)
                ShowPreviousTrick(client);
            return;
        case 5:
            return LowerRaisedCards(client);
        default:
            return;
    }
}

}  // namespace

bool OnActionButton(app::Client& client, const ui::ControlRef& control,
                    const ui::MouseEvent& event) {
    if (control.window != "MainForm" || event.action != ui::MouseAction::Click)
        return false;
    if (control.name == "AnNiu" && control.index == 2) {
        client.buttons.startNotPressed = false;
        StartOrContinue(client);
        return true;
    }
    if (control.name == "Operation" && control.index >= 0 &&
        control.index < static_cast<int>(client.table.Operation.size())) {
        OperationClick(client, control.index);
        return true;
    }
    return false;
}

}  // namespace vantry::table
