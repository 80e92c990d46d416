#include "gui/Screen.h"

#include "gui/App.h"

#include <algorithm>

namespace quorvel {

Screen::Screen(App& app, std::string name, ScreenKind kind, Rect bounds)
    : app_(app), name_(std::move(name)), kind_(kind), bounds_(bounds) {
    app_.Register(*this);
}

Screen::~Screen() = default;

void Screen::SetBounds(Rect bounds) {
    bounds_ = bounds;
    Invalidate();
}

void Screen::Adopt(std::unique_ptr<Control> control, Control* parent) {
    control->Attach(this, parent);
    if (!parent)
        roots_.push_back(control.get());
    byName_.try_emplace(control->Name(), control.get());
    controls_.push_back(std::move(control));
    Invalidate();
}

Control* Screen::Find(std::string_view name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

void Screen::Show() {
    app_.ShowScreen(*this);
}

void Screen::Hide() {
    app_.HideScreen(*this);
}

std::vector<Control*>& Screen::SiblingsOf(Control& control, std::vector<Control*>& roots) {
    return control.parent_ ? control.parent_->children_ : roots;
}

Control* Screen::HitTree(Control& control, Point local) const {
    if (!control.Visible())
        return nullptr;
    const Rect r = control.ScreenRect();
    if (!r.Contains(local))
        return nullptr;
    for (auto it = control.children_.rbegin(); it != control.children_.rend(); ++it)
        if (Control* hit = HitTree(**it, local))
            return hit;
    return &control;
}

Control* Screen::HitTest(Point local) const {
    for (auto it = roots_.rbegin(); it != roots_.rend(); ++it)
        if (Control* hit = HitTree(**it, local))
            return hit;
    return nullptr;
}

void Screen::PaintTree(Canvas& canvas, const Control& control) const {
    if (!control.Visible())
        return;
    control.Paint(canvas);
    if (!control.KeyHint().empty() && app_.KeyHintsShown())
        PaintKeyHint(canvas, control);
    for (const Control* child : control.children_)
        PaintTree(canvas, *child);
}

void Screen::Paint(Canvas& canvas) const {
    canvas.FillRect({0, 0, bounds_.w, bounds_.h}, background_);
    for (const Control* c : roots_)
        PaintTree(canvas, *c);
}

namespace {
// The key tag on a button's lower right corner, sticking out a little so that it reads as a
// label on the button rather than part of its picture [layout px].
constexpr FontSpec kHintFont{11, false, colors::kWhite};
constexpr Color kHintBack{24, 28, 48, 225};
constexpr Color kHintFrame{232, 190, 92};
constexpr int kHintHeight = 15;
constexpr int kHintCharWidth = 6; // an ASCII character at 11 px, near enough
constexpr int kHintOverhang = 3;
constexpr Point kSmallestTagged{30, 20}; // the smallest button that carries its tag [px]

int CodePoints(std::string_view text) {
    int n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}
} // namespace

void Screen::PaintKeyHint(Canvas& canvas, const Control& control) const {
    const Rect r = control.ScreenRect();
    const int w = std::max(kHintHeight, CodePoints(control.KeyHint()) * kHintCharWidth + 6);
    // On a small icon the tag would hide it and its neighbours; such a button shows its key
    // elsewhere (in its tip) or not at all.
    if (w > r.w || r.w < kSmallestTagged.x || r.h < kSmallestTagged.y)
        return;
    const Rect box{r.x + r.w - w + kHintOverhang, r.y + r.h - kHintHeight + kHintOverhang, w,
                   kHintHeight};
    canvas.FillRect(box, kHintBack);
    canvas.FrameRect(box, kHintFrame);
    canvas.DrawText(control.KeyHint(), kHintFont, {box.x, box.y + 1, box.w, box.h - 2},
                    Align::Center, false);
}

void Screen::BindKey(const KeyPress& key, std::string_view controlName, bool hint) {
    keys_.push_back({key, std::string(controlName)});
    if (Control* control = Find(controlName); control && hint && control->KeyHint().empty())
        control->SetKeyHint(KeyName(key));
}

bool Screen::KeyDown(const KeyPress& key) {
    for (const KeyBinding& binding : keys_) {
        if (!binding.key.Matches(key))
            continue;
        Control* control = Find(binding.control);
        if (control && control->Showing() && control->Enabled()) {
            app_.ClickControl(*control);
            return true;
        }
    }
    return false;
}

void Screen::Invalidate() {
    if (visible_)
        app_.MarkDirty();
}

} // namespace quorvel
