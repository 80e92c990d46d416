// TForm8: where each of its lines sits.
#include "tables/three_seat_challenge/TForm8.h"

#include "tables/TableHost.h"

namespace quorvel {

namespace {
// Where each label sits [layout px, in the dialog]: the money lines on the left, each with its
// bonus below, the hands on the right, a second hand below the first.
constexpr SeatsResultDialog::LinePlace kPlaces[] = {
    {1, 36, 26},    {5, 192, 26},                                  // the banker
    {2, 36, 58},    {6, 192, 58},   {7, 48, 74},   {14, 192, 74},  // seat 1
    {3, 36, 98},    {8, 192, 98},   {9, 48, 114},  {15, 192, 114}, // seat 2
    {4, 36, 138},   {10, 192, 138}, {11, 48, 154}, {16, 192, 154}, // seat 3
    {12, 140, 180},                                                // the round
};
} // namespace

TForm8::TForm8(TableHost& host)
    : SeatsResultDialog(host.GetApp(), "TForm8",
                        {{229, 207, 347, 255}, kPlaces, {37, 204, 273, 22}}) {}

} // namespace quorvel
