// The three-seat result dialog's fonts, which line shows what of whom, its sound and its
// continue click.
#include "tables/SeatsResultDialog.h"

#include "gui/App.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {
constexpr const char* kDialogPicture = "picture\\design\\result.gif";
constexpr Color kLightGreen{189, 239, 135};
constexpr Color kYellowGreen{216, 232, 23};
constexpr FontSpec kLineFont{13, true, kLightGreen, Typeface::Sans};
constexpr FontSpec kRoundFont{14, true, colors::kYellow, Typeface::Sans};
constexpr FontSpec kContinueFont{15, true, kYellowGreen, Typeface::Sans};
constexpr const char* kContinue = "請點擊滑鼠左鍵繼續遊戲！";
constexpr int kLines = 16;
constexpr int kRoundLine = 12;
constexpr int kContinueLine = 13;

// The labels each side's lines go to: money, first hand, second hand, bonus.
struct SideLines {
    int money;
    int hand;
    int secondHand; // 0: the banker has one hand
    int bonus;      // 0: the banker gets no bonus
};
constexpr SideLines kSides[4] = {{1, 5, 0, 0}, {2, 6, 14, 7}, {3, 8, 15, 9}, {4, 10, 16, 11}};
} // namespace

SeatsResultDialog::SeatsResultDialog(App& app, std::string name, const Layout& layout)
    : Screen(app, std::move(name), ScreenKind::Dialog, layout.bounds) {
    Image1.SetBounds({0, 0, layout.bounds.w, layout.bounds.h});
    Image1.Load(kDialogPicture);
    for (int n = 1; n <= kLines; ++n)
        Add<Label>("Label" + std::to_string(n)).SetFont(kLineFont);
    for (const LinePlace& p : layout.places)
        Line(p.label).SetPosition(p.left, p.top);
    Line(kRoundLine).SetFont(kRoundFont);
    Label& more = Line(kContinueLine);
    more.SetFont(kContinueFont);
    more.SetAutoSize(false);
    more.SetBounds(layout.continueBox);
    more.SetAlignment(Align::Center);
    more.SetCaption(kContinue);
    // A click anywhere on the dialog, its lines included, is the continue click.
    Image1.onClick = [this] {
        if (onContinue)
            onContinue();
    };
    for (int n = 1; n <= kLines; ++n)
        Line(n).onClick = Image1.onClick;
}

Label& SeatsResultDialog::Line(int n) const {
    return static_cast<Label&>(*Find("Label" + std::to_string(n)));
}

void SeatsResultDialog::ShowRound(const std::vector<ResultLine>& lines, int roundNumber) {
    for (std::size_t i = 0; i < lines.size() && i < std::size(kSides); ++i) {
        const ResultLine& line = lines[i];
        const SideLines& to = kSides[i];
        Line(to.money).SetCaption(line.MoneyText());
        if (!line.HandLines.empty())
            Line(to.hand).SetCaption(line.HandLines[0]);
        if (to.secondHand != 0 && line.HandLines.size() > 1)
            Line(to.secondHand).SetCaption(line.HandLines[1]);
        if (to.bonus != 0 && line.Bonus != 0)
            Line(to.bonus).SetCaption(line.BonusText());
    }
    Line(kRoundLine).SetCaption("第 " + std::to_string(roundNumber) + " 局 ");
    Line(kContinueLine).SetCaption(kContinue);
    Show();
}

void SeatsResultDialog::ClearRoundLines() {
    for (const SideLines& side : kSides) {
        if (side.secondHand != 0)
            Line(side.secondHand).SetCaption("");
        if (side.bonus != 0)
            Line(side.bonus).SetCaption("");
    }
}

void SeatsResultDialog::FormActivate() {
    GetApp().PlaySound(kDialogSound);
}

void SeatsResultDialog::FormDeactivate() {
    GetApp().StopSound();
}

} // namespace quorvel
