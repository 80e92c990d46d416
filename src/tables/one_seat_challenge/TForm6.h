// The result dialog of the one-on-one table where the user challenges the banker: what the
// banker and the user won or lost in the round, the final hands, the user's bonus and the round
// number. A click on it starts the next round, as a click on the table does.
#pragma once

#include "tables/ResultDialog.h"

namespace quorvel {

class TableHost;

class TForm6 : public ResultDialog {
public:
    explicit TForm6(TableHost& host);
};

} // namespace quorvel
