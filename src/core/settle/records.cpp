#include "settle/records.h"

#include <cmath>
#include <cstdio>

#include "settle/amounts.h"
#include "settle/settlement_board.h"
#include "text/numbers.h"

namespace vantry::settle {
namespace {

constexpr int kNumWidth = 12;

std::string NameKey(int p) {
    return "name( " + std::to_string(p) + " )";
}
std::string PictureKey(int p) {
    return "PicIndex( " + std::to_string(p) + " )";
}
std::string CountKey(int i) {
    return "count( " + std::to_string(i) + " )";
}
std::string LineKey(int i, int j) {
    return CountKey(i) + "( " + std::to_string(j) + " )";
}
std::string ColorKey(int p) {
    return CountKey(p) + " ForeColor";
}

}  // namespace

void AddDealResult(ui::HeroWindow& hero, RecordsState& records, int p, double finalAmount,
                   bool won) {
    const std::size_t at = static_cast<std::size_t>(p & 3);
    const std::string amount = text::PlainNumber(finalAmount);
    if (won) {
        hero.Grade[at].rows.push_back(amount);
        records.HeroTotals[at] += finalAmount;
    } else {
        hero.Grade[at].rows.push_back(finalAmount == 0 ? amount : "-" + amount);
        records.HeroTotals[at] -= finalAmount;
    }
    hero.sunScore[at].caption = text::PlainNumber(records.HeroTotals[at]);
}

void FinishDealRow(ui::HeroWindow& hero, RecordsState& records) {
    ++records.DealNumber;
    std::string number = std::to_string(records.DealNumber);
    if (number.size() < kNumWidth)
        number.insert(0, kNumWidth - number.size(), ' ');
    hero.Num.rows.push_back(number);
}

std::string DealSection(int n) {
    return "juNum:" + std::to_string(n);
}

void SaveDealRecord(app::classIniFile& file, const ui::ScoreWindow& score, int n,
                    const std::array<SeatIdentity, 4>& seats) {
    const std::string section = DealSection(n);
    for (int p = 0; p < 4; ++p) {
        const SeatIdentity& seat = seats[static_cast<std::size_t>(p)];
        file.WriteIniKey(section, NameKey(p), seat.name);
        file.WriteIniKey(section, PictureKey(p),
                         seat.pictureIndex >= 0 ? std::to_string(seat.pictureIndex) : "");
    }
    for (int i = 0; i < 8; ++i) {
        const auto& rows = score.State[static_cast<std::size_t>(i)].rows;
        file.WriteIniKey(section, CountKey(i), std::to_string(rows.size()));
        for (std::size_t j = 0; j < rows.size(); ++j)
            file.WriteIniKey(section, LineKey(i, static_cast<int>(j)), rows[j]);
    }
    for (int p = 0; p < 4; ++p) {
        const ui::Color c = score.State[static_cast<std::size_t>(p)].foreColor;
        file.WriteIniKey(section, ColorKey(p), std::to_string(ValueFromColor(c)));
    }
}

void LoadDealRecord(const app::classIniFile& file, ui::ScoreWindow& score, int n,
                    int (*avatarPicture)(int index)) {
    if (n == 0)
        return;
    const std::string section = DealSection(n);
    for (int p = 0; p < 4; ++p) {
        const std::size_t at = static_cast<std::size_t>(p);
        score.ID[at].caption = file.GetIniKey(section, NameKey(p));
        const std::string picture = file.GetIniKey(section, PictureKey(p));
        if (!picture.empty()) {
            const int index = static_cast<int>(LeadingValue(picture));
            if (const int id = avatarPicture(index); id > 0)
                score.Tou[at].picture = {id, {}};
        }
    }
    for (int i = 0; i < 8; ++i) {
        const std::string count = file.GetIniKey(section, CountKey(i));
        if (count.empty())
            return;
        // A count damaged by hand is read as far as it is a number, within reason.
        const double wanted = std::floor(LeadingValue(count));
        const std::size_t lines = wanted < 0 ? 0 : wanted > 4096 ? 4096 : std::size_t(wanted);
        auto& rows = score.State[static_cast<std::size_t>(i)].rows;
        rows.resize(lines, " ");
        for (std::size_t j = 0; j < lines; ++j) {
            const std::string line = file.GetIniKey(section, LineKey(i, static_cast<int>(j)));
            rows[j] = line.empty() ? " " : line;
        }
    }
    for (int p = 0; p < 4; ++p) {
        const double value = LeadingValue(file.GetIniKey(section, ColorKey(p)));
        const auto bgr = value >= 0 && value <= 16777215 ? static_cast<std::uint32_t>(value) : 0u;
        score.State[static_cast<std::size_t>(p)].foreColor = ColorFromValue(bgr);
    }
}

void SelectHeroRow(ui::HeroWindow& hero, int row, int topRow) {
    if (row < 0 || row >= static_cast<int>(hero.Num.rows.size()))
        return;
    for (ui::Control* list :
         {&hero.Num, &hero.Grade[0], &hero.Grade[1], &hero.Grade[2], &hero.Grade[3]}) {
        list->selectedRow = row;
        list->topRow = topRow;
    }
}

void EmptyBoards(ui::ScoreWindow& score, ui::HeroWindow& hero, RecordsState& records,
                 const std::string& infoFile) {
    for (std::size_t p = 0; p < 4; ++p) {
        score.ID[p].caption.clear();
        score.Tou[p].picture = {};
        hero.ID[p].caption.clear();
        hero.Tou[p].picture = {};
        hero.sunScore[p].caption.clear();
    }
    for (auto& list : score.State)
        list.rows.clear();
    for (ui::Control* list :
         {&hero.Num, &hero.Grade[0], &hero.Grade[1], &hero.Grade[2], &hero.Grade[3]}) {
        list->rows.clear();
        list->selectedRow = -1;
        list->topRow = 0;
    }
    score.window.visible = false;
    hero.window.visible = false;
    records = {};
    std::remove(infoFile.c_str());
}

}  // namespace vantry::settle
