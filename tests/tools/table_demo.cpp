// Renders the table through the core and the real renderer and writes it to a
// PNG: a dealt local hand with one card raised, the three face-down fans and
// another seat's play. Used by scripts/screenshot-table.sh.
//   table_demo WIDTHxHEIGHT OUTPUT.png

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "fakes.h"
#include "table/hand.h"
#include "table/layout.h"
#include "table/played_cards.h"
#include "window_view.h"

namespace {

using namespace vantry;

net::GameFrame Cards(int type, int seatBit, std::initializer_list<std::array<int, 2>> cards,
                     std::size_t first) {
    net::GameFrame f;
    f[3] = static_cast<std::uint8_t>(type);
    f[6] = static_cast<std::uint8_t>(seatBit);
    f[15] = 2;
    f[17] = static_cast<std::uint8_t>(cards.size());
    f[18] = static_cast<std::uint8_t>(cards.size());
    std::size_t at = first;
    int id = 10;
    for (const auto& c : cards) {
        f[at] = static_cast<std::uint8_t>(c[0]);
        f[at + 1] = static_cast<std::uint8_t>(c[1]);
        f[at + 3] = static_cast<std::uint8_t>(id++);
        at += 4;
    }
    return f;
}

// Names, coins and avatars as the seat messages would give them.
void SeatPlayers(app::Client& client) {
    const char* names[4] = {"alice", "北风", "老周", "river"};
    const char* coins[4] = {"金币: 12800", "金币: 5320", "金币: 30150", "金币: 880"};
    const char* levels[4] = {"等级: 高手", "等级: 新手", "等级: 大师", "等级: 熟手"};
    for (std::size_t p = 0; p < 4; ++p) {
        ui::TableWindow& t = client.table;
        t.Nid[p].caption = names[p];
        t.Cash[p].caption = coins[p];
        t.Level[p].caption = levels[p];
        table::SetResourcePicture(t.Tou[p], client.pictures.avatar[p * 3 + 1]);
        client.tableState.seats[p].name = names[p];
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: table_demo WIDTHxHEIGHT OUTPUT.png\n");
        return 2;
    }
    int width = 0, height = 0;
    if (std::sscanf(argv[1], "%dx%d", &width, &height) != 2)
        return 2;
    QApplication application(argc, argv);

    test::Harness h;
    h.Start(test::DirectArgument(6000, "alice", "k"), {width, height});
    app::Client& client = h.client;
    if (client.app.ended) {
        std::fprintf(stderr, "startup ended the client\n");
        return 1;
    }
    client.tableState.seats[0].seatBit = 1;
    table::ClearTable(client);
    SeatPlayers(client);
    ui::TableWindow::SetLine(client.table.Sysmsg[0], "欢迎来到练习室，祝您游戏愉快！");

    // The deal: six cards, a pair of twos raised ready to play.
    table::ShowDealtHand(client,
                         Cards(1, 1, {{8, 15}, {4, 14}, {2, 13}, {1, 10}, {8, 5}, {4, 3}}, 16));
    table::ToggleCard(client, 1);
    // The top seat leads a pair of nines, the right seat answers with a pair of jacks.
    table::ShowPlay(client, Cards(6, 4, {{8, 9}, {4, 9}}, 20));
    table::ShowPlay(client, Cards(6, 8, {{2, 11}, {1, 11}}, 20));
    table::PlaceClock(client, 0);
    client.table.Time_Img.visible = true;
    client.table.Number.visible = true;
    client.table.Number.caption = "8";
    for (int i = 0; i < 5; ++i) {
        client.table.Operation[static_cast<std::size_t>(i)].visible = true;
        client.table.Operation[static_cast<std::size_t>(i)].enabled = true;
    }

    qt::PictureCache pictures;
    qt::WindowView view(
        qt::WindowView::Kind::Main, "MainForm", client.table.window, &client.table.Pic1, pictures,
        [](const ui::ControlRef&, const ui::MouseEvent&) {},
        [](const ui::ControlRef&, const ui::KeyEvent&) {});
    client.table.ForEachControl(
        [&](const char* name, int index, const ui::Control& c) { view.Add(name, index, c); });
    view.Sync();
    QApplication::processEvents();
    const QPixmap shot = view.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", argv[2], shot.width(), shot.height());
    return 0;
}
