// The character page's grid: a row per character, two columns per table.
#include "frontend/CharacterAnalysisPage.h"

#include "players/CharacterEdges.h"
#include "players/Roster.h"
#include "ui/DialogLook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorvel {

namespace {

constexpr int kNameWidth = 84; // [px]
constexpr int kCellWidth = 68; // [px] each figure
constexpr int kTableGap = 8;   // [px] between the tables' pairs of columns
constexpr int kRowStep = 22;   // [px]
constexpr int kGridTop = 84;   // [px] first character's row, from the page's top
constexpr int kTables = 4;
constexpr Color kText{225, 232, 245};
constexpr Color kCheating{255, 150, 110}; // an edge well above the fair game's
constexpr FontSpec kHeadFont{14, true, dialoglook::kLightGold};
constexpr FontSpec kCellFont{14, false, kText};
constexpr FontSpec kNoteFont{13, false, kText};
// The tables by mode, in two lines as the menus name them.
constexpr const char* kTableNames[kTables][2] = {
    {"挑戰莊家", "一對一"}, {"玩家做莊", "一對一"}, {"挑戰莊家", "多對一"}, {"玩家做莊", "多對一"}};

// Per 1000 as a percentage with its sign: "+4.5%".
std::string Percent(double perThousand) {
    char text[32];
    const double percent = std::round(perThousand) / 10.0;
    std::snprintf(text, sizeof text, "%+.1f%%", percent == 0 ? 0.0 : percent);
    return text;
}

int TableLeft(int left, int table) {
    return left + kNameWidth + table * (2 * kCellWidth + kTableGap);
}

} // namespace

CharacterAnalysisPage::CharacterAnalysisPage(const MakeLabel& label, int top, int width) {
    const int gridWidth = kNameWidth + kTables * (2 * kCellWidth + kTableGap) - kTableGap;
    const int left = (width - gridWidth) / 2;
    fixed_.push_back(label({left, top, gridWidth, 18}, kHeadFont, Align::Left,
                           "各角色對你的優勢：每下注 100 元，角色平均贏走多少（負數是你贏）"));
    for (int table = 0; table < kTables; ++table) {
        const int x = TableLeft(left, table);
        fixed_.push_back(label({x, top + 26, 2 * kCellWidth, 18}, kHeadFont, Align::Center,
                               std::string(kTableNames[table][0]) + "・" + kTableNames[table][1]));
        fixed_.push_back(label({x, top + 50, kCellWidth, 18}, kNoteFont, Align::Right, "實際"));
        fixed_.push_back(
            label({x + kCellWidth, top + 50, kCellWidth, 18}, kNoteFont, Align::Right, "公平"));
    }
    int row = 0;
    for (const RosterEntry& character : Roster()) {
        const int y = top + kGridTop + row++ * kRowStep;
        fixed_.push_back(
            label({left, y, kNameWidth, 18}, kCellFont, Align::Left, std::string(character.Name)));
        std::vector<Label*> cells;
        for (int table = 0; table < kTables; ++table)
            for (int column = 0; column < 2; ++column)
                cells.push_back(
                    label({TableLeft(left, table) + column * kCellWidth, y, kCellWidth, 18},
                          kCellFont, Align::Right, {}));
        cells_.push_back(std::move(cells));
    }
    notes_ = label({left, top + kGridTop + row * kRowStep + 14, gridWidth, 96}, kNoteFont,
                   Align::Left, {});
    notes_->SetWordWrap(true);
    missing_ = label({left, top + kGridTop, gridWidth, 40}, kCellFont, Align::Center,
                     "沒有角色分析的資料：遊戲的資料夾裡少了它。");
    Hide();
}

void CharacterAnalysisPage::Show(const CharacterEdges* edges) {
    SetVisible(edges != nullptr);
    missing_->SetVisible(edges == nullptr);
    if (!edges)
        return;
    double widest = 0;
    std::int64_t fewest = 0;
    for (std::size_t row = 0; row < cells_.size(); ++row) {
        const std::string_view name = Roster()[row].Name;
        for (int table = 0; table < kTables; ++table) {
            Label* actual = cells_[row][static_cast<std::size_t>(2 * table)];
            Label* fair = cells_[row][static_cast<std::size_t>(2 * table + 1)];
            const CharacterEdge* edge = edges->Find(table + 1, name);
            if (!edge) {
                actual->SetCaption("—");
                fair->SetCaption("—");
                continue;
            }
            actual->SetCaption(Percent(edge->Steered.PerThousand));
            fair->SetCaption(Percent(edge->Fair.PerThousand));
            // Marked where the steering wins clearly more than the fair game would.
            const double gap = edge->Steered.PerThousand - edge->Fair.PerThousand;
            const double noise = std::hypot(edge->Steered.Interval, edge->Fair.Interval);
            FontSpec font = kCellFont;
            if (gap > std::max(noise, 10.0))
                font.color = kCheating;
            actual->SetFont(font);
            widest = std::max({widest, edge->Steered.Interval, edge->Fair.Interval});
            fewest = fewest == 0 ? edge->Rounds : std::min(fewest, edge->Rounds);
        }
    }
    char accuracy[32];
    std::snprintf(accuracy, sizeof accuracy, "%.1f%%", std::ceil(widest) / 10.0);
    notes_->SetCaption(
        "實際：角色照自己的方式偷偷換牌。公平：同一張桌子、同樣的下注和補牌，但誰都不換牌。"
        "紅色是換牌明顯多贏的。\n"
        "你的打法：不到 17 點就補牌，17 "
        "點以上停牌，不加押、不分牌、不買透視眼和變牌；坐在座位上每局下注 " +
        std::to_string(edges->Bet) + "。\n由本遊戲的牌局引擎模擬，每格至少 " +
        std::to_string(fewest / 20000) + " 萬局，誤差在 ±" + accuracy + " 以內（95% 的把握）。");
}

void CharacterAnalysisPage::Hide() {
    SetVisible(false);
    missing_->Hide();
}

void CharacterAnalysisPage::SetVisible(bool visible) {
    for (Label* label : fixed_)
        label->SetVisible(visible);
    for (const auto& row : cells_)
        for (Label* cell : row)
            cell->SetVisible(visible);
    notes_->SetVisible(visible);
}

} // namespace quorvel
