// TForm8: the place of each line, its font, the dialog's sound and its continue click.
#include "tables/three_seat_challenge/TForm8.h"

#include "platform/App.h"
#include "tables/TableHost.h"
#include "ui/ScreenConventions.h"

#include <string>

namespace quorvel {

namespace {
constexpr const char* kDialogPicture = "picture\\design\\result.gif";
constexpr Rect kDialogBounds{229, 207, 347, 255}; // [design px]
constexpr Color kLightGreen{189, 239, 135};
constexpr Color kYellowGreen{216, 232, 23};
constexpr FontSpec kLineFont{13, true, kLightGreen, Typeface::Sans};
constexpr FontSpec kRoundFont{14, true, colors::kYellow, Typeface::Sans};
constexpr FontSpec kContinueFont{15, true, kYellowGreen, Typeface::Sans};
constexpr const char* kContinue = "請點擊滑鼠左鍵繼續遊戲！";

// Where each label sits [design px, in the dialog]: the money lines on the left, each with its
// bonus below, the hands on the right, a second hand below the first.
struct LinePlace {
    int label; // Label1..Label16
    int left;
    int top;
};
constexpr LinePlace kPlaces[] = {
    {1, 36, 26},    {5, 192, 26},                                  // the banker
    {2, 36, 58},    {6, 192, 58},   {7, 48, 74},   {14, 192, 74},  // seat 1
    {3, 36, 98},    {8, 192, 98},   {9, 48, 114},  {15, 192, 114}, // seat 2
    {4, 36, 138},   {10, 192, 138}, {11, 48, 154}, {16, 192, 154}, // seat 3
    {12, 140, 180},                                                // the round
};
constexpr Rect kContinueBox{37, 204, 273, 22};

// The labels each seat's lines go to: money, first hand, second hand, bonus.
struct SeatLines {
    int money;
    int hand;
    int secondHand; // 0 for the banker
    int bonus;      // 0 for the banker
};
constexpr SeatLines kSeatLines[4] = {{1, 5, 0, 0}, {2, 6, 14, 7}, {3, 8, 15, 9}, {4, 10, 16, 11}};
} // namespace

TForm8::TForm8(TableHost& host)
    : Screen(host.GetApp(), "TForm8", ScreenKind::Dialog, kDialogBounds) {
    Image1.SetBounds({0, 0, kDialogBounds.w, kDialogBounds.h});
    Image1.Load(kDialogPicture);
    for (int n = 1; n <= 16; ++n)
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
    for (int n = 1; n <= 16; ++n)
        Line(n).onClick = Image1.onClick;
}

Label& TForm8::Line(int n) {
    return static_cast<Label&>(*Find("Label" + std::to_string(n)));
}

void TForm8::ShowRound(const RoundResult& result) {
    for (std::size_t i = 0; i < result.Lines.size() && i < std::size(kSeatLines); ++i) {
        const ResultLine& line = result.Lines[i];
        const SeatLines& to = kSeatLines[i];
        const std::int64_t d = line.Change;
        // A change of 0 is shown as a win.
        Line(to.money).SetCaption(line.Title + "  " + line.Name + (d >= 0 ? "贏：" : "輸：") +
                                  std::to_string(d >= 0 ? d : -d));
        if (!line.HandLines.empty())
            Line(to.hand).SetCaption(line.HandLines[0]);
        if (to.secondHand != 0 && line.HandLines.size() > 1)
            Line(to.secondHand).SetCaption(line.HandLines[1]);
        if (to.bonus != 0 && line.Bonus != 0)
            Line(to.bonus).SetCaption("獎金： " + std::to_string(line.Bonus));
    }
    Line(12).SetCaption("第 " + std::to_string(result.RoundNumber) + " 局 ");
    Line(13).SetCaption(kContinue);
    Show();
}

void TForm8::ClearRoundLines() {
    for (const SeatLines& to : kSeatLines)
        if (to.secondHand != 0) {
            Line(to.secondHand).SetCaption("");
            Line(to.bonus).SetCaption("");
        }
}

void TForm8::FormActivate() {
    GetApp().PlaySound(kDialogSound);
}

void TForm8::FormDeactivate() {
    GetApp().StopSound();
}

} // namespace quorvel
