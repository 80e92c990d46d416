// The one-on-one table where the user challenges a computer banker.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm1 : public Screen {
public:
    explicit TForm1(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
