// TForm9: where each of its lines sits.
#include "tables/three_seat_banker/TForm9.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// Where each label sits [layout px, in the dialog]: each side's money line on the left with
// its bonus below it, its hands on the right, a second hand below the first.
constexpr SeatsResultDialog::LinePlace kPlaces[] = {
    {1, 44, 24},    {5, 196, 24},                                  // the user-banker
    {2, 44, 54},    {6, 196, 54},   {7, 56, 70},   {14, 196, 70},  // seat 1
    {3, 44, 92},    {8, 196, 92},   {9, 56, 108},  {15, 196, 108}, // seat 2
    {4, 44, 130},   {10, 196, 130}, {11, 56, 146}, {16, 196, 146}, // seat 3
    {12, 140, 172},                                                // the round
};
} // namespace

TForm9::TForm9(TableHost& host)
    : SeatsResultDialog(host.GetApp(), "TForm9",
                        {{221, 239, 347, 255}, kPlaces, {37, 198, 273, 22}}) {}

} // namespace quorvel
