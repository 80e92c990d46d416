// The round result dialog of the three-seat table where the user banks, shown over
// its table at a fixed place; its round fills in the labels.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class TableHost;

class TForm9 : public Screen {
public:
    explicit TForm9(TableHost& host);
};

} // namespace quorvel
