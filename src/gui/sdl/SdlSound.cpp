// Effects on mixer channel 0, table music on the mixer's music stream.
#include "gui/sdl/SdlSound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <iterator>

namespace quorvel {

namespace {

constexpr int kEffectChannel = 0;

// The mixer's end-of-music hook takes no argument and runs on the audio thread, so what it
// needs lives here: the event type to push and the number of the track now playing. Both are
// atomics and the hook only pushes an event; the track itself is handled on the UI thread.
std::atomic<std::uint32_t> gMusicEventType{0};
std::atomic<std::int32_t> gMusicTrack{0};
// The event type the opening helper pushes when it is done; registered once per process, as
// SDL's event types are.
std::atomic<std::uint32_t> gOpenedEventType{0};

void MusicEnded() {
    SDL_Event event{};
    event.type = gMusicEventType.load();
    event.user.code = gMusicTrack.load();
    SDL_PushEvent(&event);
}

// The game's sounds are all 22050 Hz mono 16-bit: opened so, the mixer keeps them as they
// are instead of converting each to a copy four times the size.
bool TryOpenAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 1, 1024) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

} // namespace

std::uint32_t SdlSound::OpenedEvent() {
    std::uint32_t type = gOpenedEventType.load();
    if (type == 0) {
        type = SDL_RegisterEvents(1);
        gOpenedEventType.store(type);
    }
    return type;
}

std::uint32_t SdlSound::MusicFinishedEvent() {
    std::uint32_t type = gMusicEventType.load();
    if (type == 0) {
        type = SDL_RegisterEvents(1);
        gMusicEventType.store(type);
    }
    return type;
}

SdlSound::SdlSound(DataFiles& files) : files_(files) {
    MusicFinishedEvent();
}

void SdlSound::Start() {
    if (started_)
        return;
    started_ = true;
    OpenedEvent();
    if (pendingEffect_)
        if (const auto file = files_.Resolve(pendingEffect_->path))
            firstFile_ = file->string();
    // Nothing else calls the mixer until the helper's event arrives and it is joined.
    opener_ = std::thread([this] {
        openedByHelper_ = TryOpenAudio();
        if (openedByHelper_ && !firstFile_.empty())
            firstChunk_ = Mix_LoadWAV(firstFile_.c_str());
        SDL_Event event{};
        event.type = OpenedEvent();
        SDL_PushEvent(&event);
    });
}

void SdlSound::HandleOpenedEvent() {
    if (ready_ || !opener_.joinable())
        return;
    opener_.join();
    ready_ = true;
    open_ = openedByHelper_;
    if (!open_) {
        // No sound device: SDL's silent driver keeps timing and end-of-track events working.
        // It opens at once, and setting the variable is safe only on this thread.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        open_ = TryOpenAudio();
    }
    if (open_) {
        Mix_AllocateChannels(1);
        ApplyLevels();
        Mix_HookMusicFinished(MusicEnded);
        if (firstChunk_)
            chunks_.push_front({firstFile_, firstChunk_, firstChunk_->alen});
        firstChunk_ = nullptr;
    }
    if (auto effect = std::move(pendingEffect_)) {
        pendingEffect_.reset();
        PlayEffect(effect->path, effect->loop);
    }
    if (auto music = std::move(pendingMusic_)) {
        pendingMusic_.reset();
        PlayMusic(music->path, std::move(music->finished));
    }
    ApplyPause();
}

namespace {
int MixerVolume(bool on, int volume) {
    return on ? std::clamp(volume, 0, 100) * MIX_MAX_VOLUME / 100 : 0;
}
} // namespace

void SdlSound::SetLevels(const SoundLevels& levels) {
    levels_ = levels;
    ApplyLevels();
}

void SdlSound::ApplyLevels() {
    if (!open_)
        return;
    Mix_Volume(kEffectChannel, MixerVolume(levels_.effectsOn, levels_.effectsVolume));
    Mix_VolumeMusic(MixerVolume(levels_.musicOn, levels_.musicVolume));
}

void SdlSound::SetPaused(bool paused) {
    paused_ = paused;
    ApplyPause();
}

void SdlSound::ApplyPause() {
    if (!open_)
        return;
    if (paused_) {
        Mix_Pause(-1);
        Mix_PauseMusic();
    } else {
        Mix_Resume(-1);
        Mix_ResumeMusic();
    }
}

