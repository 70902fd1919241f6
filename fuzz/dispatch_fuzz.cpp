// Arbitrary frames, one after another, straight into the dispatcher of a
// client that sits at a full table with a dealt hand; between frames the
// person clicks now and then and the 50 ms ticks run the countdowns on
// whatever state the frames left. Nothing the server sends may crash the
// client or make it index outside its arrays.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/events.h"
#include "fakes.h"
#include "protocol/dispatcher.h"
#include "seated_client.h"

namespace {

using namespace vantry;

ui::MouseEvent Mouse(ui::MouseAction action, int button = ui::kLeftButton) {
    ui::MouseEvent e;
    e.action = action;
    e.button = button;
    return e;
}

void Apply(app::Client& client, std::uint8_t input) {
    using namespace vantry::fuzz;
    if (input >= kRaiseCard0 && input < kRaiseCard0 + 6) {
        app::OnMouse(client, {"MainForm", "cardImage0", input - kRaiseCard0},
                     Mouse(ui::MouseAction::Down));
    } else if (input == kRightClick) {
        app::OnMouse(client, {"MainForm", "cardImage0", 0},
                     Mouse(ui::MouseAction::Down, ui::kRightButton));
    } else if (input >= kPlayButton && input <= kSortButton) {
        app::OnMouse(client, {"MainForm", "Operation", input - kPlayButton},
                     Mouse(ui::MouseAction::Click));
    } else if (input == kStartButton) {
        app::OnMouse(client, {"MainForm", "AnNiu", 2}, Mouse(ui::MouseAction::Click));
    } else if (input >= kDeclare0 && input < kDeclare0 + 6) {
        app::OnMouse(client, {"MainForm", "btnJiaofen", input - kDeclare0},
                     Mouse(ui::MouseAction::Click));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A fresh client per input keeps runs independent.
    auto h = std::make_unique<test::Harness>();
    h->Start(test::DirectArgument());
    h->socket.state = platform::SocketState::Connected;
    h->Ticks(4);  // the login poll sends the login
    for (net::GameFrame frame : fuzz::SeatingFrames()) {
        protocol::DispatchFrame(h->client, frame);
        h->Ticks(2);
    }
    for (fuzz::Step& step : fuzz::Decode(std::span(data, size))) {
        if (h->client.app.ended)
            break;
        protocol::DispatchFrame(h->client, step.frame);
        if (h->client.app.ended)
            break;
        Apply(h->client, step.input);
        h->Ticks(fuzz::TicksAfter(step.ticks));
    }
    return 0;
}
