// The opponent selection screen: the user picks one or three computer opponents.
#pragma once

#include "platform/Screen.h"

namespace quorvel {

class Game;

class Tselectpepleform2 : public Screen {
public:
    explicit Tselectpepleform2(Game& game);

    // Loads the banner that says how many opponents to pick.
    void SetBanner(const char* designPath);
    // Lights the figure of a character [2-10] with tag 0 (the user's own); others are ignored.
    void LightFigure(int figure);
    // Dims the figure of a character [2-10] with tag 0; others are ignored.
    void DimFigure(int figure);

private:
    Game& game_;
};

} // namespace quorvel
