// The result dialog of the one-on-one table where the user challenges the banker: what the
// banker and the user won or lost in the round, the final hands, the bonus and the round
// number. A click on it starts the next round, as a click on the table does.
#pragma once

#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"

#include <functional>
#include <string>

namespace quorvel {

class TableHost;

class TForm6 : public Screen {
public:
    explicit TForm6(TableHost& host);

    // The texts of one round; an empty line leaves its label empty.
    struct RoundLines {
        std::string Banker;     // "莊家  NAME贏：N"
        std::string BankerHand; // "牌值： ..."
        std::string User;       // "玩家  NAME贏：N"
        std::string UserHand;
        std::string SecondHand; // after a split
        std::string Bonus;
        std::string Round; // "第 N局 "
    };
    // Fills the labels and shows the dialog in front.
    void ShowRound(const RoundLines& lines);
    // Clears the second-hand and bonus lines, done at every deal.
    void ClearRoundLines();

    void FormActivate() override;
    void FormDeactivate() override;
    void Image1Click();
    // The continue click: the table starts its next round.
    std::function<void()> onContinue;

    Image& Image1 = Add<Image>("Image1");
    Label& Label1 = Add<Label>("Label1");
    Label& Label3 = Add<Label>("Label3");
    Label& Label2 = Add<Label>("Label2");
    Label& Label4 = Add<Label>("Label4");
    Label& Label8 = Add<Label>("Label8");
    Label& Label5 = Add<Label>("Label5");
    Label& Label7 = Add<Label>("Label7");
    Label& Label6 = Add<Label>("Label6");
};

} // namespace quorvel
