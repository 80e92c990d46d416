// TForm9: where each of its lines sits.
#include "tables/three_seat_banker/TForm9.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// Where each label sits [layout px, in the dialog]: each side's money line on the left with
// its bonus below it, its hands on the right, a second hand below the first, the round at the
// bottom. A money line of six digits and a long name ends about 15 px left of the hands.
constexpr ResultDialog::LinePlace kPlaces[] = {
    {1, 36, 24},   {2, 36, 54},    {3, 36, 92},   {4, 36, 130},   {5, 204, 24},
    {6, 204, 54},  {7, 48, 70},    {8, 204, 92},  {9, 48, 108},   {10, 204, 130},
    {11, 48, 146}, {12, 140, 172}, {14, 204, 70}, {15, 204, 108}, {16, 204, 146},
};
} // namespace

TForm9::TForm9(TableHost& host)
    : ResultDialog(host.GetApp(), "TForm9",
                   {{221, 239, 347, 255},
                    kPlaces,
                    kSeatsResultSides,
                    12,
                    " 局 ",
                    13,
                    {37, 198, 273, 22},
                    13,
                    14,
                    15}) {}

} // namespace quorvel
