// A screen of the game: a full-screen form, a dialog at a fixed place over its table, or a
// modal help window. It owns its controls, created once, and is only ever shown and hidden.
#pragma once

#include "gui/Canvas.h"
#include "gui/Control.h"
#include "gui/Key.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvel {

class App;

enum class ScreenKind { Full, Dialog, Modal };

class Screen {
public:
    Screen(App& app, std::string name, ScreenKind kind = ScreenKind::Full,
           Rect bounds = {0, 0, kDesignWidth, kDesignHeight});
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const std::string& Name() const { return name_; }
    ScreenKind Kind() const { return kind_; }
    App& GetApp() const { return app_; }

    // Place and size in the layout space [layout px].
    Rect Bounds() const { return bounds_; }
    void SetBounds(Rect bounds);

    // Creates a control owned by this screen, on top of its siblings, inside `parent` if given.
    template <class T, class... Args> T& Add(std::string name, Control* parent, Args&&... args) {
        auto control = std::make_unique<T>(std::move(name), std::forward<Args>(args)...);
        T& ref = *control;
        Adopt(std::move(control), parent);
        return ref;
    }
    template <class T> T& Add(std::string name) { return Add<T>(std::move(name), nullptr); }

    // The control of that designed name, or nullptr.
    Control* Find(std::string_view name) const;
    // The control of that designed name as what the caller knows it to be. A wrong name or a
    // control of another kind is a fault in the screen's code, not a state to carry on from:
    // it throws std::logic_error naming the screen and the control.
    template <class T> T& Get(std::string_view name) const {
        Control* control = Find(name);
        if (!control)
            throw std::logic_error(name_ + " has no control " + std::string(name));
        T* typed = dynamic_cast<T*>(control);
        if (!typed)
            throw std::logic_error(name_ + "." + std::string(name) + " is not of the kind asked");
        return *typed;
    }
    // A control by the role it plays on this screen ("Hit", "Exit"), for screens that name
    // their controls by role as well as by design; nullptr for none.
    virtual Control* FindByRole(std::string_view /*role*/) const { return nullptr; }

    bool Visible() const { return visible_; }
    void Show();
    void Hide();

    // The topmost showing control at a point in screen coordinates, or nullptr.
    Control* HitTest(Point local) const;
    const std::vector<Control*>& Roots() const { return roots_; }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    Color Background() const { return background_; }
    void SetBackground(Color color) { background_ = color; }

    Control* Focus() const { return focus_; }
    void SetFocus(Control* control) { focus_ = control; }

    // Paints the screen and its showing controls; `canvas` coordinates are layout pixels.
    void Paint(Canvas& canvas) const;

    // ---- keys ----
    // A key that presses a control of this screen the way a click does. The control shows
    // the key on its corner unless `hint` is false. The control is found by name when the key
    // is pressed, so it may be created later.
    void BindKey(const KeyPress& key, std::string_view controlName, bool hint = true);
    // A key pressed while this screen takes the keyboard; true when it was used. The base
    // presses the control bound to the key when that control shows and is enabled.
    virtual bool KeyDown(const KeyPress& key);
    // Whether the key is one this screen presses a control with, whether or not it can now:
    // a key it did not use is then refused rather than unknown.
    virtual bool Binds(const KeyPress& key) const;

    // Called when the screen becomes, or stops being, the topmost shown screen.
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}
    // Whether showing this screen on top activates it (and so deactivates the one under it);
    // false for windows laid over the game without being part of it.
    virtual bool Activates() const { return true; }

    // Schedules a repaint when the screen is shown.
    void Invalidate();

private:
    friend class App;
    friend class Control;
    void Adopt(std::unique_ptr<Control> control, Control* parent);
    void SetVisibleFlag(bool visible) { visible_ = visible; }
    // Paints a control and its children, drawn `shiftX`, `shiftY` beyond their places with
    // their own shifts added [layout px].
    void PaintTree(Canvas& canvas, const Control& control, double shiftX = 0,
                   double shiftY = 0) const;
    Control* HitTree(Control& control, Point local) const;
    static std::vector<Control*>& SiblingsOf(Control& control, std::vector<Control*>& roots);

    App& app_;
    std::string name_;
    ScreenKind kind_;
    Rect bounds_;
    bool visible_ = false;
    Color background_ = colors::kBlack;
    std::vector<std::unique_ptr<Control>> controls_;
    // Controls by name, for Find: tables look their buttons up on every refresh. The first
    // control of a name is the one found.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, Control*, NameHash, std::equal_to<>> byName_;
    std::vector<Control*> roots_;
    Control* focus_ = nullptr;
    struct KeyBinding {
        KeyPress key;
        std::string control;
    };
    std::vector<KeyBinding> keys_;
};

} // namespace quorvel
