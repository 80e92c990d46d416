// TForm6: the banker's lines above the user's, and where each sits.
#include "tables/one_seat_challenge/TForm6.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// [layout px, in the dialog]: the banker's money and hand, the user's money, hand, second hand
// and bonus, then the round.
constexpr ResultDialog::LinePlace kPlaces[] = {
    {1, 64, 24}, {3, 64, 45}, {2, 64, 68}, {4, 64, 91}, {8, 64, 114}, {5, 64, 138}, {7, 108, 160},
};
constexpr ResultDialog::SideLines kSides[] = {{1, 3, 0, 0}, {2, 4, 8, 5}};
} // namespace

TForm6::TForm6(TableHost& host)
    : ResultDialog(
          host.GetApp(), "TForm6",
          {{248, 238, 347, 255}, kPlaces, kSides, 7, "局 ", 6, {40, 192, 273, 25}, 16, 16, 17}) {}

} // namespace quorvel
