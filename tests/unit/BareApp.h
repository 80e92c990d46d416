// An App with no pictures, no sound and a recorded display, on a virtual clock: what the tests
// of input, waits and focus need of the platform, with no backend behind it.
#pragma once

#include "gui/App.h"
#include "system/Clock.h"
#include "gui/DisplayService.h"
#include "gui/PictureSource.h"
#include "gui/SoundService.h"

#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

// Every picture is missing.
class NoPictures final : public PictureSource {
public:
    std::shared_ptr<const Picture> Load(std::string_view path, std::string& error) override {
        error = "missing " + std::string(path);
        return nullptr;
    }
};

struct BareApp {
    VirtualClock clock;
    NoPictures pictures;
    SilentSound sound;
    RecordingDisplay display;
    App app{clock, pictures, sound, display};
};

} // namespace quorvel
