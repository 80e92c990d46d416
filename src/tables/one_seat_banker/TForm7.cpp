// TForm7: the computer player's lines come first, the user's (the banker's) below them.
#include "tables/one_seat_banker/TForm7.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// [layout px, in the dialog]: the player's money, hand, second hand and bonus, the banker's
// money and hand, then the round.
constexpr ResultDialog::LinePlace kPlaces[] = {
    {1, 60, 20}, {3, 60, 40}, {8, 60, 60}, {4, 60, 80}, {2, 60, 106}, {5, 60, 126}, {6, 140, 158},
};
constexpr ResultDialog::SideLines kSides[] = {{2, 5, 0, 0}, {1, 3, 8, 4}};
} // namespace

TForm7::TForm7(TableHost& host)
    : ResultDialog(
          host.GetApp(), "TForm7",
          {{246, 251, 347, 255}, kPlaces, kSides, 6, "局 ", 7, {37, 196, 273, 25}, 15, 16, 17}) {}

} // namespace quorvel
