// The three-seat table where the user banks against three computer seats.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm5 : public Screen {
public:
    explicit TForm5(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
