#pragma once
// Owns the client and its Qt adapters. Every event goes into the core through
// the core's handlers, and the table view is brought in line afterwards.

#include <memory>

#include "adapters.h"
#include "app/client.h"
#include "sound_output.h"
#include "table_view.h"

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

    QtSocket socket_;
    QtTimers timers_;
    QtWindowSystem windows_;
    QtMessageBoxes messageBoxes_;
    QtProcess process_;
    QtSound sound_;
    app::Client client_;
    std::unique_ptr<TableView> view_;
};

}  // namespace vantry::qt
