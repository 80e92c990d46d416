// The three-seat table where the user, in the middle seat, challenges a computer banker.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm4 : public Screen {
public:
    explicit TForm4(Game& game);

private:
    Game& game_;
};

} // namespace quorvel
