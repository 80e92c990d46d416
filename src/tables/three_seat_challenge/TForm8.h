// The round result dialog of the three-seat table where the user challenges the banker.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm8 : public Screen {
public:
    explicit TForm8(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
