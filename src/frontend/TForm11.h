// The second help screen (play and tips): seven pages, leafed through modally.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm11 : public Screen {
public:
    explicit TForm11(Game& game);

    // Loads the first page and shows the screen modally; returns when it is closed.
    void OpenAtFirstPage();

private:
    Game& game_;
};

} // namespace quorvel
