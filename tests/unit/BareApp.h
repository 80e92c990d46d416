// An App with no pictures, no sound and a recorded display, on a virtual clock: what the tests
// of input, waits and focus need of the platform, with no backend behind it.
#pragma once

#include "platform/App.h"
#include "platform/Clock.h"
#include "platform/DisplayService.h"
#include "platform/PictureSource.h"
#include "platform/SoundService.h"

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
