// TForm7: the place, font and colour of each line, the dialog's sound and its continue click.
// The computer player's lines come first, the user's (the banker's) below them.
#include "tables/one_seat_banker/TForm7.h"

#include "gui/App.h"
#include "tables/TableHost.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {
constexpr const char* kDialogPicture = "picture\\design\\result.gif";
constexpr Rect kDialogBounds{246, 251, 347, 255}; // [layout px]
constexpr Color kLightGreen{189, 239, 135};
constexpr Color kYellowGreen{216, 232, 23};
constexpr FontSpec kLineFont{15, true, kLightGreen, Typeface::Sans};
constexpr FontSpec kRoundFont{16, true, colors::kYellow, Typeface::Sans};
constexpr FontSpec kContinueFont{17, true, kYellowGreen, Typeface::Sans};
constexpr const char* kContinue = "請點擊滑鼠左鍵繼續遊戲！";
constexpr Rect kContinueBox{37, 196, 273, 25}; // [layout px, in the dialog]
} // namespace

TForm7::TForm7(TableHost& host)
    : Screen(host.GetApp(), "TForm7", ScreenKind::Dialog, kDialogBounds) {
    Image1.SetBounds({0, 0, kDialogBounds.w, kDialogBounds.h});
    Image1.Load(kDialogPicture);
    // [layout px, in the dialog]: the player's four lines, then the banker's two.
    struct Place {
        Label& label;
        int left;
        int top;
    };
    const Place places[] = {{Label1, 60, 20}, {Label3, 60, 40},  {Label8, 60, 60},
                            {Label4, 60, 80}, {Label2, 60, 106}, {Label5, 60, 126}};
    for (const Place& p : places) {
        p.label.SetPosition(p.left, p.top);
        p.label.SetFont(kLineFont);
    }
    Label6.SetPosition(140, 158);
    Label6.SetFont(kRoundFont);
    Label7.SetFont(kContinueFont);
    Label7.SetAutoSize(false);
    Label7.SetBounds(kContinueBox);
    Label7.SetAlignment(Align::Center);
    Label7.SetWordWrap(true);
    Label7.SetCaption(kContinue);
    // A click anywhere on the dialog, its lines included, is the continue click.
    for (Control* c : std::initializer_list<Control*>{&Image1, &Label1, &Label2, &Label3, &Label4,
                                                      &Label5, &Label6, &Label7, &Label8})
        c->onClick = [this] {
            if (onContinue)
                onContinue();
        };
}

void TForm7::ShowRound(const RoundLines& lines) {
    Label1.SetCaption(lines.Player);
    Label2.SetCaption(lines.Banker);
    Label3.SetCaption(lines.PlayerHand);
    Label4.SetCaption(lines.Bonus);
    Label5.SetCaption(lines.BankerHand);
    Label6.SetCaption(lines.Round);
    Label7.SetCaption(kContinue);
    Label8.SetCaption(lines.SecondHand);
    Show();
}

void TForm7::ClearRoundLines() {
    Label8.SetCaption("");
    Label4.SetCaption("");
}

void TForm7::FormActivate() {
    GetApp().PlaySound(kDialogSound);
}

void TForm7::FormDeactivate() {
    GetApp().StopSound();
}

} // namespace quorvel
