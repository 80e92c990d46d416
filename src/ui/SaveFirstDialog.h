// The question asked before the game is left with play not yet saved (a table's back or exit
// button, closing the window): save first, leave without saving, or cancel. It lies modally
// over the table and answers through a callback, so the table's waits go on underneath.
#pragma once

#include "gui/BitBtn.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"

#include <functional>

namespace quorvel {

class SaveFirstDialog : public Screen {
public:
    enum class Answer { Save, Leave, Cancel };

    explicit SaveFirstDialog(App& app);

    // Shows the question; `canSave` false offers only leaving and cancelling and says why.
    // The dialog closes before `answered` runs. A question already showing is not asked again.
    void Ask(bool canSave, std::function<void(Answer)> answered);
    bool Asking() const { return Visible(); }
    // The table under the question stays active: its music goes on.
    bool Activates() const override { return false; }

    BitBtn& SaveButton() { return BitBtn1; }
    BitBtn& LeaveButton() { return BitBtn2; }
    BitBtn& CancelButton() { return BitBtn3; }

private:
    void Answered(Answer answer);

    std::function<void(Answer)> answered_;
    Image& Image1 = Add<Image>("Image1");
    Label& Label1 = Add<Label>("Label1");
    Label& Label2 = Add<Label>("Label2");
    BitBtn& BitBtn1 = Add<BitBtn>("BitBtn1");
    BitBtn& BitBtn2 = Add<BitBtn>("BitBtn2");
    BitBtn& BitBtn3 = Add<BitBtn>("BitBtn3");
};

} // namespace quorvel
