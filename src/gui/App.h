// The application: the screens in creation order, which of them are shown and on top, input
// routing, error reports, and the blocking wait that keeps handling events while it waits.
// Everything runs on one thread; an event pump supplies the events (SDL, or a test script).
#pragma once

#include "gui/DisplayService.h"
#include "gui/Geometry.h"
#include "gui/Key.h"
#include "gui/PictureSource.h"
#include "gui/SoundService.h"
#include "gui/Trace.h"
#include "system/Clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class Control;
class Screen;

// Waits for and dispatches events until one was handled or the deadline [clock ms] is reached.
// Without a deadline it waits for the next event; a headless pump then asks its script instead.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void Pump(std::optional<std::int64_t> deadlineMs) = 0;
};

// A report shown in the game for a while, on top of every screen: an error, or a short note
// that something went well ("已存檔").
struct Notice {
    std::string text;
    std::int64_t untilMs = 0; // [clock ms]
};

class App {
public:
    // A wait shorter than one frame lasts one frame, so stepwise movement stays visible [ms].
    static constexpr int kFrameMs = 16;
    // How long an error report stays on screen [ms].
    static constexpr int kNoticeMs = 6000;
    // Notice lines shown at once; the last of them counts the reports that do not fit.
    static constexpr std::size_t kShownNotices = 3;
    // How long a short note stays on screen [ms].
    static constexpr int kNoteMs = 1500;

    App(Clock& clock, PictureSource& pictures, SoundService& sound, DisplayService& display);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Clock& GetClock() const { return clock_; }
    SoundService& Sound() const { return sound_; }
    DisplayService& Display() const { return display_; }
    Trace& GetTrace() { return trace_; }
    void SetPump(EventPump* pump) { pump_ = pump; }

    // Pictures, each file reported at most once when it cannot be loaded or measured.
    std::shared_ptr<const Picture> LoadPicture(std::string_view designPath);
    std::optional<PictureSize> MeasurePicture(std::string_view designPath);
    // A report shows for kNoticeMs, or until the end of the run when `lasting` (a problem that
    // stays, like a missing data folder). A text already on screen is not shown twice.
    void ReportError(std::string text, bool lasting = false);
    // The notice lines to show now: at most kShownNotices, the oldest first, the last line
    // counting the reports that do not fit.
    std::vector<Notice> CurrentNotices() const;
    // Reports held, shown or expired (for tests).
    std::size_t KeptNotices() const { return notices_.size(); }
    // A short note that something went well, shown for `ms` [ms]; a new note replaces it. It
    // is not an error: it goes to no terminal and no log.
    void Note(std::string text, int ms = kNoteMs);
    // The note showing now, if any.
    std::optional<Notice> CurrentNote() const;
    // Where error reports are written besides the terminal (a log file); none by default.
    void SetErrorLog(std::function<void(std::string_view)> log) { errorLog_ = std::move(log); }

    // Sounds, traced for tests.
    void PlaySound(std::string_view designPath, bool loop = false);
    void StopSound();
    void PlayMusic(std::string_view designPath, std::function<void()> finished);
    void StopMusic();
    // Announcements are drawn by each table; this only reports them to the trace.
    void TraceBanner(std::string_view text) { trace_.Emit(TraceKind::Banner, text); }

    // Screens.
    void Register(Screen& screen);
    void ShowScreen(Screen& screen);
    void HideScreen(Screen& screen);
    Screen* FindScreen(std::string_view name) const;
    // "Screen.Control" → the control, or nullptr; the control by its designed name or, on a
    // screen that names its controls by role, by its role.
    Control* FindControl(std::string_view qualifiedName) const;
    const std::vector<Screen*>& Screens() const { return screens_; }
    // Shown screens from bottom to top.
    const std::vector<Screen*>& ShownScreens() const { return shown_; }
    Screen* ActiveScreen() const { return shown_.empty() ? nullptr : shown_.back(); }

