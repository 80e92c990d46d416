// The statistics screen's layout as a few tables of places, and what each page shows.
#include "frontend/StatisticsScreen.h"

#include "frontend/BankrollPlot.h"
#include "frontend/CharacterAnalysisPage.h"
#include "frontend/FrontEndHost.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Panel.h"
#include "players/Statistics.h"
#include "ui/DialogLook.h"
#include "ui/QuestionDialog.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace quorvel {

namespace {
constexpr const char* kPicture = "picture\\design\\stats.gif";
constexpr Rect kBounds{40, 20, 720, 560}; // [layout px]
constexpr int kTabTop = 54;               // [px]
constexpr int kTabHeight = 28;            // [px]
constexpr int kLeft = 30;                 // [px] the left column
constexpr int kLeftWidth = 322;           // [px]
constexpr int kRight = 372;               // [px] the plot and the special hands
constexpr int kRightWidth = 318;          // [px]
constexpr int kTop = 100;                 // [px] first line of both columns
constexpr int kLineStep = 26;             // [px] in the left column
constexpr int kFigureLines = 7;
constexpr Rect kPlotPlace{kRight, kTop + 22, kRightWidth, 150};
constexpr Rect kDividerPlace{356, 104, 1, 378}; // [px]
constexpr Color kDividerColour{68, 78, 70};      // the frame's gold, faint on the navy

constexpr int kSpecialTop = kTop + 186;                         // [px] the special hands' header
constexpr int kSpecialStep = 20;                                // [px]
constexpr std::array<int, 4> kSpecialColumns{0, 122, 176, 232}; // [px] from kRight
constexpr std::array<int, 4> kSpecialWidths{120, 50, 52, 86};   // [px]
constexpr FontSpec kLineFont{15, false, Color{225, 232, 245}};
constexpr FontSpec kHeadFont{14, true, dialoglook::kLightGold};
constexpr FontSpec kSmallFont{13, false, Color{225, 232, 245}};
constexpr FontSpec kTabFont{13, true, dialoglook::kLightGold};
// The special hands by kind, then the jackpot.
constexpr std::array<const char*, kBonusSlots> kBonusNames{
    "A配10點牌", "同花JA", "6、7、8", "過五關", "過六關", "過七關", "黑傑克", "三七開花", "大獎"};
constexpr const char* kResetTitle = "要重設統計嗎？";
constexpr const char* kResetText = "四種玩法的所有統計和資金走勢\n都會歸零，無法復原。";

// Appended rather than "+" + text, which trips GCC 12's false -Wrestrict alarm at -O3.
std::string Signed(std::int64_t amount) {
    std::string text = amount > 0 ? "+" : "";
    text += std::to_string(amount);
    return text;
}

std::string Bankroll(const std::optional<std::int32_t>& amount) {
    return amount ? std::to_string(*amount) : "—";
}

std::string Service(const char* name, const ServiceTally& t) {
    if (t.Rounds == 0)
        return std::string(name) + "：還沒買過";
    return std::string(name) + "：買了 " + std::to_string(t.Rounds) + " 局，花 " +
           std::to_string(t.Spent) + "，那些局 " + Signed(t.Returned);
}
} // namespace

StatisticsScreen::StatisticsScreen(FrontEndHost& host)
    : Screen(host.GetApp(), "StatisticsScreen", ScreenKind::Modal, kBounds), host_(host) {
    Build();
}

StatisticsScreen::~StatisticsScreen() = default;

