// The result dialog of the three-seat table where the user is the banker: what the user-banker
// and each of the three computer seats won or lost in the round, their final hands (both hands
// after a split), each seat's bonus, and the round number. A click on it starts the next
// round, as a click on the table does.
#pragma once

#include "tables/ResultDialog.h"

namespace quorvel {

class TableHost;

class TForm9 : public ResultDialog {
public:
    explicit TForm9(TableHost& host);
};

} // namespace quorvel