    // Input in layout coordinates. Points outside 0..799 x 0..599 are ignored.
    void MouseMove(Point p);
    void MouseDown(MouseButton button, Point p);
    void MouseUp(MouseButton button, Point p);
    void TextInput(std::string_view utf8);
    void KeyBackspace();
    // A key press. In this order: Enter or Space press the control the keyboard focus is on;
    // letters and digits go to an edit box that has the text focus; the screens that take the
    // keyboard try it (a modal screen alone, otherwise the shown screens from the top down to
    // the first full screen); Tab and the arrows move the keyboard focus; last the game's own
    // keys (onKey). Held keys repeat only for moving the focus.
    void KeyDown(const KeyPress& key);
    std::function<bool(const KeyPress&)> onKey;
    // The control the keyboard focus is on, framed on screen: a showing, enabled button of the
    // screen that takes input. nullptr when there is none (the mouse moved, the screen changed).
    Control* KeyFocus() const;
    // Moves the keyboard focus to a control, hovering it as the pointer would.
    void SetKeyFocus(Control* control);
    // Whether buttons show the keys that press them (off until the desktop game turns it on).
    bool KeyHintsShown() const { return keyHints_; }
    void ShowKeyHints(bool shown);
    // The screen that takes clicks and keys first: the top modal screen, else the top screen.
    Screen* InputScreen() const;
    // Input aimed straight at a control (scenario runner): down, up and click, or a move.
    void ClickControl(Control& control, MouseButton button = MouseButton::Left);
    void HoverControl(Control& control);
    // Input the game would not take now: a click on a disabled button, a key whose button is
    // hidden or disabled, a press the table refused while busy. `key` names the key, "" for a
    // click. The desktop game answers with a short note; without a listener nothing happens.
    void InputRefused(std::string_view key) {
        if (onInputRefused)
            onInputRefused(key);
    }
    std::function<void(std::string_view key)> onInputRefused;
    // The cursor the pointer should show at a point.
    Cursor CursorAt(Point p) const;

    // The blocking wait: handles events until `ms` (at least one frame) have passed.
    void Delay(int ms);
    // Lets exactly `ms` pass at the top level, running timers due meanwhile.
    void Idle(int ms);
    // Shows a screen modally and returns when it is hidden.
    void ShowModal(Screen& screen);
    // Shows a screen modally and returns at once: it takes all input, stays above screens
    // shown later, and stops being modal when it is hidden.
    void OpenModal(Screen& screen);
    // The window is asked to close (its close button, Alt+F4, Ctrl+Q): the game's handler
    // decides, or without one the app ends.
    void RequestClose();
    std::function<void()> onCloseRequest;
    // The window gained or lost the user's attention (focus, minimised): sound pauses meanwhile.
    void SetWindowActive(bool active);
    bool WindowActive() const { return windowActive_; }
    // The main loop: runs until Terminate().
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    int WaitDepth() const { return waitDepth_; }

    // One-shot timers [ms from now]; they run inside whatever wait or loop is running then.
    int After(int ms, std::function<void()> action);
    void CancelTimer(int id);
    std::optional<std::int64_t> NextTimerDue() const;

    // Repaint bookkeeping for the renderer.
    void MarkDirty() { dirty_ = true; }
    // The renderer presented a frame; counted, with the time of the latest [clock ms], so a
    // benchmark can tell when the screen stopped changing.
    void NoteFramePresented() {
        ++framesPresented_;
        lastFrameMs_ = clock_.NowMs();
    }
    int FramesPresented() const { return framesPresented_; }
    std::int64_t LastFrameMs() const { return lastFrameMs_; }
    bool TakeDirty() {
        bool d = dirty_;
        dirty_ = false;
        return d;
    }

private:
    struct Timer {
        std::int64_t due;
        int id;
        std::function<void()> action;
    };
    void WaitUntil(std::int64_t deadline);
    void RunDueTimers();
    void UpdateActivation();
    // The screen that takes mouse input at a point, honouring a modal screen.
    Screen* ScreenAt(Point p) const;
    Control* ControlAt(Point p, Screen** screen) const;
    void ReportOnce(std::string_view key, std::string text);
    bool IsModal(const Screen* screen) const;
    // The buttons of the input screen the keyboard focus can rest on, in reading order.
    std::vector<Control*> Focusable() const;
    void MoveKeyFocus(Key key, bool backwards);
    void DropKeyFocus();
    // The pointer is now over `control` (nullptr: none); the one it left hears of it.
    void PointerOver(Control* control);

    Clock& clock_;
    PictureSource& pictures_;
    SoundService& sound_;
    DisplayService& display_;
    Trace trace_;
    EventPump* pump_ = nullptr;

    std::vector<Screen*> screens_;
    std::vector<Screen*> shown_;
    std::vector<Screen*> modal_;
    Screen* active_ = nullptr;
    Control* pressed_ = nullptr;
    MouseButton pressedButton_ = MouseButton::Left;
    Control* keyFocus_ = nullptr;
    Control* pointerOver_ = nullptr;
    bool keyHints_ = false;
    bool windowActive_ = true;

    std::vector<Timer> timers_;
    int nextTimerId_ = 1;
    int waitDepth_ = 0;
    bool terminated_ = false;
    bool dirty_ = true;
    int framesPresented_ = 0;
    std::int64_t lastFrameMs_ = 0;

    std::set<std::string, std::less<>> reported_;
    std::vector<Notice> notices_;
    std::optional<Notice> note_;
    std::function<void(std::string_view)> errorLog_;
};

} // namespace quorvel
