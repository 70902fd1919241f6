// Mouse input on the settlement and records boards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fakes.h"
#include "settle/board_input.h"
#include "settle/records.h"

namespace vantry::test {
namespace {

using ui::MouseAction;

ui::MouseEvent Mouse(MouseAction action, int row = -1) {
    ui::MouseEvent e;
    e.action = action;
    e.row = row;
    return e;
}

class Boards : public ::testing::Test {
  protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("vantry-boards-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        h.process.executableDir = dir.string();
        h.Start(DirectArgument());
        // Two deals on the records board, the second saved in the info file.
        for (int deal = 1; deal <= 2; ++deal) {
            settle::AddDealResult(h.client.hero, h.client.records, 0, 10.0 * deal, true);
            settle::FinishDealRow(h.client.hero, h.client.records);
        }
        ui::ScoreWindow saved;
        saved.State[0].rows = {"初始：100金币", "", "第 2名"};
        app::classIniFile file(settle::InfoFilePath(h.client));
        settle::SaveDealRecord(file, saved, 2, {});
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Hero(const char* name, int index, const ui::MouseEvent& e) {
        app::OnMouse(h.client, {"Hero", name, index}, e);
    }

    std::filesystem::path dir;
    Harness h;
};

TEST_F(Boards, ClickingARowSelectsItInEveryListOfTheRecordsBoard) {
    Hero("Grade", 2, Mouse(MouseAction::Click, 1));
    EXPECT_EQ(h.client.hero.Num.selectedRow, 1);
    for (const ui::Control& grade : h.client.hero.Grade)
        EXPECT_EQ(grade.selectedRow, 1);
    Hero("Num", 0, Mouse(MouseAction::Click, 7));  // past the last row: nothing changes
    EXPECT_EQ(h.client.hero.Num.selectedRow, 1);
}

TEST_F(Boards, DoubleClickingADealBringsItsSettlementBoardBack) {
    Hero("Num", 0, Mouse(MouseAction::DoubleClick, 1));
    EXPECT_EQ(h.client.score.State[0].rows,
              (std::vector<std::string>{"初始：100金币", " ", "第 2名"}));
    const ui::Window& score = h.client.score.window;
    EXPECT_TRUE(score.visible);
    // Centred on the 1024 x 768 table window.
    EXPECT_EQ(score.left, (1024 - 639) / 2);
    EXPECT_EQ(score.top, (768 - 480) / 2);
}

TEST_F(Boards, DoubleClickingWithNoRowSelectedShowsTheBoardUnchanged) {
    h.client.score.State[0].rows = {"unchanged"};
    Hero("Grade", 0, Mouse(MouseAction::DoubleClick));
    EXPECT_EQ(h.client.score.State[0].rows, std::vector<std::string>{"unchanged"});
    EXPECT_TRUE(h.client.score.window.visible);
}

TEST_F(Boards, TheCloseButtonsHideTheirBoardAndTheSettlementBoardDrags) {
    h.client.score.window.visible = h.client.hero.window.visible = true;
    Hero("Image1", 1, Mouse(MouseAction::Click));
    EXPECT_FALSE(h.client.hero.window.visible);
    EXPECT_TRUE(h.client.score.window.visible);
    app::OnMouse(h.client, {"Score", "", 0}, Mouse(MouseAction::Down));
    EXPECT_EQ(h.windows.dragged, "Score");
    app::OnMouse(h.client, {"Score", "Image1", 1}, Mouse(MouseAction::Click));
    EXPECT_FALSE(h.client.score.window.visible);
}

}  // namespace
}  // namespace vantry::test
