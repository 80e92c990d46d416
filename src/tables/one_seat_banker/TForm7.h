// The result dialog of the one-on-one table where the user is the banker: what the computer
// player and the user won or lost in the round, the final hands, the computer's bonus and the
// round number. A click on it starts the next round, as a click on the table does.
#pragma once

#include "tables/ResultDialog.h"

namespace quorvel {

class TableHost;

class TForm7 : public ResultDialog {
public:
    explicit TForm7(TableHost& host);
};

} // namespace quorvel
