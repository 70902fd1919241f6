#pragma once
// All tables of the practice server and the connections they belong to. The
// transport tells the hall about connections and frames; the hall answers with
// frames to send and connections to close. No sockets here.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "table.h"

namespace vantry::server {

using ConnectionId = std::uint64_t;

struct HallCallbacks {
    std::function<void(ConnectionId, const GameFrame&)> send;
    std::function<void(ConnectionId)> close;  // the server is done with this connection
    std::function<void(ConnectionId, Complaint, const std::string&)> log;
};

class Hall {
  public:
    Hall(const TableConfig& config, HallCallbacks callbacks);

    void Received(ConnectionId connection, const GameFrame& frame);
    // The peer went away (or the transport dropped it).
    void Closed(ConnectionId connection);
    void Advance(Millis elapsed);
    std::optional<Millis> TimeToNextEvent() const;

    std::size_t TableCount() const { return tables_.size(); }
    // The table of a connection, for tests; null when it has none.
    const Table* TableOf(ConnectionId connection) const;

  private:
    struct Seating {
        std::unique_ptr<Table> table;
        ConnectionId connection = 0;  // 0 while the player is away
    };

    Table::Send SenderFor(ConnectionId connection);
    Table::Log LoggerFor(ConnectionId connection);
    void OnLogin(ConnectionId connection, const GameFrame& frame);
    void OnReconnect(ConnectionId connection, const GameFrame& frame);
    void Sweep();

    TableConfig config_;
    HallCallbacks callbacks_;
    std::uint64_t tablesOpened_ = 0;
    std::map<std::uint64_t, Seating> tables_;       // by table number
    std::map<ConnectionId, std::uint64_t> seated_;  // connection -> table number
};

}  // namespace vantry::server
