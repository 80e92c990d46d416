// The tables' tracks and their repeat.
#include "tables/TableMusic.h"

#include "cards/Random.h"
#include "gui/App.h"
#include "tables/TableHost.h"

namespace quorvel {

namespace {
constexpr int kMusicTracks = 6; // "sound\main1.wav" .. "sound\main6.wav"
} // namespace

void TableMusic::Start() {
    host_.TableMusicOn() = true;
    const int n = host_.Random().Draw(DrawStream::Cosmetic, 1, kMusicTracks);
    Play("sound\\main" + std::to_string(n) + ".wav");
}

void TableMusic::Play(const std::string& track) {
    // The same track repeats for as long as the music flag stays set.
    app_.PlayMusic(track, [this, track] {
        if (host_.TableMusicOn())
            Play(track);
    });
}

void TableMusic::Stop() {
    host_.TableMusicOn() = false;
    app_.StopMusic();
}

} // namespace quorvel
