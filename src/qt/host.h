#pragma once
// Owns the client and its Qt adapters. Every event goes into the core through
// the core's handlers, and every window view is brought in line afterwards.

#include <memory>
#include <vector>

#include "adapters.h"
#include "app/client.h"
#include "plugin_loader.h"
#include "sound_output.h"
#include "window_view.h"

namespace vantry::qt {

class Host {
  public:
    Host();
    ~Host();
    // Runs startup; false when the client has already ended.
    bool Start(const std::string& argument, app::ScreenSize screen);

  private:
    template <typename Handler>
    void Deliver(Handler&& handler);
    void CreateViews();
    void SyncViews();

    QtSocket socket_;
    QtTimers timers_;
    QtWindowSystem windows_;
    QtMessageBoxes messageBoxes_;
    QtProcess process_;
    QtRandom random_;
    QtSound sound_;
    QtPluginLoader plugins_;
    app::Client client_;
    PictureCache pictures_;
    std::vector<std::unique_ptr<WindowView>> views_;
};

}  // namespace vantry::qt
