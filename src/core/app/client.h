#pragma once
// The one object that owns the whole client: launch parameters, transport,
// table state, the ui model and the ports to the outside world. Subsystem
// operations are free functions that take the parts they work on.

#include <cstdint>

#include "app/launch_params.h"
#include "app/player_records.h"
#include "app/startup_layout.h"
#include "chat/chat_state.h"
#include "net/connection_state.h"
#include "platform/ports.h"
#include "props/props_state.h"
#include "protocol/protocol_state.h"
#include "rules/table_state.h"
#include "settle/records.h"
#include "settle/settle_state.h"
#include "sound/sound_state.h"
#include "table/button_state.h"
#include "table/pictures.h"
#include "table/table_view_state.h"
#include "ui/boards.h"
#include "ui/information_window.h"
#include "ui/other_windows.h"
#include "ui/table_window.h"

namespace vantry::app {

inline constexpr int kMainLoopMs = 50;

struct Ports {
    platform::Socket& socket;
    platform::Timers& timers;
    platform::WindowSystem& windows;
    platform::MessageBoxes& messageBoxes;
    platform::Process& process;
    platform::Random& random;
    platform::SoundOutput& sound;
    platform::PluginLoader& plugins;
};

struct ChatFlash {
    int count = 0;  // picture changes left
    bool on = false;
    int counter = 0;
};

struct AppState {
    LaunchParams launch;
    WindowGeometry geometry;
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    bool ended = false;       // the client has ended; no handler runs any more
    bool started = false;     // startup ran to its end
    bool mainLoopOn = false;  // TimerBong runs; a tick restarts it only while set
};

struct Client {
    explicit Client(Ports p) : ports(p) {}
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    Ports ports;
    AppState app;
    net::ConnectionState net;
    protocol::ProtocolState protocol;
    rules::TableState tableState;
    Players players;
    ChatFlash chatFlash;
    table::PictureTables pictures;
    sound::SoundState sound;
    ui::TableWindow table;
    ui::ScoreWindow score;
    ui::HeroWindow hero;
    settle::RecordsState records;
    settle::SettleState settle;
    props::PropsState props;
    table::ButtonState buttons;
    table::HoverState hover;
    chat::ChatState chat;
    ui::OtherExitWindow otherExit;
    ui::InformationWindow information;
    table::TableViewState tableView;
    // Tool windows that the table hides or closes (the boss key, the exit key).
    ui::Window Talk;
    ui::QuickPhraseWindow huifu;
    ui::Window VosSet;
    ui::Window frmExit;
    ui::IllegalPlayWindow ChuPai;
};

// Ends the client: nothing runs after this, and the process leaves its event loop.
void EndClient(Client& client);

// Starts and stops the 50 ms main loop. A handler that stops it during a tick
// keeps it stopped: the tick does not restart it.
void StartMainLoop(Client& client);
void StopMainLoop(Client& client);

}  // namespace vantry::app
