// The statistics screen, opened from the main menu's statistics button (F3): per table mode
// and in total, the rounds, hands won, pushed and lost, the best and worst bankroll, the
// services bought and what those rounds returned, the challenges, the opponents beaten, the
// special hands seen and the bonuses won; beside them the plot of the current game's bankroll.
// A last page shows each character's edge against the user at each table, steered and fair.
// Its reset button asks first. Esc closes it, R resets, 0 to 5 choose the page.
#pragma once

#include "gui/BitBtn.h"
#include "gui/Label.h"
#include "gui/Screen.h"

#include <array>
#include <memory>
#include <vector>

namespace quorvel {

class BankrollPlot;
class CharacterAnalysisPage;
class Control;
class FrontEndHost;
class QuestionDialog;
struct ModeStatistics;

class StatisticsScreen : public Screen {
public:
    // The pages: the total, then the four table modes as the menus name them, then the
    // characters' edges.
    static constexpr int kPages = 6;
    static constexpr int kCharacterPage = 5;
    static constexpr std::array<const char*, kPages> kPageNames{
        "全部",    "挑戰莊家・一對一", "玩家做莊・一對一", "挑戰莊家・多對一", "玩家做莊・多對一",
        "角色分析"};

    explicit StatisticsScreen(FrontEndHost& host);
    ~StatisticsScreen() override;

    // Shows the screen modally over the main menu, on the page of all modes.
    void Open();
    void Close() { Hide(); }
    // Shows a page [0 all, 1-4 a table mode, 5 the characters].
    void ShowPage(int page);
    int Page() const { return page_; }
    // The menu under the statistics stays active, so its music goes on.
    bool Activates() const override { return false; }

    BitBtn& ResetButton() { return *reset_; }
    QuestionDialog& ResetQuestion() { return *question_; }
    const BankrollPlot& Plot() const { return *plot_; }
    // Every text the page shows, in order, for tests.
    std::vector<std::string> Lines() const;

private:
    void Build();
    void ShowValues();
    void ShowFigures(const ModeStatistics& m);
    void ShowSpecialHands(const ModeStatistics& m);

    FrontEndHost& host_;
    int page_ = 0;
    std::vector<Control*> modePage_; // what the pages of the modes show
    std::unique_ptr<CharacterAnalysisPage> characters_;
    std::array<BitBtn*, kPages> tabs_{};
    std::vector<Label*> figures_;                // the left column, one line each
    Label* beaten_ = nullptr;                    // the opponents beaten, wrapped
    std::vector<std::array<Label*, 4>> special_; // kind, seen, bonuses won, bonus money
    BankrollPlot* plot_ = nullptr;
    BitBtn* reset_ = nullptr;
    std::unique_ptr<QuestionDialog> question_;
};

} // namespace quorvel
