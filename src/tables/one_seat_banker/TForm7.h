// The round result dialog of the one-on-one table where the user is the banker, shown over
// its table at a fixed place; its round fills in the labels.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class TableHost;

class TForm7 : public Screen {
public:
    explicit TForm7(TableHost& host);
};

} // namespace quorvel
