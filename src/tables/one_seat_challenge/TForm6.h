// The round result dialog of the one-on-one table where the user challenges the banker.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm6 : public Screen {
public:
    explicit TForm6(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
