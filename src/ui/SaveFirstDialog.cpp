// The save-first question: its layout, wording and keys.
#include "ui/SaveFirstDialog.h"

#include "gui/App.h"
#include "ui/DialogLook.h"

namespace quorvel {

namespace {
constexpr Rect kBounds{210, 200, 380, 190}; // [layout px], the middle of the screen
constexpr const char* kTitle = "要先存檔嗎？";
constexpr const char* kUnsaved = "牌局和金額還沒有存檔，\n不存檔就離開會失去它們。";
constexpr const char* kCannotSave = "現在不能存檔，\n離開會失去還沒存檔的牌局和金額。";
} // namespace

SaveFirstDialog::SaveFirstDialog(App& app)
    : Screen(app, "SaveFirstDialog", ScreenKind::Modal, kBounds) {
    SetBackground(dialoglook::kNavy);
    dialoglook::DressQuestion(Image1, Label1, Label2, kBounds.w, kBounds.h, kTitle);
    struct Button {
        BitBtn& button;
        const char* caption;
        Answer answer;
        KeyPress key;
    };
    const Button buttons[] = {{BitBtn1, "存檔", Answer::Save, Press(Key::Enter)},
                              {BitBtn2, "不存檔", Answer::Leave, Press(Key::N)},
                              {BitBtn3, "取消", Answer::Cancel, Press(Key::Escape)}};
    int left = 36;
    for (const Button& b : buttons) {
        b.button.SetBounds({left, 128, 92, 34});
        b.button.SetCaption(b.caption);
        b.button.SetCursor(Cursor::HandPoint);
        dialoglook::StyleButton(b.button);
        b.button.onClick = [this, answer = b.answer] { Answered(answer); };
        BindKey(b.key, b.button.Name());
        left += 92 + 14;
    }
}

void SaveFirstDialog::Ask(bool canSave, std::function<void(Answer)> answered) {
    if (Asking())
        return;
    answered_ = std::move(answered);
    BitBtn1.SetEnabled(canSave);
    Label2.SetCaption(canSave ? kUnsaved : kCannotSave);
    GetApp().OpenModal(*this);
}

void SaveFirstDialog::Answered(Answer answer) {
    auto answered = std::move(answered_);
    answered_ = nullptr;
    Hide();
    if (answered)
        answered(answer);
}

} // namespace quorvel
