// Tune rendering and loop cutting, and the synthesised sound effects.
#include "Sounds.h"

#include "Midi.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace artgen {
namespace {

constexpr int kRate = 22050; // [Hz]
constexpr int kParallel = 2; // renders at once

// Reads a float WAV as written by fluidsynth and mixes it down to mono.
bool ReadFloatWav(const std::string& file, std::vector<float>& mono) {
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0) {
        return false;
    }
    int channels = 0, bits = 0, format = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size =
            b[at + 4] | b[at + 5] << 8 | b[at + 6] << 16 | unsigned(b[at + 7]) << 24;
        if (std::memcmp(&b[at], "fmt ", 4) == 0) {
            format = b[at + 8] | b[at + 9] << 8;
            channels = b[at + 10] | b[at + 11] << 8;
            bits = b[at + 22] | b[at + 23] << 8;
        } else if (std::memcmp(&b[at], "data", 4) == 0 && channels > 0) {
            const size_t count = std::min<size_t>(size, b.size() - at - 8) / (bits / 8) / channels;
            mono.resize(count);
            for (size_t i = 0; i < count; ++i) {
                float sum = 0;
                for (int c = 0; c < channels; ++c) {
                    const unsigned char* p = &b[at + 8 + (i * channels + c) * (bits / 8)];
                    if (format == 3 && bits == 32) {
                        float v;
                        std::memcpy(&v, p, 4);
                        sum += v;
                    } else if (bits == 16) {
                        sum += short(p[0] | p[1] << 8) / 32768.0f;
                    }
                }
                mono[i] = sum / channels;
            }
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

std::vector<short> ToPcm(const std::vector<float>& x, double peakTarget) {
    float peak = 1e-6f;
    for (float v : x) {
        peak = std::max(peak, std::fabs(v));
    }
    const double gain = peakTarget / peak;
    std::vector<short> pcm(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        pcm[i] = static_cast<short>(std::lround(std::clamp(x[i] * gain, -1.0, 1.0) * 32767));
    }
    return pcm;
}

} // namespace

SoundMaker::SoundMaker(Output& out, std::string fluidsynth, std::string soundfont)
    : out_(out), fluidsynth_(std::move(fluidsynth)), soundfont_(std::move(soundfont)) {}

void SoundMaker::Start() {
    workDir_ = out_.FileFor("sound\\.render\\x");
    workDir_ = workDir_.substr(0, workDir_.size() - 2);
    const std::vector<Tune>& tunes = Tunes();
    for (size_t i = 0; i < tunes.size(); ++i) {
        ComposedTune composed = ComposeMidi(tunes[i]);
        if (!composed.error.empty()) {
            std::fprintf(stderr, "quorvel-artgen: %s\n", composed.error.c_str());
            continue;
        }
        Job job;
        job.tune = i;
        job.midi = workDir_ + "/tune" + std::to_string(i) + ".mid";
        job.wav = workDir_ + "/tune" + std::to_string(i) + ".wav";
        job.loopSeconds = composed.loopSeconds;
        std::ofstream(job.midi, std::ios::binary)
            .write(reinterpret_cast<const char*>(composed.smf.data()),
                   std::streamsize(composed.smf.size()));
        jobs_.push_back(job);
    }
    Launch();
}

void SoundMaker::Launch() {
    while (running_ < kParallel && next_ < jobs_.size()) {
        Job& job = jobs_[next_++];
        // Chorus and reverb off, float output: the render is the same on every run.
        std::vector<std::string> args = {fluidsynth_,
                                         "-ni",
                                         "-q",
                                         "-R",
                                         "0",
                                         "-C",
                                         "0",
                                         "-g",
                                         "0.5",
                                         "-r",
                                         std::to_string(kRate),
                                         "-T",
                                         "wav",
                                         "-O",
                                         "float",
                                         "-F",
                                         job.wav,
                                         soundfont_,
                                         job.midi};
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&job.pid, fluidsynth_.c_str(), &actions, nullptr, argv.data(), environ) !=
                0 &&
            posix_spawnp(&job.pid, fluidsynth_.c_str(), &actions, nullptr, argv.data(), environ) !=
                0) {
            std::fprintf(stderr, "quorvel-artgen: cannot run %s\n", fluidsynth_.c_str());
            job.done = true;
        } else {
            ++running_;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
}

void SoundMaker::Collect(bool wait) {
    for (Job& job : jobs_) {
        if (job.pid == 0 || job.done) {
            continue;
        }
        int status = 0;
        const pid_t r = waitpid(job.pid, &status, wait ? 0 : WNOHANG);
        if (r == job.pid) {
            job.done = true;
            --running_;
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
                Loop(job);
            } else {
                std::fprintf(stderr, "quorvel-artgen: fluidsynth failed on %s\n", job.midi.c_str());
            }
            Launch();
        }
    }
}

