// A screen's controls as a data table: each row creates one control with its designed name,
// place, first picture and visibility, so a screen's creation handler is a table, not code.
// Table buttons get their resting and pressed pictures and their click sound here too.
#pragma once

#include "gui/Geometry.h"

#include <span>
#include <string>
#include <string_view>

namespace quorvel {

class Control;
class Label;
class Screen;

enum class ControlKind { Image, Label, Panel, Edit, BitBtn };

struct ControlPlacement {
    const char* name;
    ControlKind kind;
    Rect bounds;                      // [layout px], relative to the parent panel if any
    bool visible = true;              // at creation
    const char* parent = nullptr;     // a panel created by an earlier row
    const char* picture = nullptr;    // an image's first picture, a label's or button's caption
    const char* buttonStem = nullptr; // a table button: "an107" → resting and pressed pictures
    const char* clickSound = nullptr; // played on every press of a table button
};

// Creates the controls in row order (later rows lie above earlier ones).
void PlaceControls(Screen& screen, std::span<const ControlPlacement> rows);

// Sets the caption of the label of that name; nothing happens when there is none.
void SetLabelText(const Screen& screen, std::string_view name, const std::string& text);
// Hides the controls of those names that exist.
void HideControls(const Screen& screen, std::span<const char* const> names);
// Lays the announcement text over its banner picture: centred, wrapped onto a second line when
// long, clear of the banner's frame and ornaments.
void PlaceBannerText(Label& text, const Control& banner);

} // namespace quorvel
