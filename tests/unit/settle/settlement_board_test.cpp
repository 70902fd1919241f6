// The settlement board of one deal, line by line, and the records kept of it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "settle/records.h"
#include "settle/settlement_board.h"

namespace vantry::settle {
namespace {

using Lines = std::vector<std::string>;

// Seat bits 1, 2, 4, 8 sit at positions 0, 1, 2, 3 (the local seat is 1).
int PositionOf(std::uint8_t bits) {
    int log = 0;
    for (std::uint8_t v = bits; v > 1; v /= 2)
        ++log;
    return log & 3;
}

// Two winners (one with plugin lines and a colour suffix), a loser with a
// final amount of 0 and a record with coin result 2; multiplier 10.
struct FourRecords {
    std::array<SettlementRecord, 4> records;
    BoardInputs in;

    FourRecords() {
        SettlementRecord& a = records[0];
        a.seatBits = 1;
        a.goldCoins = true;
        a.place = 1;
        a.winningSide = true;
        a.subtotal = 123;
        a.coinResult = 1;
        a.finalAmount = 1230;
        a.level = 5;
        a.friendByte = a.friendSeatBits = 4;
        a.findFriend = 1;
        a.declaredXuan = 1;
        a.giveUps = 2;
        a.feePercent = 5;

        SettlementRecord& b = records[1];
        b.seatBits = 2;
        b.place = 3;
        b.lostLead = 1;

        SettlementRecord& c = records[2];
        c.seatBits = 4;
        c.place = 2;
        c.winningSide = true;
        c.subtotal = 123;
        c.coinResult = 1;
        c.finalAmount = 500;
        c.redAce = 1;
        c.chuai = 15;  // 2^15 does not fit: the line is left out

        SettlementRecord& d = records[3];
        d.seatBits = 8;
        d.place = 4;
        d.subtotal = 50;
        d.coinResult = 2;
        d.finalAmount = 77;
        d.capped = 1;
        d.tanBao = 1;
        d.fanChuai = 1;
        d.baseStake = 100;

        in.startCoinCaptions = {"5000金币", "300金币", "8000金币", "20金条"};
        in.nicknames = {"我", "西风", "北斗", "东篱"};
        in.dealWealthText = "10";
        in.wealthMultiplier = 10;
        in.feeLabel = "服务费";
        in.propsLines[2] = "A00000255|B";
        in.propsBonus[2] = 10;
        in.positionOf = PositionOf;
    }
};

const Lines kHead(int p) {
    const char* caps[] = {"5000金币", "300金币", "8000金币", "20金条"};
    return {std::string("初始：") + caps[p], "", "房间底金：100金币"};
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& l : parts)
        all.insert(all.end(), l.begin(), l.end());
    return all;
}

TEST(SettlementBoard, BuildsEveryLineOfAllEightLists) {
    FourRecords f;
    const Board b = BuildBoard(f.records, f.in);
    const std::string dashes21(21, '-');
    const std::string dashes11(11, '-');
    const Lines pad = {"", "", ""};

    EXPECT_EQ(b.State[0], Join({kHead(0),
                                pad,
                                {"贡",
                                 "",
                                 "",
                                 "找朋友： × 2",
                                 "朋友：北斗",
                                 "",
                                 "",
                                 "宣： × 2",
                                 "",
                                 "",
                                 "",
                                 "舍2件：× 4",
                                 "",
                                 "",
                                 dashes21,
                                 "小计： 123金币",
                                 "财富加倍 ×10",
                                 "总分：1230金币",
                                 dashes11,
                                 "",
                                 "",
                                 "服务费5%",
                                 "",
                                 "总分：1230金币"}}));
    EXPECT_EQ(b.State[1], Join({kHead(1),
                                pad,
                                {"非留家",
                                 "",
                                 "丢失出牌权",
                                 " ",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 dashes21,
                                 "小计：0金币",
                                 "财富加倍 ×10",
                                 "总分： 0金币",
                                 dashes11,
                                 "",
                                 "",
                                 "",
                                 "",
                                 "总分： 0金币"}}));
    EXPECT_EQ(b.State[2], Join({kHead(2),
                                {"A", "B", ""},
                                {"非贡",
                                 "",
                                 "",
                                 " ",
                                 "",
                                 "亮红A × 2",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 dashes21,
                                 "小计： 123金币",
                                 "财富加倍 ×10",
                                 "总分：1230金币",
                                 dashes11,
                                 "",
                                 "",
                                 "服务费0%",
                                 "",
                                 "总分：510金币"}}));
    EXPECT_EQ(b.State[3], Join({kHead(3),
                                pad,
                                {"留家",
                                 "",
                                 "",
                                 " ",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "",
                                 "摊报： × 8",
                                 "",
                                 "",
                                 "反揣1次：× 2",
                                 dashes21,
                                 "小计：- 50金币",
                                 "财富加倍 ×10",
                                 "总分：- 500金币",
                                 dashes11,
                                 "  金币封顶",
                                 "",
                                 "",
                                 "",
                                 "总分：- 77金币"}}));
    EXPECT_EQ(b.State[4], Lines{"最终分：1230金币"});
    EXPECT_EQ(b.State[5], Lines{"总分： 0金币"});
    EXPECT_EQ(b.State[6], Lines{"最终分：510金币"});
    EXPECT_EQ(b.State[7], Lines{"总分：- 77金币"});

    EXPECT_EQ(b.stateColor[2], ui::kRed);  // 255: red in the low byte
    EXPECT_EQ(b.stateColor[0], ui::kBlack);
    EXPECT_EQ(b.outcomes[2].finalAmount, 510);  // the plugin's bonus is added
    EXPECT_EQ(b.outcomes[1].heroEntry, "0");    // a loss of 0 is not "-0"
    EXPECT_EQ(b.outcomes[3].heroEntry, "-77");
}

TEST(SettlementBoard, OneOrThreeWinnersShowPlacesAndTheDeclarerInTheMud) {
    FourRecords f;
    f.records[2].winningSide = false;  // one winner
    f.records[0].declaredXuan = 0;
    f.records[3].declaredBao = 1;  // declared and came fourth: mode 2
    const Board b = BuildBoard(f.records, f.in);
    EXPECT_EQ(b.State[0][6], "第 1名");
    EXPECT_EQ(b.State[1][6], "第 3名");
    EXPECT_EQ(b.State[3][6], "被打在泥里： × 2");
}

TEST(SettlementBoard, WithoutAMultiplierThereIsNoSubtotal) {
    FourRecords f;
    f.in.wealthMultiplier = 0;
    f.in.dealWealthText = "1";
    const Board b = BuildBoard(f.records, f.in);
    for (const Lines& list : b.State) {
        for (const std::string& line : list) {
            EXPECT_EQ(line.find("小计"), std::string::npos);
            EXPECT_EQ(line.find("财富加倍"), std::string::npos);
            EXPECT_NE(line, std::string(21, '-'));
        }
    }
    EXPECT_NE(std::find(b.State[0].begin(), b.State[0].end(), "总分：123金币"), b.State[0].end());
}

TEST(SettlementBoard, AFeeLabelAloneWhenTheRoomSaysSo) {
    FourRecords f;
    f.in.feeLabelOnly = true;
    const Board b = BuildBoard(f.records, f.in);
    EXPECT_NE(std::find(b.State[0].begin(), b.State[0].end(), "服务费"), b.State[0].end());
}

class InfoFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("vantry-records-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        file.SetPath(dir.string(), "info.qv");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    app::classIniFile file;
};

TEST_F(InfoFile, ASavedBoardLoadsBackWithEmptyLinesAsOneSpace) {
    FourRecords f;
    const Board b = BuildBoard(f.records, f.in);
    ui::ScoreWindow score;
    for (std::size_t i = 0; i < 8; ++i)
        score.State[i].rows = b.State[i];
    for (std::size_t p = 0; p < 4; ++p)
        score.State[p].foreColor = b.stateColor[p];
    SaveDealRecord(file, score, 3,
                   {SeatIdentity{"我", 1}, {"西风", 12}, {"北斗", 0}, {"东篱", -1}});

    ui::ScoreWindow loaded;
    LoadDealRecord(file, loaded, 3, [](int index) { return 240 + index; });
    for (std::size_t i = 0; i < 8; ++i) {
        Lines expected = b.State[i];
        for (std::string& line : expected) {
            // Values come back trimmed; an empty one as one space.
            while (!line.empty() && line.front() == ' ')
                line.erase(0, 1);
            if (line.empty())
                line = " ";
        }
        EXPECT_EQ(loaded.State[i].rows, expected) << "list " << i;
    }
    EXPECT_EQ(loaded.State[2].foreColor, ui::kRed);
    EXPECT_EQ(loaded.ID[1].caption, "西风");
    EXPECT_EQ(loaded.Tou[1].picture.resourceId, 252);
    EXPECT_EQ(loaded.Tou[3].picture.resourceId, 0);  // no avatar: unchanged

    ui::ScoreWindow missing;
    missing.State[0].rows = {"kept"};
    LoadDealRecord(file, missing, 9, [](int) { return 0; });
    EXPECT_EQ(missing.State[0].rows, Lines{"kept"});
    EXPECT_EQ(missing.ID[0].caption, "");
}

TEST(RecordsBoard, RowsTotalsAndDealNumbers) {
    ui::HeroWindow hero;
    RecordsState records;
    for (int deal = 1; deal <= 7; ++deal) {
        AddDealResult(hero, records, 0, 100, true);
        AddDealResult(hero, records, 1, 0, false);
        AddDealResult(hero, records, 2, 30, false);
        FinishDealRow(hero, records);
    }
    EXPECT_EQ(hero.Num.rows.back(), "           7");  // 11 spaces and "7"
    EXPECT_EQ(hero.Grade[1].rows.back(), "0");
    EXPECT_EQ(hero.Grade[2].rows.back(), "-30");
    EXPECT_EQ(hero.sunScore[0].caption, "700");
    EXPECT_EQ(hero.sunScore[2].caption, "-210");
    EXPECT_EQ(records.DealNumber, 7);
    EXPECT_EQ(DealSection(7), "juNum:7");
}

}  // namespace
}  // namespace vantry::settle
