#include "gui/KeyTag.h"

#include "gui/Control.h"
#include "gui/Screen.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace quorvel {

namespace {
constexpr FontSpec kTagFont{11, false, colors::kWhite};
constexpr Color kTagBack{24, 28, 48, 225};
constexpr Color kTagFrame{232, 190, 92};
constexpr int kTagHeight = 14;           // [px]
constexpr int kTagCharWidth = 6;         // [px] an ASCII character at 11 px, near enough
constexpr int kOnFace = 4;               // [px] of the tag that lie on the button's edge
constexpr int kStickOut = 3;             // [px] past the button's right end, under it
constexpr int kInCorner = 3;             // [px] from the edges, inside a control's corner
constexpr Point kSmallestTagged{30, 20}; // the smallest button that carries its tag [px]

int CodePoints(std::string_view text) {
    int n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

bool WithinTree(const Control& control, const Control& root) {
    for (const Control* c = &control; c; c = c->Parent())
        if (c == &root)
            return true;
    return false;
}

// A control that answers clicks and is no larger than a quarter of its screen: a button, a
// card, a figure; not a background that takes clicks.
bool IsButton(const Screen& screen, const Control& control) {
    const Rect r = control.ScreenRect();
    return control.onClick &&
           4L * r.w * r.h <= static_cast<long>(screen.Bounds().w) * screen.Bounds().h;
}

// Whether a tag at `box` would hide a caption (the control's own, or any other showing
// control's), touch another button or lie on a tag placed before. The panels around the
// control do not count.
bool InTheWay(const Screen& screen, const Control& control, Rect box,
              const std::vector<PlacedKeyTag>& placed) {
    if (const auto own = control.CaptionArea(); own && own->Overlaps(box))
        return true;
    for (const PlacedKeyTag& tag : placed)
        if (tag.place.Overlaps(box))
            return true;
    for (const auto& other : screen.Controls()) {
        if (!other->Showing() || WithinTree(control, *other))
            continue;
        if (const auto caption = other->CaptionArea(); caption && caption->Overlaps(box))
            return true;
        if (IsButton(screen, *other) && other->ScreenRect().Overlaps(box))
            return true;
    }
    return false;
}

std::optional<PlacedKeyTag> PlaceOne(const Screen& screen, const Control& control,
                                     const std::vector<PlacedKeyTag>& placed) {
    if (control.KeyHint().empty())
        return std::nullopt;
    const Rect r = control.ScreenRect();
    if (r.w < kSmallestTagged.x || r.h < kSmallestTagged.y)
        return std::nullopt;
    const int w = std::max(kTagHeight, CodePoints(control.KeyHint()) * kTagCharWidth + 6);
    const int h = kTagHeight;
    const int middle = r.y + (r.h - h) / 2;
    const std::array<Rect, 5> places{
        Rect{r.x + r.w - w + kStickOut, r.y + r.h - kOnFace, w, h}, // under, at the right end
        Rect{r.x + r.w - kOnFace, middle, w, h},                    // beside, on the right
        Rect{r.x - w + kOnFace, middle, w, h},                      // beside, on the left
        Rect{r.x + r.w - w + kStickOut, r.y - h + kOnFace, w, h},   // above, at the right end
        // In its lower right corner: a control that fills its screen (a dialog that continues
        // at a click anywhere) has no outside.
        Rect{r.x + r.w - w - kInCorner, r.y + r.h - h - kInCorner, w, h},
    };
    const Rect whole{0, 0, screen.Bounds().w, screen.Bounds().h};
    for (const Rect& box : places)
        if (whole.Encloses(box) && !InTheWay(screen, control, box, placed))
            return PlacedKeyTag{&control, box, true};
    // A layout with no free place: the first place on the screen, else the first one pulled
    // onto it. The tests walk the screens so that this stays a fallback.
    for (const Rect& box : places)
        if (whole.Encloses(box))
            return PlacedKeyTag{&control, box, false};
    Rect box = places[0];
    box.x = std::clamp(box.x, 0, std::max(0, whole.w - box.w));
    box.y = std::clamp(box.y, 0, std::max(0, whole.h - box.h));
    return PlacedKeyTag{&control, box, false};
}

} // namespace

std::vector<PlacedKeyTag> KeyTagPlaces(const Screen& screen) {
    std::vector<PlacedKeyTag> placed;
    for (const auto& control : screen.Controls())
        if (control->Showing())
            if (const auto tag = PlaceOne(screen, *control, placed))
                placed.push_back(*tag);
    return placed;
}

void PaintKeyTag(Canvas& canvas, const Control& control, Rect place) {
    canvas.FillRect(place, kTagBack);
    canvas.FrameRect(place, kTagFrame);
    canvas.DrawText(control.KeyHint(), kTagFont, {place.x, place.y + 1, place.w, place.h - 2},
                    Align::Center, false);
}

} // namespace quorvel
