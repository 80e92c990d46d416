#include "tables/one_seat_banker/TForm7.h"

#include "platform/App.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "tables/TableHost.h"

#include <string>

namespace quorvel {

TForm7::TForm7(TableHost& host)
    : Screen(host.GetApp(), "TForm7", ScreenKind::Dialog, Rect{246, 251, 347, 255}) {
    Add<Image>("Image1").Load("picture\\design\\result.gif");
    // The figures of the round, one line each, written by the table [1-8].
    for (int n = 1; n <= 8; ++n)
        Add<Label>("Label" + std::to_string(n)).SetPosition(24, 8 + 28 * (n - 1));
}

} // namespace quorvel
