// The behaviours every screen shares: hover groups whose buttons swap to a highlighted picture
// while the mouse is over them, the pressed look and click sound of table buttons, and the
// looping front-end tunes. A button's tag says which of its two pictures is loaded.
#pragma once

#include "gui/Image.h"

#include <string>
#include <vector>

namespace quorvel {

class App;

// A group of picture buttons of which hovering one highlights it and rests the others.
class HoverGroup {
public:
    struct Member {
        Image* button;
        std::string resting;
        std::string highlighted;
    };

    void Add(Image& button, std::string resting, std::string highlighted);
    // Highlights `button` (loading its picture only when its tag is not yet 1) and rests every
    // other member whose tag is not 0.
    void Highlight(Image& button);
    // Rests every member whose tag is not 0.
    void RestAll();
    // Rests one member when its tag is not 0.
    void Rest(Image& button);
    // Loads every member's resting picture and clears its tag.
    void LoadResting();
    const std::vector<Member>& Members() const { return members_; }

private:
    std::vector<Member> members_;
};

// Makes a picture a table button: a press plays the click sound (any mouse button) when it has
// one and, with the left button, shows the pressed picture; a release shows the resting one.
// `pictureStem` is the file name part: "an100" → "picture\gif\an100.gif" / "an100-.gif".
void MakeTableButton(Image& button, const std::string& pictureStem, const char* clickSound);

// Design paths of the two pictures of a table button.
std::string RestingPicture(const std::string& pictureStem);
std::string PressedPicture(const std::string& pictureStem);

inline constexpr const char* kButtonSound = "sound\\button.wav";
inline constexpr const char* kBannerSound = "sound\\enter_2.wav";
inline constexpr const char* kCardSound = "sound\\card.wav";
inline constexpr const char* kDialogSound = "sound\\end.wav";

} // namespace quorvel
