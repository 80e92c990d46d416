// A yes-or-cancel question in the look of the save-first question, lying modally over the
// screen that asks it and answering through a callback: the statistics' reset asks with it.
// What it asks cannot be undone, so cancelling is the default: the keyboard focus starts on
// 取消 and Enter and Esc both cancel; yes takes a click, or Tab and then Enter.
#pragma once

#include "gui/BitBtn.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"

#include <functional>
#include <string>

namespace quorvel {

class QuestionDialog : public Screen {
public:
    // `name` is the screen's name; `title` the question, `text` what it means, `yes` the
    // caption of the button that goes ahead.
    QuestionDialog(App& app, std::string name, const char* title, const char* text,
                   const char* yes);

    // Shows the question; `yes` runs, after the dialog has closed, only when the user agrees.
    void Ask(std::function<void()> yes);
    bool Asking() const { return Visible(); }
    bool Activates() const override { return false; }

    BitBtn& YesButton() { return BitBtn1; }
    BitBtn& CancelButton() { return BitBtn2; }

private:
    void Answered(bool yes);

    std::function<void()> yes_;
    Image& Image1 = Add<Image>("Image1");
    Label& Label1 = Add<Label>("Label1");
    Label& Label2 = Add<Label>("Label2");
    BitBtn& BitBtn1 = Add<BitBtn>("BitBtn1");
    BitBtn& BitBtn2 = Add<BitBtn>("BitBtn2");
};

} // namespace quorvel
