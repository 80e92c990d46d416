// The bonus-table button (獎金表) of the tables where the user bets: the bonus table shows
// while the button is held down, on any mouse button, and hides on release; while the pointer
// is over the button its tip says to hold it down (按住查看), since a plain click shows
// nothing for longer than the click. TForm1 and TForm4 give their own designed controls.
#pragma once

namespace quorvel {

class App;
class Image;

class BonusTableButton {
public:
    // The button, the bonus table picture and the tip picture control.
    BonusTableButton(App& app, Image& button, Image& table, Image& tip);

    // The pointer is over the table's background: the tip goes.
    void HoverBackground();
    // Shows the button as the engine offers it; the tip goes with it.
    void Refresh(bool offered);

private:
    Image& button_;
    Image& table_;
    Image& tip_;
};

} // namespace quorvel
