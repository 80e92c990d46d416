// The base of every on-screen element: a rectangle in its screen's layout space with the
// designed name, visibility, enabled state, tag, z-order, cursor and mouse handlers.
// Mouse events reach only the topmost visible control under the pointer.
#pragma once

#include "gui/Canvas.h"
#include "gui/Geometry.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class Screen;

class Control {
public:
    using ClickHandler = std::function<void()>;
    using MouseHandler = std::function<void(MouseButton, Point)>;
    using MoveHandler = std::function<void(Point)>;
    // The pointer went from this control to `next` (nullptr: to no control).
    using LeaveHandler = std::function<void(const Control* next)>;

    explicit Control(std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    // Geometry [layout px], relative to the parent panel or, without one, to the screen.
    int Left() const { return bounds_.x; }
    int Top() const { return bounds_.y; }
    int Width() const { return bounds_.w; }
    int Height() const { return bounds_.h; }
    Rect Bounds() const { return bounds_; }
    void SetBounds(Rect bounds);
    void SetPosition(int left, int top);
    void SetSize(int width, int height);
    // Bounds in the coordinates of the owning screen.
    Rect ScreenRect() const;
    // How far beyond its place a moving control is drawn, less than a layout pixel each way
    // [layout px]: it moves by the output's pixels, while its place, which layouts, hit tests
    // and transcripts see, stays whole. Children are drawn as far beyond theirs.
    void SetDrawShift(double dx, double dy);
    double DrawShiftX() const { return shiftX_; }
    double DrawShiftY() const { return shiftY_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent panel visible too.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor cursor) { cursor_ = cursor; }

    // The key that presses this control, drawn small on its corner ("" for none).
    const std::string& KeyHint() const { return keyHint_; }
    void SetKeyHint(std::string hint);

    // Stacking among the siblings: later children are drawn on top.
    void BringToFront();
    void SendToBack();

    Control* Parent() const { return parent_; }
    Screen* Owner() const { return owner_; }
    const std::vector<Control*>& Children() const { return children_; }

    ClickHandler onClick;
    ClickHandler onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MoveHandler onMouseMove;
    LeaveHandler onMouseLeave;

    // Paints this control only; children are painted by the screen afterwards.
    virtual void Paint(Canvas& canvas) const;
    // Text this control shows, for tests and the scenario runner ("" when none).
    virtual std::string Text() const { return {}; }
    // Where the caption the user reads lies, in screen coordinates, so that a key tag keeps
    // off it; nothing for a control without one.
    virtual std::optional<Rect> CaptionArea() const { return std::nullopt; }
    // Design path of the picture this control shows, for tests ("" when none).
    virtual std::string PicturePath() const { return {}; }
    // Whether keyboard text goes here when the control is clicked.
    virtual bool TakesFocus() const { return false; }
    // Keyboard input, routed to the focused control.
    virtual void TextInput(std::string_view /*utf8*/) {}
    virtual void KeyBackspace() {}
    // Own reactions to a press and release, run before the handlers above.
    virtual void Pressed(MouseButton) {}
    virtual void Released(MouseButton) {}

    // Schedules a repaint of the owning screen.
    void Invalidate();
    // How many repaints this control has asked for, for tests.
    int InvalidationCount() const { return invalidations_; }

private:
    friend class Screen;
    void Attach(Screen* owner, Control* parent);

    std::string name_;
    Rect bounds_;
    double shiftX_ = 0, shiftY_ = 0; // [layout px]
    bool visible_ = true;
    bool enabled_ = true;
    int tag_ = 0;
    Cursor cursor_ = Cursor::Default;
    std::string keyHint_;
    int invalidations_ = 0;
    Screen* owner_ = nullptr;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
};

} // namespace quorvel
