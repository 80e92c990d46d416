// Sound output as the screens use it: one effect channel on which the looping front-end tunes
// and the short effects replace each other, and a separate music output for the tables.
#pragma once

#include <functional>
#include <string_view>

namespace quorvel {

class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts a sound on the effect channel, replacing whatever plays there.
    virtual void PlayEffect(std::string_view designPath, bool loop) = 0;
    virtual void StopEffect() = 0;
    // Plays a music track once; `finished` is called on the user-interface thread when it ends.
    virtual void PlayMusic(std::string_view designPath, std::function<void()> finished) = 0;
    virtual void StopMusic() = 0;
};

// Plays nothing; used headless and when no audio device can be opened.
class SilentSound final : public SoundService {
public:
    void PlayEffect(std::string_view, bool) override {}
    void StopEffect() override {}
    void PlayMusic(std::string_view, std::function<void()>) override {}
    void StopMusic() override {}
};

} // namespace quorvel
