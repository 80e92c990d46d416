// Eight xoshiro128++ generators per stream, stepped together; the many draws of the shuffle
// use 16 bits of a value each, mapped to their range by a multiplication with rejection
// (unbiased), eight at a time where the processor has SSE2.
#include "SimulationRandom.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorvel::sim {

namespace {

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

constexpr std::uint32_t Rotate(std::uint32_t x, int k) {
    return (x << k) | (x >> (32 - k));
}

#if defined(__SSE2__)
__m128i Rotate(__m128i x, int k) {
    return _mm_or_si128(_mm_slli_epi32(x, k), _mm_srli_epi32(x, 32 - k));
}

// One xoshiro128++ step of four generators: their four state words, one register each.
__m128i Step(__m128i (&s)[4]) {
    const __m128i result = _mm_add_epi32(Rotate(_mm_add_epi32(s[0], s[3]), 7), s[0]);
    const __m128i t = _mm_slli_epi32(s[1], 9);
    s[2] = _mm_xor_si128(s[2], s[0]);
    s[3] = _mm_xor_si128(s[3], s[1]);
    s[1] = _mm_xor_si128(s[1], s[2]);
    s[0] = _mm_xor_si128(s[0], s[3]);
    s[2] = _mm_xor_si128(s[2], t);
    s[3] = Rotate(s[3], 11);
    return result;
}
#endif

} // namespace

SimulationRandom::SimulationRandom(std::uint64_t seed, std::uint64_t job) {
    std::uint64_t mix = seed ^ (job * 0xD1B54A32D192ED03ull);
    SplitMix(mix);
    for (Lanes& lanes : streams_)
        for (auto& word : lanes.State)
            for (std::uint32_t& lane : word)
                lane = static_cast<std::uint32_t>(SplitMix(mix) >> 32);
}

void SimulationRandom::Lanes::Step() {
    for (int lane = 0; lane < kLanes; ++lane) {
        std::uint32_t& s0 = State[0][lane];
        std::uint32_t& s1 = State[1][lane];
        std::uint32_t& s2 = State[2][lane];
        std::uint32_t& s3 = State[3][lane];
        Values[lane] = Rotate(s0 + s3, 7) + s0;
        const std::uint32_t t = s1 << 9;
        s2 ^= s0;
        s3 ^= s1;
        s1 ^= s2;
        s0 ^= s3;
        s2 ^= t;
        s3 = Rotate(s3, 11);
    }
    Next = 0;
}

std::uint32_t SimulationRandom::Lanes::Value() {
    if (Next == kLanes)
        Step();
    return Values[static_cast<std::size_t>(Next++)];
}

int SimulationRandom::Draw(DrawStream stream, int lo, int hi) {
    if (hi <= lo)
        return lo;
    Lanes& lanes = streams_[static_cast<std::size_t>(stream)];
    // A 32-bit value times the span: the high half is the draw, unless the low half falls in
    // the few values that would favour some draws.
    const std::uint64_t span = std::uint64_t(std::int64_t{hi} - lo) + 1;
    std::uint64_t product = lanes.Value() * span;
    if (static_cast<std::uint32_t>(product) < span) {
        const std::uint64_t threshold = ((std::uint64_t{1} << 32) - span) % span;
        while (static_cast<std::uint32_t>(product) < threshold)
            product = lanes.Value() * span;
    }
    return static_cast<int>(std::int64_t{lo} + static_cast<std::int64_t>(product >> 32));
}

void SimulationRandom::DrawMany(DrawStream stream, int lo, int hi, std::span<int> out) {
    const std::uint64_t span64 = std::uint64_t(std::int64_t{hi} - lo) + 1;
    if (hi <= lo || span64 > 0xFFFF) {
        RandomSource::DrawMany(stream, lo, hi, out);
        return;
    }
    Lanes& lanes = streams_[static_cast<std::size_t>(stream)];
    const auto span = static_cast<std::uint32_t>(span64);
    // A 16-bit piece times the span: its high 16 bits are the draw; a low half below
    // 65536 % span is rejected.
    const std::uint32_t threshold = 65536u % span;
    std::size_t taken = 0;
    const auto keep = [&](std::uint32_t piece) {
        const std::uint32_t product = piece * span;
        if ((product & 0xFFFF) >= threshold && taken < out.size())
            out[taken++] = lo + static_cast<int>(product >> 16);
    };
#if defined(__SSE2__)
    // Sixteen draws from one step of the eight generators, while none is rejected.
    __m128i first[4], second[4];
    for (int word = 0; word < 4; ++word) {
        first[word] = _mm_load_si128(reinterpret_cast<const __m128i*>(&lanes.State[word][0]));
        second[word] = _mm_load_si128(reinterpret_cast<const __m128i*>(&lanes.State[word][4]));
    }
    const __m128i spans = _mm_set1_epi16(static_cast<short>(span));
    const __m128i flip = _mm_set1_epi16(static_cast<short>(0x8000));
    const __m128i limit = _mm_set1_epi16(static_cast<short>(threshold ^ 0x8000u));
    const __m128i base = _mm_set1_epi32(lo);
    const __m128i zero = _mm_setzero_si128();
    while (taken + 16 <= out.size()) {
        const __m128i a = Step(first);
        const __m128i b = Step(second);
        const __m128i lowA = _mm_mullo_epi16(a, spans);
        const __m128i lowB = _mm_mullo_epi16(b, spans);
        const __m128i highA = _mm_mulhi_epu16(a, spans);
        const __m128i highB = _mm_mulhi_epu16(b, spans);
        const __m128i rejected = _mm_or_si128(_mm_cmplt_epi16(_mm_xor_si128(lowA, flip), limit),
                                              _mm_cmplt_epi16(_mm_xor_si128(lowB, flip), limit));
        if (_mm_movemask_epi8(rejected) != 0) {
            alignas(16) std::uint16_t pieces[16];
            _mm_store_si128(reinterpret_cast<__m128i*>(pieces), a);
            _mm_store_si128(reinterpret_cast<__m128i*>(pieces + 8), b);
            for (std::uint16_t piece : pieces)
                keep(piece);
            continue;
        }
        int* to = out.data() + taken;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                         _mm_add_epi32(_mm_unpacklo_epi16(highA, zero), base));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 4),
                         _mm_add_epi32(_mm_unpackhi_epi16(highA, zero), base));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8),
                         _mm_add_epi32(_mm_unpacklo_epi16(highB, zero), base));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 12),
                         _mm_add_epi32(_mm_unpackhi_epi16(highB, zero), base));
        taken += 16;
    }
    for (int word = 0; word < 4; ++word) {
        _mm_store_si128(reinterpret_cast<__m128i*>(&lanes.State[word][0]), first[word]);
        _mm_store_si128(reinterpret_cast<__m128i*>(&lanes.State[word][4]), second[word]);
    }
#endif
    while (taken < out.size()) {
        const std::uint32_t value = lanes.Value();
        keep(value & 0xFFFF);
        keep(value >> 16);
    }
}

} // namespace quorvel::sim
