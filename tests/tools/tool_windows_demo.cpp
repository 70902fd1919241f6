// Shows the table with the player card of the left seat and the illegal-play
// notice open, as real windows on the screen, and writes the screen to a PNG.
// Run it under a virtual X server: scripts/screenshot-tool-windows.sh.
//   tool_windows_demo OUTPUT.png

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/events.h"
#include "app/players.h"
#include "fakes.h"
#include "table/layout.h"
#include "table/play_submission.h"
#include "window_view.h"

namespace {

using namespace vantry;

void SeatPlayers(app::Client& client) {
    const char* names[4] = {"alice", "北风", "老周", "river"};
    for (std::size_t p = 0; p < 4; ++p) {
        app::PlayerRecord& r = client.players.records[p];
        r.nickname = names[p];
        r.sex = p == 1 ? 0 : 1;
        r.location = "天津";
        r.score = 1200 + 10 * p;
        r.credit = 98;
        r.loginCount = 31;
        r.disconnectCount = 2;
        r.wins = 17;
        r.losses = 11;
        r.avatarCode = p == 1 ? "w2" : "m3";
        app::ShowPlayer(client, static_cast<int>(p));
        client.tableState.seats[p].name = names[p];
    }
}

void Pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tool_windows_demo OUTPUT.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    const QRect screen = QApplication::primaryScreen()->geometry();

    test::Harness h;
    h.Start(test::DirectArgument(6000, "alice", "k"), {screen.width(), screen.height()});
    app::Client& client = h.client;
    if (client.app.ended) {
        std::fprintf(stderr, "startup ended the client\n");
        return 1;
    }
    client.tableState.seats[0].seatBit = 1;
    table::ClearTable(client);
    SeatPlayers(client);
    // The mouse rests on the left seat's avatar; a bad play was tried.
    app::OnMouse(client, {"MainForm", "Tou", 1}, {ui::MouseAction::Move, 0});
    table::ShowIllegalPlayNotice(client);

    qt::PictureCache pictures;
    const qt::MouseSink mouse = [](const ui::ControlRef&, const ui::MouseEvent&) {};
    const qt::KeySink keys = [](const ui::ControlRef&, const ui::KeyEvent&) {};
    std::vector<std::unique_ptr<qt::WindowView>> views;
    auto add = [&](qt::WindowView::Kind kind, const char* name, const ui::Window& window,
                   const ui::Control* area, const auto& model) {
        auto view =
            std::make_unique<qt::WindowView>(kind, name, window, area, pictures, mouse, keys);
        model.ForEachControl([&](const char* control, int index, const ui::Control& c) {
            view->Add(control, index, c);
        });
        views.push_back(std::move(view));
    };
    add(qt::WindowView::Kind::Main, "MainForm", client.table.window, &client.table.Pic1,
        client.table);
    add(qt::WindowView::Kind::Tool, "ChuPai", client.ChuPai, nullptr, client.ChuPai);
    add(qt::WindowView::Kind::Tool, "Information", client.information.window, nullptr,
        client.information);
    for (auto& view : views)
        view->Sync();
    Pump(800);

    const QPixmap shot = QApplication::primaryScreen()->grabWindow(0);
    if (!shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", argv[1], shot.width(), shot.height());
    return 0;
}
