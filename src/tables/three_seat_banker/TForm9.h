// The round result dialog of the three-seat table where the user banks.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm9 : public Screen {
public:
    explicit TForm9(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
