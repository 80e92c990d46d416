// The bonus-table button's press, release and hover.
#include "tables/BonusTableButton.h"

#include "gui/App.h"
#include "gui/Image.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {
constexpr const char* kStem = "an120";
constexpr const char* kTip = "picture\\design\\tip4.gif";
} // namespace

BonusTableButton::BonusTableButton(App& app, Image& button, Image& table, Image& tip)
    : button_(button), table_(table), tip_(tip) {
    tip_.Load(kTip);
    tip_.Hide();
    button_.onMouseDown = [this, &app](MouseButton, Point) {
        app.PlaySound(kButtonSound);
        button_.Load(PressedPicture(kStem));
        table_.Show();
    };
    button_.onMouseUp = [this](MouseButton, Point) {
        button_.Load(RestingPicture(kStem));
        table_.Hide();
    };
    button_.onMouseMove = [this](Point) {
        if (button_.Showing())
            tip_.Show();
    };
}

void BonusTableButton::HoverBackground() {
    tip_.Hide();
}

void BonusTableButton::Refresh(bool offered) {
    button_.SetVisible(offered);
    if (!offered)
        tip_.Hide();
}

} // namespace quorvel
