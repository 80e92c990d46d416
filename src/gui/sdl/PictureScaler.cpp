// Separable tent-filter resampling and the scaled-surface cache.
#include "gui/sdl/PictureScaler.h"

#include "gui/Geometry.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

namespace quorvel {

namespace {

struct Taps {
    int first = 0;
    std::vector<float> weights;
};

// For each output position, the source positions it averages and their weights. The filter
// is a tent one source pixel wide when enlarging and one output pixel wide when shrinking.
std::vector<Taps> AxisTaps(int source, int output) {
    std::vector<Taps> taps(static_cast<std::size_t>(output));
    const double ratio = static_cast<double>(source) / output;
    const double support = std::max(1.0, ratio);
    for (int d = 0; d < output; ++d) {
        const double center = (d + 0.5) * ratio - 0.5;
        const int lo = static_cast<int>(std::ceil(center - support));
        const int hi = static_cast<int>(std::floor(center + support));
        Taps& t = taps[static_cast<std::size_t>(d)];
        t.first = std::clamp(lo, 0, source - 1);
        const int last = std::clamp(hi, 0, source - 1);
        t.weights.assign(static_cast<std::size_t>(last - t.first + 1), 0.0f);
        float sum = 0;
        for (int s = lo; s <= hi; ++s) {
            const float w = static_cast<float>(std::max(0.0, 1.0 - std::abs(s - center) / support));
            t.weights[static_cast<std::size_t>(std::clamp(s, 0, source - 1) - t.first)] += w;
            sum += w;
        }
        for (float& w : t.weights)
            w = sum > 0 ? w / sum : 1.0f / static_cast<float>(t.weights.size());
    }
    return taps;
}

struct Premultiplied {
    float a, r, g, b;
};

std::uint64_t Fingerprint(const Picture& p) {
    std::uint64_t h = 1469598103934665603ull;
    const std::size_t n = p.pixels.size();
    for (std::size_t k = 0; k < 64 && n > 0; ++k) {
        h ^= p.pixels[k * n / 64];
        h *= 1099511628211ull;
    }
    return h;
}

// Output rows resampled per band: the horizontal pass is kept only for the source rows one
// band needs, not for the whole picture.
constexpr int kBandRows = 32;

// Writes the resampled picture to `out`, `pitch` pixels from one row to the next.
void ResampleInto(const Picture& source, int width, int height, std::uint32_t* out,
                  std::size_t pitch) {
    const auto across = AxisTaps(source.width, width);
    const auto down = AxisTaps(source.height, height);
    auto channel = [](float v) {
        // Rounds half up; the library's lround costs a call per channel.
        return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f);
    };
    std::vector<Premultiplied> rows;
    for (int band = 0; band < height; band += kBandRows) {
        const int bandEnd = std::min(height, band + kBandRows);
        const int firstRow = down[static_cast<std::size_t>(band)].first;
        int lastRow = firstRow;
        for (int y = band; y < bandEnd; ++y) {
            const Taps& t = down[static_cast<std::size_t>(y)];
            lastRow = std::max(lastRow, t.first + static_cast<int>(t.weights.size()) - 1);
        }
        // Horizontal pass of the band's source rows into premultiplied floats.
        rows.assign(static_cast<std::size_t>(width) * (lastRow - firstRow + 1), {0, 0, 0, 0});
        for (int y = firstRow; y <= lastRow; ++y) {
            const std::uint32_t* in = &source.pixels[static_cast<std::size_t>(y) * source.width];
            for (int x = 0; x < width; ++x) {
                const Taps& t = across[static_cast<std::size_t>(x)];
                Premultiplied sum{0, 0, 0, 0};
                for (std::size_t k = 0; k < t.weights.size(); ++k) {
                    const std::uint32_t p = in[t.first + static_cast<int>(k)];
                    const float a = static_cast<float>(p >> 24) * t.weights[k];
                    sum.a += a;
                    sum.r += a * static_cast<float>((p >> 16) & 0xFF);
                    sum.g += a * static_cast<float>((p >> 8) & 0xFF);
                    sum.b += a * static_cast<float>(p & 0xFF);
                }
                rows[static_cast<std::size_t>(y - firstRow) * width + x] = sum;
            }
        }
        // Vertical pass of the band.
        for (int y = band; y < bandEnd; ++y) {
            const Taps& t = down[static_cast<std::size_t>(y)];
            std::uint32_t* line = out + static_cast<std::size_t>(y) * pitch;
            for (int x = 0; x < width; ++x) {
                Premultiplied sum{0, 0, 0, 0};
                for (std::size_t k = 0; k < t.weights.size(); ++k) {
                    const Premultiplied& p =
                        rows[static_cast<std::size_t>(t.first - firstRow + static_cast<int>(k)) *
                                 width +
                             x];
                    sum.a += p.a * t.weights[k];
                    sum.r += p.r * t.weights[k];
                    sum.g += p.g * t.weights[k];
                    sum.b += p.b * t.weights[k];
                }
                std::uint32_t value = 0;
                if (sum.a > 0.5f)
                    value = (channel(sum.a) << 24) | (channel(sum.r / sum.a) << 16) |
                            (channel(sum.g / sum.a) << 8) | channel(sum.b / sum.a);
                line[x] = value;
            }
        }
    }
}

} // namespace

