// The surfaces pictures are drawn from in a window that is not 800x600: pictures painted at
// the size shown, and scaled copies of files (a filtered resample: tent filter on
// premultiplied alpha, so transparent edges get no dark fringe), kept per picture and size and
// bounded by bytes in proportion to the output's area. Each surface remembers the screen that
// drew it last; the surfaces of hidden screens are given back first.
#pragma once

#include "gui/Picture.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

struct SDL_Surface;

namespace quorvel {

// The picture resampled to `width` x `height` [px].
Picture Resample(const Picture& source, int width, int height);

class PictureScaler {
public:
    PictureScaler() = default;
    ~PictureScaler();
    PictureScaler(const PictureScaler&) = delete;
    PictureScaler& operator=(const PictureScaler&) = delete;

    // The bound of the cache [bytes], and what the surfaces of hidden screens may keep
    // [bytes], at least; on a larger output, as many frames of the design's size as these
    // make at 800x600, at most this many [frames].
    static constexpr std::size_t kBudgetBytes = 8u << 20;
    static constexpr std::size_t kHiddenBytes = 3u << 20;
    static constexpr double kBudgetFrames = 2.5;
    static constexpr double kHiddenFrames = 1.0;

    // The output's pixels per layout pixel, which the bounds follow.
    void SetScale(double scale);
    std::size_t Budget() const { return budget_; }

    // An ARGB8888 surface of the picture at that size, with its blend mode set, drawn by the
    // screen `owner`; owned by the cache and valid until the next call.
    SDL_Surface* Get(const Picture& picture, int width, int height, const void* owner = nullptr);
    // The surface of a picture painted for a design path at that size, if it is kept.
    SDL_Surface* Find(std::string_view designPath, int width, int height,
                      const void* owner = nullptr);
    // Keeps a picture painted for a design path at its size and gives its surface, which
    // draws from the picture's own pixels.
    SDL_Surface* Keep(std::string_view designPath, std::shared_ptr<const Picture> picture,
                      const void* owner = nullptr);
    // After a frame: the surfaces last drawn by screens not in `shown` are given back, the
    // least recently drawn first, until they hold no more than the hidden bound.
    void GiveBackHidden(const std::vector<const void*>& shown);
    std::size_t Bytes() const { return bytes_; }

private:
    // Identity of a picture: the design path it was painted for, or the address, size and a
    // sample of the pixels of a picture scaled (so a new picture that happens to reuse a freed
    // one's address is not mistaken for it), and the size drawn.
    using Key = std::tuple<std::string, const Picture*, int, int, std::uint64_t, int, int>;
    struct Entry {
        Key key;
        SDL_Surface* surface;
        std::shared_ptr<const Picture> pixels; // a painted picture the surface draws from
        std::size_t bytes;
        const void* owner;
    };
    SDL_Surface* Hit(const Key& key, const void* owner);
    SDL_Surface* Add(Key key, SDL_Surface* surface, std::shared_ptr<const Picture> pixels,
                     const void* owner);
    void Drop(std::list<Entry>::iterator entry);

    std::list<Entry> recent_; // most recent first
    std::map<Key, std::list<Entry>::iterator> index_;
    std::size_t bytes_ = 0;
    std::size_t budget_ = kBudgetBytes;
    std::size_t hiddenBudget_ = kHiddenBytes;
};

} // namespace quorvel
