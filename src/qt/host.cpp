#include "host.h"

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
      client_(app::Ports{socket_, timers_, windows_, messageBoxes_, process_, sound_}) {}

Host::~Host() = default;

template <typename Handler>
void Host::Deliver(Handler&& handler) {
    if (client_.app.ended)
        return;
    handler();
    if (view_ && !client_.app.ended)
        view_->Sync();
}

bool Host::Start(const std::string& argument, app::ScreenSize screen) {
    view_ = std::make_unique<TableView>(client_.table);
    app::Startup(client_, argument, screen);
    if (client_.app.ended)
        return false;
    view_->Sync();
    return true;
}

}  // namespace vantry::qt
