// The labels of a table's seats and hands, found once by role: each seat's money, bet, name and
// name before its bet written from the round, and each hand's description as the round tells
// it. The labels are written in the tables' faces: money and bets in yellow, names in white,
// hands in light yellow.
#pragma once

#include "round/RoundFacts.h"
#include "tables/TableRoles.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

class Label;

class SeatLabels {
public:
    // The labels of the roles a table has, found by `find` (nullptr for a role it lacks).
    SeatLabels(const RoundFacts& round, const std::function<Label*(TableRole)>& find);

    // Writes every seat's money, bet and names as the round stands.
    void Show();
    // Writes a hand's description (empty: none), if the table shows that hand's.
    void ShowHand(int seat, int hand, const std::string& text);
    // Empties every hand's description.
    void ClearHands();

private:
    struct SeatLabel {
        SeatField Field;
        int Seat;
        Label* Text;
    };
    struct HandLabel {
        int Seat;
        int Hand;
        Label* Text;
    };
    const RoundFacts& round_;
    std::vector<SeatLabel> seats_;
    std::vector<HandLabel> hands_;
};

} // namespace quorvel
