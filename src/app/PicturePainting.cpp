// Choosing the painter.
#include "app/PicturePainting.h"

#include "artwork/ArtworkId.h"
#include "gui/PainterProcess.h"

#include <filesystem>

namespace quorvel {

std::unique_ptr<PicturePainter> MakePicturePainter() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return nullptr;
    const auto program = PainterProcess::FindProgram(self.parent_path(), QUORVEL_PAINTER_FROM_BIN);
    if (program.empty())
        return nullptr;
    // Whether the painters' typefaces are installed the painter program says itself.
    return std::make_unique<PainterProcess>(program, artwork::kArtworkId, true);
}

} // namespace quorvel
