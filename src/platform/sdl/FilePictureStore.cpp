// Picture look-up, decoding and caching by resolved file.
#include "platform/sdl/FilePictureStore.h"

#include "platform/sdl/PictureDecoders.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace quorvel {

std::shared_ptr<const Picture> FilePictureStore::Load(std::string_view gamePath,
                                                      std::string& error) {
    const auto file = files_.Resolve(gamePath);
    if (!file) {
        error = "找不到圖片檔 " + std::string(gamePath) + " (picture file not found)";
        return nullptr;
    }
    auto it = byFile_.find(file->string());
    if (it == byFile_.end()) {
        Entry entry;
        std::ifstream in(*file, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        std::string why;
        if (in.bad())
            why = "read error";
        else
            entry.picture = DecodePicture(bytes, why);
        if (!entry.picture)
            entry.error =
                "無法解碼圖片檔 " + std::string(gamePath) + " (cannot decode picture: " + why + ")";
        it = byFile_.emplace(file->string(), std::move(entry)).first;
    }
    if (!it->second.picture)
        error = it->second.error;
    return it->second.picture;
}

} // namespace quorvel
