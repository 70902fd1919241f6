#pragma once
// The records board of the deals played during one seating, and the info
// file that keeps each deal's settlement board so it can be shown again.

#include <array>
#include <cstdint>
#include <string>

#include "app/ini_file.h"
#include "ui/boards.h"

namespace vantry::settle {

struct RecordsState {
    std::int16_t DealNumber = 0;         // deals settled during this seating
    std::array<double, 4> HeroTotals{};  // running totals by position
};

// Adds position p's result of the deal to its column and running total.
void AddDealResult(ui::HeroWindow& hero, RecordsState& records, int p, double finalAmount,
                   bool won);
// Closes the deal's row: the next deal number, right-aligned in 12 columns.
void FinishDealRow(ui::HeroWindow& hero, RecordsState& records);

// The section of deal n in the info file.
std::string DealSection(int n);

struct SeatIdentity {
    std::string name;
    int pictureIndex = -1;  // avatar 0..19, -1 when none
};

// Writes the settlement board as the section of deal n.
void SaveDealRecord(app::classIniFile& file, const ui::ScoreWindow& score, int n,
                    const std::array<SeatIdentity, 4>& seats);
// Fills the settlement board from the section of deal n. `avatarPicture`
// gives the picture id of an avatar index.
void LoadDealRecord(const app::classIniFile& file, ui::ScoreWindow& score, int n,
                    int (*avatarPicture)(int index));

// Clicking a row of any list of the records board selects that row in all of
// them and shows them from the same top row.
void SelectHeroRow(ui::HeroWindow& hero, int row, int topRow);

// Leaving the table empties both boards, hides them and deletes the file.
void EmptyBoards(ui::ScoreWindow& score, ui::HeroWindow& hero, RecordsState& records,
                 const std::string& infoFile);

}  // namespace vantry::settle
