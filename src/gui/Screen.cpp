#include "gui/Screen.h"

#include "gui/App.h"
#include "gui/KeyTag.h"

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
    for (const Control* child : control.children_)
        PaintTree(canvas, *child);
}

void Screen::Paint(Canvas& canvas) const {
    canvas.FillRect({0, 0, bounds_.w, bounds_.h}, background_);
    for (const Control* c : roots_)
        PaintTree(canvas, *c);
    // The key tags go over everything, since they hang off their buttons' corners.
    if (!app_.KeyHintsShown())
        return;
    for (const PlacedKeyTag& tag : KeyTagPlaces(*this))
        PaintKeyTag(canvas, *tag.control, tag.place);
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

bool Screen::Binds(const KeyPress& key) const {
    return std::any_of(keys_.begin(), keys_.end(),
                       [&key](const KeyBinding& binding) { return binding.key.Matches(key); });
}

void Screen::Invalidate() {
    if (visible_)
        app_.MarkDirty();
}

} // namespace quorvel
