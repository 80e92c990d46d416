// The desktop the game runs on. The game never changes the desktop's resolution: switching
// "to 800x600" means entering the scaled, letterboxed full screen, restoring means leaving it.
#pragma once

namespace quorvel {

struct DisplaySize {
    int width = 0;
    int height = 0;
};

class DisplayService {
public:
    virtual ~DisplayService() = default;
    virtual DisplaySize DesktopSize() const = 0;
    virtual void SwitchDisplayMode(int width, int height) = 0;
    virtual void RestoreDisplayMode(int width, int height) = 0;
};

// Records the requests; used headless.
class RecordingDisplay final : public DisplayService {
public:
    explicit RecordingDisplay(DisplaySize desktop = {1024, 768}) : desktop_(desktop) {}
    DisplaySize DesktopSize() const override { return desktop_; }
    void SwitchDisplayMode(int width, int height) override {
        current_ = {width, height};
        ++switches;
    }
    void RestoreDisplayMode(int width, int height) override {
        current_ = {width, height};
        ++restores;
    }
    DisplaySize Current() const { return current_; }
    int switches = 0;
    int restores = 0;

private:
    DisplaySize desktop_;
    DisplaySize current_ = desktop_;
};

} // namespace quorvel
