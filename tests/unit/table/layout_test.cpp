#include "table/layout.h"

#include "table_fixture.h"

namespace vantry::test {
namespace {

TEST_F(TableTest, FullSizeLayoutPlacesTheSeatsAndTheBottomBarAtDesignPixels) {
    StartAt({1280, 1024});
    EXPECT_EQ(h.client.app.ScaleX, 1.0f);
    EXPECT_EQ(T().Tou[0].left, 10);
    EXPECT_EQ(T().Tou[0].top, 668);
    EXPECT_EQ(T().Tou[2].width, 70);
    EXPECT_TRUE(T().Tou[3].created);
    // Chat, start, settings, hide on the first row; records .. exit 32 below.
    EXPECT_EQ(T().AnNiu[4].left, 648 + 3 * 70);
    EXPECT_EQ(T().AnNiu[5].left, 648);
    EXPECT_EQ(T().AnNiu[5].top, 699 + 32);
    EXPECT_EQ(T().first[2].left, 350);
    EXPECT_EQ(T().Operation[5].top, 575);
    EXPECT_EQ(T().imgDilan.top, 768 - 117);
    EXPECT_TRUE(T().cardImage3[5].created);
    EXPECT_EQ(T().cardImage1[4].width, 80);
}

TEST_F(TableTest, SmallScreenScalesEveryPositionButTheTopClock) {
    StartAt({800, 600});
    ASSERT_EQ(h.client.app.ScaleX, 0.78125f);
    EXPECT_EQ(T().Tou[0].left, 8);           // 10 x 0.78125 = 7.8
    EXPECT_EQ(T().Tou[0].top, 522);          // 668 x 0.78125 = 521.9
    EXPECT_EQ(T().cardImage0[0].width, 70);  // 90 x 0.78125 = 70.3
    EXPECT_EQ(T().imgDilan.width, 800);
    EXPECT_EQ(T().imgDilan.top, 600 - 91);  // 117 x 0.78125 = 91.4
    EXPECT_EQ(T().img_dizhu[3].left, 750);
    EXPECT_EQ(T().Pic1.picture.bitmap, "table-small");
    EXPECT_EQ(S().seats[3].firstOrigin.x, 508);  // 650 x 0.78125 = 507.8
    EXPECT_EQ(h.client.tableView.handTop, 441);  // 565 x 0.78125 = 441.4

    table::PlaceClock(h.client, 2);
    EXPECT_EQ(T().Time_Img.left, 600);
    EXPECT_EQ(T().Time_Img.top, 100);
    table::PlaceClock(h.client, 0);
    EXPECT_EQ(T().Time_Img.left, 539);     // 690 x 0.78125 = 539.1
    EXPECT_EQ(T().Time_Img.top, 461);      // 590 x 0.78125 = 460.9
    EXPECT_EQ(T().Number.left, 539 + 38);  // 48 x 0.78125 = 37.5, rounded
}

TEST_F(TableTest, ClearTableLeavesTheBubblesOfTheTopAndRightSeats) {
    StartAt({1024, 768});
    for (ui::Control& bubble : T().Speak)
        bubble.visible = true;
    T().cardImage2[1].visible = true;
    T().first[3].visible = true;
    T().jiaoTypeLb.caption = "宣";
    T().Bank.visible = false;
    S().GivenUpCount[2] = 3;

    table::ClearTable(h.client);

    EXPECT_FALSE(T().Speak[0].visible);
    EXPECT_FALSE(T().Speak[1].visible);
    EXPECT_TRUE(T().Speak[2].visible);
    EXPECT_TRUE(T().Speak[3].visible);
    EXPECT_FALSE(T().cardImage2[1].visible);
    EXPECT_FALSE(T().first[3].visible);
    EXPECT_EQ(T().jiaoTypeLb.caption, "");
    EXPECT_TRUE(T().Bank.visible);
    EXPECT_EQ(S().GivenUpCount[2], 0);
    EXPECT_EQ(S().RevealedSeat, rules::kNoRevealedSeat);
    EXPECT_EQ(S().seats[1].secondOrigin.x, 100);
}

TEST_F(TableTest, ShuffleNoticeCyclesTwoToFiveDotsEvery300Ms) {
    StartAt({1024, 768});
    EXPECT_FALSE(T().LblShuffle.visible);
    table::StartShuffleNotice(h.client);
    EXPECT_TRUE(T().LblShuffle.visible);
    EXPECT_EQ(T().LblShuffle.caption, "正在随机换座中..");
    const char* expected[] = {"正在随机换座中..", "正在随机换座中...", "正在随机换座中....",
                              "正在随机换座中.....", "正在随机换座中.."};
    for (const char* text : expected) {
        h.timers.Advance(300);
        EXPECT_EQ(T().LblShuffle.caption, text);
    }
    table::EndShuffleNotice(h.client);
    EXPECT_FALSE(T().LblShuffle.visible);
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::Shuffle));
}

TEST_F(TableTest, PreviousTrickShowsForTwoSecondsAndASecondPressDoesNothing) {
    StartAt({1024, 768});
    S().CurrentTrickCards[1] = {{2, 3}, 2};
    S().PreviousTrickCards[1] = {{0, 1}, 2};
    T().cardImage1[2].visible = T().cardImage1[3].visible = true;

    table::ShowPreviousTrick(h.client);
    EXPECT_TRUE(T().cardImage1[0].visible);
    EXPECT_FALSE(T().cardImage1[2].visible);
    h.timers.Advance(1000);
    table::ShowPreviousTrick(h.client);  // ignored: the previous trick is already shown
    h.timers.Advance(1000);              // the first timer's two seconds are up
    EXPECT_FALSE(T().cardImage1[0].visible);
    EXPECT_TRUE(T().cardImage1[2].visible);
    EXPECT_TRUE(T().cardImage1[3].visible);
    EXPECT_FALSE(h.timers.IsRunning(platform::TimerId::Former));
}

}  // namespace
}  // namespace vantry::test