void StatisticsScreen::Build() {
    SetBackground(dialoglook::kNavy);
    auto& picture = Add<Image>("Image1");
    picture.SetBounds({0, 0, kBounds.w, kBounds.h});
    picture.SetAutoSize(false);
    picture.SetStretch(true);
    picture.Load(kPicture);

    int labels = 0;
    const auto label = [&](Rect box, const FontSpec& font, Align align, std::string text = {}) {
        auto& l = Add<Label>("Label" + std::to_string(++labels));
        l.SetFont(font);
        l.SetAutoSize(false);
        l.SetBounds(box);
        l.SetAlignment(align);
        l.SetCaption(std::move(text));
        return &l;
    };
    int buttons = 0;
    // The designed buttons are numbered; the character page's tab has a name of its own.
    const auto button = [&](const std::string& caption, Rect box, auto action,
                            std::string name = {}) {
        auto& b = Add<BitBtn>(name.empty() ? "BitBtn" + std::to_string(++buttons) : name);
        b.SetBounds(box);
        b.SetCaption(caption);
        b.SetCursor(Cursor::HandPoint);
        dialoglook::StyleButton(b);
        b.onClick = action;
        return &b;
    };

    label({0, 16, kBounds.w, 28}, dialoglook::kTitleFont, Align::Center, "統計");
    // The page tabs: all modes, each mode, the characters.
    constexpr int kAllWidth = 62, kModeWidth = 124, kCharactersWidth = 84, kGap = 6;
    int x = (kBounds.w - kAllWidth - 4 * (kModeWidth + kGap) - kGap - kCharactersWidth) / 2;
    for (int page = 0; page < kPages; ++page) {
        const int w = page == 0                ? kAllWidth
                      : page == kCharacterPage ? kCharactersWidth
                                               : kModeWidth;
        BitBtn* tab = button(
            kPageNames[static_cast<std::size_t>(page)], {x, kTabTop, w, kTabHeight},
            [this, page] { ShowPage(page); }, page == kCharacterPage ? "CharacterPage" : "");
        tab->SetFont(kTabFont);
        BindKey(Press(static_cast<Key>(static_cast<int>(Key::Digit0) + page)), tab->Name());
        tabs_[static_cast<std::size_t>(page)] = tab;
        x += w + kGap;
    }

    const int modeFirst = static_cast<int>(Controls().size());
    for (int line = 0; line < kFigureLines; ++line)
        figures_.push_back(
            label({kLeft, kTop + line * kLineStep, kLeftWidth, 20}, kLineFont, Align::Left));
    beaten_ =
        label({kLeft, kTop + kFigureLines * kLineStep, kLeftWidth, 110}, kLineFont, Align::Left);
    beaten_->SetWordWrap(true);

    label({kRight, kTop, kRightWidth, 18}, kHeadFont, Align::Left,
          "本場遊戲的資金（最近 " + std::to_string(kBankrollHistory) + " 局）");
    plot_ = &Add<BankrollPlot>("Plot");
    plot_->SetBounds(kPlotPlace);
    // The line between the figures and the plot, on these pages only: the character page's
    // grid runs across it.
    auto& divider = Add<Panel>("Divider");
    divider.SetBevel(false);
    divider.SetColor(kDividerColour);
    divider.SetBounds(kDividerPlace);

    const std::array<const char*, 4> heads{"特殊牌型", "見過", "獎金", "獎金額"};
    for (std::size_t c = 0; c < heads.size(); ++c)
        label({kRight + kSpecialColumns[c], kSpecialTop, kSpecialWidths[c], 18}, kHeadFont,
              c == 0 ? Align::Left : Align::Right, heads[c]);
    for (int row = 0; row < kBonusSlots; ++row) {
        std::array<Label*, 4> cells{};
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = label({kRight + kSpecialColumns[c], kSpecialTop + (row + 1) * kSpecialStep,
                              kSpecialWidths[c], 18},
                             kSmallFont, c == 0 ? Align::Left : Align::Right);
        cells[0]->SetCaption(kBonusNames[static_cast<std::size_t>(row)]);
        special_.push_back(cells);
    }
    for (std::size_t c = static_cast<std::size_t>(modeFirst); c < Controls().size(); ++c)
        modePage_.push_back(Controls()[c].get());
    characters_ = std::make_unique<CharacterAnalysisPage>(
        [&](Rect box, const FontSpec& font, Align align, std::string text) {
            return label(box, font, align, std::move(text));
        },
        kTop, kBounds.w);

    question_ = std::make_unique<QuestionDialog>(GetApp(), "StatisticsResetQuestion", kResetTitle,
                                                 kResetText, "重設");
    reset_ = button("重設統計", {kBounds.w / 2 - 130, kBounds.h - 54, 120, 34}, [this] {
        question_->Ask([this] {
            host_.ResetStatistics();
            ShowValues();
        });
    });
    BitBtn* close =
        button("關閉", {kBounds.w / 2 + 10, kBounds.h - 54, 120, 34}, [this] { Close(); });
    BindKey(Press(Key::R), reset_->Name());
    BindKey(Press(Key::Escape), close->Name());
    BindKey(Press(Key::Enter), close->Name(), false);
}

