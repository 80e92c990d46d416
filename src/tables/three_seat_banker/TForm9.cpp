// TForm9: where each of its lines sits.
#include "tables/three_seat_banker/TForm9.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// Where each label sits [design px, in the dialog]: each side's money line on the left with
// its bonus below it, its hands on the right, a second hand below the first, the round at the
// bottom.
constexpr ResultDialog::LinePlace kPlaces[] = {
    {1, 44, 24},   {2, 44, 54},    {3, 44, 92},   {4, 44, 130},   {5, 196, 24},
    {6, 196, 54},  {7, 56, 70},    {8, 196, 92},  {9, 56, 108},   {10, 196, 130},
    {11, 56, 146}, {12, 140, 172}, {14, 196, 70}, {15, 196, 108}, {16, 196, 146},
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
