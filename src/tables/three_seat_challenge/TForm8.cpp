// TForm8: where each of its lines sits.
#include "tables/three_seat_challenge/TForm8.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// Where each label sits [layout px, in the dialog]: the money lines on the left, each with its
// bonus below, the hands on the right, a second hand below the first, the round at the bottom.
// A money line of six digits and a long name ends about 15 px left of the hands.
constexpr ResultDialog::LinePlace kPlaces[] = {
    {1, 36, 26},   {2, 36, 58},    {3, 36, 98},   {4, 36, 138},   {5, 204, 26},
    {6, 204, 58},  {7, 48, 74},    {8, 204, 98},  {9, 48, 114},   {10, 204, 138},
    {11, 48, 154}, {12, 140, 180}, {14, 204, 74}, {15, 204, 114}, {16, 204, 154},
};
} // namespace

TForm8::TForm8(TableHost& host)
    : ResultDialog(host.GetApp(), "TForm8",
                   {{229, 207, 347, 255},
                    kPlaces,
                    kSeatsResultSides,
                    12,
                    " 局 ",
                    13,
                    {37, 204, 273, 22},
                    13,
                    14,
                    15}) {}

} // namespace quorvel
