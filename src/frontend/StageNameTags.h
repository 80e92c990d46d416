// The name tags of the opponent selection's stage. The stage shows the characters as figures
// without their names, and lights the user's own figure and the picked opponents alike; a tag
// at a figure's feet names it while the pointer is on it, and stays under every lit figure
// saying whose it is: the user's own character, or a picked opponent and whether it will bank.
#pragma once

#include "gui/Label.h"

#include <array>
#include <functional>
#include <string>

namespace quorvel {

class Control;
class Image;
class Screen;

class StageNameTags {
public:
    // The tags are made on `screen` above the figures of characters 1..9, in roster order.
    StageNameTags(Screen& screen, std::array<Image*, 9> figures);

    // What follows the name under a lit figure [2-10], "" for nothing.
    std::function<std::string(int figure)> litRole;
    // Whether the figure [2-10] shows its lit picture.
    std::function<bool(int figure)> isLit;

    // The pointer on the figure of a character [1-9], or on its tag.
    void Hover(int character);
    // The pointer left the figure or tag of a character [1-9] for `next`.
    void Leave(int character, const Control* next);
    // Puts every tag right after figures were lit or dimmed: a lit figure's tag shows with its
    // role, an unlit one's goes unless the pointer is on it.
    void Refresh();

    const Label& TagOf(int character) const {
        return *tags_.at(static_cast<std::size_t>(character - 1));
    }

private:
    void Show(int character, bool shown);

    std::array<Image*, 9> figures_;
    std::array<Label*, 9> tags_{};
    int hovered_ = 0; // the character [1-9] the pointer is on, 0 none
};

} // namespace quorvel
