// Sound through SDL2_mixer: the effect channel (front-end tunes and effects replace each
// other there) and the music output for the tables, whose end is announced by an SDL user
// event and handed to the game on the user-interface thread. Without an audio device it
// falls back to SDL's silent driver, so the game plays on without sound.
#pragma once

#include "platform/DataFiles.h"
#include "platform/SoundService.h"

#include <functional>
#include <map>
#include <set>
#include <string>

union SDL_Event;
struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quorvel {

class SdlSound final : public SoundService {
public:
    explicit SdlSound(DataFiles& files);
    ~SdlSound();
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Where missing or unplayable files are reported, each file once.
    void SetReporter(std::function<void(std::string)> report) { report_ = std::move(report); }
    bool Open() const { return open_; }
    // The audio driver in use ("dummy" when there is no device), empty when none.
    std::string Driver() const;

    void PlayEffect(std::string_view designPath, bool loop) override;
    void StopEffect() override;
    void PlayMusic(std::string_view designPath, std::function<void()> finished) override;
    void StopMusic() override;

    // The event type announcing the end of a track; the event pump hands such events here.
    static std::uint32_t MusicFinishedEvent();
    void HandleMusicEvent(const SDL_Event& event);

private:
    void Report(std::string_view designPath, std::string text);
    // The report for a file that is not there: the data folder's problem when it has one.
    std::string Missing(std::string_view designPath);
    void HaltMusic();

    DataFiles& files_;
    bool open_ = false;
    std::function<void(std::string)> report_;
    std::set<std::string, std::less<>> reported_;
    std::map<std::string, Mix_Chunk*> chunks_; // by resolved file
    Mix_Music* music_ = nullptr;
    std::string musicFile_;
    std::function<void()> finished_;
};

} // namespace quorvel
