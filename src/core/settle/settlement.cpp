#include "settle/settlement.h"

#include "net/send_frame.h"
#include "rules/table_state.h"
#include "settle/board_input.h"
#include "settle/records.h"
#include "settle/settlement_board.h"
#include "sound/sound.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/pictures.h"
#include "text/numbers.h"

namespace vantry::settle {
namespace {

constexpr int kTicksPerSecond = 20;
constexpr int kContinuePicture = 6;  // bottom-bar list: the continue button, normal

int AvatarPicture(int index) {
    return index >= 0 && index < 20 ? 240 + index : 0;
}

BoardInputs InputsFor(const app::Client& client) {
    BoardInputs in;
    const DealSnapshot& deal = client.settle.snapshot;
    in.startCoinCaptions = deal.cashCaptions;
    for (std::size_t p = 0; p < 4; ++p)
        in.nicknames[p] = client.players.records[p].nickname;
    in.dealWealthText = deal.DealWealthText;
    in.wealthMultiplier = client.settle.WealthMultiplier;
    in.feeLabel = deal.FeeLabel;
    in.feeLabelOnly = deal.FeeLabelOnly;
    in.propsLines = client.props.PropsLines;
    in.propsBonus = client.props.PropsBonus;
    const std::uint8_t own = rules::OwnSeatBit(client.tableState);
    in.positionOf = [own](std::uint8_t bits) { return rules::ScreenPosition(bits, own); };
    return in;
}

// The cards left in another player's hand, turned face up.
void RevealHand(app::Client& client, int p, const SettlementRecord& r) {
    if (p == 0 || p == client.tableState.RevealedSeat)
        return;
    rules::SeatDisplay& seat = client.tableState.seats[static_cast<std::size_t>(p)];
    const int count = std::min<int>(r.cardCount, rules::kHandSlots);
    seat.count = static_cast<std::int16_t>(count);
    for (int j = 0; j < count; ++j)
        seat.slots[static_cast<std::size_t>(j)].card =
            static_cast<rules::CardCode>(r.cards[static_cast<std::size_t>(j)]);
    if (count >= 1)
        table::SortAndShowPlain(client, p, count, 0);
}

void ApplyToPlayer(app::Client& client, const SettlementRecord& r, const PlayerOutcome& out) {
    const auto p = static_cast<std::size_t>(out.position);
    app::PlayerRecord& player = client.players.records[p];
    if (out.coinResult == 1) {
        ++player.wins;
        player.coins += out.finalAmount;
    } else if (out.coinResult == 0) {
        ++player.losses;
        player.coins -= out.finalAmount;
    }
    if (player.coins < 0)
        player.coins = 0;
    if (r.level >= 1 && r.level <= 40) {
        client.table.Level[p].caption = kLevelNames[r.level];
        client.table.zorder.BringToFront(client.table.Level[p]);
    }
    client.table.Cash[p].caption =
        text::PlainNumber(player.coins) + (r.goldCoins ? "金币" : "金条");
}

void SaveBoard(app::Client& client) {
    std::array<SeatIdentity, 4> seats;
    for (std::size_t p = 0; p < 4; ++p) {
        const app::JoinEntry& entry = client.players.joinTable[p];
        seats[p].name = entry.nickname;
        seats[p].pictureIndex =
            entry.avatarIndex.empty() ? -1 : std::atoi(entry.avatarIndex.c_str());
    }
    app::classIniFile file(InfoFilePath(client));
    SaveDealRecord(file, client.score, client.records.DealNumber, seats);
}

void ShowBoard(app::Client& client) {
    SettleState& settle = client.settle;
    for (ui::Control& fan : client.table.shanImage)
        fan.visible = false;
    for (ui::Control& badge : client.table.first)
        badge.visible = false;
    std::array<SettlementRecord, 4> records;
    for (std::size_t i = 0; i < 4; ++i)
        records[i] = ReadSettlementRecord(settle.SettlementStore[i]);
    const Board board = BuildBoard(records, InputsFor(client));
    for (std::size_t p = 0; p < 4; ++p) {
        client.props.PropsLines[p].clear();
        client.props.PropsBonus[p] = 0;
    }
    client.props.ChestTexts.clear();

    ui::ScoreWindow& score = client.score;
    for (std::size_t i = 0; i < 8; ++i) {
        auto& rows = score.State[i].rows;
        rows.insert(rows.end(), board.State[i].begin(), board.State[i].end());
    }
    for (std::size_t p = 0; p < 4; ++p)
        score.State[p].foreColor = board.stateColor[p];

    for (std::size_t i = 0; i < 4; ++i) {
        const PlayerOutcome& out = board.outcomes[i];
        RevealHand(client, out.position, records[i]);
        AddDealResult(client.hero, client.records, out.position, out.finalAmount,
                      out.coinResult == 1);
        ApplyToPlayer(client, records[i], out);
    }
    FinishDealRow(client.hero, client.records);
    settle.arrivals = 0;

    for (std::size_t p = 0; p < 4; ++p) {
        const app::JoinEntry& entry = client.players.joinTable[p];
        score.ID[p].caption = entry.nickname;
        if (!entry.avatarIndex.empty())
            table::SetResourcePicture(score.Tou[p],
                                      AvatarPicture(std::atoi(entry.avatarIndex.c_str())));
    }
    if (!client.tableState.FastTurn)
        ShowCentred(client.table.window, score.window);

    ui::TableWindow::SetLine(client.table.Sysmsg[0], "请点击【继续】按钮继续游戏！");
    settle.continuePressed = false;
    client.protocol.dealInProgress = false;
    settle.TableCleared = false;
    ui::TableWindow::SetLine(client.table.Sysmsg[1], "游戏将在15秒内开始");
    client.net.holdPlayerLeave = false;

    StartReadyCountdown(client, kReadySeconds, ui::kGreen);
    sound::PlayEffect(client, sound::Effect::Settlement);
    SaveBoard(client);

    if (client.props.CloseAfterBoard) {
        client.props.CloseAfterBoard = false;  // the plugin host shuts the plugin down
    } else {
        client.props.ShowState = 2;
    }
}

}  // namespace

void BuildSettlementBoard(app::Client& client, const net::GameFrame& record) {
    SettleState& settle = client.settle;
    settle.SettlementStore[static_cast<std::size_t>(settle.arrivals)] = record;
    if (++settle.arrivals < 4)
        return;
    ShowBoard(client);
}

void StartReadyCountdown(app::Client& client, int seconds, ui::Color color) {
    ReadyCountdown& ready = client.settle.ready;
    ready = {true, seconds, 0};
    ui::TableWindow& t = client.table;
    t.Number.caption = std::to_string(seconds);
    t.Number.foreColor = color;
    t.Number.visible = t.Time_Img.visible = true;
    t.zorder.BringToFront(t.Time_Img);
    t.zorder.BringToFront(t.Number);
}

void StepReadyCountdown(app::Client& client) {
    ReadyCountdown& ready = client.settle.ready;
    if (ready.ticks < kTicksPerSecond)
        return;
    ready.ticks = 0;
    if (!ready.on || !client.protocol.loginAccepted)
        return;
    ui::TableWindow& t = client.table;
    if (ready.seconds > 0) {
        --ready.seconds;
        t.Number.caption = std::to_string(ready.seconds);
        t.Number.foreColor = ready.seconds < 6 ? ui::kRed : ui::kGreen;
    }
    if (ready.seconds > 0)
        return;
    t.Number.visible = t.Time_Img.visible = false;
    if (!client.settle.TableCleared) {
        table::SetResourcePicture(t.AnNiu[2], client.pictures.bottomBar[kContinuePicture]);
        table::ClearTable(client);
        client.settle.TableCleared = true;
    }
    net::GameFrame next = net::MakeFrame(net::MessageType::TableStatus);
    next[net::offset::kSeat] = rules::OwnSeatBit(client.tableState);
    next[net::offset::kSubCode] = 1;
    net::SendFrame(client.net, next);
    ready.on = false;
    if (client.settle.randomSeating && client.settle.noticePlaced) {
        table::StartShuffleNotice(client);
        ui::Control& pane = client.table.WebBrowser2;
        pane.caption = client.protocol.secondAdAddress;
        pane.visible = true;
    }
}

}  // namespace vantry::settle
