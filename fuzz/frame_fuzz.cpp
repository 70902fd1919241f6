// Arbitrary bytes from the server: split into arrivals, with main-loop ticks
// between them, through the receive ring into the dispatcher. Nothing the
// server sends may crash the client or corrupt its state.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "fakes.h"
#include "net/frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A fresh client per input keeps runs independent.
    auto h = std::make_unique<vantry::test::Harness>();
    h->Start(vantry::test::DirectArgument());
    h->socket.state = vantry::platform::SocketState::Connected;
    h->Ticks(4);
    // The input is a list of arrivals: a length byte n, then (n + 1) * 4 bytes
    // that arrive together; three ticks pass after each arrival.
    std::size_t at = 0;
    while (at < size && !h->client.app.ended) {
        const std::size_t want = (static_cast<std::size_t>(data[at]) + 1) * 4;
        ++at;
        const std::size_t take = std::min(want, size - at);
        h->Arrive(std::span(data + at, take));
        at += take;
        h->Ticks(3);
    }
    h->Ticks(200);
    return 0;
}
