// The result dialog of the one-on-one table where the user is the banker: what the computer
// player and the user won or lost in the round, the final hands, the computer's bonus and the
// round number. A click on it starts the next round, as a click on the table does.
#pragma once

#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"

#include <functional>
#include <string>

namespace quorvel {

class TableHost;

class TForm7 : public Screen {
public:
    explicit TForm7(TableHost& host);

    // The texts of one round; an empty line leaves its label empty.
    struct RoundLines {
        std::string Player;     // Label1: "玩家  NAME贏：N"
        std::string Banker;     // Label2: "莊家  NAME贏：N"
        std::string PlayerHand; // Label3: "牌值： ..." or "第1手牌： ..."
        std::string Bonus;      // Label4: "獎金： N", only when there is one
        std::string BankerHand; // Label5
        std::string Round;      // Label6: "第 N局 "
        std::string SecondHand; // Label8: "第2手牌： ..." after a split
    };
    // Fills the labels and shows the dialog in front.
    void ShowRound(const RoundLines& lines);
    // Clears the second-hand and bonus lines, done at every deal.
    void ClearRoundLines();

    void FormActivate() override;
    void FormDeactivate() override;
    // The continue click: the table starts its next round.
    std::function<void()> onContinue;

    Image& Image1 = Add<Image>("Image1");
    Label& Label1 = Add<Label>("Label1");
    Label& Label3 = Add<Label>("Label3");
    Label& Label8 = Add<Label>("Label8");
    Label& Label4 = Add<Label>("Label4");
    Label& Label2 = Add<Label>("Label2");
    Label& Label5 = Add<Label>("Label5");
    Label& Label6 = Add<Label>("Label6");
    Label& Label7 = Add<Label>("Label7");
};

} // namespace quorvel
