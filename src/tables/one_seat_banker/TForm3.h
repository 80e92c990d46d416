// The one-on-one table where the user is the banker.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm3 : public Screen {
public:
    explicit TForm3(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
