#include "chat/chat_windows.h"

#include <cmath>

namespace vantry::chat {
namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

bool FullSize(const app::Client& client) {
    return client.app.ScaleX == 1.0f;
}

}  // namespace

void ToggleChatHistory(app::Client& client) {
    ui::Window& talk = client.Talk;
    if (talk.visible) {
        talk.visible = false;
        return;
    }
    const ui::Window& main = client.table.window;
    const ui::Control& table = client.table.Pic1;
    talk.topmost = true;
    const int left = main.left + table.left;
    const int top = main.top + table.top;
    if (FullSize(client)) {
        talk.left = left + Round(0.3 * table.width);
        talk.top = top + Round(0.66 * table.height);
    } else {
        talk.left = left + Round(0.27 * main.width);
        talk.top = top + Round(0.6 * main.height);
    }
    talk.visible = true;
}

void ToggleQuickPhrases(app::Client& client, int list) {
    ui::QuickPhraseWindow& phrases = client.huifu;
    client.Talk.visible = false;
    if (!phrases.visible) {
        const ui::Window& main = client.table.window;
        const ui::Control& table = client.table.Pic1;
        const int left = main.left + table.left;
        const int top = main.top + table.top;
        if (FullSize(client)) {
            phrases.top = top + Round(0.66 * table.height);
            phrases.left = left + Round(list == 1 ? 0.27 * main.width : 0.3 * table.width);
        } else {
            phrases.top = top + Round(0.6 * main.height);
            phrases.left = left + Round(0.27 * main.width);
        }
        phrases.ShowList(list);
        phrases.visible = true;
    } else if (phrases.ShownList() == list) {
        phrases.visible = false;
    } else {
        phrases.ShowList(list);
    }
}

}  // namespace vantry::chat
