#include "hall.h"

namespace vantry::server {

using net::MessageType;

Hall::Hall(const TableConfig& config, HallCallbacks callbacks)
    : config_(config), callbacks_(std::move(callbacks)) {}

Table::Send Hall::SenderFor(ConnectionId connection) {
    return [this, connection](const GameFrame& f) { callbacks_.send(connection, f); };
}

Table::Log Hall::LoggerFor(ConnectionId connection) {
    return [this, connection](Complaint c, const std::string& what) {
        if (callbacks_.log)
            callbacks_.log(connection, c, what);
    };
}

const Table* Hall::TableOf(ConnectionId connection) const {
    const auto it = seated_.find(connection);
    return it == seated_.end() ? nullptr : tables_.at(it->second).table.get();
}

void Hall::Received(ConnectionId connection, const GameFrame& frame) {
    const auto it = seated_.find(connection);
    if (it != seated_.end()) {
        tables_.at(it->second).table->Receive(frame);
        Sweep();
        return;
    }
    if (frame.Is(MessageType::Login))
        OnLogin(connection, frame);
    else if (frame.Is(MessageType::Reconnect))
        OnReconnect(connection, frame);
    else if (callbacks_.log)
        callbacks_.log(connection, Complaint::Unexpected,
                       "a frame of type " + std::to_string(frame.Type()) + " before the login");
}

void Hall::OnLogin(ConnectionId connection, const GameFrame& frame) {
    const std::uint64_t number = ++tablesOpened_;
    // Each table draws from its own sequence, so one seed repeats every table.
    const std::uint64_t seed = config_.seed + number * 0x9E3779B97F4A7C15ull;
    auto table =
        std::make_unique<Table>(config_, seed, SenderFor(connection), LoggerFor(connection));
    if (!table->Login(ReadLoginRequest(frame))) {
        if (callbacks_.log)
            callbacks_.log(connection, Complaint::Rejected, "login refused");
        callbacks_.close(connection);
        return;
    }
    tables_[number] = {std::move(table), connection};
    seated_[connection] = number;
}

void Hall::OnReconnect(ConnectionId connection, const GameFrame& frame) {
    const ReconnectRequest request = ReadReconnectRequest(frame);
    for (auto& [number, seating] : tables_) {
        if (!seating.table->Matches(request))
            continue;
        if (seating.connection != 0) {
            // The old connection is still open on this side: the new one takes over.
            seated_.erase(seating.connection);
            callbacks_.close(seating.connection);
            seating.table->Detach();
        }
        seating.connection = connection;
        seated_[connection] = number;
        seating.table->Reattach(SenderFor(connection));
        return;
    }
    GameFrame refused = BuildReconnectResult({false});
    callbacks_.send(connection, refused);
    if (callbacks_.log)
        callbacks_.log(connection, Complaint::Rejected, "reconnection refused: no table for it");
    callbacks_.close(connection);
}

void Hall::Closed(ConnectionId connection) {
    const auto it = seated_.find(connection);
    if (it == seated_.end())
        return;
    Seating& seating = tables_.at(it->second);
    seating.connection = 0;
    seating.table->Detach();
    seated_.erase(it);
    Sweep();
}

void Hall::Advance(Millis elapsed) {
    if (elapsed <= Millis(0))
        return;
    for (auto& [number, seating] : tables_)
        seating.table->Advance(elapsed);
    Sweep();
}

std::optional<Millis> Hall::TimeToNextEvent() const {
    std::optional<Millis> next;
    for (const auto& [number, seating] : tables_)
        if (auto t = seating.table->TimeToNextEvent(); t && (!next || *t < *next))
            next = t;
    return next;
}

void Hall::Sweep() {
    for (auto it = tables_.begin(); it != tables_.end();) {
        Seating& seating = it->second;
        if (!seating.table->Ended()) {
            ++it;
            continue;
        }
        if (seating.connection != 0) {
            seated_.erase(seating.connection);
            callbacks_.close(seating.connection);
        }
        it = tables_.erase(it);
    }
}

}  // namespace vantry::server