void SoundMaker::Poll() {
    Collect(false);
}

void SoundMaker::Finish() {
    while (running_ > 0 || next_ < jobs_.size()) {
        Collect(true);
    }
    std::filesystem::remove_all(workDir_);
    Effects();
}

// Cuts the render to its whole bars and lays the release tail that rang on past the end over
// the start, fading it out, so the loop joins without a gap or a click.
void SoundMaker::Loop(const Job& job) {
    std::vector<float> x;
    if (!ReadFloatWav(job.wav, x)) {
        std::fprintf(stderr, "quorvel-artgen: cannot read %s\n", job.wav.c_str());
        return;
    }
    const size_t loop = size_t(std::lround(job.loopSeconds * kRate));
    x.resize(std::max(x.size(), loop), 0.0f);
    std::vector<float> y(x.begin(), x.begin() + long(loop));
    const size_t tail = std::min(x.size() - loop, loop);
    for (size_t i = 0; i < tail; ++i) {
        const float fade = 1.0f - float(i) / float(tail);
        y[i] += x[loop + i] * fade;
    }
    out_.Sound(Tunes()[job.tune].file, ToPcm(y, 0.85), kRate);
}

void SoundMaker::Effects() {
    auto seconds = [](double s) { return size_t(s * kRate); };
    artwork::Lcg rng(21);
    // button: a short wooden tick falling in pitch
    {
        std::vector<float> y(seconds(0.09));
        double phase = 0;
        for (size_t i = 0; i < y.size(); ++i) {
            const double t = double(i) / kRate;
            phase += 2 * M_PI * (1400 - 5000 * t) / kRate;
            y[i] = float(std::sin(phase) * std::exp(-t * 60) +
                         (rng.Unit() - 0.5) * std::exp(-t * 400) * 0.6);
        }
        out_.Sound("sound\\button.wav", ToPcm(y, 0.7), kRate);
    }
    // card: a soft swish of filtered noise that ends in a snap on the felt
    {
        std::vector<float> y(seconds(0.16));
        double low = 0, band = 0;
        for (size_t i = 0; i < y.size(); ++i) {
            const double t = double(i) / kRate;
            const double noise = rng.Unit() - 0.5;
            low += 0.35 * (noise - low);
            band += 0.5 * (low - band);
            const double swish = (low - band) * std::sin(M_PI * std::min(t / 0.12, 1.0));
            const double snap = t > 0.12 ? noise * std::exp(-(t - 0.12) * 250) * 0.8 : 0;
            y[i] = float(swish * 3 + snap);
        }
        out_.Sound("sound\\card.wav", ToPcm(y, 0.6), kRate);
    }
    // enter_2: a two-note chime for a message
    {
        std::vector<float> y(seconds(0.6));
        const double notes[2] = {1318.5, 1760.0}, starts[2] = {0.0, 0.12};
        for (size_t i = 0; i < y.size(); ++i) {
            const double t = double(i) / kRate;
            double v = 0;
            for (int k = 0; k < 2; ++k) {
                if (t >= starts[k]) {
                    const double u = t - starts[k];
                    v += (std::sin(2 * M_PI * notes[k] * u) +
                          0.3 * std::sin(4 * M_PI * notes[k] * u)) *
                         std::exp(-u * 7) * std::min(u / 0.004, 1.0);
                }
            }
            y[i] = float(v);
        }
        out_.Sound("sound\\enter_2.wav", ToPcm(y, 0.6), kRate);
    }
    // end: a rising bell arpeggio closing the round
    {
        std::vector<float> y(seconds(1.4));
        const double notes[4] = {523.25, 659.25, 783.99, 1046.5};
        for (size_t i = 0; i < y.size(); ++i) {
            const double t = double(i) / kRate;
            double v = 0;
            for (int k = 0; k < 4; ++k) {
                const double u = t - k * 0.11;
                if (u >= 0) {
                    const double decay = k == 3 ? 3.0 : 6.0;
                    v += (std::sin(2 * M_PI * notes[k] * u) +
                          0.4 * std::sin(2 * M_PI * notes[k] * 2.01 * u) +
                          0.15 * std::sin(2 * M_PI * notes[k] * 3.0 * u)) *
                         std::exp(-u * decay) * std::min(u / 0.003, 1.0);
                }
            }
            y[i] = float(v * std::min((1.4 - t) / 0.05, 1.0));
        }
        out_.Sound("sound\\end.wav", ToPcm(y, 0.7), kRate);
    }
}

} // namespace artgen
