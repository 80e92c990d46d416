// The yes-or-cancel question: its layout and keys.
#include "ui/QuestionDialog.h"

#include "gui/App.h"
#include "ui/DialogLook.h"

namespace quorvel {

namespace {
constexpr Rect kBounds{210, 200, 380, 190}; // [layout px], the middle of the screen
constexpr int kButtonWidth = 110;           // [px]
constexpr int kButtonGap = 30;              // [px]
} // namespace

QuestionDialog::QuestionDialog(App& app, std::string name, const char* title, const char* text,
                               const char* yes)
    : Screen(app, std::move(name), ScreenKind::Modal, kBounds) {
    SetBackground(dialoglook::kNavy);
    dialoglook::DressQuestion(Image1, Label1, Label2, kBounds.w, kBounds.h, title);
    Label2.SetCaption(text);
    int left = (kBounds.w - 2 * kButtonWidth - kButtonGap) / 2;
    for (BitBtn* button : {&BitBtn1, &BitBtn2}) {
        const bool agrees = button == &BitBtn1;
        button->SetBounds({left, 128, kButtonWidth, 34});
        button->SetCaption(agrees ? yes : "取消");
        button->SetCursor(Cursor::HandPoint);
        dialoglook::StyleButton(*button);
        button->onClick = [this, agrees] { Answered(agrees); };
        left += kButtonWidth + kButtonGap;
    }
    BindKey(Press(Key::Escape), BitBtn2.Name());
    BindKey(Press(Key::Enter), BitBtn2.Name(), false);
}

void QuestionDialog::Ask(std::function<void()> yes) {
    if (Asking())
        return;
    yes_ = std::move(yes);
    GetApp().OpenModal(*this);
    GetApp().SetKeyFocus(&BitBtn2);
}

void QuestionDialog::Answered(bool yes) {
    auto go = std::move(yes_);
    yes_ = nullptr;
    Hide();
    if (yes && go)
        go();
}

} // namespace quorvel
