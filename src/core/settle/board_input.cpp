#include "settle/board_input.h"

#include "app/ini_file.h"
#include "settle/records.h"

namespace vantry::settle {
namespace {

using ui::MouseAction;

constexpr int kAvatarPictureBase = 240;
constexpr int kAvatarCount = 20;

int AvatarPicture(int index) {
    return index >= 0 && index < kAvatarCount ? kAvatarPictureBase + index : 0;
}

bool IsCloseButton(const ui::ControlRef& c) {
    return c.name == "Image1" && c.index == 1;
}

bool IsHeroList(const ui::ControlRef& c) {
    return c.name == "Num" || c.name == "Grade";
}

}  // namespace

std::string InfoFilePath(const app::Client& client) {
    app::classIniFile file;
    file.SetPath(client.ports.process.ExecutableDir(), "info.qv");
    return file.INIFileName;
}

void ShowCentred(const ui::Window& main, ui::Window& board) {
    board.left = (main.width - board.width) / 2 + main.left;
    board.top = (main.height - board.height) / 2 + main.top;
    board.visible = true;
    board.minimized = false;
}

void ShowRecordedDeal(app::Client& client, int n) {
    app::classIniFile file(InfoFilePath(client));
    LoadDealRecord(file, client.score, n, AvatarPicture);
    ShowCentred(client.table.window, client.score.window);
}

bool OnBoardMouse(app::Client& client, const ui::ControlRef& control, const ui::MouseEvent& event) {
    if (control.window == "Score") {
        if (IsCloseButton(control) && event.action == MouseAction::Click) {
            client.score.window.visible = false;
        } else if (control.name.empty() && event.action == MouseAction::Down &&
                   event.button == ui::kLeftButton) {
            client.ports.windows.StartWindowDrag("Score");
        }
        return true;
    }
    if (control.window != "Hero")
        return false;
    ui::HeroWindow& hero = client.hero;
    if (IsCloseButton(control) && event.action == MouseAction::Click) {
        hero.window.visible = false;
    } else if (IsHeroList(control) && event.action == MouseAction::Click && event.row >= 0) {
        const ui::Control& list = control.name == "Num" ? hero.Num : hero.Grade[control.index & 3];
        SelectHeroRow(hero, event.row, list.topRow);
    } else if (IsHeroList(control) && event.action == MouseAction::DoubleClick) {
        if (event.row >= 0)
            SelectHeroRow(hero, event.row, hero.Num.topRow);
        // With no row selected the board is shown as it is.
        ShowRecordedDeal(client, hero.Num.selectedRow + 1);
    }
    return true;
}

}  // namespace vantry::settle