Picture Resample(const Picture& source, int width, int height) {
    Picture out;
    out.width = std::max(width, 0);
    out.height = std::max(height, 0);
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    if (out.pixels.empty() || source.width <= 0 || source.height <= 0)
        return out;
    if (width == source.width && height == source.height)
        return source;
    ResampleInto(source, width, height, out.pixels.data(), static_cast<std::size_t>(width));
    return out;
}

PictureScaler::~PictureScaler() {
    for (Entry& e : recent_)
        SDL_FreeSurface(e.surface);
}

void PictureScaler::SetScale(double scale) {
    // One frame of the design at this scale [bytes].
    const double frame = kDesignWidth * scale * kDesignHeight * scale * 4;
    budget_ = std::max(kBudgetBytes, static_cast<std::size_t>(frame * kBudgetFrames));
    hiddenBudget_ = std::max(kHiddenBytes, static_cast<std::size_t>(frame * kHiddenFrames));
}

namespace {

// Opaque pictures are copied as they are; others are blended by their alpha.
void SetBlendMode(SDL_Surface* surface) {
    const auto* pixels = static_cast<const std::uint32_t*>(surface->pixels);
    const std::size_t pitch = static_cast<std::size_t>(surface->pitch) / 4;
    bool opaque = true;
    for (int y = 0; y < surface->h && opaque; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * pitch;
        opaque =
            std::all_of(row, row + surface->w, [](std::uint32_t p) { return (p >> 24) == 255; });
    }
    SDL_SetSurfaceBlendMode(surface, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
}

} // namespace

SDL_Surface* PictureScaler::Hit(const Key& key, const void* owner) {
    const auto it = index_.find(key);
    if (it == index_.end())
        return nullptr;
    recent_.splice(recent_.begin(), recent_, it->second);
    it->second->owner = owner;
    return it->second->surface;
}

SDL_Surface* PictureScaler::Add(Key key, SDL_Surface* surface,
                                std::shared_ptr<const Picture> pixels, const void* owner) {
    SetBlendMode(surface);
    const std::size_t bytes = static_cast<std::size_t>(surface->w) * surface->h * 4;
    recent_.push_front({key, surface, std::move(pixels), bytes, owner});
    index_.emplace(std::move(key), recent_.begin());
    bytes_ += bytes;
    // Drop the least recently drawn surfaces, never the one just made.
    while (bytes_ > budget_ && recent_.size() > 1)
        Drop(std::prev(recent_.end()));
    return surface;
}

SDL_Surface* PictureScaler::Get(const Picture& picture, int width, int height, const void* owner) {
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0)
        return nullptr;
    Key key{std::string(),        &picture, picture.width, picture.height,
            Fingerprint(picture), width,    height};
    if (SDL_Surface* kept = Hit(key, owner))
        return kept;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface)
        return nullptr;
    // Straight into the surface: no whole-size copy on the way.
    auto* pixels = static_cast<std::uint32_t*>(surface->pixels);
    const std::size_t pitch = static_cast<std::size_t>(surface->pitch) / 4;
    if (width == picture.width && height == picture.height) {
        for (int y = 0; y < height; ++y)
            std::memcpy(pixels + static_cast<std::size_t>(y) * pitch,
                        &picture.pixels[static_cast<std::size_t>(y) * width],
                        static_cast<std::size_t>(width) * 4);
    } else {
        ResampleInto(picture, width, height, pixels, pitch);
    }
    return Add(std::move(key), surface, nullptr, owner);
}

SDL_Surface* PictureScaler::Find(std::string_view designPath, int width, int height,
                                 const void* owner) {
    return Hit(Key{std::string(designPath), nullptr, 0, 0, 0, width, height}, owner);
}

SDL_Surface* PictureScaler::Keep(std::string_view designPath,
                                 std::shared_ptr<const Picture> picture, const void* owner) {
    if (!picture || picture->width <= 0 || picture->height <= 0)
        return nullptr;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(picture->pixels.data()), picture->width, picture->height, 32,
        picture->width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface)
        return nullptr;
    Key key{std::string(designPath), nullptr, 0, 0, 0, picture->width, picture->height};
    if (auto it = index_.find(key); it != index_.end())
        Drop(it->second);
    return Add(std::move(key), surface, std::move(picture), owner);
}

void PictureScaler::GiveBackHidden(const std::vector<const void*>& shown) {
    std::size_t hidden = 0;
    for (const Entry& e : recent_)
        if (std::find(shown.begin(), shown.end(), e.owner) == shown.end())
            hidden += e.bytes;
    for (auto it = recent_.end(); hidden > hiddenBudget_ && it != recent_.begin();) {
        --it;
        if (std::find(shown.begin(), shown.end(), it->owner) != shown.end())
            continue;
        hidden -= it->bytes;
        auto gone = it++;
        Drop(gone);
    }
}

void PictureScaler::Drop(std::list<Entry>::iterator entry) {
    bytes_ -= entry->bytes;
    SDL_FreeSurface(entry->surface);
    index_.erase(entry->key);
    recent_.erase(entry);
}

} // namespace quorvel
