#include "table/hover.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace vantry::test {
namespace {

using ui::MouseAction;

class HoverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.LogIn();
        ui::Window& w = h.client.table.window;
        w.left = 100;
        w.top = 50;
        w.width = 1024;
        w.height = 768;
        h.client.table.Pic1.Move(3, 5);
    }
    void Move(const char* name, int index = 0) {
        app::OnMouse(h.client, {"MainForm", name, index}, {MouseAction::Move, 0});
    }
    void Seat(int position, const char* nickname, int sex) {
        app::PlayerRecord& r = h.client.players.records[static_cast<std::size_t>(position)];
        r.nickname = nickname;
        r.sex = static_cast<std::uint8_t>(sex);
        r.location = "天津";
        r.score = 1200;
        r.credit = 98;
        r.loginCount = 31;
        r.disconnectCount = 2;
        r.wins = 17;
        r.losses = 11;
    }
    int Picture(const ui::Control& c) { return c.picture.resourceId; }
    ui::TableWindow& T() { return h.client.table; }

    Harness h;
};

TEST_F(HoverTest, BottomBarButtonsHoverUntilTheMouseReachesTheBarOrTheTable) {
    // Full-size pictures: pair k is 150 + 2k (normal) and 151 + 2k (hover);
    // AnNiu(i) uses pair i + 1 from the settings button on.
    struct Case {
        int button;
        int normal;
        int hover;
        const char* leaveOver;
    };
    for (const Case& c :
         {Case{0, 150, 151, "imgDilan"}, Case{1, 152, 153, "Pic1"}, Case{3, 158, 159, "imgDilan"},
          Case{4, 160, 161, "Pic1"}, Case{5, 162, 163, "imgDilan"}, Case{6, 164, 165, "imgDilan"},
          Case{7, 166, 167, "Pic1"}, Case{8, 168, 169, "imgDilan"}}) {
        const ui::Control& b = T().AnNiu[static_cast<std::size_t>(c.button)];
        EXPECT_EQ(Picture(b), c.normal) << c.button;
        Move("AnNiu", c.button);
        EXPECT_EQ(Picture(b), c.hover) << c.button;
        Move("imgDinglan");  // the top bar leaves the buttons alone
        EXPECT_EQ(Picture(b), c.hover) << c.button;
        Move(c.leaveOver);
        EXPECT_EQ(Picture(b), c.normal) << c.button;
    }
}

TEST_F(HoverTest, StartButtonHoversWithStartPicturesOnlyBeforeTheFirstDealOrClick) {
    struct Case {
        const char* when;
        int dealsSettled;
        bool startNotPressed;
        int normal;
        int hover;
    };
    for (const Case& c : {Case{"fresh", 0, true, 154, 155}, Case{"after a deal", 1, true, 156, 157},
                          Case{"after a click", 0, false, 156, 157}}) {
        h.client.records.DealNumber = static_cast<std::int16_t>(c.dealsSettled);
        h.client.buttons.startNotPressed = c.startNotPressed;
        Move("AnNiu", 2);
        EXPECT_EQ(Picture(T().AnNiu[2]), c.hover) << c.when;
        Move("imgDilan");
        EXPECT_EQ(Picture(T().AnNiu[2]), c.normal) << c.when;
    }
}

TEST_F(HoverTest, OperationButtonsHoverExceptPass) {
    // Play, hint, pass: 178 + 3i normal, + 1 hover; sort, previous trick,
    // restore: 178 + 2i + 3 normal, + 1 hover.
    struct Case {
        int button;
        int normal;
        int hover;
    };
    for (const Case& c : {Case{0, 178, 179}, Case{1, 181, 182}, Case{2, 184, 184},
                          Case{3, 187, 188}, Case{4, 189, 190}, Case{5, 191, 192}}) {
        const ui::Control& b = T().Operation[static_cast<std::size_t>(c.button)];
        EXPECT_EQ(Picture(b), c.normal) << c.button;
        Move("Operation", c.button);
        EXPECT_EQ(Picture(b), c.hover) << c.button;
        Move("imgDilan");
        EXPECT_EQ(Picture(b), c.normal) << c.button;
    }
}

