#include "table/pictures.h"

#include <gtest/gtest.h>

#include <set>

#include "table/picture_catalog.h"

namespace vantry::table {
namespace {

constexpr float kSmall = 0.78125f;  // 800 / 1024

PictureTables Build(float scale) {
    PictureTables tables;
    BuildPictureTables(tables, scale);
    return tables;
}

int Code(int suit, int rank) {
    return 16 * suit + rank;
}

TEST(PictureTables, FullSizeCardsUseThePictureCodeAsId) {
    const PictureTables t = Build(1.0f);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 3; rank <= 15; ++rank)
            EXPECT_EQ(t.card[Code(suit, rank)], Code(suit, rank));
    EXPECT_EQ(t.card[16], 16);
    EXPECT_EQ(t.card[17], 17);
    EXPECT_EQ(t.card[18], 18);
}

TEST(PictureTables, SmallScreenCardsAreStoredAceTwoThenThreeToKing) {
    const PictureTables t = Build(kSmall);
    EXPECT_EQ(t.card[Code(2, 15)], 328);  // two of hearts, code 47
    EXPECT_EQ(t.card[Code(3, 14)], 340);  // ace of spades, code 62
    EXPECT_EQ(t.card[Code(0, 14)], 301);
    EXPECT_EQ(t.card[Code(0, 3)], 303);
    EXPECT_EQ(t.card[Code(3, 13)], 352);
    EXPECT_EQ(t.card[16], 353);
    EXPECT_EQ(t.card[17], 354);
    EXPECT_EQ(t.card[18], 18);  // one card back for both sizes
}

TEST(PictureTables, SmallScreenGivesEverySuitAndRankItsOwnSmallPicture) {
    const PictureTables t = Build(kSmall);
    std::set<int> ids;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 3; rank <= 15; ++rank)
            ids.insert(t.card[Code(suit, rank)]);
    EXPECT_EQ(ids.size(), 52u);
    EXPECT_EQ(*ids.begin(), 301);
    EXPECT_EQ(*ids.rbegin(), 352);
}

TEST(PictureTables, CodesOutsideTheDeckNameNoPicture) {
    for (float scale : {1.0f, kSmall}) {
        const PictureTables t = Build(scale);
        // Ranks 0..2 of every suit but the first, where 16..18 hold jokers and back.
        for (int code : {0, 1, 2, 32, 33, 34, 48, 49, 50})
            EXPECT_EQ(t.card[code], 0) << code;
    }
}

TEST(PictureTables, BottomBarSwitchesToSmallButtonsExceptSend) {
    const PictureTables full = Build(1.0f);
    const PictureTables small = Build(kSmall);
    // Send keeps 150/151 at both sizes.
    EXPECT_EQ(full.bottomBar[0], 150);
    EXPECT_EQ(full.bottomBar[1], 151);
    EXPECT_EQ(small.bottomBar[0], 150);
    EXPECT_EQ(small.bottomBar[1], 151);
    // Start is pair 2 (entries 4, 5), continue pair 3 (entries 6, 7).
    EXPECT_EQ(small.bottomBar[4], 285);
    EXPECT_EQ(small.bottomBar[5], 286);
    EXPECT_EQ(small.bottomBar[6], 287);
    EXPECT_EQ(small.bottomBar[7], 288);
    EXPECT_EQ(full.bottomBar[4], 154);
    EXPECT_EQ(full.bottomBar[19], 169);
    EXPECT_EQ(small.bottomBar[19], 300);
}

TEST(PictureTables, OtherTablesFollowTheirIdRules) {
    for (float scale : {1.0f, kSmall}) {
        const PictureTables t = Build(scale);
        for (const auto& fan : t.fan)
            EXPECT_EQ(fan, (std::array<int, 6>{260, 261, 262, 263, 264, 265}));
        EXPECT_EQ(t.dialogButtons.front(), 170);
        EXPECT_EQ(t.dialogButtons.back(), 177);
        EXPECT_EQ(t.operation.front(), 178);
        EXPECT_EQ(t.operation.back(), 192);
        EXPECT_EQ(t.declaration.front(), 430);
        EXPECT_EQ(t.declaration.back(), 453);
        EXPECT_EQ(t.bubble.front(), 470);
        EXPECT_EQ(t.bubble.back(), 508);
        EXPECT_EQ(t.avatar.front(), 240);
        EXPECT_EQ(t.avatar.back(), 259);
        EXPECT_EQ(t.ready, (std::array<int, 4>{280, 281, 282, 280}));
        EXPECT_EQ(t.finishingPlace, (std::array<int, 3>{360, 361, 362}));
        EXPECT_EQ(t.passBubble, (std::array<int, 3>{232, 235, 238}));
    }
}

TEST(PictureTables, EveryTableEntryNamesACarriedPicture) {
    for (float scale : {1.0f, kSmall}) {
        const PictureTables t = Build(scale);
        auto check = [](const auto& table) {
            for (int id : table) {
                if (id != 0) {
                    EXPECT_TRUE(LoadResourcePicture(id)) << id;
                }
            }
        };
        check(t.card);
        for (const auto& fan : t.fan)
            check(fan);
        check(t.bottomBar);
        check(t.dialogButtons);
        check(t.operation);
        check(t.declaration);
        check(t.bubble);
        check(t.avatar);
        check(t.ready);
        check(t.finishingPlace);
        check(t.passBubble);
    }
}

