#pragma once

#include <string_view>

#include "app/client.h"

namespace vantry::app {

// The main window's load: takes the launch argument apart, sizes the window,
// builds the login frame and opens the connection. Afterwards either the client
// has ended (client.app.ended) or the table window is shown and connecting.
void Startup(Client& client, std::string_view argument, ScreenSize screen);

// Sizes the main window and the table for the screen and picks the scale.
void SizeWindow(Client& client, ScreenSize screen);

// The Location label shows the room name; long names get a smaller font.
void ShowRoomName(Client& client);

}  // namespace vantry::app
