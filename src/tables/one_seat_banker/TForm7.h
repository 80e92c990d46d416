// The round result dialog of the one-on-one table where the user is the banker.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm7 : public Screen {
public:
    explicit TForm7(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
