// The one-on-one table where the user is the banker and one computer character bets against
// the user. The front end fills in the names, the portrait and the background and opens it;
// the round is the engine's. This table is its design alone: the designed controls at their
// places and by their roles, its hands and where their cards lie, and the split's slide.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm3 : public TableScreen {
public:
    explicit TForm3(TableHost& host);
};

} // namespace quorvel
