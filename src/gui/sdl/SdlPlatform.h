// Everything the game needs from SDL in one bundle: clock, pictures, text, sound, window and
// event pump. Headless (for tests and tools) it opens no window and no audio, runs on a
// virtual clock and still offers the text renderer for screenshots.
#pragma once

#include "gui/App.h"
#include "gui/sdl/FilePictureStore.h"
#include "gui/sdl/PaintedPictures.h"
#include "system/Clock.h"
#include "system/DataFiles.h"

#include <filesystem>
#include <memory>

namespace quorvel {

class SdlPump;
class SdlSound;
class SdlWindow;
class TextRenderer;

class SdlPlatform {
public:
    struct Options {
        std::filesystem::path dataFolder;
        bool headless = false;
        // Paints the pictures at the size shown when the window is not 800x600; without it
        // the files are scaled.
        PicturePainter* painter = nullptr;
        // Where pictures painted at a size are kept between runs; empty: not kept.
        std::filesystem::path pictureCache = {};
    };

    // Throws std::runtime_error with a message for the user (Chinese and English) when SDL,
    // the window or the font cannot be set up.
    explicit SdlPlatform(Options options);
    ~SdlPlatform();
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    Clock& GetClock() { return *clock_; }
    PictureSource& Pictures() { return pictures_; }
    PaintedPictures& Painted() { return painted_; }
    SoundService& Sound();
    DisplayService& Display();
    TextRenderer& Text() { return *text_; }
    DataFiles& Files() { return files_; }

    // Binds the game to the platform: sound reports go to `app`, and (with a window) the event
    // pump is created and handed to the app.
    void Attach(App& app);

private:
    // SDL's own start and end, around every other member.
    struct SdlSession {
        explicit SdlSession(bool video);
        ~SdlSession();
    };

    SdlSession session_;
    std::unique_ptr<Clock> clock_;
    DataFiles files_;
    FilePictureStore pictures_;
    PaintedPictures painted_;
    std::unique_ptr<TextRenderer> text_;
    SilentSound silent_;
    std::unique_ptr<SdlSound> sound_;
    RecordingDisplay recording_;
    std::unique_ptr<SdlWindow> window_;
    std::unique_ptr<SdlPump> pump_;
};

} // namespace quorvel