SdlSound::~SdlSound() {
    if (opener_.joinable()) {
        opener_.join();
        open_ = openedByHelper_;
        if (firstChunk_)
            chunks_.push_front({firstFile_, firstChunk_, firstChunk_->alen});
    }
    if (!open_)
        return;
    Mix_HookMusicFinished(nullptr);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (music_)
        Mix_FreeMusic(music_);
    for (Chunk& c : chunks_)
        Mix_FreeChunk(c.chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::string SdlSound::Driver() const {
    const char* name = open_ ? SDL_GetCurrentAudioDriver() : nullptr;
    return name ? name : "";
}

void SdlSound::Report(std::string_view designPath, std::string text) {
    if (reported_.find(designPath) != reported_.end())
        return;
    reported_.emplace(designPath);
    if (report_)
        report_(std::move(text));
}

std::string SdlSound::Missing(std::string_view designPath) {
    const std::string& problem = files_.Problem();
    if (!problem.empty())
        return problem;
    return "找不到聲音檔 " + std::string(designPath) + " (sound file not found)";
}

Mix_Chunk* SdlSound::LoadChunk(std::string_view designPath, const std::string& file) {
    for (auto it = chunks_.begin(); it != chunks_.end(); ++it)
        if (it->file == file) {
            chunks_.splice(chunks_.begin(), chunks_, it);
            return it->chunk;
        }
    // Only one sound plays on the effect channel: with it halted, any chunk may go.
    Mix_HaltChannel(kEffectChannel);
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (!chunk) {
        Report(designPath,
               "無法播放聲音檔 " + std::string(designPath) + " (" + Mix_GetError() + ")");
        return nullptr;
    }
    chunks_.push_front({file, chunk, chunk->alen});
    std::size_t kept = 0;
    for (auto it = std::next(chunks_.begin()); it != chunks_.end();) {
        kept += it->bytes;
        if (kept > kKeptChunkBytes) {
            kept -= it->bytes;
            Mix_FreeChunk(it->chunk);
            it = chunks_.erase(it);
        } else {
            ++it;
        }
    }
    return chunk;
}

void SdlSound::PlayEffect(std::string_view designPath, bool loop) {
    const auto file = files_.Resolve(designPath);
    if (!file) {
        Report(designPath, Missing(designPath));
        return;
    }
    if (!ready_) {
        pendingEffect_ = Pending{std::string(designPath), loop, nullptr};
        return;
    }
    if (!open_)
        return;
    Mix_Chunk* chunk = LoadChunk(designPath, file->string());
    if (!chunk)
        return;
    Mix_HaltChannel(kEffectChannel);
    Mix_PlayChannel(kEffectChannel, chunk, loop ? -1 : 0);
    // A tune started while the window is away waits for it; a short effect plays.
    if (paused_ && loop)
        Mix_Pause(kEffectChannel);
}

void SdlSound::StopEffect() {
    pendingEffect_.reset();
    if (open_)
        Mix_HaltChannel(kEffectChannel);
}

void SdlSound::HaltMusic() {
    finished_ = nullptr;
    pendingMusic_.reset();
    if (open_)
        Mix_HaltMusic(); // its end event carries the old track number and is ignored
    ++gMusicTrack;
}

void SdlSound::PlayMusic(std::string_view designPath, std::function<void()> finished) {
    HaltMusic();
    const auto file = files_.Resolve(designPath);
    if (!file) {
        Report(designPath, Missing(designPath));
        return;
    }
    if (!ready_) {
        pendingMusic_ = Pending{std::string(designPath), false, std::move(finished)};
        return;
    }
    if (!open_)
        return;
    if (!music_ || musicFile_ != file->string()) {
        if (music_)
            Mix_FreeMusic(music_);
        musicFile_ = file->string();
        music_ = Mix_LoadMUS(file->c_str());
        if (!music_) {
            Report(designPath,
                   "無法播放聲音檔 " + std::string(designPath) + " (" + Mix_GetError() + ")");
            return;
        }
    }
    finished_ = std::move(finished);
    if (Mix_PlayMusic(music_, 0) != 0)
        finished_ = nullptr;
    else if (paused_)
        Mix_PauseMusic();
}

void SdlSound::StopMusic() {
    HaltMusic();
}

void SdlSound::HandleMusicEvent(const SDL_Event& event) {
    if (event.user.code != gMusicTrack.load() || !finished_)
        return;
    // The handler may start the next track, which sets a new handler.
    auto finished = std::move(finished_);
    finished_ = nullptr;
    finished();
}

} // namespace quorvel
