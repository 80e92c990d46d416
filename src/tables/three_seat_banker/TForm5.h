// The three-seat table where the user banks against three computer characters. The front end
// fills in the names, portraits and background and opens it; the round is the engine's. This
// table is its design alone: the designed controls placed clear of the four hands' card places
// and by their roles, its hands and where their cards lie, and the split rows.
#pragma once

#include "tables/TableScreen.h"

namespace quorvel {

class TForm5 : public TableScreen {
public:
    explicit TForm5(TableHost& host);
};

} // namespace quorvel
