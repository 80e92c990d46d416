// Sound output as the screens use it: one effect channel on which the looping front-end tunes
// and the short effects replace each other, and a separate music output for the tables. The
// user's levels apply to both, and everything can be paused while the window is not in use.
#pragma once

#include <functional>
#include <string_view>

namespace quorvel {

// The user's sound settings: the effect channel (effects and front-end tunes) and the table
// music, each on or off with a volume [0-100].
struct SoundLevels {
    bool effectsOn = true;
    int effectsVolume = 100;
    bool musicOn = true;
    int musicVolume = 100;
    friend bool operator==(const SoundLevels&, const SoundLevels&) = default;
};

class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts a sound on the effect channel, replacing whatever plays there.
    virtual void PlayEffect(std::string_view designPath, bool loop) = 0;
    virtual void StopEffect() = 0;
    // Plays a music track once; `finished` is called on the user-interface thread when it ends.
    virtual void PlayMusic(std::string_view designPath, std::function<void()> finished) = 0;
    virtual void StopMusic() = 0;
    // The volumes to play at from now on; what plays changes at once.
    virtual void SetLevels(const SoundLevels&) {}
    // Pauses what plays (the window was minimised or lost the focus), or resumes it.
    virtual void SetPaused(bool) {}
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
