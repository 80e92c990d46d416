// Fuzz target for the save loader: any bytes must give a record or an error, never a crash,
// and a record must be one the game can use (mode 1..4, its own picture files).
#include "players/SaveFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quorvel::LoadResult result = quorvel::DecodeSaveRecord(data, size);
    if (result.Ok() == !result.Error.empty())
        std::abort();
    if (result.Ok()) {
        const auto& contents = *result.Contents;
        const auto slots = quorvel::SlotsOfMode(contents.Mode);
        if (!slots || !quorvel::IsGameBackground(contents.Background))
            std::abort();
        for (int i = 0; i < 4; ++i)
            if (slots->Pictures[i] && !quorvel::IsGamePortrait(contents.Pictures[i]))
                std::abort();
    }
    return 0;
}
