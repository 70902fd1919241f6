// Declarations: the local player's declaration turn with its buttons and
// clock, and the broadcast of every declaration made at the table, with its
// speech bubble, voice, panel and the cards a seat gives up.

#include "protocol/declaration_messages.h"

#include <array>
#include <optional>
#include <span>

#include "protocol/handlers.h"
#include "rules/declarations.h"
#include "rules/table_state.h"
#include "sound/sound.h"
#include "table/declaration_buttons.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/pictures.h"
#include "table/played_cards.h"

namespace vantry::protocol {
namespace {

using rules::DeclarationKind;

constexpr int kTicksPerStep = 20;         // a step runs on the 21st tick
constexpr int kHurrySeconds = 5;          // from here on the digits are red and tick
constexpr std::size_t kCode = 8;          // bytes 8 and 9, high byte first
constexpr std::size_t kSeconds = 16;      // type 2: seconds for the decision
constexpr std::size_t kGiveUpCount = 17;  // type 3: number of cards given up
constexpr std::size_t kGiveUpCards = 20;  // type 3: four bytes per given-up card
constexpr int kMaxGiveUp = 6;
constexpr int kPassPicture = 6;  // operation list: pass, normal

// One button of an option row: the kind it offers and its left edge in
// design pixels. A pass shows the operation row's pass picture but answers
// like 不说话.
struct OfferedButton {
    DeclarationKind kind;
    int left;
    bool passPicture = false;
};

struct OptionRow {
    std::uint16_t optionSet;
    bool followOffer;
    std::span<const OfferedButton> buttons;
};

constexpr OfferedButton kReportRow[] = {{rules::KindDeclare, 360},
                                        {rules::KindReport, 440},
                                        {rules::KindSpreadReport, 520},
                                        {rules::KindSayNothing, 600}};
constexpr OfferedButton kSpreadRow[] = {
    {rules::KindDeclare, 400}, {rules::KindSpread, 480}, {rules::KindSayNothing, 560}};
constexpr OfferedButton kFriendRow[] = {{rules::KindFindFriend, 440}, {rules::KindSayNothing, 520}};
constexpr OfferedButton kSubsidyRow[] = {{rules::KindTakeSubsidy, 440},
                                         {rules::KindSayNothing, 520}};
constexpr OfferedButton kFollowShowRow[] = {{rules::KindFollowShow, 440},
                                            {rules::KindSayNothing, 520, true}};
constexpr OfferedButton kHoldRow[] = {{rules::KindHold, 440}, {rules::KindSayNothing, 520, true}};
constexpr OfferedButton kFollowRow[] = {{rules::KindFollow, 440},
                                        {rules::KindSayNothing, 520, true}};
constexpr OfferedButton kCounterHoldRow[] = {{rules::KindCounterHold, 440},
                                             {rules::KindSayNothing, 520, true}};

constexpr std::array<OptionRow, 8> kOptionRows = {{
    {rules::SpreadReport | rules::Report | rules::Declare | rules::SayNothing, false, kReportRow},
    {rules::Spread | rules::Declare | rules::SayNothing, false, kSpreadRow},
    {rules::FindFriend | rules::SayNothing, false, kFriendRow},
    {rules::TakeSubsidy | rules::SayNothing, false, kSubsidyRow},
    {rules::FollowShow | rules::SayNothing, true, kFollowShowRow},
    {rules::Hold | rules::SayNothing, true, kHoldRow},
    {rules::Follow | rules::SayNothing, true, kFollowRow},
    {rules::CounterHold | rules::SayNothing, true, kCounterHoldRow},
}};

// Speech-bubble words of the bubble list, by their index there.
enum Bubble : int {
    BubbleDeclare = 0,
    BubbleSpread = 1,
    BubbleReport = 2,
    BubbleShow = 3,
    BubbleSubsidy = 4,
    BubbleSayNothing = 5,
    BubbleFollowShow = 6,
    BubbleHold = 7,
    BubbleCounterHold = 8,
    BubbleFollowHold = 9,
    BubbleDeclareGiveUp = 10,
    BubbleSpreadGiveUp = 11,
    BubbleSpreadReport = 12,
};

// A seat byte names a seat only with exactly one of the four seat bits.
bool NamesOneSeat(std::uint8_t seatByte) {
    const int bits = seatByte & 0x0F;
    return bits == 1 || bits == 2 || bits == 4 || bits == 8;
}

void OfferButtons(app::Client& client, std::uint16_t optionSet) {
    rules::TableState& state = client.tableState;
    ui::TableWindow& t = client.table;
    std::span<const OfferedButton> buttons;
    for (const OptionRow& row : kOptionRows) {
        if (row.optionSet != optionSet)
            continue;
        buttons = row.buttons;
        state.FollowOffer = row.followOffer;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const OfferedButton& b = buttons[i];
        const int picture = b.passPicture ? client.pictures.operation[kPassPicture]
                                          : client.pictures.declaration[2 * b.kind];
        table::SetResourcePicture(t.btnJiaofen[i], picture, client.tableView.ButtonAction,
                                  static_cast<int>(i), b.kind, table::ScaledX(client, b.left));
    }
    for (std::size_t i = 0; i < t.btnJiaofen.size(); ++i)
        t.btnJiaofen[i].visible = t.btnJiaofen[i].enabled = i < buttons.size();
}

// What the declaration panel shows for a code, and the bubble beside another seat.
void FillPanel(app::Client& client, int p, std::uint16_t code) {
    rules::TableState& state = client.tableState;
    ui::TableWindow& t = client.table;
    const std::string& nickname = client.players.records[static_cast<std::size_t>(p)].nickname;
    std::optional<std::string> caption;
    switch (code) {
        case rules::FindFriend:
            caption = "找朋友";
            break;
        case rules::Declare:
            caption = "宣  ";
            break;
        case rules::Spread:
            caption = "摊  ";
            break;
        case rules::Report:
            caption = "报  ";
            break;
        case rules::TakeSubsidy:
            caption = "吃补助";
            break;
        case rules::SpreadReport:
            caption = "摊报  ";
            break;
        case rules::GiveUp:
            t.jiaoTypeLb.caption += "舍";
            return;
        case rules::FollowShow:
            t.jiaoLb[1].caption = nickname;
            state.DeclarePanelSet = true;
            return;
        default:
            return;
    }
    t.jiaoTypeLb.caption = *caption;
    t.jiaoLb[0].caption = nickname;
    state.DeclarePanelSet = true;
}

int BubbleFor(rules::TableState& state, std::uint16_t code) {
    switch (code) {
        case rules::SayNothing:
            return BubbleSayNothing;
        case rules::FindFriend:
            return BubbleShow;
        case rules::Declare:
            state.AnnouncedKind = rules::Declare;
            return BubbleDeclare;
        case rules::Spread:
            state.AnnouncedKind = rules::Spread;
            return BubbleSpread;
        case rules::Report:
            return BubbleReport;
        case rules::TakeSubsidy:
            return BubbleSubsidy;
        case rules::GiveUp:
            state.AnnouncedKind = static_cast<std::int16_t>(state.AnnouncedKind + rules::GiveUp);
            if (state.AnnouncedKind == rules::Declare + rules::GiveUp)
                return BubbleDeclareGiveUp;
            if (state.AnnouncedKind == rules::Spread + rules::GiveUp)
                return BubbleSpreadGiveUp;
            return BubbleDeclare;
        case rules::Hold:
            return BubbleHold;
        case rules::CounterHold:
            return BubbleCounterHold;
        case rules::Follow:
            return BubbleFollowHold;
        case rules::FollowShow:
            return BubbleFollowShow;
        case rules::SpreadReport:
            return BubbleSpreadReport;
        default:
            return BubbleDeclare;
    }
}

// Another seat gives cards up: they lie fanned at its first origin and its
// hand (the fan, or the face-up cards) shrinks. n is 0..6.
void ApplyGiveUp(app::Client& client, int p, const net::GameFrame& frame, int n) {
    rules::TableState& state = client.tableState;
    const auto pi = static_cast<std::size_t>(p);
    rules::SeatDisplay& seat = state.seats[pi];
    state.CurrentTrickCards[pi].count = static_cast<std::int16_t>(n);
    state.GivenUpCount[pi] = static_cast<std::int16_t>(n);
    seat.count = static_cast<std::int16_t>(rules::kHandSlots - n);
    const bool revealed = p == state.RevealedSeat;
    if (revealed) {
        for (int k = 0; k < n; ++k)
            for (rules::RevealedCard& card : state.RevealedCards)
                if (card.id == frame[kGiveUpCards + 4 * static_cast<std::size_t>(k)])
                    card.state = rules::RevealedCard::Gone;
    }
    auto& images = client.table.CardImages(p);
    for (int k = 0; k < n; ++k) {
        const auto ki = static_cast<std::size_t>(k);
        state.CurrentTrickCards[pi].images[ki] = static_cast<std::int16_t>(k);
        const rules::CardCode card =
            rules::ReadCard(frame, kGiveUpCards + 4 * ki, rules::CardForm::HighByteFirst);
        if (!table::SetCardPicture(client, p, k, rules::PictureCode(card)))
            return;
        ui::Control& c = images[ki];
        c.Place(static_cast<int>(seat.firstOrigin.x + k * 0.2 * c.width), seat.firstOrigin.y,
                table::ScaledX(client, 80), table::ScaledY(client, 108));
        c.visible = true;
        client.table.zorder.BringToFront(c);
        c.stretch = true;
    }
    if (revealed)
        table::RedrawTurnedUpHand(client, p, table::RedrawAfter::GiveUp);
    else
        table::ShowFan(client, p);
}

void ShowBubble(app::Client& client, int p, int bubble) {
    rules::TableState& state = client.tableState;
    ui::TableWindow& t = client.table;
    ui::Control& speak = t.Speak[static_cast<std::size_t>(p)];
    const int shape = p == 3 ? 2 : 1;
    table::SetResourcePicture(speak,
                              client.pictures.bubble[static_cast<std::size_t>(3 * bubble + shape)]);
    if (state.BubblePosition >= 0 && state.BubblePosition < rules::kPositions &&
        state.BubblePosition != p)
        t.Speak[static_cast<std::size_t>(state.BubblePosition)].visible = false;
    state.BubblePosition = static_cast<std::int16_t>(p);
    state.BubbleTicks = 0;
    state.BubbleShown = true;
    speak.visible = true;
    t.zorder.BringToFront(speak);
}

}  // namespace

void HandleDeclarationTurn(app::Client& client, const net::GameFrame& frame) {
    rules::TableState& state = client.tableState;
    const std::uint8_t own = rules::OwnSeatBit(state);
    if (!NamesOneSeat(own) || (frame[net::offset::kSeat] & 0x0F) != own)
        return;
    client.settle.ready.on = false;
    client.settle.ready.ticks = 0;
    state.FollowOffer = false;
    state.DeclareClockOn = true;
    state.DeclareTicks = 0;
    state.DeclareTime = frame[kSeconds];
    state.TurnCountdown = state.FastTurn ? 1 : table::DeclarationSeconds(state.DeclareTime);
    table::ShowDeclarationClock(client);
    // An option set with the high bit set matches no row: no buttons, and the
    // clock still answers the turn with 不说话.
    OfferButtons(client, frame.U16Be(kCode));
}

void HandleDeclarationBroadcast(app::Client& client, const net::GameFrame& frame) {
    rules::TableState& state = client.tableState;
    const std::uint8_t own = rules::OwnSeatBit(state);
    const std::uint8_t seatByte = frame[net::offset::kSeat];
    const std::uint16_t code = frame.U16Be(kCode);
    const int n = frame[kGiveUpCount];
    // No declaration has the high bit; a frame without one seat, or giving up
    // more cards than a hand holds, cannot be placed on the table.
    if (!NamesOneSeat(own) || !NamesOneSeat(seatByte) || code >= 0x8000 ||
        (code == rules::GiveUp && n > kMaxGiveUp))
        return;
    client.ChuPai.visible = false;
    const int p = rules::ScreenPosition(seatByte, own);
    if (p != 0)
        table::PlaySeatDeclarationVoice(client, p, code);
    FillPanel(client, p, code);
    if (p == 0)
        return;
    const int bubble = BubbleFor(state, code);
    if (code == rules::GiveUp)
        ApplyGiveUp(client, p, frame, n);
    ShowBubble(client, p, bubble);
}

void StepDeclarationCountdown(app::Client& client) {
    rules::TableState& state = client.tableState;
    if (!state.DeclareClockOn || !client.protocol.loginAccepted)
        return;
    if (state.DeclareTicks < kTicksPerStep) {
        ++state.DeclareTicks;
        return;
    }
    state.DeclareTicks = 0;
    ui::TableWindow& t = client.table;
    const bool hurry = state.TurnCountdown <= kHurrySeconds;
    if (hurry)
        sound::PlayCountdownTick(client);
    t.Number.foreColor = hurry ? ui::kRed : ui::kGreen;
    --state.TurnCountdown;
    if (state.TurnCountdown >= 0)
        t.Number.caption = std::to_string(state.TurnCountdown);
    if (state.TurnCountdown > 0)
        return;
    table::HideDeclarationButtons(client);
    table::SendDeclaration(client, rules::SayNothing);
    t.Time_Img.visible = t.Number.visible = false;
    state.DeclareClockOn = false;
}

}  // namespace vantry::protocol
