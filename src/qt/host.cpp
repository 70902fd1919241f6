#include "host.h"

#include <QWindow>

#include "app/events.h"
#include "app/startup.h"

namespace vantry::qt {

Host::Host()
    : socket_(
          [this](std::span<const std::uint8_t> bytes) {
              Deliver([&] { app::OnBytesArrived(client_, bytes); });
          },
          [this] { Deliver([&] { app::OnSocketClosedByPeer(client_); }); }),
      timers_([this](platform::TimerId id) { Deliver([&] { app::OnTimer(client_, id); }); }),
      windows_([this](const platform::WindowMessage& m) {
          Deliver([&] { app::OnWindowMessage(client_, m); });
      }),
      client_(app::Ports{socket_, timers_, windows_, messageBoxes_, process_, random_, sound_,
                         plugins_}) {}

Host::~Host() = default;

template <typename Handler>
void Host::Deliver(Handler&& handler) {
    if (client_.app.ended)
        return;
    handler();
    if (!client_.app.ended)
        SyncViews();
}

void Host::SyncViews() {
    for (auto& view : views_)
        view->Sync();
}

void Host::CreateViews() {
    const MouseSink mouse = [this](const ui::ControlRef& control, const ui::MouseEvent& event) {
        Deliver([&] { app::OnMouse(client_, control, event); });
    };
    const KeySink keys = [this](const ui::ControlRef& focus, const ui::KeyEvent& event) {
        Deliver([&] { app::OnKey(client_, focus, event); });
    };
    auto add = [&](WindowView::Kind kind, const char* name, const ui::Window& window,
                   const ui::Control* area, const auto& model) {
        auto view = std::make_unique<WindowView>(kind, name, window, area, pictures_, mouse, keys);
        model.ForEachControl([&](const char* control, int index, const ui::Control& c) {
            view->Add(control, index, c);
        });
        views_.push_back(std::move(view));
    };
    const ui::TableWindow& table = client_.table;
    add(WindowView::Kind::Main, "MainForm", table.window, &table.Pic1, table);
    add(WindowView::Kind::Tool, "Score", client_.score.window, nullptr, client_.score);
    add(WindowView::Kind::Tool, "Hero", client_.hero.window, nullptr, client_.hero);
    add(WindowView::Kind::Tool, "frmOtherExit", client_.otherExit.window, nullptr,
        client_.otherExit);
    add(WindowView::Kind::Tool, "ChuPai", client_.ChuPai, nullptr, client_.ChuPai);
    add(WindowView::Kind::Tool, "Information", client_.information.window, nullptr,
        client_.information);
}

bool Host::Start(const std::string& argument, app::ScreenSize screen) {
    CreateViews();
    windows_.onStartDrag = [this](std::string_view name) {
        for (auto& view : views_)
            if (view->Name() == name && view->windowHandle())
                view->windowHandle()->startSystemMove();
    };
    app::Startup(client_, argument, screen);
    if (client_.app.ended)
        return false;
    SyncViews();
    return true;
}

}  // namespace vantry::qt
