#include "table/bottom_bar.h"

#include <cmath>
#include <string>

#include "chat/chat_box.h"
#include "chat/chat_windows.h"
#include "props/plugin_host.h"
#include "settle/board_input.h"
#include "shell/web_addresses.h"
#include "table/hand.h"

namespace vantry::table {
namespace {

constexpr std::int16_t kBankBehindWindow = 2;  // the storage panel gives way to a window
constexpr double kTwipsPerPixel = 15.0;

// The sound settings sit in the bottom right corner of the table, raised
// clear of the bottom bar.
void ToggleSoundSettings(app::Client& client) {
    ui::Window& settings = client.VosSet;
    if (settings.visible) {
        settings.visible = false;
        return;
    }
    const ui::Window& main = client.table.window;
    const ui::Control& table = client.table.Pic1;
    const int raise = static_cast<int>(std::lround(1700 / kTwipsPerPixel * client.app.ScaleX));
    settings.left = main.left + table.left + table.width - settings.width;
    settings.top = main.top + table.top + table.height - settings.height - raise;
    settings.minimized = false;
    settings.visible = true;
}

void ToggleCentred(app::Client& client, ui::Window& window) {
    if (window.visible)
        window.visible = false;
    else
        settle::ShowCentred(client.table.window, window);
}

void ToggleRecords(app::Client& client) {
    if (client.score.window.visible)
        client.score.window.visible = false;
    else
        settle::ShowRecordedDeal(client, client.records.DealNumber);
}

void BottomBarClick(app::Client& client, int i) {
    switch (i) {
        case 0:
            return chat::SendChatBoxText(client);
        case 1:
            return chat::ToggleChatHistory(client);
        case 3:
            props::SetBankState(client, kBankBehindWindow);
            return ToggleSoundSettings(client);
        case 4:
            // Hides the windows of the table and minimises it like F1 on the window.
            return BossKey(client, KeySource::Window);
        case 5:
            ToggleRecords(client);
            return props::SetBankState(client, kBankBehindWindow);
        case 6:
            ToggleCentred(client, client.hero.window);
            return props::SetBankState(client, kBankBehindWindow);
        case 7:
            return client.ports.process.OpenAddress(std::string(shell::kPlatformWebHost) +
                                                    shell::kRulesPagePath);
        case 8:
            props::SetBankState(client, kBankBehindWindow);
            return ToggleExitConfirmation(client);
        default:
            return;
    }
}

}  // namespace

bool OnBottomBarClick(app::Client& client, const ui::ControlRef& control,
                      const ui::MouseEvent& event) {
    if (event.action != ui::MouseAction::Click)
        return false;
    const int i = control.index;
    if (control.window == "ChuPai") {
        if (control.name == "Label1")
            client.ChuPai.visible = false;
        return true;
    }
    if (control.window != "MainForm")
        return false;
    if (control.name == "AnNiu" && i >= 0 && i < static_cast<int>(client.table.AnNiu.size())) {
        BottomBarClick(client, i);
        return true;
    }
    if (control.name == "Lbchat") {
        chat::ToggleChatHistory(client);
        return true;
    }
    if (control.name == "Tou") {
        if (client.protocol.loginAccepted)
            chat::AddressChatTo(client, i);
        return true;
    }
    if (control.name == "imgword1" || control.name == "imgword2") {
        chat::ToggleQuickPhrases(client, control.name == "imgword1" ? 1 : 2);
        return true;
    }
    return false;
}

}  // namespace vantry::table