void StatisticsScreen::Open() {
    page_ = 0;
    ShowValues();
    GetApp().OpenModal(*this);
}

void StatisticsScreen::ShowPage(int page) {
    page_ = std::clamp(page, 0, kPages - 1);
    ShowValues();
}

void StatisticsScreen::ShowValues() {
    for (int page = 0; page < kPages; ++page)
        tabs_[static_cast<std::size_t>(page)]->SetColours(
            page == page_ ? dialoglook::kChosenColours : dialoglook::kButtonColours);
    const bool characters = page_ == kCharacterPage;
    for (Control* control : modePage_)
        control->SetVisible(!characters);
    if (characters) {
        characters_->Show(host_.CharacterAnalysis());
        return;
    }
    characters_->Hide();
    const Statistics* kept = host_.KeptStatistics();
    const Statistics none;
    const Statistics& s = kept ? *kept : none;
    const ModeStatistics m = page_ == 0 ? s.Total() : s.Modes[static_cast<std::size_t>(page_ - 1)];
    ShowFigures(m);
    ShowSpecialHands(m);
    plot_->SetValues(s.History);
}

void StatisticsScreen::ShowFigures(const ModeStatistics& m) {
    const std::string lines[kFigureLines] = {
        "局數：" + std::to_string(m.Rounds),
        "勝 " + std::to_string(m.Wins) + "　和 " + std::to_string(m.Pushes) + "　負 " +
            std::to_string(m.Losses),
        "最多資金：" + Bankroll(m.BestBankroll),
        "最少資金：" + Bankroll(m.WorstBankroll),
        Service("透視眼", m.Services[kLookService]),
        Service("變牌", m.Services[kSwapService]),
        "挑戰莊家：進入 " + std::to_string(m.ChallengesEntered) + " 次，勝 " +
            std::to_string(m.ChallengesWon) + " 次",
    };
    for (int line = 0; line < kFigureLines; ++line)
        figures_[static_cast<std::size_t>(line)]->SetCaption(lines[line]);
    std::string beaten = "擊敗的對手：";
    if (m.Beaten.empty())
        beaten += "還沒有";
    bool first = true;
    for (const auto& [name, count] : m.Beaten) {
        beaten += (first ? "" : "、") + name + " ×" + std::to_string(count);
        first = false;
    }
    beaten_->SetCaption(beaten);
}

void StatisticsScreen::ShowSpecialHands(const ModeStatistics& m) {
    for (int row = 0; row < kBonusSlots; ++row) {
        auto& cells = special_[static_cast<std::size_t>(row)];
        const std::size_t k = static_cast<std::size_t>(row);
        // The jackpot is no hand of its own: only what it paid.
        cells[1]->SetCaption(row < kSpecialKinds ? std::to_string(m.SpecialHands[k]) : "");
        cells[2]->SetCaption(std::to_string(m.Bonuses[k]));
        cells[3]->SetCaption(std::to_string(m.BonusMoney[k]));
    }
}

std::vector<std::string> StatisticsScreen::Lines() const {
    std::vector<std::string> lines;
    for (const auto& control : Controls())
        if (const auto* l = dynamic_cast<const Label*>(control.get());
            l && l->Visible() && !l->Caption().empty())
            lines.push_back(l->Caption());
    return lines;
}

} // namespace quorvel
