// The words drawn on pictures: button captions, caption plates, bubble texts, tips and the
// bonus table. Captions.cpp holds them all so that wording is changed in one place.
#pragma once

#include <vector>

namespace artwork {

enum class ButtonKind {
    Table,  // 96x24 table buttons
    Chest,  // the small service icons on the chest (one glyph)
    Menu,   // main menu start buttons
    Banker, // main menu banker choice
    Dialog, // OK, choose again, back on the selection screens (00 inactive, 01 active)
    Small,  // help-screen and table back buttons, card speed
};

struct ButtonCaption {
    const char* path; // design path of either picture of the pair, or of a single picture
    const char* caption;
    ButtonKind kind;
};

struct Bubble {
    const char* path;
    const char* title;
    const char* text;
};

struct BonusRow {
    const char* hand;
    const char* rate;
};

struct Tip {
    const char* path;
    const char* title;
    const char* text;
};

const std::vector<ButtonCaption>& ButtonCaptions();
const std::vector<Bubble>& SeatCountBubbles();
const std::vector<ButtonCaption>& CaptionPlates(); // df1-10, 24, 45, 55
const std::vector<BonusRow>& BonusRows();
const char* BonusFooter();
const std::vector<Tip>& TableTips(); // the chest's three services, the bonus-table button

} // namespace artwork
