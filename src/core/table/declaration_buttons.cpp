#include "table/declaration_buttons.h"

#include "net/send_frame.h"
#include "rules/declarations.h"
#include "rules/play_rules.h"
#include "rules/table_state.h"
#include "sound/sound.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/pictures.h"
#include "table/play_submission.h"
#include "table/played_cards.h"

namespace vantry::table {
namespace {

constexpr int kPassPicture = 6;           // operation list: pass, normal
constexpr std::size_t kGiveUpCards = 20;  // the given-up cards start at this byte

void HideDeclarationClock(app::Client& client) {
    client.table.Time_Img.visible = client.table.Number.visible = false;
}

// After 宣, 摊 or 摊报 the player may give cards up (舍) or let it be (过),
// with a fresh clock.
void OfferGiveUp(app::Client& client) {
    rules::TableState& state = client.tableState;
    ui::TableWindow& t = client.table;
    ButtonActions& actions = client.tableView.ButtonAction;
    SetResourcePicture(t.btnJiaofen[0], client.pictures.declaration[2 * rules::KindGiveUp], actions,
                       0, rules::KindGiveUp, ScaledX(client, 440));
    SetResourcePicture(t.btnJiaofen[1], client.pictures.operation[kPassPicture], actions, 1,
                       rules::KindSayNothing, ScaledX(client, 520));
    state.FollowOffer = true;
    state.DeclareClockOn = true;
    state.DeclareTicks = 0;
    state.TurnCountdown = DeclarationSeconds(state.DeclareTime);
    ShowDeclarationClock(client);
}

rules::RaisedSlots RaisedHandSlots(const app::Client& client) {
    rules::RaisedSlots raised{};
    const rules::SeatDisplay& hand = client.tableState.seats[0];
    for (int s = 0; s < rules::HandCount(hand); ++s) {
        const int image = hand.slots[static_cast<std::size_t>(s)].image;
        raised[static_cast<std::size_t>(s)] = image >= 0 && image < 6 && IsRaised(client, image);
    }
    return raised;
}

// 舍: only a valid give-up of one to five raised cards leaves the client.
void GiveUp(app::Client& client) {
    rules::TableState& state = client.tableState;
    client.ChuPai.visible = false;
    const bool valid = rules::ClassifyGiveUp(state, RaisedHandSlots(client));
    const int n = state.giveUp.count;
    if (!valid || n < 1 || n > 5) {
        ShowIllegalPlayNotice(client);
        state.DeclareClockOn = true;  // the clock goes on; the player may choose again
        return;
    }
    ShowOwnGiveUp(client);
    net::GameFrame frame = net::MakeFrame(net::MessageType::Declaration);
    frame[net::offset::kSeat] = rules::OwnSeatBit(state);
    frame.PutU16Be(8, rules::GiveUp);
    frame[16] = static_cast<std::uint8_t>(state.giveUp.kind);
    frame[17] = static_cast<std::uint8_t>(n);
    for (std::size_t v = 0; v < 4 * static_cast<std::size_t>(n); ++v)
        frame[kGiveUpCards + v] = static_cast<std::uint8_t>(state.giveUp.cardValues[v]);
    PlaySeatDeclarationVoice(client, 0, rules::GiveUp);
    HideDeclarationButtons(client);
    net::SendFrame(client.net, frame);
    state.DeclareTicks = 0;
    HideDeclarationClock(client);
}

void DeclarationClick(app::Client& client, int i) {
    rules::TableState& state = client.tableState;
    const std::int16_t kind = client.tableView.ButtonAction[static_cast<std::size_t>(i)];
    if (kind < 0 || kind >= rules::kDeclarationKinds)
        return;
    state.DeclareClockOn = false;
    const std::uint16_t code = rules::kKindCodes[static_cast<std::size_t>(kind)];
    switch (kind) {
        case rules::KindGiveUp:
            return GiveUp(client);
        case rules::KindDeclare:
        case rules::KindSpread:
        case rules::KindSpreadReport:
            PlaySeatDeclarationVoice(client, 0, code);
            SendDeclaration(client, code);
            HideDeclarationButtons(client, 2);
            return OfferGiveUp(client);
        default:
            PlaySeatDeclarationVoice(client, 0, code);
            HideDeclarationButtons(client);
            SendDeclaration(client, code);
            state.DeclareTicks = 0;
            return HideDeclarationClock(client);
    }
}

}  // namespace

bool OnDeclarationButton(app::Client& client, const ui::ControlRef& control,
                         const ui::MouseEvent& event) {
    if (control.window != "MainForm" || control.name != "btnJiaofen" ||
        event.action != ui::MouseAction::Click)
        return false;
    if (control.index < 0 || control.index > 3)
        return true;
    const ui::Control& button = client.table.btnJiaofen[static_cast<std::size_t>(control.index)];
    // A hidden or disabled button has been answered already: a second click
    // must not send a second declaration.
    if (!client.protocol.loginAccepted || !button.visible || !button.enabled)
        return true;
    DeclarationClick(client, control.index);
    return true;
}

std::int16_t DeclarationSeconds(std::int16_t declareTime) {
    constexpr std::int16_t kShortest = 2;
    constexpr std::int16_t kDefault = 8;
    return declareTime < kShortest ? kDefault : declareTime;
}

void ShowDeclarationClock(app::Client& client) {
    ui::TableWindow& t = client.table;
    t.Time_Img.Move(ScaledX(client, 800), ScaledY(client, 550));
    t.Number.Move(t.Time_Img.left + ScaledX(client, 48), t.Time_Img.top + ScaledY(client, 5));
    t.Number.caption = std::to_string(client.tableState.TurnCountdown);
    t.Number.foreColor = ui::kGreen;
    t.Time_Img.visible = t.Number.visible = true;
    t.zorder.BringToFront(t.Time_Img);
    t.zorder.BringToFront(t.Number);
}

void HideDeclarationButtons(app::Client& client, int first) {
    for (int i = first; i < 4; ++i) {
        ui::Control& b = client.table.btnJiaofen[static_cast<std::size_t>(i)];
        b.visible = b.enabled = false;
    }
}

void SendDeclaration(app::Client& client, std::uint16_t code) {
    net::GameFrame frame = net::MakeFrame(net::MessageType::Declaration);
    frame[net::offset::kSeat] = rules::OwnSeatBit(client.tableState);
    frame.PutU16Be(8, code);
    net::SendFrame(client.net, frame);
}

void PlaySeatDeclarationVoice(app::Client& client, int position, std::uint16_t code) {
    if (position < 0 || position > 3)
        return;
    const app::PlayerRecord& r = client.players.records[static_cast<std::size_t>(position)];
    sound::PlayDeclarationVoice(client, {r.voiceSet, r.voiceVariant, r.sex, r.voiceSexCode}, code);
}

}  // namespace vantry::table
