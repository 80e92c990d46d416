// Sound through SDL2_mixer: the effect channel (front-end tunes and effects replace each
// other there) and the music output for the tables, whose end is announced by an SDL user
// event and handed to the game on the user-interface thread. Start(), after the first frame,
// opens the device and reads the tune asked for so far on a helper thread, so neither holds
// up the screen; until the helper's ready event arrives, what is asked is only remembered.
// Without an audio device it falls back to SDL's silent driver.
#pragma once

#include "gui/SoundService.h"
#include "system/DataFiles.h"

#include <cstddef>
#include <functional>
#include <list>
#include <optional>
#include <set>
#include <string>
#include <thread>

union SDL_Event;
struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quorvel {

class SdlSound final : public SoundService {
public:
    // Decoded effects and tunes kept besides the one playing [bytes]: the short effects stay,
    // a tune is read again when it comes back.
    static constexpr std::size_t kKeptChunkBytes = 1u << 20;

    explicit SdlSound(DataFiles& files);
    ~SdlSound();
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Starts opening the device on the helper thread. Later calls do nothing.
    void Start();
    bool Started() const { return started_; }
    // Whether the device is opened (or failed to) and the sound is played as asked.
    bool Ready() const { return ready_; }
    // Where missing or unplayable files are reported, each file once.
    void SetReporter(std::function<void(std::string)> report) { report_ = std::move(report); }
    bool Open() const { return open_; }
    // The audio driver in use ("dummy" when there is no device), empty when none.
    std::string Driver() const;

    void PlayEffect(std::string_view designPath, bool loop) override;
    void StopEffect() override;
    void PlayMusic(std::string_view designPath, std::function<void()> finished) override;
    void StopMusic() override;
    void SetLevels(const SoundLevels& levels) override;
    void SetPaused(bool paused) override;

    // The event types announcing the end of a track and the helper's end; the event pump
    // hands such events here.
    static std::uint32_t MusicFinishedEvent();
    static std::uint32_t OpenedEvent();
    void HandleMusicEvent(const SDL_Event& event);
    void HandleOpenedEvent();

private:
    struct Chunk {
        std::string file;
        Mix_Chunk* chunk;
        std::size_t bytes;
    };
    struct Pending {
        std::string path;
        bool loop = false;
        std::function<void()> finished;
    };
    void Report(std::string_view designPath, std::string text);
    // The report for a file that is not there: the data folder's problem when it has one.
    std::string Missing(std::string_view designPath);
    void HaltMusic();
    // Sets the mixer's volumes from levels_, and pauses or resumes it as paused_ says.
    void ApplyLevels();
    void ApplyPause();
    Mix_Chunk* LoadChunk(std::string_view designPath, const std::string& file);

    DataFiles& files_;
    bool started_ = false;
    bool ready_ = false;
    bool open_ = false;
    // The helper thread and what it hands over: whether the device opened, and the first
    // tune's file and chunk. Touched by the UI thread only after joining the helper.
    std::thread opener_;
    bool openedByHelper_ = false;
    std::string firstFile_;
    Mix_Chunk* firstChunk_ = nullptr;
    std::optional<Pending> pendingEffect_;
    std::optional<Pending> pendingMusic_;
    std::function<void(std::string)> report_;
    std::set<std::string, std::less<>> reported_;
    std::list<Chunk> chunks_; // most recently played first
    Mix_Music* music_ = nullptr;
    std::string musicFile_;
    std::function<void()> finished_;
    SoundLevels levels_;
    bool paused_ = false;
};

} // namespace quorvel
