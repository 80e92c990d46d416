// Scaled copies of pictures for a window that is not 800x600: a filtered resample (tent
// filter on premultiplied alpha, so transparent edges get no dark fringe) and a cache of the
// resulting SDL surfaces per picture and size, bounded by bytes. Each copy remembers the
// screen that drew it last; the copies of hidden screens are given back first.
#pragma once

#include "gui/Picture.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
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

    // The bound of the cache [bytes], and what the copies of hidden screens may keep [bytes].
    static constexpr std::size_t kBudgetBytes = 8u << 20;
    static constexpr std::size_t kHiddenBytes = 3u << 20;

    // An ARGB8888 surface of the picture at that size, with its blend mode set, drawn by the
    // screen `owner`; owned by the cache and valid until the next call.
    SDL_Surface* Get(const Picture& picture, int width, int height, const void* owner = nullptr);
    // After a frame: the copies last drawn by screens not in `shown` are given back, the least
    // recently drawn first, until they hold no more than kHiddenBytes.
    void GiveBackHidden(const std::vector<const void*>& shown);
    std::size_t Bytes() const { return bytes_; }

private:
    // Identity of a picture: its address, size and a sample of its pixels, so a new picture
    // that happens to reuse a freed one's address is not mistaken for it.
    using Key = std::tuple<const Picture*, int, int, std::uint64_t, int, int>;
    struct Entry {
        Key key;
        SDL_Surface* surface;
        std::size_t bytes;
        const void* owner;
    };
    void Drop(std::list<Entry>::iterator entry);

    std::list<Entry> recent_; // most recent first
    std::map<Key, std::list<Entry>::iterator> index_;
    std::size_t bytes_ = 0;
};

} // namespace quorvel
