#include "gui/Control.h"

#include "gui/Screen.h"

#include <algorithm>

namespace quorvel {

Control::Control(std::string name) : name_(std::move(name)) {}

Control::~Control() = default;

void Control::SetBounds(Rect bounds) {
    if (bounds.x == bounds_.x && bounds.y == bounds_.y && bounds.w == bounds_.w &&
        bounds.h == bounds_.h)
        return;
    bounds_ = bounds;
    Invalidate();
}

void Control::SetPosition(int left, int top) {
    SetBounds({left, top, bounds_.w, bounds_.h});
}

void Control::SetSize(int width, int height) {
    SetBounds({bounds_.x, bounds_.y, width, height});
}

void Control::SetDrawShift(double dx, double dy) {
    if (dx == shiftX_ && dy == shiftY_)
        return;
    shiftX_ = dx;
    shiftY_ = dy;
    Invalidate();
}

Rect Control::ScreenRect() const {
    Rect r = bounds_;
    for (const Control* p = parent_; p; p = p->parent_) {
        r.x += p->bounds_.x;
        r.y += p->bounds_.y;
    }
    return r;
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    Invalidate();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Invalidate();
}

void Control::SetKeyHint(std::string hint) {
    if (keyHint_ == hint)
        return;
    keyHint_ = std::move(hint);
    Invalidate();
}

void Control::BringToFront() {
    if (!owner_)
        return;
    auto& siblings = Screen::SiblingsOf(*this, owner_->roots_);
    auto it = std::find(siblings.begin(), siblings.end(), this);
    if (it != siblings.end()) {
        siblings.erase(it);
        siblings.push_back(this);
        Invalidate();
    }
}

void Control::SendToBack() {
    if (!owner_)
        return;
    auto& siblings = Screen::SiblingsOf(*this, owner_->roots_);
    auto it = std::find(siblings.begin(), siblings.end(), this);
    if (it != siblings.end()) {
        siblings.erase(it);
        siblings.insert(siblings.begin(), this);
        Invalidate();
    }
}

void Control::Paint(Canvas&) const {}

void Control::Invalidate() {
    ++invalidations_;
    if (owner_)
        owner_->Invalidate();
}

void Control::Attach(Screen* owner, Control* parent) {
    owner_ = owner;
    parent_ = parent;
    if (parent)
        parent->children_.push_back(this);
}

} // namespace quorvel
