// Setting up and tearing down the SDL backend in the right order.
#include "gui/sdl/SdlPlatform.h"

#include "gui/sdl/SdlPump.h"
#include "gui/sdl/SdlSound.h"
#include "gui/sdl/SdlWindow.h"
#include "gui/sdl/TextRenderer.h"

#include <SDL.h>
#include <cstdlib>
#include <malloc.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

namespace {
// Blocks from this size on get pages of their own [bytes].
constexpr int kOwnPagesBytes = 256 << 10;
} // namespace

SdlPlatform::SdlSession::SdlSession(bool video) {
    SDL_SetMainReady();
    // The window's class (X11) and app id (Wayland) are the game's app id, as the installed
    // launcher says; read by SDL when it makes the window. A value set by the user stays.
    if (video) {
        setenv("SDL_VIDEO_X11_WMCLASS", QUORVEL_APP_ID, 0);
        setenv("SDL_VIDEO_WAYLAND_WMCLASS", QUORVEL_APP_ID, 0);
    }
    // In a Wayland session SDL's own Wayland driver gives a HiDPI screen's full pixels, where
    // the X server beside it would scale a smaller window up; X11 remains the fallback. A
    // driver the user names in SDL_VIDEODRIVER still wins.
    if (const char* wayland = std::getenv("WAYLAND_DISPLAY"); video && wayland && *wayland)
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland,x11");
    if (SDL_Init(video ? SDL_INIT_VIDEO : 0) != 0)
        throw std::runtime_error(std::string("無法啟動顯示 (SDL video could not be started: ") +
                                 SDL_GetError() + ")");
    // Without a display SDL falls back to drivers that draw nowhere; the game would then run
    // unseen and never end. Only the headless mode of tests and tools draws nowhere.
    const char* driver = video ? SDL_GetCurrentVideoDriver() : nullptr;
    if (driver &&
        (std::string_view(driver) == "offscreen" || std::string_view(driver) == "dummy")) {
        SDL_Quit();
        throw std::runtime_error("找不到顯示器，請在桌面環境中啟動遊戲 (no display found: start "
                                 "the game from a desktop session, or set DISPLAY)");
    }
}

SdlPlatform::SdlSession::~SdlSession() {
    SDL_Quit();
}

SdlPlatform::SdlPlatform(Options options)
    : session_(!options.headless),
      clock_(options.headless ? std::unique_ptr<Clock>(std::make_unique<VirtualClock>())
                              : std::make_unique<RealClock>()),
      files_(std::move(options.dataFolder)), pictures_(files_),
      painted_(files_, options.painter, std::move(options.pictureCache)),
      text_(std::make_unique<TextRenderer>()) {
    // Pictures of a large screen take megabytes each and come and go with the screens. Each
    // is given its own pages, which go back to the system when it is freed; glibc would
    // otherwise keep such blocks in the heap after the first was freed, and the game would
    // hold the most it ever held.
    mallopt(M_MMAP_THRESHOLD, kOwnPagesBytes);
    if (!options.headless) {
        sound_ = std::make_unique<SdlSound>(files_);
        window_ = std::make_unique<SdlWindow>();
    }
}

SdlPlatform::~SdlPlatform() = default;

SoundService& SdlPlatform::Sound() {
    if (sound_)
        return *sound_;
    return silent_;
}

DisplayService& SdlPlatform::Display() {
    if (window_)
        return *window_;
    return recording_;
}

void SdlPlatform::Attach(App& app) {
    // A missing or damaged data folder is said once, and stays said: without it every screen
    // is empty, and the reports of its single files would only bury this one.
    if (const std::string& problem = files_.Problem(); !problem.empty())
        app.ReportError(problem, true);
    if (sound_)
        sound_->SetReporter([&app](std::string text) { app.ReportError(std::move(text)); });
    if (window_) {
        pump_ = std::make_unique<SdlPump>(app, *window_, *text_, sound_.get(), &painted_);
        app.SetPump(pump_.get());
    }
}

} // namespace quorvel
