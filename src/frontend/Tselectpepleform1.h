// The player selection screen: the user picks the character to play.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class Tselectpepleform1 : public Screen {
public:
    explicit Tselectpepleform1(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
