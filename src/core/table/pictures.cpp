#include "table/pictures.h"

#include <cstddef>

#include "table/picture_catalog.h"

namespace vantry::table {
namespace {

template <std::size_t N>
void FillFrom(std::array<int, N>& table, int firstId) {
    for (std::size_t i = 0; i < N; ++i)
        table[i] = firstId + static_cast<int>(i);
}

// On a small screen each suit's faces are stored ace, two, then three to king.
int SmallCardPicture(int suit, int rank) {
    return rank <= 13 ? 300 + 13 * suit + rank : 287 + 13 * suit + rank;
}

}  // namespace

void BuildPictureTables(PictureTables& tables, float scaleX) {
    const bool small = scaleX != 1.0f;

    tables.card.fill(0);
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 3; rank <= 15; ++rank) {
            const int code = 16 * suit + rank;
            tables.card[static_cast<std::size_t>(code)] =
                small ? SmallCardPicture(suit, rank) : code;
        }
    }
    tables.card[16] = small ? 353 : 16;
    tables.card[17] = small ? 354 : 17;
    tables.card[18] = 18;

    for (auto& fan : tables.fan)
        FillFrom(fan, 260);

    // The send button keeps its picture on a small screen; the others have
    // smaller versions stored from 283 on.
    for (int i = 0; i < static_cast<int>(tables.bottomBar.size()); ++i)
        tables.bottomBar[static_cast<std::size_t>(i)] = (small && i >= 2) ? 281 + i : 150 + i;

    FillFrom(tables.dialogButtons, 170);
    FillFrom(tables.operation, 178);
    FillFrom(tables.declaration, 430);
    FillFrom(tables.bubble, 470);
    FillFrom(tables.avatar, 240);
    tables.ready = {280, 281, 282, 280};
    FillFrom(tables.finishingPlace, 360);
    tables.passBubble = {232, 235, 238};
}

bool LoadResourcePicture(int id) {
    return ResourcePictureSize(id).has_value();
}

bool SetResourcePicture(ui::Control& control, int id) {
    if (!LoadResourcePicture(id))
        return false;
    control.picture = ui::Picture{id, {}};
    return true;
}

bool SetResourcePicture(ui::Control& control, int id, ButtonActions& actions, int slot,
                        std::int16_t kind, std::optional<int> left) {
    if (slot < 0 || slot >= static_cast<int>(actions.size()))
        return false;
    if (!SetResourcePicture(control, id))
        return false;
    if (left)
        control.left = *left;
    actions[static_cast<std::size_t>(slot)] = kind;
    return true;
}

}  // namespace vantry::table
