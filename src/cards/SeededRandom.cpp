// The game's random source: three mt19937 streams seeded once from one seed, and a queue of
// scripted rule draws.
#include "cards/SeededRandom.h"

#include "cards/ScriptError.h"

#include <string>

namespace quorvel {

namespace {
std::uint64_t DeviceSeed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) | device();
}
} // namespace

int UniformDraw(std::mt19937& generator, int lo, int hi, std::uint64_t* used) {
    if (hi <= lo)
        return lo;
    const std::uint64_t span = std::uint64_t(std::int64_t{hi} - lo) + 1;
    const std::uint64_t range = std::uint64_t{1} << 32;
    // Largest multiple of span that fits in 32 bits: values at or above it are redrawn.
    const std::uint64_t limit = range - range % span;
    std::uint64_t value;
    do {
        value = generator();
        if (used)
            ++*used;
    } while (value >= limit);
    return static_cast<int>(std::int64_t{lo} + std::int64_t(value % span));
}

SeededRandom::SeededRandom() : SeededRandom(DeviceSeed()) {}

SeededRandom::SeededRandom(std::uint64_t seed) : seed_(seed) {
    Seed(seed);
}

void SeededRandom::Seed(std::uint64_t seed) {
    seed_ = seed;
    used_ = {};
    for (std::uint32_t stream = 0; stream < 3; ++stream) {
        std::seed_seq sequence{std::uint32_t(seed), std::uint32_t(seed >> 32), stream};
        streams_[stream].seed(sequence);
    }
}

RandomPosition SeededRandom::Position() const {
    return {true, seed_, used_};
}

void SeededRandom::Restore(const RandomPosition& position) {
    Seed(position.Seed);
    for (std::size_t stream = 0; stream < 3; ++stream) {
        streams_[stream].discard(position.Used[stream]);
        used_[stream] = position.Used[stream];
    }
}

int SeededRandom::Draw(DrawStream stream, int lo, int hi) {
    if (stream == DrawStream::Rules && !queue_.empty()) {
        const int value = queue_.front();
        queue_.pop_front();
        if (value < lo || value > hi)
            throw ScriptError("scripted rule draw " + std::to_string(value) + " is outside " +
                              std::to_string(lo) + ".." + std::to_string(hi));
        return value;
    }
    const auto s = static_cast<std::size_t>(stream);
    return UniformDraw(streams_[s], lo, hi, &used_[s]);
}

void SeededRandom::DrawMany(DrawStream stream, int lo, int hi, std::span<int> out) {
    const std::uint64_t span = std::uint64_t(std::int64_t{hi} - lo) + 1;
    // Queued rule draws come first, and a span beyond 31 bits is rare enough to take slowly.
    if ((stream == DrawStream::Rules && !queue_.empty()) || hi <= lo || span >= (1u << 31)) {
        RandomSource::DrawMany(stream, lo, hi, out);
        return;
    }
    // UniformDraw's values, with its remainder taken by a multiplication instead of a
    // division: for 32-bit values and spans, ((M * value) * span) >> 64 with
    // M = 2^64 / span rounded up is exactly value % span.
    const auto s = static_cast<std::size_t>(stream);
    std::mt19937& generator = streams_[s];
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t limit = range - range % span;
    const std::uint64_t inverse = ~std::uint64_t{0} / span + 1;
    std::uint64_t used = 0;
    for (int& value : out) {
        std::uint64_t drawn;
        do {
            drawn = generator();
            ++used;
        } while (drawn >= limit);
        const std::uint64_t fraction = inverse * drawn;
        const auto remainder =
            static_cast<std::uint64_t>((static_cast<unsigned __int128>(fraction) * span) >> 64);
        value = static_cast<int>(std::int64_t{lo} + static_cast<std::int64_t>(remainder));
    }
    used_[s] += used;
}

void SeededRandom::QueueRuleDraws(const std::vector<int>& values) {
    queue_.insert(queue_.end(), values.begin(), values.end());
}

} // namespace quorvel
