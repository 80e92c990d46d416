// The result dialog's picture, fonts and lines, its sound and its continue click.
#include "tables/ResultDialog.h"

#include "gui/App.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {
constexpr const char* kDialogPicture = "picture\\design\\result.gif";
constexpr Color kLightGreen{189, 239, 135};
constexpr Color kYellowGreen{216, 232, 23};
constexpr const char* kContinue = "請點擊滑鼠左鍵繼續遊戲！";

std::string LabelName(int label) {
    return "Label" + std::to_string(label);
}
} // namespace

ResultDialog::ResultDialog(App& app, std::string name, const Layout& layout)
    : Screen(app, std::move(name), ScreenKind::Dialog, layout.Bounds),
      sides_(layout.Sides.begin(), layout.Sides.end()), roundLabel_(layout.RoundLabel),
      roundWord_(layout.RoundWord), continueLabel_(layout.ContinueLabel) {
    Image1.SetBounds({0, 0, layout.Bounds.w, layout.Bounds.h});
    Image1.Load(kDialogPicture);
    const FontSpec lineFont{layout.LineSize, true, kLightGreen, Typeface::Sans};
    const FontSpec roundFont{layout.RoundSize, true, colors::kYellow, Typeface::Sans};
    const FontSpec continueFont{layout.ContinueSize, true, kYellowGreen, Typeface::Sans};
    for (const LinePlace& p : layout.Places) {
        Label& line = Add<Label>(LabelName(p.Label));
        line.SetPosition(p.Left, p.Top);
        line.SetFont(p.Label == roundLabel_ ? roundFont : lineFont);
    }
    Label& more = Add<Label>(LabelName(continueLabel_));
    more.SetFont(continueFont);
    more.SetAutoSize(false);
    more.SetBounds(layout.ContinueBox);
    more.SetAlignment(Align::Center);
    more.SetWordWrap(true);
    more.SetCaption(kContinue);
    // A click anywhere on the dialog, its lines included, is the continue click.
    for (const auto& control : Controls())
        control->onClick = [this] { Continue(); };
}

Label& ResultDialog::Line(int label) const {
    return Get<Label>(LabelName(label));
}

void ResultDialog::ShowRound(const std::vector<ResultLine>& lines, int roundNumber) {
    for (std::size_t i = 0; i < lines.size() && i < sides_.size(); ++i) {
        const ResultLine& line = lines[i];
        const SideLines& to = sides_[i];
        Line(to.Money).SetCaption(line.MoneyText());
        if (!line.HandLines.empty())
            Line(to.Hand).SetCaption(line.HandLines[0]);
        if (to.SecondHand != 0)
            Line(to.SecondHand).SetCaption(line.HandLines.size() > 1 ? line.HandLines[1] : "");
        if (to.Bonus != 0)
            Line(to.Bonus).SetCaption(line.Bonus != 0 ? line.BonusText() : "");
    }
    Line(roundLabel_).SetCaption("第 " + std::to_string(roundNumber) + roundWord_);
    Line(continueLabel_).SetCaption(kContinue);
    Show();
}

void ResultDialog::ClearRoundLines() {
    for (const SideLines& side : sides_) {
        if (side.SecondHand != 0)
            Line(side.SecondHand).SetCaption("");
        if (side.Bonus != 0)
            Line(side.Bonus).SetCaption("");
    }
}

void ResultDialog::Continue() {
    if (onContinue)
        onContinue();
}

void ResultDialog::FormActivate() {
    GetApp().PlaySound(kDialogSound);
}

void ResultDialog::FormDeactivate() {
    GetApp().StopSound();
}

} // namespace quorvel
