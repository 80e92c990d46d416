// The result dialog of the three-seat table where the user challenges the banker: what the
// banker and each of the three seats won or lost in the round, their final hands, the
// bonuses and the round number. A click on its picture starts the next round, as a click on
// the table does.
#pragma once

#include "tables/ResultDialog.h"

namespace quorvel {

class TableHost;

class TForm8 : public ResultDialog {
public:
    explicit TForm8(TableHost& host);
};

} // namespace quorvel
