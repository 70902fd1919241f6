#include "table/layout.h"

#include <algorithm>
#include <cmath>

#include "rules/table_state.h"

namespace vantry::table {
namespace {

using ui::Control;

bool Small(const app::Client& client) {
    return client.app.ScaleX < 1.0f;
}

// Places a control given in design pixels.
void Put(const app::Client& client, Control& c, double left, double top) {
    c.Move(ScaledX(client, left), ScaledY(client, top));
}
void Put(const app::Client& client, Control& c, double left, double top, double width,
         double height) {
    c.Place(ScaledX(client, left), ScaledY(client, top), ScaledX(client, width),
            ScaledY(client, height));
}

std::int16_t Round16(double v) {
    return static_cast<std::int16_t>(std::lround(v));
}

void BringOperationsToFront(app::Client& client) {
    for (int i = 0; i < 3; ++i) {
        Control& b = client.table.Operation[static_cast<std::size_t>(i)];
        if (b.visible)
            client.table.zorder.BringToFront(b);
    }
}

void ShowTrick(app::Client& client, const rules::TrickCards& show, const rules::TrickCards& hide) {
    for (int p = 0; p < rules::kPositions; ++p) {
        auto& images = client.table.CardImages(p);
        auto each = [&](const rules::PositionCards& cards, auto&& fn) {
            const int rows = std::clamp<int>(cards.count, 0, 27);
            for (int r = 0; r < rows; ++r) {
                const int i = cards.images[static_cast<std::size_t>(r)];
                if (i >= 0 && i < 6)
                    fn(images[static_cast<std::size_t>(i)]);
            }
        };
        each(hide[static_cast<std::size_t>(p)], [](Control& c) { c.visible = false; });
        each(show[static_cast<std::size_t>(p)], [&](Control& c) {
            c.visible = true;
            client.table.zorder.BringToFront(c);
        });
    }
}

}  // namespace

int ScaledX(const app::Client& client, double designPixels) {
    return static_cast<int>(std::lround(designPixels * client.app.ScaleX));
}
int ScaledY(const app::Client& client, double designPixels) {
    return static_cast<int>(std::lround(designPixels * client.app.ScaleY));
}

void PlaceBarsAndMarkers(app::Client& client) {
    ui::TableWindow& t = client.table;
    if (Small(client)) {
        t.imgDilan.Place(0, 0, 800, ScaledY(client, 117));
        t.imgDinglan.Place(0, 0, 800, ScaledY(client, 96));
        t.imgDilan.stretch = true;
        t.imgDinglan.stretch = true;
        constexpr int kSmallMarkers[4][2] = {{20, 450}, {20, 150}, {270, 75}, {750, 150}};
        for (int p = 0; p < 4; ++p)
            t.img_dizhu[p].Move(kSmallMarkers[p][0], kSmallMarkers[p][1]);
    } else {
        t.imgDilan.Place(0, 0, 1024, 117);
        t.imgDinglan.Place(0, 0, 1024, 96);
        constexpr int kMarkers[4][2] = {{102, 574}, {8, 156}, {620, 92}, {952, 232}};
        for (int p = 0; p < 4; ++p)
            t.img_dizhu[p].Move(kMarkers[p][0], kMarkers[p][1]);
    }
    t.imgDilan.top = t.Pic1.height - t.imgDilan.height;
    for (Control& marker : t.img_dizhu)
        marker.visible = false;
}

void LayoutTableStep1(app::Client& client) {
    ui::TableWindow& t = client.table;
    ui::ZOrder& z = t.zorder;
    const bool small = Small(client);

    constexpr int kTou[4][2] = {{10, 668}, {7, 15}, {350, 15}, {693, 15}};
    constexpr int kNid[4][2] = {{181, 700}, {165, 15}, {509, 15}, {852, 15}};
    constexpr int kCash[4][2] = {{181, 724}, {165, 40}, {509, 40}, {852, 40}};
    constexpr int kLevel[4][2] = {{181, 744}, {165, 64}, {509, 64}, {852, 64}};
    constexpr int kOK[4][2] = {{460, 630}, {60, 280}, {460, 88}, {900, 280}};
    for (int p = 0; p < 4; ++p) {
        const std::size_t i = static_cast<std::size_t>(p);
        for (Control* c : {&t.Tou[i], &t.Nid[i], &t.Cash[i], &t.Level[i], &t.OK[i], &t.first[i]})
            c->created = true;
        if (p == 0)
            Put(client, t.Tou[i], kTou[p][0], kTou[p][1], 85, 90);
        else
            Put(client, t.Tou[i], kTou[p][0], kTou[p][1], 70, 62);
        t.Tou[i].stretch = true;
        t.Tou[i].visible = true;
        z.BringToFront(t.Tou[i]);
        Put(client, t.Nid[i], kNid[p][0], kNid[p][1], 160, 22);
        Put(client, t.Cash[i], kCash[p][0], kCash[p][1], 160, 20);
        Put(client, t.Level[i], kLevel[p][0], kLevel[p][1], 160, 20);
        for (Control* label : {&t.Nid[i], &t.Cash[i], &t.Level[i]}) {
            label->visible = true;
            label->foreColor = ui::kWhite;
        }
        t.Nid[i].bold = true;
        t.Nid[i].foreColor = 0xFFF0B0;
        if (small) {
            if (p > 0)
                t.Cash[i].fontSize = 8;
            t.Level[i].fontSize = 8;
        }
        Put(client, t.OK[i], kOK[p][0], kOK[p][1], 70, 29);
        t.OK[i].visible = false;
        t.first[i].visible = false;
    }
    for (int p = 0; p < 4; ++p) {
        const std::size_t i = static_cast<std::size_t>(p);
        if (p == 2) {
            // The top badge sits at the avatar's scaled left, scaled once more.
            t.first[i].Place(static_cast<int>(std::lround(t.Tou[2].left * client.app.ScaleX)),
                             ScaledY(client, 88), ScaledX(client, 70), ScaledY(client, 29));
        } else {
            Put(client, t.first[i], kOK[p][0], kOK[p][1], 70, 29);
        }
    }

    // The bottom bar: send, then chat and three more on the first row, the
    // last four on a second row below them.
    double left = 648;
    double top = 699;
    for (std::size_t i = 0; i < t.AnNiu.size(); ++i) {
        Control& b = t.AnNiu[i];
        b.created = true;
        b.visible = true;
        if (i == 0) {
            Put(client, b, 573, 730, 50, 30);
            z.BringToFront(b);
            continue;
        }
        if (i == 5) {
            left = 648;
            top = 699 + 32;
        } else if (i > 1) {
            left += 70;
        }
        Put(client, b, left, top, 60, 30);
    }
    for (std::size_t i = 0; i < t.AnNiu.size(); ++i) {
        const std::size_t list = i < 3 ? 2 * i : 2 * i + 2;
        SetResourcePicture(t.AnNiu[i], client.pictures.bottomBar[list]);
        t.AnNiu[i].stretch = true;
    }

    Put(client, t.Location, 760, 668);
    z.BringToFront(t.Location);
    Put(client, t.imgword1, 640, 659, 57, 13);
    Put(client, t.imgword2, 640, 675, 57, 13);
    Put(client, t.imgLocation, 632, 654, 394, 39);
    t.imgLocation.stretch = true;

    Put(client, t.jiaoPaiImg, 864, 104, 153, 121);
    t.jiaoPaiImg.stretch = true;
    const Control& panel = t.jiaoPaiImg;
    t.jiaoTypeLb.Place(panel.left + ScaledX(client, 26), panel.top + ScaledY(client, 32),
                       ScaledX(client, 97), ScaledY(client, 25));
    t.jiaoTypeLb.fontSize = static_cast<int>(15 * client.app.ScaleY);
    t.jiaoTypeLb.caption.clear();
    t.jiaoLb[0].Place(panel.left + ScaledX(client, 32), t.jiaoTypeLb.top + ScaledY(client, 26),
                      ScaledX(client, 97), ScaledY(client, 25));
    t.jiaoLb[1].Place(panel.left + ScaledX(client, 32), t.jiaoLb[0].top + ScaledY(client, 24),
                      ScaledX(client, 97), ScaledY(client, 25));
    for (Control& l : t.jiaoLb) {
        l.fontSize = static_cast<int>(10 * client.app.ScaleY);
        l.caption.clear();
    }
    Put(client, t.NoSpeakImg, 904, 136, 81, 77);
    t.NoSpeakImg.stretch = true;
    t.NoSpeakImg.visible = false;

    Put(client, t.Bank, 698, 659);
    if (small) {
        t.Bank.width = ScaledX(client, t.Bank.width);
        t.Bank.height = ScaledY(client, t.Bank.height);
        t.Bank.stretch = true;
    }
    t.Bank.visible = true;
    z.BringToFront(t.Bank);
}

void LayoutTableStep2(app::Client& client) {
    ui::TableWindow& t = client.table;
    ui::ZOrder& z = t.zorder;
    const bool small = Small(client);

    constexpr int kSpeak[4][2] = {{94, 513}, {8, 280}, {0, 0}, {936, 280}};
    for (int p = 0; p < 4; ++p) {
        Control& bubble = t.Speak[static_cast<std::size_t>(p)];
        Put(client, bubble, kSpeak[p][0], kSpeak[p][1], 131, 102);
        bubble.stretch = true;
        bubble.visible = false;
    }
    // The top bubble hangs below the top avatar.
    t.Speak[2].Move(static_cast<int>(t.Tou[2].left + 0.2 * t.Tou[2].width),
                    t.Tou[2].top + t.Tou[2].height);

    constexpr int kFan[3][2] = {{0, 240}, {400, 85}, {860, 240}};
    for (int i = 0; i < 3; ++i) {
        Control& fan = t.shanImage[static_cast<std::size_t>(i)];
        Put(client, fan, kFan[i][0], kFan[i][1], 170, 200);
        fan.visible = false;
    }
    for (int p = 0; p < 4; ++p) {
        for (Control& card : t.CardImages(p)) {
            card.created = true;
            card.visible = false;
            if (p == 0)
                card.Place(card.left, card.top, ScaledX(client, 90), ScaledY(client, 120));
            else
                card.Place(card.left, card.top, ScaledX(client, 80), ScaledY(client, 108));
        }
    }

    Put(client, t.Time_Img, 920, 778, 81, 38);
    t.Time_Img.stretch = true;
    t.Time_Img.visible = false;
    t.Number.Place(t.Time_Img.left + 48, t.Time_Img.top + 5, ScaledX(client, 24),
                   ScaledY(client, 24));
    if (small) {
        t.Number.fontSize = 12;
        t.Number.left = static_cast<int>(668 * client.app.ScaleY + 48 * client.app.ScaleX + 2);
    }
    t.Number.visible = false;

    Put(client, t.Operation[0], 400, 470, 60, 40);
    for (std::size_t i = 1; i < 3; ++i) {
        t.Operation[i].Place(static_cast<int>(t.Operation[i - 1].left + 1.3 * t.Operation[0].width),
                             t.Operation[0].top, ScaledX(client, 60), ScaledY(client, 40));
    }
    for (int i = 3; i < 6; ++i)
        Put(client, t.Operation[static_cast<std::size_t>(i)], 960, 650 - 25 * (i - 2), 62, 25);
    for (std::size_t i = 0; i < t.Operation.size(); ++i) {
        Control& b = t.Operation[i];
        b.visible = false;
        b.enabled = false;
        b.stretch = true;
        const std::size_t list = i <= 2 ? 3 * i : 3 + 2 * i;
        SetResourcePicture(b, client.pictures.operation[list]);
    }

    for (std::size_t i = 0; i < t.btnJiaofen.size(); ++i) {
        Control& b = t.btnJiaofen[i];
        b.created = true;
        Put(client, b, 400 + 80.0 * static_cast<double>(i), 470, 66, 38);
        b.stretch = true;
        b.visible = false;
        b.enabled = false;
        client.tableView.ButtonAction[i] = static_cast<std::int16_t>(i);
    }

    Put(client, t.Lbchat, 594, 695, 25, 33);
    Put(client, t.Chat, 312, 732, 250, 33);
    t.Chat.visible = true;
    Put(client, t.Bird, 936, 680, 82, 80);
    t.Bird.visible = true;
    z.BringToFront(t.Bird);
    t.WebBrowser1.Place(t.Bird.left + 2, t.Bird.top + 2, ScaledX(client, 82), ScaledY(client, 80));

    constexpr int kNoteTops[3] = {280, 312, 344};
    for (std::size_t i = 0; i < t.lbfont.size(); ++i) {
        Control& note = t.lbfont[i];
        Put(client, note, 424, kNoteTops[i], 300, 24);
        if (small)
            note.left = static_cast<int>(424 * client.app.ScaleX - 10);
        note.visible = false;
    }
    const double wealthTop = 617 - client.tableView.wealthOffset;
    Put(client, t.Imgwealth, 4, wealthTop, 48, 48);
    t.Imgwealth.visible = false;
    Put(client, t.lbwealth, 56, wealthTop, 80, 40);
    if (small)
        t.lbwealth.left = static_cast<int>(56 * client.app.ScaleX + 8);
    t.lbwealth.fontSize = 18;
    t.lbwealth.visible = false;
}

void PlaceClock(app::Client& client, int position) {
    ui::TableWindow& t = client.table;
    Control& clock = t.Time_Img;
    switch (position) {
        case 0:
            Put(client, clock, 690, 590);
            break;
        case 1:
            clock.Move(static_cast<int>(0.2 * clock.width), ScaledY(client, 370));
            break;
        case 2:
            clock.Move(600, 100);  // the same place on every screen
            break;
        case 3:
            clock.Move(static_cast<int>(1024 * client.app.ScaleX - 1.2 * clock.width),
                       ScaledY(client, 370));
            break;
        default:
            return;
    }
    t.Number.Move(clock.left + ScaledX(client, 48), clock.top + ScaledY(client, 5));
    t.zorder.BringToFront(clock);
    t.zorder.BringToFront(t.Number);
}

void ClearTable(app::Client& client) {
    ui::TableWindow& t = client.table;
    rules::TableState& state = client.tableState;
    const float sx = client.app.ScaleX;
    const float sy = client.app.ScaleY;

    // Only the lower two bubbles go; the top and right ones run out by themselves.
    t.Speak[0].visible = false;
    t.Speak[1].visible = false;
    client.Talk.visible = false;

    struct Origins {
        int fx, fy, sx, sy;
    };
    constexpr Origins kOrigins[4] = {
        {500, 430, -1, -1}, {240, 310, 100, 280}, {400, 205, 600, 280}, {650, 310, 250, 280}};
    for (int p = 0; p < 4; ++p) {
        rules::SeatDisplay& seat = state.seats[static_cast<std::size_t>(p)];
        const Origins& o = kOrigins[p];
        seat.firstOrigin = {Round16(o.fx * sx), Round16(o.fy * sy)};
        if (o.sx >= 0)
            seat.secondOrigin = {Round16(o.sx * sx), Round16(o.sy * sy)};
    }
    client.tableView.handLeft = 250 * sx;
    client.tableView.handTop = Round16(565 * sy);

    for (std::size_t i = 0; i < 6; ++i) {
        Control& own = t.cardImage0[i];
        own.visible = false;
        own.enabled = true;
        own.width = ScaledX(client, 90);
        own.height = ScaledY(client, 120);
        t.cardImage1[i].visible = false;
        t.cardImage2[i].visible = false;
        t.cardImage3[i].visible = false;
    }

    for (Control& fan : t.shanImage)
        fan.visible = false;
    for (Control& b : t.Operation)
        b.visible = false;
    t.Time_Img.visible = false;
    t.Number.visible = false;
    for (Control& badge : t.first)
        badge.visible = false;
    for (Control& marker : t.img_dizhu)
        marker.visible = false;

    rules::ClearTableState(state);

    t.jiaoTypeLb.caption.clear();
    t.jiaoLb[0].caption.clear();
    t.jiaoLb[1].caption.clear();
    t.NoSpeakImg.visible = false;
    for (Control& note : t.lbfont)
        note.visible = false;

    if (!client.tableView.wealthActive) {
        t.lbwealth.caption = "1";
        t.lbwealth.visible = false;
        t.Imgwealth.visible = false;
    }

    t.Bank.visible = true;
    t.zorder.BringToFront(t.Bank);
}

void ShowPreviousTrick(app::Client& client) {
    TableViewState& view = client.tableView;
    if (!view.showingCurrentTrick)
        return;  // already showing it; the running timer brings the current trick back once
    view.showingCurrentTrick = false;
    ShowTrick(client, client.tableState.PreviousTrickCards, client.tableState.CurrentTrickCards);
    BringOperationsToFront(client);
    client.ports.timers.Start(platform::TimerId::Former, kPreviousTrickMs);
}

void OnFormerTimer(app::Client& client) {
    client.ports.timers.Stop(platform::TimerId::Former);
    ShowTrick(client, client.tableState.CurrentTrickCards, client.tableState.PreviousTrickCards);
    BringOperationsToFront(client);
    client.tableView.showingCurrentTrick = true;
}

void ResetShuffleNotice(app::Client& client) {
    client.ports.timers.Stop(platform::TimerId::Shuffle);
    client.table.LblShuffle.visible = false;
    client.table.ImgShuffle.visible = false;
    client.tableView.shuffleText = 0;
}

void StartShuffleNotice(app::Client& client) {
    ui::TableWindow& t = client.table;
    t.ImgShuffle.visible = true;
    t.LblShuffle.visible = true;
    t.zorder.BringToFront(t.ImgShuffle);
    t.zorder.BringToFront(t.LblShuffle);
    t.LblShuffle.caption = kShuffleTexts[0];
    client.ports.timers.Start(platform::TimerId::Shuffle, kShuffleIntervalMs);
}

void OnShuffleTimer(app::Client& client) {
    int& k = client.tableView.shuffleText;
    client.table.LblShuffle.caption = kShuffleTexts[k];
    k = (k + 1) % 4;
}

void EndShuffleNotice(app::Client& client) {
    client.ports.timers.Stop(platform::TimerId::Shuffle);
    client.table.LblShuffle.visible = false;
    client.table.ImgShuffle.visible = false;
}

}  // namespace vantry::table
