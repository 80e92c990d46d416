// TForm6: layout, fonts and colours of the result dialog, its sound and its continue click.
#include "tables/one_seat_challenge/TForm6.h"

#include "gui/App.h"
#include "tables/TableHost.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {
constexpr const char* kDialogPicture = "picture\\design\\result.gif";
constexpr Color kLightGreen{189, 239, 135};
constexpr Color kYellowGreen{216, 232, 23};
constexpr FontSpec kLineFont{16, true, kLightGreen, Typeface::Sans};
constexpr FontSpec kRoundFont{16, true, colors::kYellow, Typeface::Sans};
constexpr FontSpec kContinueFont{17, true, kYellowGreen, Typeface::Sans};
} // namespace

TForm6::TForm6(TableHost& host)
    : Screen(host.GetApp(), "TForm6", ScreenKind::Dialog, Rect{248, 238, 347, 255}) {
    Image1.SetBounds({0, 0, 347, 255});
    Image1.Load(kDialogPicture);
    struct Place {
        Label& label;
        int left;
        int top;
    };
    const Place places[] = {{Label1, 64, 24}, {Label3, 64, 45},  {Label2, 64, 68},
                            {Label4, 64, 91}, {Label8, 64, 114}, {Label5, 64, 138}};
    for (const Place& p : places) {
        p.label.SetPosition(p.left, p.top);
        p.label.SetFont(kLineFont);
    }
    Label7.SetPosition(108, 160);
    Label7.SetFont(kRoundFont);
    Label6.SetFont(kContinueFont);
    Label6.SetAutoSize(false);
    Label6.SetBounds({40, 192, 273, 25});
    Label6.SetAlignment(Align::Center);
    Label6.SetWordWrap(true);
    Label6.SetCaption("請點擊滑鼠左鍵繼續遊戲！");
    // Clicks anywhere on the dialog, labels included, are the continue click.
    for (Control* c : std::initializer_list<Control*>{&Image1, &Label1, &Label2, &Label3, &Label4,
                                                      &Label5, &Label6, &Label7, &Label8})
        c->onClick = [this] { Image1Click(); };
}

void TForm6::ShowRound(const RoundLines& lines) {
    Label1.SetCaption(lines.Banker);
    Label3.SetCaption(lines.BankerHand);
    Label2.SetCaption(lines.User);
    Label4.SetCaption(lines.UserHand);
    Label8.SetCaption(lines.SecondHand);
    Label5.SetCaption(lines.Bonus);
    Label6.SetCaption("請點擊滑鼠左鍵繼續遊戲！");
    Label7.SetCaption(lines.Round);
    Show();
}

void TForm6::ClearRoundLines() {
    Label8.SetCaption("");
    Label5.SetCaption("");
}

void TForm6::FormActivate() {
    GetApp().PlaySound(kDialogSound);
}

void TForm6::FormDeactivate() {
    GetApp().StopSound();
}

void TForm6::Image1Click() {
    if (onContinue)
        onContinue();
}

} // namespace quorvel