TEST_F(HoverTest, DeclarationButtonsShareOneHoverThatOnlyTheTableClears) {
    struct Case {
        std::int16_t kind;
        bool followOffer;
        int hover;
    };
    // Kind k hovers with 431 + 2k; 不说话 while a follow is offered is a pass.
    for (const Case& c :
         {Case{0, false, 431}, Case{5, false, 441}, Case{5, true, 185}, Case{10, false, 451}}) {
        h.client.tableView.ButtonAction[1] = c.kind;
        h.client.tableState.FollowOffer = c.followOffer;
        table::SetResourcePicture(T().btnJiaofen[1], c.hover - 1);
        Move("btnJiaofen", 1);
        EXPECT_EQ(Picture(T().btnJiaofen[1]), c.hover) << c.kind;
        Move("imgDilan");
        EXPECT_EQ(Picture(T().btnJiaofen[1]), c.hover) << c.kind;
        Move("Pic1");
        EXPECT_EQ(Picture(T().btnJiaofen[1]), c.hover - 1) << c.kind;
    }

    // While one button hovers, the others keep their pictures.
    h.client.tableView.ButtonAction[0] = 2;
    h.client.tableView.ButtonAction[1] = 3;
    table::SetResourcePicture(T().btnJiaofen[0], 434);
    table::SetResourcePicture(T().btnJiaofen[1], 436);
    Move("btnJiaofen", 0);
    Move("btnJiaofen", 1);
    EXPECT_EQ(Picture(T().btnJiaofen[0]), 435);
    EXPECT_EQ(Picture(T().btnJiaofen[1]), 436);
}

TEST_F(HoverTest, DeclarationButtonWithAKindOutsideTheTableDoesNotHover) {
    h.client.tableView.ButtonAction[2] = 12;
    table::SetResourcePicture(T().btnJiaofen[2], 430);
    Move("btnJiaofen", 2);
    EXPECT_EQ(Picture(T().btnJiaofen[2]), 430);
    EXPECT_TRUE(h.client.hover.noDeclarationHovered);
}

TEST_F(HoverTest, QuickPhraseAndStoragePicturesHoverUntilTheRoomPanel) {
    Move("imgword1");
    Move("imgword2");
    Move("Bank");
    EXPECT_EQ(Picture(T().imgword1), 518);
    EXPECT_EQ(Picture(T().imgword2), 519);
    EXPECT_EQ(Picture(T().Bank), 601);

    Move("Pic1");  // the table restores the storage button only
    EXPECT_EQ(Picture(T().Bank), 600);
    EXPECT_EQ(Picture(T().imgword1), 518);
    Move("Bank");
    Move("imgLocation");
    EXPECT_EQ(Picture(T().imgword1), 516);
    EXPECT_EQ(Picture(T().imgword2), 517);
    EXPECT_EQ(Picture(T().Bank), 600);
}

TEST_F(HoverTest, SeatHoverPlacesAndFillsThePlayerCard) {
    Seat(0, "alice", 1);
    Seat(1, "北风", 0);
    Seat(3, "river", 1);
    struct Case {
        const char* control;
        int position;
        int left;
        int top;
        const char* sex;
    };
    // Window 100, 50, 1024 x 768 with the table at 3, 5 in it. Other seats:
    // top 55 + 0.11 x 768 = 139.48, left 103 + (p - 1) x 1024 / 3 in whole
    // pixels (0, 341, 682). The own seat: top 55 + 0.42 x 768 = 377.56.
    for (const Case& c : {Case{"Tou", 1, 103, 139, "女"}, Case{"Nid", 3, 785, 139, "男"},
                          Case{"Level", 0, 103, 378, "男"}}) {
        Move(c.control, c.position);
        const ui::InformationWindow& info = h.client.information;
        ASSERT_TRUE(info.window.visible) << c.control;
        EXPECT_EQ(info.window.left, c.left) << c.control;
        EXPECT_EQ(info.window.top, c.top) << c.control;
        EXPECT_EQ(info.Inf[1].caption, c.sex) << c.control;
        EXPECT_EQ(info.Inf[0].caption,
                  h.client.players.records[static_cast<std::size_t>(c.position)].nickname);
        EXPECT_EQ(info.Inf[2].caption, "天津");
        EXPECT_EQ(info.Inf[8].caption, "11");
        Move("imgDinglan");
        EXPECT_FALSE(info.window.visible) << c.control;
    }
}

TEST_F(HoverTest, EmptySeatShowsNoCardAndTheRoomPanelLeavesAnOpenCardAlone) {
    Move("Cash", 2);
    EXPECT_FALSE(h.client.information.window.visible);

    Seat(2, "老周", 1);
    for (const char* clearing : {"Pic1", "imgDilan", "imgDinglan"}) {
        Move("Tou", 2);
        Move("imgLocation");
        EXPECT_TRUE(h.client.information.window.visible) << clearing;
        Move(clearing);
        EXPECT_FALSE(h.client.information.window.visible) << clearing;
    }
}

}  // namespace
}  // namespace vantry::test
