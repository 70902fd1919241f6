#include "settle/settlement_board.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "settle/amounts.h"
#include "text/gbk.h"
#include "text/numbers.h"

namespace vantry::settle {
namespace {

constexpr std::uint32_t kMaxColor = 16777215;

// The last 8 characters of a plugin line part as a colour, when they are a number.
std::optional<std::uint32_t> ColorSuffix(const std::string& part) {
    const std::size_t chars = text::CharCount(part);
    const std::size_t skip = chars > 8 ? chars - 8 : 0;
    const std::string tail = part.substr(text::FirstChars(part, skip).size());
    std::string_view s = tail;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    if (value < 0 || value > kMaxColor)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = s.find(sep, start);
        parts.push_back(s.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

// "舍3件：× 8": a multiplier line, left out when 2^n does not fit 16 bits.
void AddPowerLine(std::vector<std::string>& list, std::uint8_t n, const char* before,
                  const char* after) {
    if (n == 0) {
        list.emplace_back();
    } else if (n < 15) {
        list.push_back(std::string(before) + std::to_string(n) + after + "× " +
                       std::to_string(1 << n));
    }
}

}  // namespace

ui::Color ColorFromValue(std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

std::uint32_t ValueFromColor(ui::Color rgb) {
    return ColorFromValue(rgb);
}

Board BuildBoard(const std::array<SettlementRecord, 4>& records, const BoardInputs& in) {
    Board b;
    auto& State = b.State;

    for (int p = 0; p < 4; ++p) {
        State[p].push_back("初始：" + in.startCoinCaptions[p]);
        State[p].emplace_back();
    }
    const std::string baseStake = std::to_string(records[3].baseStake);
    for (int p = 0; p < 4; ++p)
        State[p].push_back("房间底金：" + baseStake + "金币");

    std::array<double, 4> bonus{};
    std::array<std::size_t, 4> lines{};
    std::size_t maxLines = 0;
    for (int p = 0; p < 4; ++p) {
        b.stateColor[p] = ui::kBlack;
        if (!in.propsLines[p].empty()) {
            const std::vector<std::string> parts = Split(in.propsLines[p], '|');
            for (const std::string& part : parts) {
                if (const auto color = ColorSuffix(part))
                    b.stateColor[p] = ColorFromValue(*color);
                const std::size_t chars = text::CharCount(part);
                State[p].push_back(chars >= 8 ? text::FirstChars(part, chars - 8) : part);
            }
            lines[p] = parts.size() + 1;
            State[p].emplace_back();
            bonus[p] = in.propsBonus[p];
        }
        maxLines = std::max(maxLines, lines[p]);
    }
    for (int p = 0; p < 4; ++p)
        State[p].resize(State[p].size() + (maxLines - lines[p]));

    int winners = 0;
    int mode = 0;
    int declarer = -1;
    for (const SettlementRecord& r : records) {
        winners += r.winningSide ? 1 : 0;
        const bool declared =
            r.declaredXuan == 1 || r.declaredTan == 1 || r.declaredBao == 1 || r.tanBao == 1;
        if (declared && r.place == 1) {
            mode = 1;
            declarer = in.positionOf(r.seatBits ? r.seatBits : 1);
        } else if (declared && r.place == 4) {
            mode = 2;
            declarer = in.positionOf(r.seatBits ? r.seatBits : 1);
        }
    }
    if (winners == 0 || winners == 4)
        winners = 2;

    const double wealth = LeadingValue(in.dealWealthText);
    const bool multiplierActive = wealth != 0 && in.wealthMultiplier != 0;

    for (std::size_t i = 0; i < records.size(); ++i) {
        const SettlementRecord& r = records[i];
        const int p = in.positionOf(r.seatBits ? r.seatBits : 1);
        std::vector<std::string>& list = State[static_cast<std::size_t>(p)];

        if (winners == 2) {
            static constexpr std::array<const char*, 5> kTribute = {nullptr, "贡", "非贡", "非留家",
                                                                    "留家"};
            if (r.place >= 1 && r.place <= 4) {
                list.push_back(kTribute[r.place]);
                list.emplace_back();
            }
        } else {
            list.push_back(mode == 2 && p == declarer ? "被打在泥里： × 2"
                                                      : "第 " + std::to_string(r.place) + "名");
            list.emplace_back();
        }
        list.push_back(r.lostLead > 0 ? "丢失出牌权" : "");
        list.push_back(r.findFriend == 1 ? (r.friendDrawn == 0 ? "找朋友： × 2" : "找朋友(平局)")
                                         : " ");
        list.push_back(
            r.friendByte > 0
                ? "朋友：" + in.nicknames[static_cast<std::size_t>(in.positionOf(r.friendSeatBits))]
                : "");
        list.push_back(r.redAce == 1 ? "亮红A × 2" : "");
        list.push_back(r.subsidy == 1 ? "吃补助" : "");
        list.push_back(r.declaredXuan == 1 ? "宣： × 2" : "");
        list.push_back(r.declaredTan == 1 ? "摊： × 4" : "");
        list.push_back(r.declaredBao == 1 ? "报：  × 4" : "");
        list.push_back(r.tanBao > 0 ? "摊报： × 8" : "");
        AddPowerLine(list, r.giveUps, "舍", "件：");
        AddPowerLine(list, r.chuai, "揣", "次：");
        AddPowerLine(list, r.fanChuai, "反揣", "次：");

        const double S = static_cast<double>(r.subtotal);
        const std::string subtotal = text::PlainNumber(S);
        if (multiplierActive) {
            list.push_back(std::string(21, '-'));
            if (r.winningSide)
                list.push_back("小计： " + subtotal + "金币");
            else
                list.push_back(S == 0 ? "小计：" + subtotal + "金币"
                                      : "小计：- " + subtotal + "金币");
            list.push_back("财富加倍 ×" + in.dealWealthText);
        }
        const double T = S * wealth;
        const std::string total = text::PlainNumber(T);
        if (r.winningSide)
            list.push_back("总分：" + total + "金币");
        else
            list.push_back(T == 0 ? "总分： " + total + "金币" : "总分：- " + total + "金币");
        list.push_back(std::string(11, '-'));
        list.push_back(r.capped == 1 && in.wealthMultiplier != 0 ? "  金币封顶" : "");

        const double F = static_cast<double>(r.finalAmount) + bonus[static_cast<std::size_t>(p)];
        const std::string amount = text::PlainNumber(F);
        PlayerOutcome& out = b.outcomes[i];
        out.position = p;
        out.finalAmount = F;
        out.coinResult = r.coinResult;
        if (r.coinResult == 1) {
            list.emplace_back();
            list.push_back(in.feeLabelOnly ? in.feeLabel
                                           : in.feeLabel + std::to_string(r.feePercent) + "%");
            list.emplace_back();
            list.push_back("总分：" + amount + "金币");
            out.summary = "最终分：" + amount + "金币";
            out.heroEntry = amount;
        } else {
            list.insert(list.end(), 3, std::string());
            out.summary = F == 0 ? "总分： " + amount + "金币" : "总分：- " + amount + "金币";
            list.push_back(out.summary);
            out.heroEntry = F == 0 ? amount : "-" + amount;
        }
        State[static_cast<std::size_t>(p) + 4].push_back(out.summary);
    }
    return b;
}

}  // namespace vantry::settle