TEST(PictureCatalog, HoldsTheFullSetOfPictures) {
    // 55 cards + 6 second-design fans + 20 bottom-bar + 8 dialog + 15 operation
    // + 3 pass bubbles + 20 avatars + 20 fans + 3 ready + 18 small bottom-bar
    // + 54 small cards + 3 badges + 24 declaration + 39 bubbles + 4 quick phrase
    // + 2 storage = 294.
    EXPECT_EQ(ResourcePictureIds().size(), 294u);
    EXPECT_FALSE(ResourcePictureSize(520));  // only a copy under another type
}

TEST(PictureCatalog, GivesEachFamilyItsSize) {
    struct Case {
        int id;
        PictureSize size;
    };
    const Case cases[] = {
        {3, {92, 122}},    {63, {92, 122}},   {17, {92, 122}},   {18, {78, 103}},
        {130, {78, 103}},  {135, {142, 123}}, {150, {48, 30}},   {151, {48, 30}},
        {152, {55, 31}},   {169, {55, 31}},   {178, {66, 38}},   {187, {62, 25}},
        {232, {131, 102}}, {235, {129, 100}}, {240, {85, 90}},   {241, {87, 92}},
        {260, {78, 103}},  {279, {230, 169}}, {280, {70, 29}},   {283, {43, 24}},
        {301, {72, 95}},   {354, {72, 95}},   {360, {70, 29}},   {430, {66, 38}},
        {470, {93, 116}},  {471, {130, 102}}, {472, {215, 141}}, {508, {215, 141}},
        {516, {57, 13}},   {601, {55, 31}},
    };
    for (const Case& c : cases) {
        const auto size = ResourcePictureSize(c.id);
        ASSERT_TRUE(size) << c.id;
        EXPECT_EQ(*size, c.size) << c.id;
    }
    for (int id = 170; id <= 177; ++id) {
        const auto size = ResourcePictureSize(id);
        ASSERT_TRUE(size);
        EXPECT_TRUE(size->width >= 64 && size->width <= 70 && size->height >= 26 &&
                    size->height <= 29)
            << id;
    }
}

TEST(PictureCatalog, FansGrowWithTheirCardCount) {
    for (int id = 261; id <= 279; ++id) {
        EXPECT_GT(ResourcePictureSize(id)->width, ResourcePictureSize(id - 1)->width) << id;
        EXPECT_GE(ResourcePictureSize(id)->height, ResourcePictureSize(id - 1)->height) << id;
    }
}

TEST(PictureCatalog, ListsTheTableBackgroundsTheLayoutNames) {
    auto size = [](std::string_view name) {
        for (const auto& bitmap : WindowBitmaps())
            if (bitmap.name == name)
                return PictureSize{bitmap.width, bitmap.height};
        return PictureSize{};
    };
    EXPECT_EQ(size("table"), (PictureSize{1024, 768}));
    EXPECT_EQ(size("table-small"), (PictureSize{800, 600}));
    EXPECT_EQ(size("skin"), (PictureSize{46, 220}));
    EXPECT_EQ(size("clock"), (PictureSize{81, 38}));
}

TEST(SetResourcePicture, GivesTheControlThePicture) {
    ui::Control control;
    EXPECT_TRUE(SetResourcePicture(control, 328));
    EXPECT_EQ(control.picture.resourceId, 328);
    EXPECT_TRUE(control.picture.bitmap.empty());
}

TEST(SetResourcePicture, MissingIdLeavesTheControlUnchanged) {
    ui::Control control;
    control.picture = ui::Picture{0, "table"};
    control.Move(10, 20);
    for (int missing : {0, -5, 2, 32, 200, 520, 999, 65536}) {
        EXPECT_FALSE(SetResourcePicture(control, missing)) << missing;
        EXPECT_EQ(control.picture, (ui::Picture{0, "table"}));
    }
    ButtonActions actions{};
    actions[1] = 7;
    EXPECT_FALSE(SetResourcePicture(control, 999, actions, 1, 3, 440));
    EXPECT_EQ(control.picture, (ui::Picture{0, "table"}));
    EXPECT_EQ(control.left, 10);
    EXPECT_EQ(actions[1], 7);
}

TEST(SetResourcePicture, RecordsTheDeclarationKindOfTheButtonSlotAndMovesIt) {
    ui::Control button;
    button.Move(100, 470);
    ButtonActions actions{};
    EXPECT_TRUE(SetResourcePicture(button, 450, actions, 0, 10, 440));  // 舍 at left 440
    EXPECT_EQ(button.picture.resourceId, 450);
    EXPECT_EQ(button.left, 440);
    EXPECT_EQ(button.top, 470);
    EXPECT_EQ(actions[0], 10);

    EXPECT_TRUE(SetResourcePicture(button, 430, actions, 10, 0));  // no left: stays
    EXPECT_EQ(button.left, 440);
    EXPECT_EQ(actions[10], 0);
}

TEST(SetResourcePicture, SlotOutsideTheActionTableChangesNothing) {
    ui::Control button;
    ButtonActions actions{};
    for (int slot : {-1, 11, 1000}) {
        EXPECT_FALSE(SetResourcePicture(button, 430, actions, slot, 4, 10));
        EXPECT_TRUE(button.picture.Empty());
        EXPECT_EQ(button.left, 0);
    }
    EXPECT_EQ(actions, ButtonActions{});
}

}  // namespace
}  // namespace vantry::table
