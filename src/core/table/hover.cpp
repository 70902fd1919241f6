#include "table/hover.h"

#include "app/players.h"
#include "table/pictures.h"

namespace vantry::table {
namespace {

constexpr int kPass = 2;        // the pass button has no hover picture
constexpr int kPassHover = 7;   // operation list: pass, hover
constexpr int kSilentKind = 5;  // 不说话, a pass while a follow is offered
constexpr int kDeclarationKinds = 12;

constexpr int kBankNormal = 600;
constexpr int kBankHover = 601;
constexpr int kWord1Normal = 516;
constexpr int kWord2Normal = 517;
constexpr int kWord1Hover = 518;
constexpr int kWord2Hover = 519;

int OperationNormal(int i) {
    return i <= 2 ? 3 * i : 2 * i + 3;
}
int OperationHover(int i) {
    return i <= 2 ? 3 * i + 1 : 2 * i + 4;
}

void ShowHover(bool& hovered, ui::Control& control, int id) {
    if (hovered)
        return;
    hovered = true;
    SetResourcePicture(control, id);
}

void Restore(bool& hovered, ui::Control& control, int id) {
    if (!hovered)
        return;
    hovered = false;
    SetResourcePicture(control, id);
}

void HoverBottomBar(app::Client& client, int i) {
    const int pair = BottomBarPair(client, i);
    ShowHover(client.hover.AnNiu[static_cast<std::size_t>(i)],
              client.table.AnNiu[static_cast<std::size_t>(i)],
              client.pictures.bottomBar[static_cast<std::size_t>(2 * pair + 1)]);
}

void HoverOperation(app::Client& client, int i) {
    bool& hovered = client.hover.Operation[static_cast<std::size_t>(i)];
    if (hovered)
        return;
    hovered = true;
    if (i != kPass)
        SetResourcePicture(client.table.Operation[static_cast<std::size_t>(i)],
                           client.pictures.operation[static_cast<std::size_t>(OperationHover(i))]);
}

void HoverDeclaration(app::Client& client, int i) {
    HoverState& hover = client.hover;
    if (!hover.noDeclarationHovered)
        return;
    const int kind = client.tableView.ButtonAction[static_cast<std::size_t>(i)];
    if (kind < 0 || kind >= kDeclarationKinds)
        return;
    const int id = kind == kSilentKind && client.tableState.FollowOffer
                       ? client.pictures.operation[kPassHover]
                       : client.pictures.declaration[static_cast<std::size_t>(2 * kind + 1)];
    hover.noDeclarationHovered = false;
    hover.declarationButton = i;
    hover.declarationHoverPicture = id;
    SetResourcePicture(client.table.btnJiaofen[static_cast<std::size_t>(i)], id);
}

void RestoreBottomBarAndOperations(app::Client& client) {
    for (int i = 0; i < static_cast<int>(client.table.AnNiu.size()); ++i) {
        const int pair = BottomBarPair(client, i);
        Restore(client.hover.AnNiu[static_cast<std::size_t>(i)],
                client.table.AnNiu[static_cast<std::size_t>(i)],
                client.pictures.bottomBar[static_cast<std::size_t>(2 * pair)]);
    }
    for (int i = 0; i < static_cast<int>(client.table.Operation.size()); ++i) {
        Restore(client.hover.Operation[static_cast<std::size_t>(i)],
                client.table.Operation[static_cast<std::size_t>(i)],
                client.pictures.operation[static_cast<std::size_t>(OperationNormal(i))]);
    }
}

void RestoreDeclaration(app::Client& client) {
    HoverState& hover = client.hover;
    if (hover.noDeclarationHovered)
        return;
    hover.noDeclarationHovered = true;
    SetResourcePicture(client.table.btnJiaofen[static_cast<std::size_t>(hover.declarationButton)],
                       hover.declarationHoverPicture - 1);
}

template <typename Controls>
bool InRange(const Controls& controls, int index) {
    return index >= 0 && index < static_cast<int>(controls.size());
}

}  // namespace

int BottomBarPair(const app::Client& client, int i) {
    if (i < 2)
        return i;
    if (i == 2)
        return client.records.DealNumber < 1 && client.buttons.startNotPressed ? 2 : 3;
    return i + 1;
}

bool OnHoverMouse(app::Client& client, const ui::ControlRef& control, const ui::MouseEvent& event) {
    if (control.window != "MainForm" || event.action != ui::MouseAction::Move)
        return false;
    ui::TableWindow& t = client.table;
    HoverState& hover = client.hover;
    const std::string& name = control.name;
    const int i = control.index;

    if (name == "AnNiu" && InRange(t.AnNiu, i)) {
        HoverBottomBar(client, i);
    } else if (name == "Operation" && InRange(t.Operation, i)) {
        HoverOperation(client, i);
    } else if (name == "btnJiaofen" && InRange(t.btnJiaofen, i)) {
        HoverDeclaration(client, i);
    } else if (name == "Bank") {
        ShowHover(hover.Bank, t.Bank, kBankHover);
    } else if (name == "imgword1") {
        ShowHover(hover.imgword1, t.imgword1, kWord1Hover);
    } else if (name == "imgword2") {
        ShowHover(hover.imgword2, t.imgword2, kWord2Hover);
    } else if ((name == "Tou" || name == "Nid" || name == "Cash" || name == "Level") &&
               InRange(t.Tou, i)) {
        app::ShowPlayerInformation(client, i);
    } else if (name == "Pic1") {
        Restore(hover.Bank, t.Bank, kBankNormal);
        RestoreBottomBarAndOperations(client);
        RestoreDeclaration(client);
        app::HidePlayerInformation(client);
    } else if (name == "imgDilan") {
        RestoreBottomBarAndOperations(client);
        app::HidePlayerInformation(client);
    } else if (name == "imgDinglan") {
        app::HidePlayerInformation(client);
    } else if (name == "imgLocation") {
        Restore(hover.Bank, t.Bank, kBankNormal);
        Restore(hover.imgword1, t.imgword1, kWord1Normal);
        Restore(hover.imgword2, t.imgword2, kWord2Normal);
    } else {
        return false;
    }
    return true;
}

}  // namespace vantry::table
