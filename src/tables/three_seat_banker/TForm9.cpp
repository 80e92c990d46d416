// TForm9: the place and font of each line, which line shows what of whom, the dialog's sound
// and its continue click. Each side's money line is on the left with its bonus below it, its
// hands on the right, a second hand below the first.
#include "tables/three_seat_banker/TForm9.h"

#include "platform/App.h"
#include "tables/TableHost.h"
#include "ui/ScreenConventions.h"

#include <string>

namespace quorvel {

namespace {
constexpr const char* kDialogPicture = "picture\\design\\result.gif";
constexpr Rect kDialogBounds{221, 239, 347, 255}; // [design px]
constexpr Color kLightGreen{189, 239, 135};
constexpr Color kYellowGreen{216, 232, 23};
constexpr FontSpec kLineFont{13, true, kLightGreen, Typeface::Sans};
constexpr FontSpec kRoundFont{14, true, colors::kYellow, Typeface::Sans};
constexpr FontSpec kContinueFont{15, true, kYellowGreen, Typeface::Sans};
constexpr const char* kContinue = "請點擊滑鼠左鍵繼續遊戲！";
constexpr int kLines = 16;

// Where each label sits [design px, in the dialog].
struct LinePlace {
    int label; // Label1..Label16
    int left;
    int top;
};
constexpr LinePlace kPlaces[] = {
    {1, 44, 24},    {5, 196, 24},                                  // the user-banker
    {2, 44, 54},    {6, 196, 54},   {7, 56, 70},   {14, 196, 70},  // seat 1
    {3, 44, 92},    {8, 196, 92},   {9, 56, 108},  {15, 196, 108}, // seat 2
    {4, 44, 130},   {10, 196, 130}, {11, 56, 146}, {16, 196, 146}, // seat 3
    {12, 140, 172},                                                // the round
};
constexpr Rect kContinueBox{37, 198, 273, 22};

// The labels each side's lines go to: money, first hand, second hand, bonus.
struct SideLines {
    int money;
    int hand;
    int secondHand; // 0: the banker has one hand
    int bonus;      // 0: the banker gets no bonus
};
constexpr SideLines kSides[4] = {{1, 5, 0, 0}, {2, 6, 14, 7}, {3, 8, 15, 9}, {4, 10, 16, 11}};
} // namespace

TForm9::TForm9(TableHost& host)
    : Screen(host.GetApp(), "TForm9", ScreenKind::Dialog, kDialogBounds) {
    Image1.SetBounds({0, 0, kDialogBounds.w, kDialogBounds.h});
    Image1.Load(kDialogPicture);
    for (int n = 1; n <= kLines; ++n)
        Add<Label>("Label" + std::to_string(n)).SetFont(kLineFont);
    for (const LinePlace& p : kPlaces)
        Line(p.label).SetPosition(p.left, p.top);
    Line(12).SetFont(kRoundFont);
    Label& more = Line(13);
    more.SetFont(kContinueFont);
    more.SetAutoSize(false);
    more.SetBounds(kContinueBox);
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

Label& TForm9::Line(int n) const {
    return static_cast<Label&>(*Find("Label" + std::to_string(n)));
}

void TForm9::ShowRound(const RoundResult& result) {
    for (std::size_t i = 0; i < result.Lines.size() && i < std::size(kSides); ++i) {
        const ResultLine& line = result.Lines[i];
        const SideLines& to = kSides[i];
        const std::int64_t d = line.Change;
        // A change of 0 reads as a win of 0.
        Line(to.money).SetCaption(line.Title + "  " + line.Name + (d >= 0 ? "贏：" : "輸：") +
                                  std::to_string(d >= 0 ? d : -d));
        Line(to.hand).SetCaption(line.HandLines.at(0));
        if (to.secondHand != 0 && line.HandLines.size() > 1)
            Line(to.secondHand).SetCaption(line.HandLines[1]);
        if (to.bonus != 0 && line.Bonus != 0)
            Line(to.bonus).SetCaption("獎金： " + std::to_string(line.Bonus));
    }
    Line(12).SetCaption("第 " + std::to_string(result.RoundNumber) + " 局 ");
    Line(13).SetCaption(kContinue);
    Show();
}

void TForm9::ClearRoundLines() {
    for (const SideLines& side : kSides) {
        if (side.secondHand != 0)
            Line(side.secondHand).SetCaption("");
        if (side.bonus != 0)
            Line(side.bonus).SetCaption("");
    }
}

void TForm9::FormActivate() {
    GetApp().PlaySound(kDialogSound);
}

void TForm9::FormDeactivate() {
    GetApp().StopSound();
}

} // namespace quorvel
