// The first help screen (beginner's hall): six pages, leafed through modally.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class TForm10 : public Screen {
public:
    explicit TForm10(Game& game);

    // Loads the first page and shows the screen modally; returns when it is closed.
    void OpenAtFirstPage();

private:
    Game& game_;
};

} // namespace quorvel
