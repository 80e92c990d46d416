#include "tables/three_seat_banker/TForm9.h"

#include "platform/App.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "tables/TableHost.h"

#include <string>

namespace quorvel {

TForm9::TForm9(TableHost& host)
    : Screen(host.GetApp(), "TForm9", ScreenKind::Dialog, Rect{221, 239, 347, 255}) {
    Add<Image>("Image1").Load("picture\\design\\result.gif");
    // The figures of the round, one line each, written by the table [1-8].
    for (int n = 1; n <= 8; ++n)
        Add<Label>("Label" + std::to_string(n)).SetPosition(24, 8 + 28 * (n - 1));
}

} // namespace quorvel
