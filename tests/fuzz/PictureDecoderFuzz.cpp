// Fuzz target for the picture decoders: any bytes must give a whole picture within the size
// limit or an error, never a crash or a huge allocation; and the size read from the header
// alone, which lays out a control before its picture is decoded, must be the decoded size.
#include "gui/sdl/PictureDecoders.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::string error;
    const auto picture = quorvel::DecodePicture(bytes, error);
    if (!picture == error.empty())
        std::abort();
    if (picture) {
        if (picture->width < 1 || picture->height < 1 || picture->width > 4096 ||
            picture->height > 4096 ||
            picture->pixels.size() != static_cast<std::size_t>(picture->width) * picture->height)
            std::abort();
    }
    std::string probeError;
    bool truncated = false;
    const auto measured = quorvel::ProbePicture(bytes, probeError, truncated);
    if (!measured == probeError.empty())
        std::abort();
    if (picture && measured &&
        (measured->width != picture->width || measured->height != picture->height))
        std::abort();
    return 0;
}
