// The round result dialog of the three-seat table where the user challenges the banker, shown over
// its table at a fixed place; its round fills in the labels.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class TableHost;

class TForm8 : public Screen {
public:
    explicit TForm8(TableHost& host);
};

} // namespace quorvel
